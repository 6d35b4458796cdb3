// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "data_check/problem.h"
#include "files/game_folders.h"

namespace velmoran {

// Every problem of the data texts the game reads from `folders`, each named by the folder its
// file lies in: the files the game asks for, in the order it knows them, then the files of the
// text folders it never asks for. Empty if all is well.
std::vector<Problem> checkGameFolder(const GameFolders& folders);

}  // namespace velmoran
