// SPDX-License-Identifier: GPL-3.0-or-later
// The recorder of a reign's chronicle on reigns of every length: the months it keeps span the
// whole reign evenly, from the first month to the last, and a full chronicle still ends with
// the reign's end.
#include "state/reign_recorder.h"

#include <gtest/gtest.h>

namespace velmoran {
namespace {

MonthFigures figuresOf(long long month) {
  MonthFigures f;
  f.month = month;
  f.treasury = 3 * month;
  f.territory = month % 97;
  return f;
}

// Plays a reign of `months` months as the game does: the figures at every month's end from
// the first month on, asked for only where the recorder keeps them, then the end.
ReignChronicle reignOf(long long months) {
  ReignRecorder recorder;
  for (long long month = 1; month <= months; ++month) {
    if (recorder.keepsMonth(month)) recorder.recordMonth(figuresOf(month));
  }
  return recorder.finish(figuresOf(months), "Vládce", "Země", months);
}

TEST(ReignRecorder, KeepsTheFirstAndLastMonthsAndAnEvenStrideBetween) {
  const auto most = static_cast<long long>(kMostChronicleRows);
  for (const long long months :
       {1LL, 2LL, 3LL, most - 1, most, most + 1, 2 * most + 1, 3 * most, 100000LL, 100001LL}) {
    SCOPED_TRACE(months);
    const auto rows = reignOf(months).figures;
    ASSERT_FALSE(rows.empty());
    ASSERT_LE(rows.size(), kMostChronicleRows);
    EXPECT_EQ(rows.front().month, 1);
    EXPECT_EQ(rows.back().month, months);
    // A long reign fills at least half the chronicle: no resolution is thrown away.
    EXPECT_GE(rows.size(),
              std::min<std::size_t>(static_cast<std::size_t>(months), kMostChronicleRows / 2));
    // Between the first and the last, every stride-th month and no other.
    const long long stride = rows.size() > 3 ? rows[2].month - rows[1].month : 1;
    for (std::size_t i = 0; i < rows.size(); ++i) {
      EXPECT_EQ(rows[i].treasury, 3 * rows[i].month) << i;
      if (i == 0 || i + 1 == rows.size()) continue;
      EXPECT_EQ(rows[i].month, i == 1 ? std::max(stride, 2LL) : rows[i - 1].month + stride) << i;
    }
    if (rows.size() > 1) {
      const long long lastStep = rows.back().month - rows[rows.size() - 2].month;
      EXPECT_GT(lastStep, 0);
      EXPECT_LE(lastStep, stride);
    }
  }
}

// The reign's end is the last moment even when the chronicle has no room left, and the
// figures end with the country as it was at the end.
TEST(ReignRecorder, AFullChronicleStillEndsWithTheReignsEnd) {
  ReignRecorder recorder;
  // Thinned once, then filled again: the last month is not one the stride keeps.
  const long long months = 2 * static_cast<long long>(kMostChronicleRows) - 1;
  for (long long month = 1; month <= months; ++month) {
    recorder.note({month, MomentKind::PartisansBeaten, {month, 1}});
    if (recorder.keepsMonth(month)) recorder.recordMonth(figuresOf(month));
  }
  recorder.note({months, MomentKind::Bankruptcy, {-15001, 0}});
  MonthFigures end = figuresOf(months);
  end.treasury = -15001;
  const ReignChronicle c = recorder.finish(end, "Vládce", "Země", months);
  ASSERT_EQ(c.moments.size(), kMostChronicleRows);
  EXPECT_EQ(c.moments.back().kind, MomentKind::Bankruptcy);
  EXPECT_EQ(c.moments[c.moments.size() - 2].month, static_cast<long long>(kMostChronicleRows) - 1);
  ASSERT_EQ(c.figures.size(), kMostChronicleRows);
  EXPECT_EQ(c.figures.back().month, months);
  EXPECT_EQ(c.figures.back().treasury, -15001);
  // The whole chronicle goes into its file and reads back.
  const auto back = parseChronicle(chronicleBytes(c));
  ASSERT_TRUE(back);
  EXPECT_EQ(back->figures.back().treasury, -15001);
  EXPECT_EQ(back->moments.back().kind, MomentKind::Bankruptcy);
}

}  // namespace
}  // namespace velmoran
