// SPDX-License-Identifier: GPL-3.0-or-later
// The core's catalogue of data texts and its count of charges, held against the game itself.

#include "files/data_files.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <iterator>
#include <set>
#include <string>
#include <utility>

#include "files/panel_charges.h"
#include "files/question_codes.h"
#include "game_fixture.h"

namespace velmoran {
namespace {

using testing::kDataTextError;
using testing::Q;

// What follows the number of an amount: "$", "00" or "00$".
std::string unitOf(const std::string& amount) {
  const std::size_t digits = amount.find_first_not_of("0123456789");
  return digits == std::string::npos ? "" : amount.substr(digits);
}

// Every file of the catalogue with its own name as its text, followed by a blank, so that the
// panel tells which file it shows and what a command appended. The monthly events put every
// question, and nahoda2.ini chains on to a second text; the commands end the month.
class DataFileCatalogue : public testing::GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    folder.remove("data");
    std::filesystem::create_directory(folder / "data");
    const std::int32_t* question = std::begin(kAnswerableCodes);
    for (const DataFile& file : dataFiles()) {
      std::int32_t code = kPlainText;
      if (file.name == "nahoda2.ini") {
        code = kChainsToSecondText;
      } else if (file.role == DataFileRole::Event && question != std::end(kAnswerableCodes)) {
        code = *question++;
      }
      folder.writeDataText(file.name, code, file.name + " ", isAnswerable(code) ? 2 : 1, 0,
                           file.role == DataFileRole::Command ? 1 : 0);
    }
  }

  // The file the panel shows in an INFO line, and what was appended to its text.
  static std::pair<const DataFile*, std::string> shownIn(const std::string& line) {
    const std::size_t blank = line.find(' ', 5);
    if (line.rfind("INFO ", 0) != 0 || blank == std::string::npos) return {nullptr, ""};
    return {findDataFile(line.substr(5, blank - 5)), line.substr(blank + 1)};
  }

  // Answers, confirms and decides rebellions until the player may give a command again.
  void settle(bool& yes) {
    for (int step = 0; step < 20 && session.game(); ++step) {
      const GameScreen& screen = game().screen();
      if (session.isOpen(Screen::Vzpoura)) {
        session.vzpouraOk();
      } else if (screen.anoVisible) {
        yes = !yes;
        yes ? session.ano() : session.ne();
      } else if (screen.okVisible) {
        session.ok();
      } else {
        return;
      }
    }
  }
};

// Every command in every round, with the lenders friendly and Bordánie hostile in one round and
// the other way round in the next, an army that wins every battle, and every question answered
// Yes and No in turn: the game asks for no file outside the catalogue and for every file in it,
// a command shows only its own files, and only the commands said to append an amount do.
TEST_F(DataFileCatalogue, HoldsEveryFileTheGameAsksForAndNoOther) {
  constexpr int kRounds = 40;
  std::set<std::string> shown;
  bool yes = false;
  for (int round = 0; round < kRounds; ++round) {
    restart();
    for (std::size_t c = 0; c < kCommandCount; ++c) {
      if (!session.game()) restart();
      settle(yes);
      const double attitude = round % 2 == 0 ? 5 : -5;
      for (Q q : {Q::ruso, Q::usao, Q::moro}) set(q, attitude);
      set(Q::brdo, -attitude);
      set(Q::kasa, 1000000);
      set(Q::arm, 1000);
      set(Q::Procentu, 50);
      const std::size_t from = ui.log.size();
      session.menuCommand(kCommands[c].entry);
      for (std::size_t i = from; i < ui.log.size(); ++i) {
        if (const DataFile* file = shownIn(ui.log[i]).first) {
          EXPECT_EQ(file->command, infoOf(kCommands[c].entry).caption) << file->name;
        }
      }
      settle(yes);
    }
  }
  std::set<std::string> appended;
  for (const std::string& line : ui.log) {
    const auto [file, amount] = shownIn(line);
    if (!file) continue;
    shown.insert(file->name);
    if (amount.empty()) continue;
    appended.insert(file->name);
    SCOPED_TRACE(line);
    EXPECT_LE(amount.size(), file->widestAmount.size());
    EXPECT_EQ(unitOf(amount), unitOf(file->widestAmount));
  }
  EXPECT_FALSE(ui.has(kDataTextError));
  for (const DataFile& file : dataFiles()) {
    EXPECT_EQ(shown.count(file.name), 1u) << file.name << " never shown";
    EXPECT_EQ(appended.count(file.name), file.amountAppended() ? 1u : 0u) << file.name;
  }
}

using PanelCharges = testing::GameTest;

// What the panel really takes from the treasury for a text, Ok pressed and questions answered
// until the player may act again or the month turns, in units of its money amount.
TEST_F(PanelCharges, AreWhatTheGameCharges) {
  struct Case {
    const char* what;
    DataText record;
    const char* command;  // the data text is shown by this command, else as an event
  };
  const Case cases[] = {
      {"plain text", {0, "Text", 1, -100, 0}, nullptr},
      {"month end", {0, "Text", 1, -100, 1}, nullptr},
      {"chain", {99, "Text", 1, -100, 0}, nullptr},
      {"no buttons", {-1, "Text", 1, -100, 0}, nullptr},
      {"question", {88, "Text", 2, -100, 0}, nullptr},
      {"acquaintance", {1, "Text", 2, -100, 0}, nullptr},
      {"plot", {999, "Text", 2, -100, 0}, nullptr},
      {"Yes and No without a question", {5, "Text", 2, -100, 0}, nullptr},
      {"appended amount", {0, "Text ", 1, -100, 1}, "d-prumysl.ini"},
  };
  const DataFile event{"t.ini", DataFileRole::Event, {}, ""};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const DataText& r = c.record;
    int least = 1000, most = -1;
    for (bool yes : {true, false}) {
      restart();
      session.ok();  // the greeting
      set(Q::kasa, 100000);
      if (c.command) {
        folder.writeDataText(c.command, r.questionCode, r.infoText, r.buttonMode, r.moneyAmount,
                             r.monthEnd);
        session.menuCommand(MenuEntry::prumysl);
      } else {
        show(r.questionCode, r.infoText, r.buttonMode, r.moneyAmount, r.monthEnd);
      }
      for (int step = 0; step < 5; ++step) {
        const GameScreen& screen = game().screen();
        if (screen.okVisible && session.vars().monthEnd != 1) {
          session.ok();
        } else if (screen.anoVisible) {
          yes ? session.ano() : session.ne();
        }
      }
      const int times = static_cast<int>(std::lround((100000 - value(Q::kasa)) / 100));
      least = std::min(least, times);
      most = std::max(most, times);
    }
    const Charges charges = timesCharged(c.command ? *findDataFile(c.command) : event, r);
    EXPECT_EQ(charges.least, least);
    EXPECT_EQ(charges.most, most);
  }
}

// The greeting's first charge is lost when the new game draws the treasury.
TEST_F(PanelCharges, TheGreetingIsChargedAfterTheTreasuryIsDrawn) {
  folder.writeDataText("welcome.ini", 0, "Vítej", 1, 100, 0);
  Random draws = session.random();
  draws.next();
  const double treasury = std::floor(draws.next() * 18000.0 + 9000);
  startGame();
  session.ok();
  const DataText greeting{0, "Vítej", 1, 100, 0};
  EXPECT_EQ(value(Q::kasa),
            treasury + 100 * timesCharged(*findDataFile("welcome.ini"), greeting).most);
}

}  // namespace
}  // namespace velmoran
