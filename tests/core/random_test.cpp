// SPDX-License-Identifier: GPL-3.0-or-later
#include "state/random.h"

#include <gtest/gtest.h>

#include <array>

namespace velmoran {
namespace {

TEST(Random, FirstDrawsAreTheFixedSequence) {
  Random random;
  // x1 = (327680 * 1140671485 + 12820163) mod 2^24
  const std::uint64_t x1 = (327680ULL * 1140671485ULL + 12820163ULL) % (1ULL << 24);
  EXPECT_FLOAT_EQ(random.next(), static_cast<float>(x1) / 16777216.0f);
}

constexpr std::uint64_t kPeriod = 1ULL << 24;

TEST(Random, EveryStartOfTheProgramReplaysTheSameDraws) {
  Random first;
  Random second;
  std::uint64_t x = 327680;
  for (int i = 0; i < 50; ++i) {
    SCOPED_TRACE(i);
    x = (x * 1140671485ULL + 12820163ULL) % kPeriod;
    const float r = first.next();
    EXPECT_EQ(r, static_cast<float>(x) / 16777216.0f);
    EXPECT_EQ(r, second.next());
  }
}

// Draws oneTo(k) over one whole period of the generator, which visits every state once; the
// draw after the period must repeat the first one.
std::array<long, 260> countOneTo(int k) {
  Random random;
  Random fresh;
  std::array<long, 260> counts{};
  for (std::uint64_t i = 0; i < kPeriod; ++i) {
    const int drawn = random.oneTo(k);
    ++counts[drawn >= 0 && drawn < 259 ? drawn : 259];
  }
  EXPECT_EQ(random.next(), fresh.next()) << "the period is not 2^24";
  return counts;
}

TEST(Random, MonthlyDrawOverAFullPeriodGivesOneToTenEvenly) {
  const auto counts = countOneTo(10);
  long total = 0;
  for (int v = 1; v <= 10; ++v) {
    SCOPED_TRACE(v);
    EXPECT_NEAR(counts[v], static_cast<double>(kPeriod) / 10, 2);
    total += counts[v];
  }
  EXPECT_EQ(total, static_cast<long>(kPeriod)) << "a draw fell outside 1..10";
}

// The generator's largest value 1 - 2^-24 (the 11529709th draw after the start) makes
// k * R + 1 round up to k + 1 in single precision for k = 1, 2, 4, 8, ...
TEST(Random, TwoVariantDrawOverAFullPeriodGivesOnlyOneAndTwo) {
  for (int k : {2, 1, 4, 8}) {
    SCOPED_TRACE(k);
    const auto counts = countOneTo(k);
    long inRange = 0;
    for (int v = 1; v <= k; ++v) {
      EXPECT_GT(counts[v], 0);
      inRange += counts[v];
    }
    EXPECT_EQ(inRange, static_cast<long>(kPeriod)) << "a draw fell outside 1.." << k;
  }
}

}  // namespace
}  // namespace velmoran
