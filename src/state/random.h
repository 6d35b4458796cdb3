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

  // The generator's state, to keep a reign and go on with it later. False, changing nothing,
  // for a state the generator never reaches.
  std::uint32_t state() const { return state_; }
  bool restore(std::uint32_t state);

 private:
  std::uint32_t state_ = 327680;
};

}  // namespace velmoran
