// SPDX-License-Identifier: GPL-3.0-or-later
// The month turn through the core, beside a bare open/read/close of the same data files, in
// one run; the ratio of the two is printed at the end. The game plays in a copy of the shipped
// game folder in the temporary directory, with a user interface that shows nothing.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "month_player.h"

namespace velmoran {
namespace {

// The texts a month turn reads: one random event of these a month.
const char* const kMonthlyEvents[] = {"nahoda1.ini", "nahoda2.ini",  "nahoda3.ini", "nahoda4.ini",
                                      "nahoda5.ini", "nahoda6.ini",  "nahoda7.ini", "nahoda8.ini",
                                      "nahoda9.ini", "nahoda10.ini", "nahoda77.ini"};

void playMonths(benchmark::State& state, bool recording) {
  GameFolderCopy folder;
  MonthPlayer player(folder.path(), recording);
  for (auto _ : state) {
    if (player.upkeepDue()) {
      state.PauseTiming();
      player.keepTheCountryStanding();
      state.ResumeTiming();
    }
    player.playMonth();
    if (player.waiting()) {
      state.PauseTiming();
      player.settle();
      state.ResumeTiming();
    }
  }
  state.counters["new games"] = static_cast<double>(player.newGames());
}

void MonthTurn(benchmark::State& state) {
  playMonths(state, true);
}
BENCHMARK(MonthTurn);

void MonthTurnWithoutChronicle(benchmark::State& state) {
  playMonths(state, false);
}
BENCHMARK(MonthTurnWithoutChronicle);

void BareReads(benchmark::State& state) {
  GameFolderCopy folder;
  std::vector<std::string> paths;
  for (const char* name : kMonthlyEvents) paths.push_back(folder.path() / "data" / name);
  std::size_t next = 0;
  char buffer[4096];
  for (auto _ : state) {
    const int fd = ::open(paths[next].c_str(), O_RDONLY | O_CLOEXEC);
    benchmark::DoNotOptimize(::read(fd, buffer, sizeof buffer));
    ::close(fd);
    next = (next + 1) % paths.size();
  }
}
BENCHMARK(BareReads);

// Keeps the time of each benchmark for the ratio: the median where it is repeated.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const auto& run : runs) {
      if (run.run_type == Run::RT_Aggregate && run.aggregate_name != "median") continue;
      times[run.run_name.function_name] = run.GetAdjustedRealTime();
    }
    ConsoleReporter::ReportRuns(runs);
  }
  std::map<std::string, double> times;
};

}  // namespace
}  // namespace velmoran

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  velmoran::RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  const auto& t = reporter.times;
  if (t.count("MonthTurn") && t.count("BareReads")) {
    std::cout << "month turn / bare reads: " << t.at("MonthTurn") / t.at("BareReads")
              << " (target: at most 1.5)\n";
  }
  if (t.count("MonthTurn") && t.count("MonthTurnWithoutChronicle")) {
    std::cout << "month turn with / without the chronicle: "
              << t.at("MonthTurn") / t.at("MonthTurnWithoutChronicle")
              << " (target: at most 1.05)\n";
  }
  benchmark::Shutdown();
  return 0;
}
