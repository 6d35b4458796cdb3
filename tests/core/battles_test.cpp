// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "files/decimal_text.h"
#include "files/game_files.h"
#include "game_fixture.h"
#include "turn/enemy_attacks.h"

namespace velmoran {
namespace {

using testing::Q;

struct Battles : testing::GameTest {
  void SetUp() override {
    GameTest::SetUp();
    for (const char* file : {"utokbrd.ini", "utokpar.ini", "divera.ini", "divern.ini"}) {
      folder.writeDataText(file, 0, file, 1, -50, 0);
    }
    startGame();
    session.ok();  // the welcome text
  }
  void nextGame() {
    restart();
    session.ok();
  }
  void setStrengths(double arm, double tp, double os, double brd, double par) {
    set(Q::arm, arm), set(Q::tp, tp), set(Q::os, os), set(Q::brd, brd), set(Q::par, par);
  }
  std::vector<std::string> messagesSince(std::size_t from) {
    std::vector<std::string> messages;
    for (const auto& line : logSince(from)) {
      if (line.rfind("MSG", 0) == 0) messages.push_back(line);
    }
    return messages;
  }
};

// The ruler's attacks: the army alone, a tie to the ruler; the winner keeps three quarters and
// the loser a third, a half going to the even number, and no strength is too large to keep.
TEST_F(Battles, TheArmyAloneFightsAndATieGoesToTheRuler) {
  const struct {
    MenuEntry entry;
    double arm, enemy;
    bool won;
    double armAfter, enemyAfter;
  } cases[] = {
      {MenuEntry::brda, 10, 10, true, 8, 3},
      {MenuEntry::brda, 0, 0, true, 0, 0},
      {MenuEntry::brda, 2, 1, true, 2, 0},
      {MenuEntry::brda, 6, 1, true, 4, 0},
      {MenuEntry::brda, 3, 4, false, 1, 3},
      {MenuEntry::atakk, 6, 7, false, 2, 5},
      {MenuEntry::atakk, 7, 5, true, 5, 2},
      {MenuEntry::atakk, 1000, 999, true, 750, 333},
      {MenuEntry::atakk, 800, 2000, false, 267, 1500},
      {MenuEntry::brda, 1e15, 3e15, false, 333333333333333, 2.25e15},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(infoOf(c.entry).command) + " " + std::to_string(c.arm));
    if (game().screen().anyAnswerButtonVisible()) session.ok();
    const Q enemy = c.entry == MenuEntry::brda ? Q::brd : Q::par;
    setStrengths(c.arm, 1, 1, c.entry == MenuEntry::brda ? c.enemy : 0,
                 c.entry == MenuEntry::brda ? 0 : c.enemy);
    for (Q q : {Q::brdo, Q::moro, Q::usao, Q::ruso, Q::Procentu}) set(q, 50);
    const std::size_t logged = ui.log.size();
    session.menuCommand(c.entry);
    EXPECT_EQ(value(Q::arm), c.armAfter);
    EXPECT_EQ(value(enemy), c.enemyAfter);
    EXPECT_EQ(messagesSince(logged).at(1).find(c.won ? "Výhra" : "Porážka"), 16u);
    const bool war = c.entry == MenuEntry::brda;
    // A win shows its text; a defeat shows none, and the next command is taken at once.
    EXPECT_EQ(buttons(), c.won ? "Ok" : "");
    EXPECT_EQ(value(Q::Procentu), war ? 50 : c.won ? 52 : 47);
    if (!war) {
      EXPECT_EQ(int{game().screen().partisanShare}, 100 - value(Q::Procentu));
    }
    EXPECT_EQ(value(Q::brdo), war ? 48 : 50);
    for (Q q : {Q::moro, Q::usao, Q::ruso}) EXPECT_EQ(value(q), war ? 49 : 50);
  }
}

TEST_F(Battles, TheyAreAnnouncedAndReportedInTheGamesWords) {
  setStrengths(10, 1, 1, 4, 30);
  ui.log.clear();
  session.menuCommand(MenuEntry::brda);
  session.ok();
  session.menuCommand(MenuEntry::atakk);
  EXPECT_EQ(
      messagesSince(0),
      (std::vector<std::string>{
          "MSG warning Útok Bordánie Zaútočili jsme na Bordánii \nJejich síla: 4\nNaše síla: 10",
          "MSG information Výhra Útok na Bordánii byl úspěšný.\nVálečné náklady byly 350$",
          "MSG warning Útok Bordánie Zaútočili jsme na partyzány \nJejich síla: 30\nNaše "
          "síla: 8",
          "MSG information Porážka Naše vojska byla poražena!\n Přišli jsme o 3% území."}));
  EXPECT_EQ(ui.linesStartingWith("INFO"), (std::vector<std::string>{"INFO utokbrd.ini", "INFO "}));
}

TEST_F(Battles, TerritoryWonAt99OrLostAt0EndsTheGame) {
  set(Q::Procentu, 97);
  setStrengths(5, 1, 1, 0, 1);
  session.menuCommand(MenuEntry::atakk);
  EXPECT_TRUE(ui.has("MSG none VYHRÁLS GRATULUJI zničil jsi partyzány a ochránil jsi svoji zemi."));
  EXPECT_EQ(session.game(), nullptr);
  EXPECT_FALSE(ui.has("INFO utokpar.ini"));

  nextGame();
  set(Q::Procentu, 3);
  setStrengths(1, 1, 1, 0, 9);
  const std::size_t logged = ui.log.size();
  session.menuCommand(MenuEntry::atakk);
  EXPECT_EQ(session.game(), nullptr);
  EXPECT_EQ(messagesSince(logged).at(2), "MSG none Vaše vláda Vládnul jste 1 měsíců.");
}

TEST_F(Battles, TheSaboteurSucceedsAboutHalfTheTime) {
  int successes = 0;
  for (int i = 0; i < 400; ++i) {
    if (game().screen().anyAnswerButtonVisible()) session.ok();
    for (Q q : {Q::brdo, Q::moro}) set(q, 10);
    set(Q::brd, 1);
    set(Q::kasa, 1000);
    session.menuCommand(MenuEntry::diver);
    const bool success = game().screen().info == "divera.ini";
    successes += success;
    EXPECT_EQ(value(Q::brd), success ? 0 : 1);
    EXPECT_EQ(value(Q::brdo), 9);
    EXPECT_EQ(value(Q::moro), success ? 10 : 9);
  }
  EXPECT_GT(successes, 160);
  EXPECT_LT(successes, 240);
}

// The enemies' attacks: the army, the secret police and the personal guard defend together,
// and a tie goes to the enemy.
TEST_F(Battles, EnemiesAttackTheWholeDefence) {
  const struct {
    bool bordanie;
    double arm, tp, os, enemy;
    double armAfter, enemyAfter, territoryLost;
    bool gameLost;
  } cases[] = {
      {true, 10, 2, 1, 12, 8, 4, 0, false},   {true, 10, 2, 1, 13, 10, 13, 0, true},
      {true, 1, 0, 1, 1, 1, 0, 0, false},     {true, 6, 0, 0, 2, 4, 1, 0, false},
      {false, 10, 2, 1, 13, 3, 10, 2, false}, {false, 0, 0, 0, 0, 0, 0, 2, false},
      {false, 2, 5, 5, 1, 2, 0, 0, false},    {false, 400, 0, 0, 1000, 133, 750, 2, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.enemy));
    if (!session.game()) nextGame();
    setStrengths(c.arm, c.tp, c.os, c.bordanie ? c.enemy : 0, c.bordanie ? 0 : c.enemy);
    set(Q::Procentu, 50);
    const Q enemy = c.bordanie ? Q::brd : Q::par;
    session.play([&](Game& g) { c.bordanie ? bordanieAttacks(g) : partisansAttack(g); });
    ASSERT_EQ(session.game() == nullptr, c.gameLost);
    if (c.gameLost) continue;
    EXPECT_EQ(value(Q::arm), c.armAfter);
    EXPECT_EQ(value(enemy), c.enemyAfter);
    EXPECT_EQ(value(Q::Procentu), 50 - c.territoryLost);
  }
}

TEST_F(Battles, EnemyAttacksInTheGamesWords) {
  setStrengths(10, 2, 1, 13, 13);
  set(Q::Procentu, 2);
  ui.log.clear();
  session.play([](Game& g) { partisansAttack(g); });
  EXPECT_EQ(messagesSince(0).at(0),
            "MSG warning Útok Bordánie  Pyrtyzáni na nás zaútočili \n Jejich síla: 13\n Naše "
            "síla: 13");
  EXPECT_EQ(messagesSince(0).at(1),
            "MSG information Porážka Partyzáni nás porazili a získali dvě další kolonie.");
  // 2 % of territory lost at 2 % ends the game with no message of its own.
  EXPECT_EQ(messagesSince(0).at(2), "MSG none Vaše vláda Vládnul jste 1 měsíců.");

  nextGame();
  setStrengths(10, 2, 1, 13, 0);
  ui.log.clear();
  session.play([](Game& g) { bordanieAttacks(g); });
  EXPECT_EQ(
      messagesSince(0),
      (std::vector<std::string>{
          "MSG warning Útok Bordánie Bordánie na nás zaútočila \nJejich síla: 13\nNaše síla: 13",
          "MSG information Porážka Vojska Bordánie ty naše rozdrtila.\n Musel jste emigrovat "
          "do zahraničí. PROHRÁLS!",
          "MSG none Vaše vláda Vládnul jste 1 měsíců."}));
}

// The help page tells the player what each battle does to the territory and to the month, as
// the game does it.
TEST_F(Battles, TheHelpPageSaysWhatTheBattlesDo) {
  const struct {
    MenuEntry command;
    bool wins;
  } battles[] = {{MenuEntry::atakk, true},
                 {MenuEntry::atakk, false},
                 {MenuEntry::brda, true},
                 {MenuEntry::brda, false}};
  std::vector<double> territory;
  for (const auto& b : battles) {
    nextGame();
    set(Q::Procentu, 50);
    setStrengths(b.wins ? 100 : 1, 0, 0, 50, 50);
    session.menuCommand(b.command);
    territory.push_back(value(Q::Procentu) - 50);
    // A won battle shows its text, which blocks the month; a lost one shows none.
    EXPECT_EQ(game().screen().okVisible, b.wins);
  }
  // The page's words, its line breaks and indents as single blanks.
  std::string page;
  for (char c : readGameFile(VELMORAN_SOURCE_GAME_FOLDER "/napoveda.html").value_or("")) {
    if (c == '\n') c = ' ';
    if (c != ' ' || page.empty() || page.back() != ' ') page += c;
  }
  EXPECT_NE(page.find("Vyhraný útok na partyzány přinese " + decimalText(territory[0]) +
                      " % území, prohraný stojí " + decimalText(-territory[1]) + " %"),
            std::string::npos);
  EXPECT_EQ(territory[2], 0);
  EXPECT_EQ(territory[3], 0);
  EXPECT_NE(page.find("válka s Bordánií území nemění, ať dopadne jakkoli"), std::string::npos);
  EXPECT_NE(page.find("vyhraná válka s Bordánií, vyhraný útok na partyzány a diverzant"),
            std::string::npos);
  EXPECT_NE(page.find("Prohraná bitva neukáže žádný text"), std::string::npos);
}

}  // namespace
}  // namespace velmoran
