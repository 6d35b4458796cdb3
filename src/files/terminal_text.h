// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace velmoran {

// A text as a terminal may show it: it cannot drive the terminal nor reorder what follows, and
// it reads one way only. Line breaks are written as \n and \r, every other control character
// (C0, DEL and C1) as \x and its code point in two hex digits (\x1B for ESC), a byte that is
// not UTF-8 as \x and its value, the bidirectional controls as \u{} and four hex digits
// (\u{202E}), and a backslash as \\, so that a typed "\x1B" is never taken for an ESC. Each
// character of `alsoEscaped` (a separator of fields, say) gets a backslash before it too.
std::string terminalText(std::string_view text, std::string_view alsoEscaped = {});

// The bytes with every one that does not belong to UTF-8 replaced by U+FFFD.
std::string validUtf8(std::string_view bytes);

}  // namespace velmoran
