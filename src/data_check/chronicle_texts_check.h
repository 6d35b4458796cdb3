// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <vector>

#include "data_check/problem.h"

namespace velmoran {

// The texts of the chronicle (data/kronika.ini, at `path`): every moment's text there once, in
// quotes, with no number it does not have.
std::vector<Problem> checkChronicleTexts(const std::filesystem::path& path);

}  // namespace velmoran
