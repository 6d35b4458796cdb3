// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <istream>
#include <optional>
#include <string>

namespace velmoran {

// The player's lines from standard input: line ends stripped (CR LF too), bytes that are not
// UTF-8 replaced, so that nothing the player types can damage a file or the transcript.
class LineSource {
 public:
  explicit LineSource(std::istream& in) : in_(in) {}
  std::optional<std::string> next();

 private:
  std::istream& in_;
};

// A text as one transcript field that cannot drive the player's terminal and reads one way
// only: line breaks written as \n and \r, every other control character (C0, DEL and C1) as \x
// and its code point in two hex digits (\x1B for ESC), the bidirectional controls as \u{} and
// four hex digits (\u{202E}), and a backslash or a | as \\ or \|, so that a typed "\x1B" is
// not an ESC and a name holding " | " is not two fields.
std::string transcriptField(const std::string& text);

}  // namespace velmoran
