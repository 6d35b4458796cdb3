// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Runs the terminal edition on a script in a temporary game folder and reads its transcript.

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "expected_messages.h"
#include "test_game_folder.h"

namespace velmoran::e2e {

using Lines = std::vector<std::string>;
using State = std::map<std::string, std::string>;

struct Transcript {
  int exitStatus = -1;
  std::string bytes;  // the whole transcript
  Lines lines;        // its lines from the title menu on, after the splash screen

  // Index of the first line equal to `line` at or after `from`, or lines.size().
  std::size_t find(const std::string& line, std::size_t from = 0) const;
  bool has(const std::string& line) const { return find(line) < lines.size(); }
  bool hasPrefix(const std::string& prefix) const;
  Lines slice(std::size_t from, std::size_t count = 1000) const;
  // Every block printed by `state`, and the lines printed after the n-th block, up to the next.
  std::vector<State> states() const;
  Lines between(std::size_t n) const;
};

using testing::dataRecord;
using testing::TestGameFolder;

// A message box as the transcript shows it: "MSG | icon | title | text", line breaks as \n.
std::string messageLine(const std::string& icon, const std::string& title, const std::string& text);

// Runs the terminal edition in the game folder on `script` and reads its transcript. The reign
// it leaves unfinished is cleared, so that the next script starts as a new player would.
Transcript play(const TestGameFolder& folder, const std::string& script);
// The same, leaving the unfinished reign for the next run to go on with.
Transcript playKeepingReign(const TestGameFolder& folder, const std::string& script);
// Runs one copy of the terminal edition a script in the same game folder, all at once, and
// reads their transcripts once every copy has ended; each carries the exit status of them all
// (0 when every copy ended well).
std::vector<Transcript> playAtOnce(const TestGameFolder& folder,
                                   const std::vector<std::string>& scripts);

// A minimal data set whose texts name their files: "Událost nahodaN" (money -10 N, Ok ends the
// month), "Zpráva nahodN" (money 5 N, Ok ends the month), a welcome text with a plain Ok, the
// answers' texts, best.dat with Ala 30, Bob 20, Cyril 10 and data.dat 1, 1, 1.
void writeCraftedSet(const TestGameFolder& folder);
long long craftedMoney(const std::string& info);
// The crafted set made for whole reigns: every command's text "Příkaz <file>" ends the month,
// and the monthly events are plain messages "Událost nahodaN" that do not; nothing costs money.
// A month is a command, Ok and Ok.
void writeReignSet(const TestGameFolder& folder);

extern const char kDefaultBestScores[];
extern const char kWelcome[];
extern const char kStart[];  // starts a game accepting both default names

long long number(const State& state, const std::string& name);

}  // namespace velmoran::e2e
