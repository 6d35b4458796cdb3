// SPDX-License-Identifier: GPL-3.0-or-later
// The month turn of month_turn_bench, timed by a plain clock, so that it runs where Google
// Benchmark does not: built natively and in WebAssembly (run under Node.js), the two figures
// compare the core in both. Prints the median time of one month over rounds of many months.
//
//   month_turn_timer [ROUNDS] [MONTHS A ROUND]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "month_player.h"

int main(int argc, char** argv) {
  using Clock = std::chrono::steady_clock;
  const int rounds = argc > 1 ? std::atoi(argv[1]) : 11;
  const int months = argc > 2 ? std::atoi(argv[2]) : 20000;
  if (rounds < 1 || months < 1) {
    std::fprintf(stderr, "usage: month_turn_timer [ROUNDS] [MONTHS A ROUND]\n");
    return 2;
  }
  velmoran::MonthPlayer player(velmoran::gameFolder(), true);
  std::vector<double> perMonth;
  // The first round warms the caches and is not counted.
  for (int round = 0; round <= rounds; ++round) {
    Clock::duration timed{};
    auto started = Clock::now();
    for (int month = 0; month < months; ++month) {
      if (player.upkeepDue()) {
        timed += Clock::now() - started;
        player.keepTheCountryStanding();
        started = Clock::now();
      }
      player.playMonth();
      if (player.waiting()) {
        timed += Clock::now() - started;
        player.settle();
        started = Clock::now();
      }
    }
    timed += Clock::now() - started;
    if (round > 0)
      perMonth.push_back(std::chrono::duration<double, std::micro>(timed).count() / months);
  }
  std::sort(perMonth.begin(), perMonth.end());
  std::printf("month turn: %.2f us (median of %d rounds of %d months; %.2f to %.2f)\n",
              perMonth[perMonth.size() / 2], rounds, months, perMonth.front(), perMonth.back());
  return 0;
}
