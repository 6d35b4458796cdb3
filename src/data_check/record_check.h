// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "data_check/problem.h"
#include "files/data_files.h"

namespace velmoran {

// Every problem of one data text: its bytes as read from `path`, the game's file `file`.
std::vector<Problem> checkDataText(const std::string& path, const DataFile& file,
                                   std::string_view bytes);

}  // namespace velmoran
