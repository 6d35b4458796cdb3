// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>
#include <vector>

namespace velmoran {

// A sum of dollars that a text names.
struct NamedSum {
  long long dollars;
  int lineOffset;  // line breaks in the text before it
};

// The sums a text (UTF-8) names in dollars: a number right before "$" or with a blank between
// ("600$", "600 $"), its thousands perhaps parted by blanks ("1 000$"). Sums a month
// ("10$ měsíčně") are left out: they are the budget's, not the treasury's.
std::vector<NamedSum> sumsNamed(std::string_view text);

}  // namespace velmoran
