// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "game_fixture.h"

namespace velmoran {
namespace {

using testing::GameTest;
using testing::kBankruptcy;
using testing::kDataTextError;
using testing::Q;
using testing::ScriptUi;

using GameRules = GameTest;

TEST_F(GameRules, NewGameWithDefaultNamesStartsFromTheDesignValues) {
  startGame();
  EXPECT_EQ(text(Q::jmeno), "No Name");
  EXPECT_EQ(text(Q::stat), "Kačerov");
  EXPECT_TRUE(ui.has("INPUT Jaké je vaše jméno? | Jak se jmenujete? | No Name"));
  EXPECT_TRUE(ui.has("INPUT Jak se bude jmenovat vaše země? | Jak nazvete svou zemi? | Kačerov"));
  for (const auto& info : kQuantities) {
    const Q q = info.quantity;
    if (isNameQuantity(q) || q == Q::kasa || q == Q::rozpocet || q == Q::zisk) continue;
    EXPECT_EQ(text(q), info.designText) << info.name;
  }
  EXPECT_EQ(game().screen().partisanShare, 80);
  EXPECT_EQ(game().screen().info, "Vítej, vládce.");
  EXPECT_EQ(buttons(), "Ok");
  EXPECT_FALSE(game().screen().look.boldInfoText);
  EXPECT_TRUE(ui.linesStartingWith("MSG").empty());

  std::string longName;
  for (int i = 0; i < 300; ++i) longName += "ž";
  ui.inputs = {"", longName};  // the first box cancelled; the second name is cut to 255
  folder.writeSettings("0,1,1");
  restart();
  EXPECT_EQ(text(Q::jmeno), "");
  EXPECT_EQ(text(Q::stat), longName.substr(0, 255 * 2));
  EXPECT_TRUE(game().screen().look.boldInfoText);
  EXPECT_FALSE(game().screen().look.whiteOnBlackInfo);

  std::filesystem::remove(folder / "data.dat");
  restart();  // the game starts all the same
  EXPECT_EQ(ui.linesStartingWith("MSG"), std::vector<std::string>{testing::fileError(
                                             testing::kSettingsMissing, testing::kCauseMissing)});
  EXPECT_FALSE(game().screen().look.boldInfoText);
  EXPECT_FALSE(session.isOpen(Screen::Menu));
}

TEST_F(GameRules, StartingEconomyIsTheFixedSequenceOfDraws) {
  // The title menu's first three draws, computed in double from the generator's values.
  std::uint64_t x = 327680;
  double r[3];
  for (double& ri : r) {
    x = (x * 1140671485ULL + 12820163ULL) % (1ULL << 24);
    ri = static_cast<float>(x) / 16777216.0f;
  }
  startGame();
  EXPECT_EQ(value(Q::rozpocet), -std::floor(r[0] * 190 + 40));
  EXPECT_EQ(value(Q::kasa), std::floor(r[1] * 18000 + 9000));
  EXPECT_EQ(value(Q::zisk), std::floor(r[2] * 3 + 1));

  ScriptUi otherUi;
  Session other(otherUi, folder.path(), turnRules(), runMenuCommand);
  other.openTitleMenu();
  other.start();
  for (Q q : {Q::rozpocet, Q::kasa, Q::zisk}) EXPECT_EQ(other.game()->text(q), text(q));

  std::set<double> profits;
  for (int i = 0; i < 300; ++i) {
    restart();
    EXPECT_GE(value(Q::kasa), 9000);
    EXPECT_LE(value(Q::kasa), 26999);
    EXPECT_GE(value(Q::rozpocet), -229);
    EXPECT_LE(value(Q::rozpocet), -40);
    profits.insert(value(Q::zisk));
  }
  EXPECT_EQ(profits, (std::set<double>{1, 2, 3}));
}

TEST_F(GameRules, BankruptcyComesBelowMinusFifteenThousand) {
  startGame();
  set(Q::kasa, -15000);
  ASSERT_NE(session.game(), nullptr);
  EXPECT_TRUE(ui.linesStartingWith("MSG").empty());

  const std::size_t before = ui.log.size();
  set(Q::kasa, -15001);
  EXPECT_EQ(logSince(before),
            (std::vector<std::string>{kBankruptcy, "MSG none Vaše vláda Vládnul jste 1 měsíců.",
                                      "SCREEN prohra open", "BEST", "SOUND top.dat",
                                      "SCREEN main closed"}));
  EXPECT_EQ(session.game(), nullptr);
  EXPECT_FALSE(session.isOpen(Screen::Menu));
  session.closeBestScores();
  EXPECT_TRUE(session.isOpen(Screen::Menu));
  EXPECT_FALSE(session.isOpen(Screen::Prohra));
}

TEST_F(GameRules, TerritoryWinsFromNinetyNineAndLosesAtZero) {
  const std::string win =
      "MSG none VYHRÁLS GRATULUJI zničil jsi partyzány a ochránil jsi svoji zemi.";
  const std::string months = "MSG none Vaše vláda Vládnul jste 1 měsíců.";
  const struct {
    double procentu;
    std::string firstLine;  // empty: the game goes on
  } cases[] = {{98, ""}, {1, ""}, {99, win}, {101, win}, {0, months}, {-3, months}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.procentu);
    restart();
    const std::size_t before = ui.log.size();
    set(Q::Procentu, c.procentu);
    const auto after = logSince(before);
    EXPECT_EQ(session.game() != nullptr, c.firstLine.empty());
    EXPECT_EQ(after.empty() ? "" : after.front(), c.firstLine);
    EXPECT_EQ(std::count(after.begin(), after.end(), "SCREEN prohra open"), !c.firstLine.empty());
  }
}

TEST_F(GameRules, StrengthsStayAtZeroWhilePopularityGoesNegative) {
  const struct {
    Q q;
    double from, delta;
    const char* shown;
  } cases[] = {{Q::tp, 1, -3, "0"},    {Q::arm, 3, -5, "0"},   {Q::os, 1, -2, "0"},
               {Q::par, 0, -1, "0"},   {Q::brd, 1, -4, "0"},   {Q::polo, 0, -1, "-1"},
               {Q::armo, 0, -2, "-2"}, {Q::brdo, 1, -3, "-2"}, {Q::ruso, 0, -1, "-1"},
               {Q::chu, 1, -2, "-1"},  {Q::kasa, 0, -5, "-5"}};
  startGame();
  for (const auto& c : cases) {
    SCOPED_TRACE(nameOf(c.q));
    set(c.q, c.from);
    session.play([&](Game& g) { g.add(c.q, c.delta); });
    EXPECT_EQ(text(c.q), c.shown);
  }
}

TEST_F(GameRules, CommandsWaitForTheAnswerButTheReportDoesNot) {
  startGame();
  EXPECT_FALSE(game().Kontrola());  // the welcome text's Ok is showing
  EXPECT_FALSE(session.vars().mayAct);
  const std::size_t before = ui.log.size();
  session.menuCommand(MenuEntry::noo);
  EXPECT_EQ(ui.log.size(), before);
  const double kasa = value(Q::kasa);
  session.buyReport();
  session.buyReport();
  EXPECT_EQ(value(Q::kasa), kasa - 40);
  EXPECT_TRUE(game().screen().reportVisible);

  session.ok();
  EXPECT_TRUE(game().Kontrola());
  session.menuCommand(MenuEntry::noo);
  EXPECT_EQ(game().screen().info, "Nic se neděje.");
  EXPECT_FALSE(game().Kontrola());
  session.ok();  // the month ends
  EXPECT_EQ(text(Q::vlada), "2");
  EXPECT_FALSE(game().screen().reportVisible);
}

TEST_F(GameRules, PanelButtonsFollowTheModeThenTheQuestionCode) {
  const struct {
    bool questionBefore;  // Ano and Ne showing before, else Ok
    std::int32_t code;
    int mode;
    const char* buttons;
  } cases[] = {{true, 0, 2, "Ok"},     {true, 0, 1, "Ok"},  {false, 0, 7, "Ok"},
               {false, 5, 2, "AnoNe"}, {true, 5, 1, "Ok"},  {true, 5, 7, "AnoNe"},
               {false, 5, 7, "Ok"},    {false, 5, 0, "Ok"}, {true, -1, 1, ""},
               {false, -1, 2, ""},     {true, 99, 1, "Ok"}, {false, 888, 2, "AnoNe"}};
  startGame();
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.code) + " mode " + std::to_string(c.mode));
    show(c.questionBefore ? 88 : 0, "Předtím", c.questionBefore ? 2 : 1, 0, 0);
    show(c.code, "Teď", c.mode, 0, 0);
    EXPECT_EQ(buttons(), c.buttons);
    EXPECT_EQ(game().screen().info, "Teď");
  }
}

TEST_F(GameRules, MoneyIsChargedWhenShownAndAgainWhenDismissed) {
  startGame();
  const double kasa = value(Q::kasa);
  show(0, "Platba", 1, -500, 0);
  EXPECT_EQ(value(Q::kasa), kasa - 500);
  session.ok();
  EXPECT_EQ(value(Q::kasa), kasa - 1000);
  EXPECT_EQ(game().screen().info, "");
  EXPECT_EQ(buttons(), "");
  EXPECT_EQ(session.vars().questionCode, -1);
  EXPECT_EQ(session.vars().infoText, "Platba");
  EXPECT_EQ(text(Q::vlada), "1");
  // Showing the text already on the panel is no change: it is not paid for again.
  show(0, "Platba", 1, -500, 0);
  show(0, "Platba", 1, -500, 0);
  EXPECT_EQ(value(Q::kasa), kasa - 1500);
  EXPECT_EQ(ui.linesStartingWith("INFO Platba").size(), 2u);
}

TEST_F(GameRules, AFileThatCannotBeReadChangesNothing) {
  const struct {
    const char* name;
    const char* bytes;  // null: no such file
  } cases[] = {{"missing", nullptr},
               {"mode out of range", "0,x,256,0,0"},
               {"too few fields", "0,x,1"},
               {"undefined byte", "0,a\x81,1,0,0"}};
  startGame();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    show(88, "Otázka", 2, -7, 1);
    if (c.bytes) folder.writeBytes("data/bad.ini", c.bytes);
    const auto protocol = [this] {
      const WorkingVars& v = session.vars();
      return std::make_tuple(v.questionCode, v.infoText, v.buttonMode, v.moneyAmount, v.monthEnd);
    };
    const auto before = protocol();
    const double kasa = value(Q::kasa);
    const std::size_t logged = ui.log.size();
    showFile(c.bytes ? "bad.ini" : "chybi.ini");
    EXPECT_EQ(logSince(logged),
              std::vector<std::string>{
                  c.bytes ? testing::fileError(testing::kDataTextMissing, testing::kCauseDamaged)
                          : kDataTextError});
    EXPECT_EQ(protocol(), before);
    EXPECT_EQ(game().screen().info, "Otázka");
    EXPECT_EQ(buttons(), "AnoNe");
    EXPECT_EQ(value(Q::kasa), kasa);
  }
}

}  // namespace
}  // namespace velmoran
