// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <istream>
#include <optional>
#include <string>

#include "transcript/transcript_lines.h"

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

}  // namespace velmoran
