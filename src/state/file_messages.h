// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "files/file_fault.h"

namespace velmoran {

// A file error's sentence with one more line that tells the player why, in words they can act
// on ("Příčina: soubor nebo jeho složka je jen pro čtení.").
std::string withCause(const std::string& sentence, FileFault fault);

}  // namespace velmoran
