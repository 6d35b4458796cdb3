// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>

namespace velmoran {

// The address of the help page that comes with the game, napoveda.html in its shipped
// folder: a file URL the player's browser opens.
std::string helpPageAddress(const std::filesystem::path& shipped);

}  // namespace velmoran
