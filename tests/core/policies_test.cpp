// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "files/decimal_text.h"
#include "game_fixture.h"

namespace velmoran {
namespace {

using testing::Q;

constexpr Q kWatched[] = {Q::kasa, Q::rozpocet, Q::brdo, Q::moro, Q::usao,
                          Q::ruso, Q::delo,     Q::rolo, Q::armo, Q::into};

// Each command's text says what it is and moves no money of its own, so that every change
// seen here is the command's.
struct Policies : testing::GameTest {
  void SetUp() override {
    GameTest::SetUp();
    for (const char* file :
         {"otroci.ini", "povyseni.ini", "cesta1.ini", "cesta2.ini", "cesta3.ini", "reklama1.ini",
          "reklama2.ini", "reklama3.ini", "reforma.ini", "znarodneni.ini", "park.ini", "rusa.ini",
          "rusn.ini", "usaa.ini", "usan.ini", "mora.ini", "morn.ini"}) {
      folder.writeDataText(file, -1, file, 0, 0, 0);
    }
    startGame();
    session.ok();  // the welcome text
  }
  // Gives the command once in a fresh game with every watched quantity at 10; returns how each
  // of them changed.
  std::vector<double> give(MenuEntry entry) {
    restart();
    session.ok();
    for (Q q : kWatched) set(q, 10);
    session.menuCommand(entry);
    std::vector<double> changes;
    for (Q q : kWatched) changes.push_back(value(q) - 10);
    return changes;
  }
  std::string shown() { return game().screen().info; }
};

// The sale and the promotion bring hundreds of dollars, named after their texts, once a game.
TEST_F(Policies, SaleAndPromotionPayOnceAGame) {
  const struct {
    MenuEntry entry;
    const char* textFile;
    int least, most;
    std::vector<double> changesButKasa;
  } cases[] = {
      {MenuEntry::bordo, "otroci.ini", 10, 34, {0, -2, -1, -1, -1, 0, 0, 0, 0}},
      {MenuEntry::povyseni, "povyseni.ini", 9, 68, {0, -1, 0, 0, 0, 0, 0, 0, 0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.textFile);
    std::set<double> hundreds;
    for (int i = 0; i < 400; ++i) {
      const auto changes = give(c.entry);
      const double n = changes[0] / 100;
      hundreds.insert(n);
      EXPECT_EQ(shown(), c.textFile + decimalText(n) + "00");
      EXPECT_EQ(std::vector<double>(changes.begin() + 1, changes.end()), c.changesButKasa);
      EXPECT_TRUE(game().isWithdrawn(c.entry));
    }
    EXPECT_EQ(*hundreds.begin(), c.least);
    EXPECT_EQ(*hundreds.rbegin(), c.most);
    EXPECT_EQ(hundreds.size(), static_cast<std::size_t>(c.most - c.least + 1));
    // Withdrawn, the entry does nothing more in this game.
    const double kasa = value(Q::kasa);
    session.menuCommand(c.entry);
    EXPECT_EQ(value(Q::kasa), kasa);
  }
}

TEST_F(Policies, JourneysAndCampaignsFollowTheirDraw) {
  const struct {
    MenuEntry entry;
    const char* textFile;
    std::vector<double> changes;  // of the watched quantities
  } outcomes[] = {
      {MenuEntry::cesta, "cesta1.ini", {0, 0, 1, 0, 2, 0, 0, 0, 0, 0}},
      {MenuEntry::cesta, "cesta2.ini", {0, 0, 0, 0, 1, 2, 0, 0, 0, 0}},
      {MenuEntry::cesta, "cesta3.ini", {0, 0, 1, 1, 0, 0, 0, 0, 0, 0}},
      {MenuEntry::kampan, "reklama1.ini", {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
      {MenuEntry::kampan, "reklama2.ini", {0, 0, 0, 0, 0, 0, 1, 2, 0, 0}},
      {MenuEntry::kampan, "reklama3.ini", {0, 0, 0, 0, 0, 0, 2, 1, 2, 2}},
  };
  std::set<std::string> seen;
  for (int i = 0; i < 120; ++i) {
    for (MenuEntry entry : {MenuEntry::cesta, MenuEntry::kampan}) {
      const auto changes = give(entry);
      seen.insert(shown());
      bool known = false;
      for (const auto& o : outcomes) {
        if (o.entry != entry || shown() != o.textFile) continue;
        known = true;
        EXPECT_EQ(changes, o.changes) << o.textFile;
      }
      EXPECT_TRUE(known) << shown();
      EXPECT_FALSE(game().isWithdrawn(entry));
    }
  }
  EXPECT_EQ(seen.size(), 6u);
}

// Reform, nationalisation and new machinery raise the budget by 0 to 34, named after the text.
TEST_F(Policies, MeasuresRaiseTheBudget) {
  const struct {
    MenuEntry entry;
    const char* textFile;
    double popularity;  // of the workers, the peasants and the intelligentsia
    bool once;
  } cases[] = {{MenuEntry::reforma, "reforma.ini", -1, false},
               {MenuEntry::ztph, "znarodneni.ini", 0, true},
               {MenuEntry::strojparko, "park.ini", 0, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.textFile);
    std::set<double> raises;
    for (int i = 0; i < 300; ++i) {
      const auto changes = give(c.entry);
      raises.insert(changes[1]);
      EXPECT_EQ(shown(), c.textFile + decimalText(changes[1]) + "$");
      EXPECT_EQ(changes[0], 0);
      for (std::size_t q : {6u, 7u, 9u}) EXPECT_EQ(changes[q], c.popularity);
      EXPECT_EQ(game().isWithdrawn(c.entry), c.once);
    }
    EXPECT_EQ(*raises.begin(), 0);
    EXPECT_EQ(*raises.rbegin(), 34);
  }
}

// A lender grants at an attitude above 0, once a game; a refusal changes nothing and leaves
// the entry for a later try. The attitude itself never moves.
TEST_F(Policies, LoansAreGrantedByTheLendersAttitude) {
  const struct {
    MenuEntry entry;
    Q lender;
    const char *granted, *refused, *unit;
    std::size_t paid;  // kasa (0) or rozpocet (1)
    int factor, least, most;
  } cases[] = {
      {MenuEntry::pr, Q::ruso, "rusa.ini", "rusn.ini", "$", 1, 1, 0, 4},
      {MenuEntry::usap, Q::usao, "usaa.ini", "usan.ini", "00$", 0, 100, 2, 51},
      {MenuEntry::morpu, Q::moro, "mora.ini", "morn.ini", "00$", 0, 100, 1, 20},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.granted);
    std::set<double> amounts;
    for (int i = 0; i < 400; ++i) {
      restart();
      session.ok();
      for (Q q : kWatched) set(q, 10);
      set(c.lender, 0);
      session.menuCommand(c.entry);
      EXPECT_EQ(shown(), c.refused);
      EXPECT_FALSE(game().isWithdrawn(c.entry));
      set(c.lender, 1);
      session.menuCommand(c.entry);
      const double paid = value(c.paid == 0 ? Q::kasa : Q::rozpocet) - 10;
      const double n = paid / c.factor;
      amounts.insert(n);
      EXPECT_EQ(shown(), c.granted + decimalText(n) + c.unit);
      EXPECT_TRUE(game().isWithdrawn(c.entry));
      EXPECT_EQ(value(c.lender), 1);
      EXPECT_EQ(value(c.paid == 0 ? Q::rozpocet : Q::kasa), 10);
    }
    EXPECT_EQ(*amounts.begin(), c.least);
    EXPECT_EQ(*amounts.rbegin(), c.most);
  }
}

// With its text missing, a command still pays, but names no amount after the text before it,
// which would be paid for again.
TEST_F(Policies, AnAmountIsNamedOnlyAfterItsOwnText) {
  folder.remove("data/otroci.ini");
  show(-1, "Předtím", 1, -300, 1);
  const double kasa = value(Q::kasa);
  session.menuCommand(MenuEntry::bordo);
  EXPECT_TRUE(ui.has(testing::kDataTextError));
  EXPECT_EQ(shown(), "Předtím");
  EXPECT_EQ(buttons(), "");
  EXPECT_GE(value(Q::kasa) - kasa, 1000);
  EXPECT_LE(value(Q::kasa) - kasa, 3400);
  EXPECT_TRUE(game().isWithdrawn(MenuEntry::bordo));
}

}  // namespace
}  // namespace velmoran
