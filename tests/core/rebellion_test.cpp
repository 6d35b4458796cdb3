// SPDX-License-Identifier: GPL-3.0-or-later
#include "turn/rebellion.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game_fixture.h"

namespace velmoran {
namespace {

using testing::Q;

constexpr Q kStrengths[] = {Q::tp, Q::os, Q::pol, Q::arm, Q::del, Q::rol, Q::chu, Q::inte};
constexpr Q kPopularities[] = {Q::polo, Q::armo, Q::delo, Q::rolo, Q::chuo, Q::into};

struct Rebellion : testing::GameTest {
  void SetUp() override {
    GameTest::SetUp();
    startGame();
    session.ok();  // the welcome text
  }
  // Every group at `strength` and `popularity`; then the rebellion breaks out.
  void breakOut(double strength, double popularity,
                const std::vector<std::pair<Q, double>>& apart = {}) {
    for (Q q : kStrengths) set(q, strength);
    for (Q q : kPopularities) set(q, popularity);
    for (const auto& [q, v] : apart) set(q, v);
    session.play([](Game& g) { vzpoura_Form_Load(g); });
  }
  const RebellionScreen& sides() { return game().rebellion(); }
};

TEST_F(Rebellion, SidesFollowPopularityAndTheOkDecides) {
  breakOut(1, 1,
           {{Q::pol, 2}, {Q::polo, 0}, {Q::arm, 3}, {Q::armo, 2}, {Q::del, 2}, {Q::delo, -1}});
  EXPECT_EQ(sides().stebou, (std::vector<std::string>{"Tajná policie", "Osobní stráž", "Armáda",
                                                      "Rolníci", "Chudina", "Inteligence"}));
  EXPECT_EQ(sides().protitobe, (std::vector<std::string>{"Policie", "Dělníci"}));
  EXPECT_EQ(sides().tvojes, "8");
  EXPECT_EQ(sides().jejichs, "4");
  EXPECT_TRUE(session.isOpen(Screen::Vzpoura));
  EXPECT_FALSE(session.takesInput(Screen::Main));
  session.vzpouraOk();
  EXPECT_FALSE(session.isOpen(Screen::Vzpoura));
  EXPECT_TRUE(session.takesInput(Screen::Main));
  EXPECT_EQ(text(Q::arm), "2");
  EXPECT_EQ(text(Q::tp), "0");
  EXPECT_EQ(text(Q::os), "0");
}

TEST_F(Rebellion, ATieOrNothingAtAllGoesToTheRuler) {
  const struct {
    double strength, popularity;
    std::vector<std::pair<Q, double>> apart;
    bool won;
  } cases[] = {
      {0, 0, {}, true},                                 // 0 against 0
      {0, 1, {}, true},                                 // everyone with the ruler, all at 0
      {1, 0, {{Q::tp, 3}, {Q::os, 3}}, true},           // 6 against 6
      {1, 0, {{Q::tp, 3}, {Q::os, 2}}, false},          // 5 against 6
      {5, 1, {{Q::into, 0}, {Q::inte, 41}}, false},     // 35 against 41
      {500, 1, {{Q::polo, -7}, {Q::pol, 3500}}, true},  // 3500 against 3500: no wrap at 255
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.strength) + "/" + std::to_string(c.popularity));
    if (!session.game()) restart(), session.ok();
    breakOut(c.strength, c.popularity, c.apart);
    ui.log.clear();
    session.vzpouraOk();
    EXPECT_EQ(session.game() != nullptr, c.won);
    EXPECT_FALSE(session.isOpen(Screen::Vzpoura));
    if (!c.won) {
      EXPECT_EQ(ui.log.at(0), "MSG critical Vzpoura Byl jste poražen!");
      EXPECT_TRUE(ui.has("SCREEN main closed"));
    }
  }
}

// The rebellion screen's close box decides it as its OK does; closing the game screen while it
// lasts discards the game with both screens.
TEST_F(Rebellion, ClosingAWindowNeverLeavesTheGameSwitchedOff) {
  breakOut(1, 1);
  session.closedByPlayer(Screen::Vzpoura);
  EXPECT_FALSE(session.isOpen(Screen::Vzpoura));
  EXPECT_TRUE(session.takesInput(Screen::Main));

  breakOut(1, 1);
  session.closedByPlayer(Screen::Main);
  EXPECT_EQ(session.game(), nullptr);
  EXPECT_FALSE(session.isOpen(Screen::Vzpoura));
  session.vzpouraOk();  // nothing left to decide
}

// A monthly draw of 8 opens the rebellion and the month goes on behind it.
TEST_F(Rebellion, BreaksOutOnTheMonthlyDrawOf8) {
  folder.writeDataText("konec.ini", 0, "Měsíc končí", 1, 0, 1);
  for (int month = 0; month < 60 && !session.isOpen(Screen::Vzpoura); ++month) {
    if (!game().screen().anyAnswerButtonVisible()) showFile("konec.ini");
    session.ok();
  }
  ASSERT_TRUE(session.isOpen(Screen::Vzpoura));
  EXPECT_EQ(session.vars().textFileName, "nahoda8.ini");
  EXPECT_EQ(game().screen().info, "Událost 8");
  EXPECT_TRUE(game().screen().monthBannerVisible);
}

}  // namespace
}  // namespace velmoran
