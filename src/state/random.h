// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace velmoran {

// The program's one random generator. It is never seeded, so every start of the program
// replays the same sequence of draws for the same sequence of actions.
class Random {
 public:
  // Next value in [0, 1), single precision.
  float next();

  // Whole part of k * R + 1 in single precision: 1..k, each equally likely.
  int oneTo(int k);

 private:
  std::uint32_t state_ = 327680;
};

}  // namespace velmoran
