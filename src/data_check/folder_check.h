// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <vector>

#include "data_check/problem.h"

namespace velmoran {

// Every problem of the data texts in the game folder `folder` (the one holding data/): the
// files the game asks for, in the order it knows them, then the files of data/ it never asks
// for. Empty if all is well.
std::vector<Problem> checkGameFolder(const std::filesystem::path& folder);

}  // namespace velmoran
