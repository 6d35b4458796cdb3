// SPDX-License-Identifier: GPL-3.0-or-later
// The month turn through the core, beside a bare open/read/close of the same data files, in
// one run; the ratio of the two is printed at the end. The game plays in a copy of the shipped
// game folder in the temporary directory, with a user interface that shows nothing.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <iostream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "commands/command_table.h"
#include "files/data_text.h"
#include "files/game_folders.h"
#include "quiet_ui.h"
#include "state/game.h"
#include "state/session.h"
#include "turn/month_turn.h"
#include "turn/turn_rules.h"

namespace velmoran {
namespace {

namespace fs = std::filesystem;

class GameFolderCopy {
 public:
  GameFolderCopy() {
    std::string pattern = (fs::temp_directory_path() / "velmoran-bench-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
    fs::copy(VELMORAN_SOURCE_GAME_FOLDER, path_, fs::copy_options::recursive);
  }
  ~GameFolderCopy() { fs::remove_all(path_); }
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

// The texts a month turn reads: one random event of these a month.
const char* const kMonthlyEvents[] = {"nahoda1.ini", "nahoda2.ini",  "nahoda3.ini", "nahoda4.ini",
                                      "nahoda5.ini", "nahoda6.ini",  "nahoda7.ini", "nahoda8.ini",
                                      "nahoda9.ini", "nahoda10.ini", "nahoda77.ini"};

// A fresh session with a game started, as the player starts one; with the chronicle's
// recorder or without it.
std::unique_ptr<Session> gameStarted(Ui& ui, const fs::path& folder, bool recording) {
  auto session = std::make_unique<Session>(ui, folder, turnRules(), runMenuCommand);
  session->setRecordsChronicles(recording);
  session->openTitleMenu();
  session->start();
  return session;
}

// A country that neither goes bankrupt, nor loses a war, nor rises against its ruler, so that
// month follows month.
void keepTheCountryStanding(Session& session) {
  session.play([](Game& game) {
    game.set(Quantity::kasa, 0);
    game.set(Quantity::arm, 100000);
    for (Quantity q : {Quantity::polo, Quantity::armo, Quantity::delo, Quantity::rolo,
                       Quantity::chuo, Quantity::into}) {
      game.set(q, 10);
    }
  });
}

// Each month turn is timed alone on the steady clock: keeping the country standing and the
// rebellion screen's OK are no part of it, and pausing the benchmark's own timers for them
// would cost two reads of the process's CPU clock each time (about 0.6 µs apiece here), more
// than a tenth of a month turn.
void playMonths(benchmark::State& state, bool recording) {
  using Clock = std::chrono::steady_clock;
  GameFolderCopy folder;
  QuietUi ui;
  auto session = gameStarted(ui, folder.path(), recording);
  long long months = 0, newGames = 0;
  for (auto _ : state) {
    if (months++ % 4 == 0) keepTheCountryStanding(*session);
    const auto started = Clock::now();
    session->play([](Game& game) {
      game.vars().monthEnd = 1;
      ok_Click(game);
    });
    state.SetIterationTime(std::chrono::duration<double>(Clock::now() - started).count());
    // The rebellion screen waits for its OK, which the strong army wins; should the game
    // end all the same, the next month is played in a new game.
    if (!session->takesInput(Screen::Main)) {
      session->vzpouraOk();
      if (!session->takesInput(Screen::Main)) {
        session = gameStarted(ui, folder.path(), recording);
        ++newGames;
      }
    }
  }
  state.counters["new games"] = static_cast<double>(newGames);
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

// The same texts read as the game reads them (open, the status of the opened file, read,
// close), and then parsed as records: what the month turn adds to the bare reads, step by step.
void readTexts(benchmark::State& state, bool parsed) {
  GameFolderCopy folder;
  const GameFolders folders(folder.path());
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
