// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>

#include "files/file_fault.h"

namespace velmoran {

// Why a file of the data set could not be read, as a problem says it: "soubor chybí", a folder
// in its place, or the cause the editor can act on.
std::string whyNotRead(const std::filesystem::path& file, FileFault fault);

}  // namespace velmoran
