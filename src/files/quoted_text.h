// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "files/record_reader.h"

namespace velmoran {

// A text of the player's (a name, a panel's text) as one quoted field of a game file: the
// windows-1250 bytes with their quotes, a quote doubled, and every character windows-1250
// cannot carry, every control character and '&' written as a numeric reference ("&#8364;"),
// so that the text reads back unchanged whatever it holds.
std::string quotedField(const std::string& utf8);

// The text of such a field, in UTF-8. Strict: empty for a bare field, bytes windows-1250
// leaves undefined or a reference that is not a character.
std::optional<std::string> unquotedField(const Field& field);

}  // namespace velmoran
