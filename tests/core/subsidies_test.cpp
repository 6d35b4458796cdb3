// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "files/decimal_text.h"
#include "game_fixture.h"

namespace velmoran {
namespace {

using testing::Q;

struct Subsidies : testing::GameTest {
  // Every quantity a subsidy may touch starts at 10, and its text costs `price`.
  void prepare(const char* textFile, int price) {
    folder.writeDataText(textFile, 0, "Dotace", 1, price, 0);
    for (Q q : kTouched) set(q, 10);
    set(Q::kasa, 20000);
  }
  double change(Q q) { return value(q) - 10; }

  static constexpr Q kTouched[] = {Q::arm,  Q::pol,  Q::tp,   Q::os,   Q::del,     Q::rol,  Q::chu,
                                   Q::inte, Q::armo, Q::polo, Q::delo, Q::rolo,    Q::chuo, Q::into,
                                   Q::brdo, Q::moro, Q::ruso, Q::usao, Q::rozpocet};
};

TEST_F(Subsidies, RaiseTheirGroupAngerTheNeighboursAndRaiseTheBudget) {
  const struct Case {
    MenuEntry entry;
    const char* textFile;
    Q strength;
    int least, most;  // of the strength draw; 0, 0: none
    std::vector<std::pair<Q, int>> fixed;
    int leastRaise, mostRaise;  // of the budget draw; 0, 0: none
  } cases[] = {
      {MenuEntry::army,
       "d-armada.ini",
       Q::arm,
       1,
       4,
       {{Q::armo, 2}, {Q::brdo, -1}, {Q::moro, -1}, {Q::ruso, -1}},
       0,
       0},
      {MenuEntry::police, "d-policie.ini", Q::pol, 1, 3, {{Q::polo, 2}}, 0, 0},
      {MenuEntry::fbi,
       "d-fbi.ini",
       Q::tp,
       1,
       3,
       {{Q::moro, -2}, {Q::ruso, -1}, {Q::usao, -2}},
       0,
       0},
      {MenuEntry::prumysl, "d-prumysl.ini", Q::del, 1, 4, {{Q::delo, 2}}, 23, 52},
      {MenuEntry::zeme, "d-zemedelstvi.ini", Q::rol, 1, 5, {{Q::rolo, 2}}, 11, 38},
      {MenuEntry::chudi, "d-chudina.ini", Q::chu, 0, 0, {{Q::chuo, 3}}, 0, 0},
      {MenuEntry::veda, "d-veda.ini", Q::inte, 1, 5, {{Q::into, 2}}, 10, 59},
  };
  startGame();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.textFile);
    for (int round = 0; round < 20; ++round) {
      if (game().screen().anyAnswerButtonVisible()) session.ok();
      prepare(c.textFile, -250);
      session.menuCommand(c.entry);
      if (c.most > 0) {
        EXPECT_GE(change(c.strength), c.least);
        EXPECT_LE(change(c.strength), c.most);
      }
      const double raise = change(Q::rozpocet);
      for (Q q : kTouched) {
        if (q == c.strength && c.most > 0) continue;
        if (q == Q::rozpocet) continue;
        int expected = 0;
        for (const auto& [changed, delta] : c.fixed) expected += changed == q ? delta : 0;
        EXPECT_EQ(change(q), expected) << nameOf(q);
      }
      if (c.mostRaise == 0) {
        EXPECT_EQ(raise, 0);
        EXPECT_EQ(game().screen().info, "Dotace");
        EXPECT_EQ(value(Q::kasa), 20000 - 250);
      } else {
        // The raise follows the text, which is paid for once more when it changes.
        EXPECT_GE(raise, c.leastRaise);
        EXPECT_LE(raise, c.mostRaise);
        EXPECT_EQ(game().screen().info, "Dotace" + decimalText(raise) + "$");
        EXPECT_EQ(value(Q::kasa), 20000 - 500);
      }
    }
  }
}

// A text that cannot be read leaves nothing to name the raise after: the budget still rises,
// and the previous text is neither changed nor paid for again.
TEST_F(Subsidies, ABudgetRaiseWithoutItsTextKeepsThePanel) {
  startGame();
  show(-1, "Předtím", 1, -100, 1);
  const double kasa = value(Q::kasa);
  const double budget = value(Q::rozpocet);
  session.menuCommand(MenuEntry::veda);
  EXPECT_TRUE(ui.has(testing::kDataTextError));
  EXPECT_EQ(game().screen().info, "Předtím");
  EXPECT_EQ(buttons(), "");
  EXPECT_EQ(value(Q::kasa), kasa);
  EXPECT_GE(value(Q::rozpocet) - budget, 10);
}

TEST_F(Subsidies, TheGuardTakesWhatItIsGivenUpTo500) {
  const struct {
    const char* answer;  // "" : a cancelled box
    int guards;          // 0: refused with `why`
    const char* why;
  } cases[] = {{"100", 2, ""},
               {"199", 2, ""},
               {"200", 3, ""},
               {"399", 4, ""},
               {"400", 5, ""},
               {" 500 ", 5, ""},
               {"99", 1, ""},
               {"1", 1, ""},
               {"501", 0, "Nejvíc jim můžete dát 500$"},
               {"99999999999999999999", 0, "Nejvíc jim můžete dát 500$"},
               {"", 0, "Musíte zadat částku"},
               {"pět set", 0, "Částku musíte zadat celým číslem"},
               {"250.5", 0, "Částku musíte zadat celým číslem"},
               {"   ", 0, "Částku musíte zadat celým číslem"},
               {"0", 0, "Musíte jim dát aspoň 1$"},
               {"-300", 0, "Musíte jim dát aspoň 1$"}};
  folder.writeDataText("d-bg.ini", 0, "Stráž", 1, -7, 0);
  startGame();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.answer);
    if (game().screen().anyAnswerButtonVisible()) session.ok();
    set(Q::kasa, 10000);
    set(Q::os, 10);
    ui.inputs = {c.answer};
    const std::size_t logged = ui.log.size();
    session.menuCommand(MenuEntry::body);
    const auto said = logSince(logged);
    EXPECT_EQ(said.at(1), "INPUT Kolik jim dáme | Kolik jim teda chcete dát (100-500) | 500");
    EXPECT_EQ(value(Q::os), 10 + c.guards);
    if (c.guards > 0) {
      EXPECT_EQ(value(Q::kasa), 10000 - 7 - std::stod(c.answer));
      EXPECT_EQ(said.size(), 2u);
    } else {
      EXPECT_EQ(value(Q::kasa), 10000 - 7);
      EXPECT_EQ(said.back(), std::string("MSG information Pozor ") + c.why);
    }
  }
}

}  // namespace
}  // namespace velmoran
