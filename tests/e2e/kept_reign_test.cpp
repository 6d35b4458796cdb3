// SPDX-License-Identifier: GPL-3.0-or-later
// The unfinished reign across runs of the terminal edition: stopped anywhere and resumed in a
// new process, a reign goes on exactly as if it had never stopped; killed at any moment, the
// copy leaves a reign that reads and is at most one action behind.
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <random>

#include "../soak/console_process.h"
#include "console_harness.h"

namespace velmoran::e2e {
namespace {

namespace fs = std::filesystem;

const char kMarker[] = "znacka-";

std::string markerLine(std::size_t step) {
  return "ERR | neznámý příkaz: " + std::string(kMarker) + std::to_string(step);
}

// A long reign through every command of the menus, each followed by whatever answers its text
// may want (an answer no button takes is refused and changes nothing). The country is kept
// standing so that the reign lasts; at the end it goes bankrupt. Each step is whole lines
// that leave the player on the game screen, the rebellion screen or the best scores.
std::vector<std::string> reignSteps(int rounds) {
  static const char* const kCommands[] = {
      "mpivo",      "msvatba", "internet", "psesbuy", "army",   "police",  "fbi",
      "prumysl",    "zeme",    "chudi",    "veda",    "body",   "brda",    "atakk",
      "diver",      "bordo",   "povyseni", "cesta",   "kampan", "reforma", "ztph",
      "strojparko", "pr",      "usap",     "morpu",   "zpht",   "noo"};
  std::vector<std::string> steps;
  for (int round = 0; round < rounds; ++round) {
    for (const char* command : kCommands) {
      steps.push_back("set kasa 20000\nset arm 50\nset par 0\nset brd 0\n");
      steps.push_back(std::string(command) + "\n");
      steps.push_back("ano\nok\n");
      steps.push_back("ok\n");
      steps.push_back("ne\nok\nvzpoura-ok\n");
      steps.push_back("ok\nok\n");
    }
  }
  steps.push_back("sebekill\nne\nzprava\n");
  steps.push_back("set kasa -20000\nprohra-ok\n");
  return steps;
}

std::string joined(const std::vector<std::string>& steps, std::size_t from, std::size_t to,
                   bool marked) {
  std::string script;
  for (std::size_t i = from; i < to; ++i) {
    script += steps[i];
    if (marked) script += std::string(kMarker) + std::to_string(i + 1) + "\n";
  }
  return script;
}

Lines after(const Transcript& t, const std::string& line) {
  const std::size_t at = t.find(line);
  return t.slice(at == t.lines.size() ? at : at + 1, t.lines.size());
}

void copyShippedGame(const TestGameFolder& folder) {
  folder.copyIn(VELMORAN_SOURCE_GAME_FOLDER);
}

TEST(KeptReignAcrossRuns, GoesOnExactlyAsIfItHadNeverStopped) {
  const auto steps = reignSteps(2);
  TestGameFolder whole;
  copyShippedGame(whole);
  const Transcript uninterrupted =
      play(whole, std::string(kStart) + kMarker + "0\n" + joined(steps, 0, steps.size(), true));
  // The reign went through questions, rebellions, loans and withdrawn entries to its end.
  ASSERT_TRUE(uninterrupted.has("SCREEN | vzpoura | open"));
  ASSERT_TRUE(uninterrupted.hasPrefix("MSG | none | Vaše vláda | "));

  // The steps played while the reign ran: up to the one that ended it.
  std::size_t lastStep = 0;
  for (std::size_t step = 0; step <= steps.size(); ++step) {
    if (uninterrupted.find(markerLine(step)) < uninterrupted.find("SCREEN | prohra | open")) {
      lastStep = step;
    }
  }
  std::size_t resumed = 0;
  for (std::size_t stop = 0; stop <= lastStep; stop += 2) {
    SCOPED_TRACE("stopped after step " + std::to_string(stop));
    // A marker that a box took for its answer was no moment between two actions.
    if (!uninterrupted.has(markerLine(stop))) continue;
    TestGameFolder folder;
    copyShippedGame(folder);
    playKeepingReign(folder, std::string(kStart) + joined(steps, 0, stop, false));
    const Transcript goingOn =
        playKeepingReign(folder, "pokracovat\n" + std::string(kMarker) + std::to_string(stop) +
                                     "\n" + joined(steps, stop, steps.size(), true));
    ASSERT_TRUE(goingOn.hasPrefix("REIGN | No Name | Kačerov | "));
    EXPECT_EQ(after(goingOn, markerLine(stop)), after(uninterrupted, markerLine(stop)));
    EXPECT_EQ(folder.readBytes("best.dat"), whole.readBytes("best.dat"));
    EXPECT_FALSE(fs::exists(folder / "rozehrana.dat"));
    ++resumed;
  }
  EXPECT_GT(resumed, 100u);
  EXPECT_GT(lastStep, steps.size() / 2);
}

// The lines of one `state`, sent after the last step's marker has come back.
State stateOf(soak::ConsoleProcess& console, std::size_t step) {
  console.send("state");
  console.send(kMarker + std::to_string(step));
  State state;
  while (const auto line = console.readLine()) {
    if (*line == markerLine(step)) return state;
    const auto eq = line->find('=');
    if (eq != std::string::npos) state[line->substr(0, eq)] = line->substr(eq + 1);
  }
  return state;
}

void waitForMarker(soak::ConsoleProcess& console, std::size_t step) {
  console.send(kMarker + std::to_string(step));
  while (const auto line = console.readLine()) {
    if (*line == markerLine(step)) return;
  }
  throw std::runtime_error("the terminal edition ended early");
}

// Each action sent and answered; then the next one is sent and the copy killed at a moment
// drawn by chance: in the middle of the action, of its write or after it.
TEST(KeptReignAcrossRuns, AKilledCopyLeavesAReignAtMostOneActionBehind) {
  std::vector<std::string> steps;  // one line, one action
  for (const std::string& step : reignSteps(1)) {
    for (std::size_t from = 0, end; (end = step.find('\n', from)) != std::string::npos;
         from = end + 1) {
      steps.push_back(step.substr(from, end - from + 1));
    }
  }
  const std::size_t played = 80;
  TestGameFolder folder;
  copyShippedGame(folder);
  std::vector<State> states;
  {
    soak::ConsoleProcess console(VELMORAN_CONSOLE, folder.path());
    for (const char* line : {"start", "", ""}) console.send(line);
    states.push_back(stateOf(console, 0));
    for (std::size_t i = 0; i < played; ++i) {
      for (std::size_t from = 0, end; (end = steps[i].find('\n', from)) != std::string::npos;
           from = end + 1) {
        console.send(steps[i].substr(from, end - from));
      }
      states.push_back(stateOf(console, i + 1));
    }
  }
  std::mt19937 chance(19);
  for (int kill = 0; kill < 100; ++kill) {
    const std::size_t done = chance() % played;
    SCOPED_TRACE("killed in step " + std::to_string(done + 1));
    folder.remove("rozehrana.dat");
    {
      soak::ConsoleProcess console(VELMORAN_CONSOLE, folder.path());
      for (const char* line : {"start", "", ""}) console.send(line);
      waitForMarker(console, 0);
      for (std::size_t i = 0; i < done; ++i) {
        std::string lines = steps[i];
        for (std::size_t from = 0, end; (end = lines.find('\n', from)) != std::string::npos;
             from = end + 1) {
          console.send(lines.substr(from, end - from));
        }
        waitForMarker(console, i + 1);
      }
      const std::string next = steps[done];
      for (std::size_t from = 0, end; (end = next.find('\n', from)) != std::string::npos;
           from = end + 1) {
        console.send(next.substr(from, end - from));
      }
      ::usleep(static_cast<useconds_t>(chance() % 20000));
    }  // the console is killed here
    const Transcript resumed = playKeepingReign(folder, "pokracovat\nstate\n");
    EXPECT_FALSE(resumed.hasPrefix("MSG | critical | CHYBA"));
    const auto kept = resumed.states();
    ASSERT_EQ(kept.size(), 1u) << resumed.bytes;
    EXPECT_TRUE(kept[0] == states[done] || kept[0] == states[done + 1]) << resumed.bytes;
  }
}

}  // namespace
}  // namespace velmoran::e2e
