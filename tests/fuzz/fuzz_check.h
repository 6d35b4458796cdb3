// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdio>
#include <cstdlib>

// A property a fuzz target checks on every input: a failure stops the run as a crash, so
// libFuzzer keeps the input that shows it.
inline void fuzzCheck(bool holds, const char* property) {
  if (holds) return;
  std::fprintf(stderr, "property does not hold: %s\n", property);
  std::abort();
}
