// SPDX-License-Identifier: GPL-3.0-or-later
#include "state/reign_recorder.h"

namespace velmoran {

void ReignRecorder::note(const Moment& moment) {
  // The end of the reign always gets its line, however full the chronicle is.
  if (chronicle_.moments.size() < kMostChronicleRows || infoOf(moment.kind).endsTheReign) {
    if (chronicle_.moments.size() == kMostChronicleRows) chronicle_.moments.pop_back();
    chronicle_.moments.push_back(moment);
  }
}

void ReignRecorder::recordMonth(const MonthFigures& figures) {
  auto& rows = chronicle_.figures;
  if (!keepsMonth(figures.month)) return;
  if (!rows.empty() && rows.back().month == figures.month) {
    rows.back() = figures;
    return;
  }
  if (rows.size() == kMostChronicleRows) {
    // Half the rows go; the first month stays whatever its number.
    stride_ *= 2;
    std::size_t kept = 1;
    for (std::size_t i = 1; i < rows.size(); ++i) {
      if (rows[i].month % stride_ == 0) rows[kept++] = rows[i];
    }
    rows.resize(kept);
    if (!keepsMonth(figures.month)) return;
  }
  rows.push_back(figures);
}

ReignChronicle ReignRecorder::finish(const MonthFigures& last, const std::string& ruler,
                                     const std::string& country, long long months) const {
  ReignChronicle chronicle = chronicle_;
  auto& rows = chronicle.figures;
  // The last month takes the place of the one before it when the chronicle is full.
  if (!rows.empty() && (rows.back().month == last.month || rows.size() == kMostChronicleRows)) {
    rows.back() = last;
  } else {
    rows.push_back(last);
  }
  chronicle.ruler = ruler;
  chronicle.country = country;
  chronicle.months = months;
  return chronicle;
}

}  // namespace velmoran
