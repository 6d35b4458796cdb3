// SPDX-License-Identifier: GPL-3.0-or-later
// Copies of the game in one folder that end reigns at the same moment: none loses another's
// score.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "console_harness.h"
#include "files/best_scores.h"

namespace velmoran::e2e {
namespace {

// Every reign is longer than the reign before it in any copy, so each one ranks when it ends
// and the copies write the table all the time; the three longest end last, in three copies.
TEST(ManyCopies, EveryReignThatRanksIsInTheTable) {
  constexpr int kCopies = 4, kReigns = 25, kFirstMonths = 100;
  TestGameFolder folder;
  writeCraftedSet(folder);
  std::vector<std::string> scripts(kCopies);
  for (int reign = 0; reign < kReigns; ++reign) {
    for (int copy = 0; copy < kCopies; ++copy) {
      const int months = kFirstMonths + reign * kCopies + copy;
      scripts[copy] += "start\nK" + std::to_string(months) + "\n\nset vlada " +
                       std::to_string(months) + "\nset kasa -15001\nprohra-ok\n";
    }
  }
  for (const Transcript& t : playAtOnce(folder, scripts)) {
    EXPECT_EQ(t.exitStatus, 0);
    EXPECT_FALSE(t.hasPrefix("MSG | critical | CHYBA"));
  }
  const long long last = kFirstMonths + kReigns * kCopies - 1;
  const auto table = parseBestScores(folder.readBytes("best.dat")).table;
  ASSERT_TRUE(table);
  EXPECT_EQ(table->months, (std::array<long long, 3>{last, last - 1, last - 2}));
  EXPECT_EQ(table->names[0], "K" + std::to_string(last));
}

}  // namespace
}  // namespace velmoran::e2e
