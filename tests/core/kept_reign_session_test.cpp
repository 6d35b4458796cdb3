// SPDX-License-Identifier: GPL-3.0-or-later
// The unfinished reign in play: kept as it is played, offered on the title menu, gone on with
// exactly where it stopped, replaced only when the player says so, ended by a game over, and
// left alone by a second copy of the game.
#include <gtest/gtest.h>

#include <functional>

#include "files/kept_reign.h"
#include "game_fixture.h"
#include "state/reign_snapshot.h"

namespace velmoran::testing {
namespace {

namespace fs = std::filesystem;
using Offer = Session::ReignOffer::State;

class KeptReignSession : public GameTest {
 protected:
  fs::path file() const { return folder / kKeptReignFile; }
  std::string keptBytes() const {
    return fs::exists(file()) ? folder.readBytes(kKeptReignFile) : "";
  }
  // A reign in the middle of things: a question on the panel, the report bought, an entry
  // withdrawn, money moved and a partner found.
  void playAWhile() {
    startGame();
    session.play([](Game& g) {
      g.withdraw(MenuEntry::msvatba);
      g.vars().partner = true;
    });
    set(Q::kasa, 4321);
    session.buyReport();
    show(1, "Otázka?", 2, -7, 0);
  }
};

TEST_F(KeptReignSession, ALeftReignIsOfferedAndGoesOnWhereItStopped) {
  playAWhile();
  const GameScreen before = game().screen();
  const WorkingVars vars = session.vars();
  const std::uint32_t random = session.random().state();
  session.menuCommand(MenuEntry::mnewgame);

  ASSERT_EQ(session.reignOffer().state, Offer::Offered);
  EXPECT_EQ(session.reignOffer().ruler, "No Name");
  EXPECT_EQ(session.reignOffer().country, "Kačerov");
  EXPECT_EQ(session.reignOffer().month, 1);
  session.vars() = WorkingVars{};
  session.random().restore(0);
  session.resume();
  ASSERT_NE(session.game(), nullptr);
  EXPECT_FALSE(session.isOpen(Screen::Menu));
  const GameScreen& after = game().screen();
  EXPECT_EQ(after.texts, before.texts);
  EXPECT_EQ(after.info, before.info);
  EXPECT_EQ(after.menuEnabled, before.menuEnabled);
  EXPECT_EQ(buttons(), "AnoNe");
  EXPECT_TRUE(after.reportVisible);
  EXPECT_EQ(session.vars().infoText, vars.infoText);
  EXPECT_EQ(session.vars().questionCode, 1);
  EXPECT_TRUE(session.vars().partner);
  EXPECT_EQ(session.random().state(), random);
}

TEST_F(KeptReignSession, StartAsksBeforeItReplacesTheLeftReign) {
  const struct {
    const char* name;
    std::deque<bool> answers;
    bool replaced;
  } cases[] = {{"the default answer", {}, false}, {"No", {false}, false}, {"Yes", {true}, true}};
  session.setReignKeeping(Session::ReignKeeping::EveryAction);
  for (const auto& c : cases) {
    playAWhile();
    session.menuCommand(MenuEntry::mnewgame);
    const std::string left = keptBytes();
    ui.yesNo = c.answers;
    session.start();
    EXPECT_EQ(ui.log.back().rfind("SCREEN main open", 0) != 0, true) << c.name;
    EXPECT_EQ(session.game() != nullptr, c.replaced) << c.name;
    EXPECT_EQ(keptBytes() != left, c.replaced) << c.name;
    EXPECT_EQ(session.reignOffer().state == Offer::Offered, !c.replaced) << c.name;
    if (session.game()) session.menuCommand(MenuEntry::mnewgame);
    ui.yesNo = {true};
  }
}

TEST_F(KeptReignSession, TheCloseBoxKeepsTheReignAndAGameOverEndsIt) {
  session.setReignKeeping(Session::ReignKeeping::EveryAction);
  startGame();
  set(Q::kasa, 1111);
  EXPECT_NE(keptBytes().find("kasa, \"1111\""), std::string::npos);
  session.closedByPlayer(Screen::Main);
  EXPECT_EQ(session.game(), nullptr);
  EXPECT_NE(keptBytes().find("kasa, \"1111\""), std::string::npos);

  session.openTitleMenu();
  ASSERT_EQ(session.reignOffer().state, Offer::Offered);
  session.resume();
  set(Q::kasa, -15001);
  EXPECT_EQ(session.game(), nullptr);
  EXPECT_FALSE(fs::exists(file()));
  session.closeBestScores();
  EXPECT_EQ(session.reignOffer().state, Offer::None);
}

TEST_F(KeptReignSession, ASecondCopyNeitherOffersNorWritesTheReignTheFirstHolds) {
  playAWhile();
  session.menuCommand(MenuEntry::mnewgame);
  const std::string left = keptBytes();

  ScriptUi secondUi;
  Session second{secondUi, folder.path(), turnRules(), runMenuCommand};
  second.setReignKeeping(Session::ReignKeeping::EveryAction);
  second.openTitleMenu();
  EXPECT_EQ(second.reignOffer().state, Offer::Elsewhere);
  second.resume();
  EXPECT_EQ(second.game(), nullptr);
  second.start();
  ASSERT_NE(second.game(), nullptr);
  EXPECT_TRUE(
      secondUi.has("MSG information Rozehraná vláda Rozehranou vládu právě hraje jiná "
                   "spuštěná kopie hry. Tuto vládu hra neuloží, aby ji nepřepsala."));
  second.play([](Game& g) { g.set(Q::kasa, 99); });
  second.menuCommand(MenuEntry::mnewgame);
  EXPECT_EQ(keptBytes(), left);
}

TEST_F(KeptReignSession, AReignThatCannotBePlayedIsToldAndSetAside) {
  playAWhile();
  const KeptReign good = keptReignOf(game(), session.vars(), session.random().state(), false);
  session.menuCommand(MenuEntry::mnewgame);
  session.quit();
  const struct {
    const char* name;
    std::function<std::string(KeptReign)> bytes;
    const char* cause;
  } cases[] = {
      {"a number as no number",
       [](KeptReign r) {
         r.quantities[3].second = "12abc";
         return keptReignBytes(r);
       },
       "soubor je poškozený, jeho obsah nejde přečíst."},
      {"a quantity missing",
       [](KeptReign r) {
         r.quantities.pop_back();
         return keptReignBytes(r);
       },
       "soubor je poškozený"},
      {"an entry the menu lacks",
       [](KeptReign r) {
         r.withdrawn.push_back("letadlo");
         return keptReignBytes(r);
       },
       "soubor je poškozený"},
      {"a state the generator never reaches",
       [](KeptReign r) {
         r.random = 1u << 24;
         return keptReignBytes(r);
       },
       "soubor je poškozený"},
      {"a rebellion on a screen that takes input",
       [](KeptReign r) {
         r.rebellion = KeptRebellion{{"Armáda"}, {}, "3", "0"};
         return keptReignBytes(r);
       },
       "soubor je poškozený"},
      {"a later version",
       [](KeptReign r) {
         std::string b = keptReignBytes(r);
         return b.replace(b.find("\", 1\r\n"), 6, "\", 7\r\n");
       },
       "soubor uložila novější verze hry (formát 7)"},
  };
  for (const auto& c : cases) {
    const std::string bytes = c.bytes(good);
    folder.writeBytes(kKeptReignFile, bytes);
    ScriptUi nextUi;
    Session next{nextUi, folder.path(), turnRules(), runMenuCommand};
    next.openTitleMenu();
    EXPECT_EQ(next.reignOffer().state, Offer::None) << c.name;
    const auto boxes = nextUi.linesStartingWith("MSG critical CHYBA Bohužel hra nemůže načíst");
    ASSERT_EQ(boxes.size(), 1u) << c.name;
    EXPECT_NE(boxes[0].find(c.cause), std::string::npos) << c.name << ": " << boxes[0];
    EXPECT_NE(boxes[0].find("rozehrana-odlozena-1.dat"), std::string::npos) << c.name;
    EXPECT_EQ(folder.readBytes("rozehrana-odlozena-1.dat"), bytes) << c.name;
    EXPECT_FALSE(fs::exists(file())) << c.name;
    folder.remove("rozehrana-odlozena-1.dat");
  }
}

TEST_F(KeptReignSession, AReignThatCannotBeWrittenIsToldOnce) {
  session.setReignKeeping(Session::ReignKeeping::EveryAction);
  fs::create_directory(file());
  startGame();
  for (int i = 0; i < 3; ++i) set(Q::kasa, 100 + i);
  EXPECT_EQ(
      ui.linesStartingWith("MSG critical CHYBA Bohužel hra nemůže uložit rozehranou vládu.").size(),
      1u);
  EXPECT_TRUE(fs::is_directory(file()));
}

}  // namespace
}  // namespace velmoran::testing
