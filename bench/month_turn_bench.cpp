// SPDX-License-Identifier: GPL-3.0-or-later
// The month turn through the core, beside a bare open/read/close of the same data files, in
// one run; the ratio of the two is printed at the end. The game plays in a copy of the shipped
// game folder in the temporary directory, with a user interface that shows nothing.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "files/data_text.h"
#include "files/game_folders.h"
#include "month_player.h"

namespace velmoran {
namespace {

// The texts a month turn reads: one random event of these a month.
const char* const kMonthlyEvents[] = {"nahoda1.ini", "nahoda2.ini",  "nahoda3.ini", "nahoda4.ini",
                                      "nahoda5.ini", "nahoda6.ini",  "nahoda7.ini", "nahoda8.ini",
                                      "nahoda9.ini", "nahoda10.ini", "nahoda77.ini"};

// Each month turn is timed alone on the steady clock: keeping the country standing and the
// rebellion screen's OK are no part of it, and pausing the benchmark's own timers for them
// would cost two reads of the process's CPU clock each time (about 0.6 µs apiece here), more
// than a tenth of a month turn.
void playMonths(benchmark::State& state, bool recording) {
  using Clock = std::chrono::steady_clock;
  MonthPlayer player(gameFolder(), recording);
  for (auto _ : state) {
    if (player.upkeepDue()) player.keepTheCountryStanding();
    const auto started = Clock::now();
    player.playMonth();
    state.SetIterationTime(std::chrono::duration<double>(Clock::now() - started).count());
    if (player.waiting()) player.settle();
  }
  state.counters["new games"] = static_cast<double>(player.newGames());
}

void MonthTurn(benchmark::State& state) {
  playMonths(state, true);
}
BENCHMARK(MonthTurn)->UseManualTime();

void MonthTurnWithoutChronicle(benchmark::State& state) {
  playMonths(state, false);
}
BENCHMARK(MonthTurnWithoutChronicle)->UseManualTime();

void BareReads(benchmark::State& state) {
  std::vector<std::string> paths;
  for (const char* name : kMonthlyEvents) paths.push_back(gameFolder() / "data" / name);
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

// The same texts read as the game reads them (open, the status of the opened file, read,
// close), and then parsed as records: what the month turn adds to the bare reads, step by step.
void readTexts(benchmark::State& state, bool parsed) {
  const GameFolders folders(gameFolder());
  std::size_t next = 0;
  for (auto _ : state) {
    const auto bytes = folders.readText(kMonthlyEvents[next]);
    if (parsed) benchmark::DoNotOptimize(parseDataText(*bytes));
    benchmark::DoNotOptimize(bytes);
    next = (next + 1) % std::size(kMonthlyEvents);
  }
}

void TextReads(benchmark::State& state) {
  readTexts(state, false);
}
BENCHMARK(TextReads);

void TextReadsParsed(benchmark::State& state) {
  readTexts(state, true);
}
BENCHMARK(TextReadsParsed);

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
