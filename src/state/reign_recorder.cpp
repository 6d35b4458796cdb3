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
    stride_ *= 2;
    std::size_t kept = 0;
    for (const MonthFigures& row : rows) {
      if (row.month % stride_ == 0) rows[kept++] = row;
    }
    rows.resize(kept);
    if (!keepsMonth(figures.month)) return;
  }
  rows.push_back(figures);
}

ReignChronicle ReignRecorder::finish(const std::string& ruler, const std::string& country,
                                     long long months) {
  ReignChronicle chronicle = chronicle_;
  chronicle.ruler = ruler;
  chronicle.country = country;
  chronicle.months = months;
  return chronicle;
}

}  // namespace velmoran
