// SPDX-License-Identifier: GPL-3.0-or-later
// A copy of the game killed at random moments while it writes best.dat or data.dat: after
// every kill the file is the old or the new one, whole and readable, and the next start
// clears the temporary file the kill left behind.
#include <gtest/gtest.h>
#include <signal.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <functional>
#include <iostream>
#include <random>
#include <thread>

#include "child_process.h"
#include "commands/command_table.h"
#include "files/best_scores.h"
#include "files/settings_file.h"
#include "script_ui.h"
#include "state/session.h"
#include "test_game_folder.h"
#include "turn/turn_rules.h"

namespace velmoran {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kKills = 200;

struct Writer {
  const char* file;
  std::array<std::string, 2> contents;
  std::function<bool(const fs::path&, int)> write;  // writes contents[0] or contents[1]
  std::function<bool(const fs::path&)> readable;
  friend void PrintTo(const Writer& w, std::ostream* os) { *os << w.file; }
};

const std::array<BestScores, 2> kTables = {
    BestScores{{"Alois", "Božena, \"Velká\"", "Cyril"}, {30, 20, 10}},
    BestScores{{"Řehoř", "Alois", "Božena, \"Velká\""}, {1000000000000000000, 30, 20}}};
const std::array<DisplaySettings, 2> kSettings = {DisplaySettings{true, true, true},
                                                  DisplaySettings{false, false, false}};

const Writer kWriters[] = {
    {"best.dat",
     {bestScoresBytes(kTables[0]), bestScoresBytes(kTables[1])},
     [](const fs::path& path, int n) { return writeBestScores(path, kTables[n]); },
     [](const fs::path& path) { return readBestScores(path).table.has_value(); }},
    {"data.dat",
     {" 0 \r\n 0 \r\n 0 \r\n", " 1 \r\n 1 \r\n 1 \r\n"},
     [](const fs::path& path, int n) { return writeDisplaySettings(path, kSettings[n]); },
     [](const fs::path& path) { return readDisplaySettings(path).has_value(); }},
};

class KilledWriter : public ::testing::TestWithParam<Writer> {};

TEST_P(KilledWriter, LeavesTheOldOrTheNewFileAndTheNextStartClearsUp) {
  const Writer& w = GetParam();
  testing::TestGameFolder folder;
  const fs::path path = folder / w.file;
  // Kills spread over the start of the copy and about three writes, so that they land in
  // every step of one.
  const auto started = Clock::now();
  for (int i = 0; i < 10; ++i) ASSERT_TRUE(w.write(path, i % 2));
  testing::waitForChild(testing::startChild([] { return 0; }));
  const auto span = (Clock::now() - started) * 3 / 10;
  std::mt19937 random(8);
  std::uniform_int_distribution<long long> moment(0, span.count());
  std::vector<std::string> onlyTheFile = {"data", w.file};
  std::sort(onlyTheFile.begin(), onlyTheFile.end());

  int leftovers = 0, replaced = 0;
  for (int kill = 0; kill < kKills; ++kill) {
    const std::string before = folder.readBytes(w.file);
    const int next = before == w.contents[0] ? 1 : 0;
    const pid_t copy = testing::startChild([&] {
      for (int n = next;; n = 1 - n) w.write(path, n);
      return 0;
    });
    std::this_thread::sleep_for(Clock::duration(moment(random)));
    ::kill(copy, SIGKILL);
    testing::waitForChild(copy);

    const std::string after = folder.readBytes(w.file);
    ASSERT_TRUE(after == w.contents[0] || after == w.contents[1]) << "kill " << kill;
    ASSERT_TRUE(w.readable(path)) << "kill " << kill;
    replaced += after != before;
    leftovers += folder.fileNames().size() > 2;
    testing::ScriptUi ui;
    Session nextStart(ui, folder.path(), turnRules(), runMenuCommand);
    ASSERT_EQ(folder.fileNames(), onlyTheFile);
  }
  std::cout << w.file << ": " << kKills << " kills, 0 damaged, " << replaced
            << " after a replacement, " << leftovers << " left a temporary file\n";
}

INSTANTIATE_TEST_SUITE_P(Files, KilledWriter, ::testing::ValuesIn(kWriters), [](const auto& info) {
  return info.param.file == std::string("best.dat") ? "BestScores" : "Settings";
});

}  // namespace
}  // namespace velmoran
