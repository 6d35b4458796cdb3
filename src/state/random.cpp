// SPDX-License-Identifier: GPL-3.0-or-later
#include "state/random.h"

#include <algorithm>
#include <cmath>

namespace velmoran {

namespace {
constexpr std::uint32_t kMultiplier = 1140671485u;
constexpr std::uint32_t kIncrement = 12820163u;
constexpr std::uint32_t kMask = (1u << 24) - 1;
constexpr float kScale = 16777216.0f;
}  // namespace

float Random::next() {
  state_ = (state_ * kMultiplier + kIncrement) & kMask;
  return static_cast<float>(state_) / kScale;
}

bool Random::restore(std::uint32_t state) {
  if (state > kMask) return false;
  state_ = state;
  return true;
}

int Random::oneTo(int k) {
  const float r = next();
  const float scaled = static_cast<float>(k) * r + 1.0f;
  // At the generator's largest value single precision rounds k * R + 1 up to k + 1.
  return std::min(static_cast<int>(std::floor(scaled)), k);
}

}  // namespace velmoran
