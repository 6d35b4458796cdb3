// SPDX-License-Identifier: GPL-3.0-or-later
#include "console/line_source.h"

#include "files/terminal_text.h"

namespace velmoran {

std::optional<std::string> LineSource::next() {
  std::string line;
  if (!std::getline(in_, line)) return std::nullopt;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return validUtf8(line);
}

}  // namespace velmoran
