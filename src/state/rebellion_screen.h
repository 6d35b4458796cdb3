// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace velmoran {

// What the rebellion screen `vzpoura` shows: who fights for the ruler and who against, and the
// summed strength of each side as the text of its field.
struct RebellionScreen {
  std::vector<std::string> stebou;
  std::vector<std::string> protitobe;
  std::string tvojes = "0";
  std::string jejichs = "0";
};

}  // namespace velmoran
