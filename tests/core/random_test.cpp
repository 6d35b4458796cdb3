#include "state/random.h"

#include <gtest/gtest.h>

namespace velmoran {
namespace {

TEST(Random, FirstDrawsAreTheFixedSequence) {
  Random random;
  // x1 = (327680 * 1140671485 + 12820163) mod 2^24
  const std::uint64_t x1 = (327680ULL * 1140671485ULL + 12820163ULL) % (1ULL << 24);
  EXPECT_FLOAT_EQ(random.next(), static_cast<float>(x1) / 16777216.0f);
}

}  // namespace
}  // namespace velmoran
