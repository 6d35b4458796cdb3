// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <string>
#include <vector>

#include "reign.h"

namespace velmoran {

struct RulerResult {
  std::string ruler;
  std::vector<Reign> reigns;
};

// Months ruled: the median and the quartiles, by the nearest rank.
struct Spread {
  long long lower, median, upper;
};
Spread spreadOf(std::vector<Reign> reigns);

// The results as a Markdown table: the months ruled and how the reigns ended.
std::string balanceTable(const std::vector<RulerResult>& results);

// The same as a picture: the months ruled of each ruler as a box, and the shares of the
// endings as stacked bars.
bool drawBalance(const std::vector<RulerResult>& results, const QString& pngFile);

}  // namespace velmoran
