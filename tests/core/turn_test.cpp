// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "files/decimal_text.h"
#include "game_fixture.h"
#include "turn/monthly_events.h"

namespace velmoran {
namespace {

using testing::kDataTextError;
using testing::Q;
using MonthTurn = testing::GameTest;
using Answers = testing::GameTest;

TEST_F(MonthTurn, PaysTheBudgetDecaysPopularityAndGrowsForces) {
  startGame();
  set(Q::zisk, 2);
  set(Q::rozpocet, -100);
  set(Q::kasa, 10000);
  show(0, "Konec měsíce", 1, 0, 1);
  // The month's draws in order: the event, the poor's growth (always 0), par, brd, usa, rus.
  Random draws = session.random();
  const int event = draws.oneTo(10);
  draws.next();
  const double par = std::floor(2.0 * draws.next() + 1);
  const double brd = std::floor(2.0 * draws.next() + 1);
  const double usa = std::floor(3.0 * draws.next() + 1);
  const double rus = std::floor(3.0 * draws.next() + 1);
  session.ok();
  EXPECT_EQ(text(Q::vlada), "2");
  EXPECT_EQ(text(Q::rozpocet2), "-60");
  EXPECT_EQ(text(Q::kasa), "9940");
  const std::pair<Q, const char*> after[] = {
      {Q::polo, "4"}, {Q::armo, "5"}, {Q::delo, "5"}, {Q::rolo, "4"}, {Q::chuo, "2"},
      {Q::into, "3"}, {Q::chu, "1"},  {Q::mak, "3"},  {Q::brdo, "1"}, {Q::ruso, "1"}};
  for (const auto& [q, shown] : after) EXPECT_EQ(text(q), shown) << nameOf(q);
  EXPECT_EQ(value(Q::par), par);
  EXPECT_EQ(value(Q::brd), 1 + brd);
  EXPECT_EQ(value(Q::usa), 2 + usa);
  EXPECT_EQ(value(Q::rus), 1 + rus);
  // brdo is 1, so a draw of 7 brings Bordánie's friendly month.
  const std::string file = event == 7 ? "77" : std::to_string(event);
  EXPECT_EQ(session.vars().textFileName, "nahoda" + file + ".ini");
  EXPECT_EQ(game().screen().info, "Událost " + file);
  EXPECT_TRUE(game().screen().monthBannerVisible);
}

TEST_F(MonthTurn, FollowUpCodeShowsASecondRandomTextAndHidesTheBanner) {
  startGame();
  show(99, "Konec měsíce", 1, 0, 1);  // the month end comes first
  session.ok();
  EXPECT_EQ(session.vars().textFileName.rfind("nahoda", 0), 0u);
  ASSERT_TRUE(game().screen().monthBannerVisible);
  for (int i = 0; i < 30; ++i) {
    show(99, "Pokračování", 1, 0, 0);
    Random draws = session.random();
    const std::string n = std::to_string(draws.oneTo(10));
    session.ok();
    EXPECT_EQ(session.vars().textFileName, "nahod" + n + ".ini");
    EXPECT_EQ(game().screen().info, "Dohra " + n);
    EXPECT_FALSE(game().screen().monthBannerVisible);
    EXPECT_EQ(text(Q::vlada), "2");
  }
}

TEST_F(MonthTurn, AMissingEventTextStillFinishesTheMonth) {
  startGame();
  for (int n : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 77}) {
    std::filesystem::remove(folder / ("data/nahoda" + std::to_string(n) + ".ini"));
  }
  set(Q::zisk, 1);
  set(Q::rozpocet, 0);
  set(Q::kasa, 10000);
  show(0, "Konec měsíce", 1, 0, 1);
  session.ok();
  EXPECT_TRUE(ui.has(kDataTextError));
  EXPECT_EQ(text(Q::vlada), "2");
  EXPECT_EQ(text(Q::kasa), "10020");
  EXPECT_EQ(text(Q::polo), "4");
  EXPECT_EQ(game().screen().info, "Konec měsíce");
  EXPECT_EQ(buttons(), "Ok");
  session.ok();  // the old Ok still ends a month
  EXPECT_EQ(text(Q::vlada), "3");
}

TEST_F(MonthTurn, MonthlyDrawChoosesTheEventText) {
  const struct {
    int draw;
    double brdo;
    const char* file;
  } cases[] = {
      {7, 1, "nahoda77.ini"}, {7, 2, "nahoda77.ini"}, {7, 0, "nahoda7.ini"},
      {7, -2, "nahoda7.ini"}, {9, 0, "nahoda9.ini"},  {10, 1, "nahoda10.ini"},
      {1, 1, "nahoda1.ini"},  {8, 1, "nahoda8.ini"}};  // the rebellion switches the game off
  startGame();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    set(Q::brdo, c.brdo);
    for (;;) {  // step the generator to the wanted draw
      Random probe = session.random();
      if (probe.oneTo(10) == c.draw) break;
      session.random().next();
    }
    session.play([](Game& g) { mesicninahoda(g); });
    EXPECT_EQ(session.vars().textFileName, c.file);
  }
}

TEST_F(MonthTurn, NahodaDrawsFromBaseToBasePlusRangeMinusOne) {
  const struct {
    std::uint8_t range, base;
  } cases[] = {{1, 0}, {1, 7}, {2, 1}, {3, 1}, {10, 5}, {100, 0}};
  startGame();
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.range) + "+" + std::to_string(c.base));
    std::set<int> seen;
    for (int i = 0; i < 5000; ++i) {
      session.play([&](Game& g) {
        const int drawn = g.nahoda(c.range, c.base);
        EXPECT_EQ(g.vars().drawnNumber, drawn);
        seen.insert(drawn);
      });
    }
    EXPECT_EQ(session.vars().drawRange, c.range);
    EXPECT_EQ(session.vars().drawBase, c.base);
    EXPECT_EQ(*seen.begin(), c.base);
    EXPECT_EQ(*seen.rbegin(), c.base + c.range - 1);
    EXPECT_EQ(seen.size(), c.range);
  }
}

// At the generator's largest value 1 - 2^-24 (its 11529709th draw) single precision rounds
// range * R + base up to base + range for many ranges; every draw must stay in its range.
TEST_F(MonthTurn, DrawsStayInRangeAtTheLargestValue) {
  startGame();
  while (Random(session.random()).next() != 1.0f - 1.0f / 16777216.0f) session.random().next();
  const Random atLargest = session.random();
  const struct { std::uint8_t range, base; } cases[] = {{2, 1}, {1, 5}, {3, 2}, {4, 0}, {8, 9}};
  for (const auto& c : cases) {
    session.random() = atLargest;
    session.play([&](Game& g) { EXPECT_EQ(g.nahoda(c.range, c.base), c.base + c.range - 1); });
  }
  session.random() = atLargest;
  session.vars().textBaseName = "sesazeni";
  session.play([](Game& g) { kratkanahoda(g); });
  EXPECT_EQ(session.vars().textFileName, "sesazeni2.ini");
}

TEST_F(Answers, YesAppliesTheAnswerOfEachQuestion) {
  const Q changed[] = {Q::rozpocet, Q::delo, Q::chuo, Q::into, Q::rolo, Q::rol};
  const struct {
    std::int32_t code;
    double after[6];   // the quantities above, from 0
    int panelChanges;  // each change of the panel's text charges the question's money again
  } cases[] = {{99999, {-25, 2, 0, 0, 0, 0}, 1}, {999999, {-10, 0, 0, 0, 0, 0}, 1},
               {88, {-30, 0, 3, 1, 0, 0}, 1},    {888, {50, 2, 0, 0, 0, 0}, 1},
               {8888, {0, 0, 2, 1, 0, 0}, 1},    {88888, {-40, 0, 0, 3, 0, 0}, 1},
               {888888, {35, 0, 0, 0, 0, 3}, 1}, {77, {0, -1, 0, -1, -1, 0}, 1}};
  startGame();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.code);
    for (Q q : changed) set(q, 0);
    set(Q::kasa, 1000);
    show(c.code, "Otázka", 2, -7, 0);
    session.ano();
    for (int i = 0; i < 6; ++i) EXPECT_EQ(value(changed[i]), c.after[i]) << nameOf(changed[i]);
    EXPECT_EQ(value(Q::kasa), 1000 - 7 - 7 * c.panelChanges);
    EXPECT_EQ(session.vars().questionCode, -1);
    EXPECT_EQ(game().screen().info, "");
    EXPECT_EQ(buttons(), "");
  }
}

TEST_F(Answers, NoDeclinesEveryQuestionWithoutChanges) {
  startGame();
  for (std::int32_t code : {77, 88, 888, 8888, 88888, 888888, 999, 9999, 99999, 999999}) {
    SCOPED_TRACE(code);
    show(code, "Otázka", 2, -7, 0);
    const GameScreen before = game().screen();
    session.ne();
    for (const auto& info : kQuantities) {
      if (info.quantity == Q::kasa) continue;
      EXPECT_EQ(text(info.quantity), before.texts[indexOf(info.quantity)]) << info.name;
    }
    EXPECT_EQ(value(Q::kasa), numericPrefix(before.texts[indexOf(Q::kasa)]) - 7);
    EXPECT_EQ(session.vars().questionCode, -1);
    EXPECT_EQ(ui.log.back(), "INFO ");
    EXPECT_EQ(buttons(), "");
  }
}

TEST_F(Answers, AnUnknownCodeOnlyEmptiesThePanelOnYes) {
  startGame();
  show(5, "Otázka", 2, -7, 0);
  const double kasa = value(Q::kasa);
  const std::size_t before = ui.log.size();
  session.ne();
  EXPECT_EQ(ui.log.size(), before);
  session.ano();
  EXPECT_EQ(game().screen().info, "");
  EXPECT_EQ(value(Q::kasa), kasa - 7);
  EXPECT_EQ(buttons(), "AnoNe");
  EXPECT_EQ(session.vars().questionCode, 5);
  session.ano();  // the panel is empty already: nothing more to pay
  EXPECT_EQ(value(Q::kasa), kasa - 7);
}

TEST_F(Answers, AnAcquaintance) {
  startGame();
  show(1, "Seznámíš se?", 2, 0, 0);
  session.ne();
  EXPECT_EQ(game().screen().info, "Hlupáku");
  EXPECT_EQ(buttons(), "Ok");
  EXPECT_EQ(session.vars().questionCode, 1);
  EXPECT_FALSE(session.vars().partner);
  session.ok();
  EXPECT_EQ(buttons(), "");
  EXPECT_EQ(text(Q::vlada), "1");

  show(1, "Seznámíš se?", 2, 0, 0);
  session.ano();
  EXPECT_EQ(game().screen().info, "Seznámení");
  EXPECT_TRUE(session.vars().partner);

  // A missing text does not keep the partner away.
  session.vars().partner = false;
  std::filesystem::remove(folder / "data/seznameni.ini");
  show(1, "Seznámíš se?", 2, 0, 0);
  session.ano();
  EXPECT_EQ(ui.log.back(), kDataTextError);
  EXPECT_TRUE(session.vars().partner);
}

TEST_F(Answers, YesToAPlotShowsOneOfItsTwoVariants) {
  startGame();
  for (const auto& [code, base] : {std::pair{999, "sesazeni"}, std::pair{9999, "atentat"}}) {
    SCOPED_TRACE(code);
    std::set<std::string> shown;
    for (int i = 0; i < 40; ++i) {
      show(code, "Spiknutí", 2, 0, 0);
      const double rozpocet = value(Q::rozpocet);
      Random draws = session.random();
      const std::string variant = base + std::to_string(draws.oneTo(2));
      session.ano();
      EXPECT_EQ(session.vars().textFileName, variant + ".ini");
      EXPECT_EQ(game().screen().info, variant);
      EXPECT_EQ(value(Q::rozpocet), rozpocet);
      shown.insert(variant);
    }
    EXPECT_EQ(shown.size(), 2u);
  }
}

}  // namespace
}  // namespace velmoran
