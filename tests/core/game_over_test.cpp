// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "child_process.h"
#include "files/best_scores.h"
#include "game_fixture.h"

namespace velmoran {
namespace {

using testing::fileError;
using testing::kBankruptcy;
using testing::kBestScoresMissing;
using testing::Q;
using GameOver = testing::GameTest;

TEST_F(GameOver, TheRulerEntersTheTableAsEntered) {
  const struct {
    const char* name;
    double vlada;
    std::array<std::string, 6> table;
  } cases[] = {{"Řehoř, \"Velký\"", 25, {"Alois", "30", "Řehoř, \"Velký\"", "25", "Božena", "20"}},
               {"", 40, {"", "40", "Alois", "30", "Božena", "20"}},
               {"Zdeněk", 20, {"Alois", "30", "Božena", "20", "Cyril", "10"}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    folder.writeBest("Alois\n30\nBožena\n20\nCyril\n10\n");
    ui.inputs = {c.name};
    restart();
    set(Q::vlada, c.vlada);
    set(Q::kasa, -20000);
    EXPECT_EQ(ui.linesStartingWith("MSG none").back(),
              "MSG none Vaše vláda Vládnul jste " + std::to_string(int(c.vlada)) + " měsíců.");
    EXPECT_EQ(readBestScores(folder / "best.dat").fields,
              std::vector<std::string>(c.table.begin(), c.table.end()));
    EXPECT_EQ(session.bestScoresShown(), c.table);
    EXPECT_TRUE(session.isOpen(Screen::Prohra));
  }
}

TEST_F(GameOver, AnUnreadableTableIsReportedAndLeftAsItWas) {
  const struct {
    const char* name;
    const char* content;  // null: no best.dat
    const char* cause;
  } cases[] = {{"missing", nullptr, testing::kCauseMissing},
               {"months not a number", "A\n30\nB\nxx\nC\n10\n", testing::kCauseDamaged},
               {"five lines", "A\n30\nB\n20\nC\n", testing::kCauseDamaged}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    restart();
    std::filesystem::remove(folder / "best.dat");
    if (c.content) folder.writeBest(c.content);
    const std::string bytes = folder.readBytes("best.dat");
    const std::size_t before = ui.log.size();
    set(Q::kasa, -20000);
    const auto after = logSince(before);
    ASSERT_GE(after.size(), 2u);
    EXPECT_EQ(after[0], kBankruptcy);
    EXPECT_EQ(after[1], fileError(kBestScoresMissing, c.cause));
    EXPECT_EQ(ui.linesStartingWith("MSG none Vaše vláda").size(), 0u);
    EXPECT_EQ(session.game(), nullptr);
    EXPECT_TRUE(session.isOpen(Screen::Menu));
    EXPECT_FALSE(session.isOpen(Screen::Main));
    EXPECT_FALSE(session.isOpen(Screen::Prohra));
    EXPECT_EQ(std::filesystem::exists(folder / "best.dat"), c.content != nullptr);
    EXPECT_EQ(folder.readBytes("best.dat"), bytes);
  }
}

TEST_F(GameOver, TheRulerIsToldTheMonthsTheTableKeeps) {
  startGame();
  set(Q::vlada, 1e19);
  set(Q::kasa, -20000);
  EXPECT_EQ(ui.linesStartingWith("MSG none Vaše vláda").back(),
            "MSG none Vaše vláda Vládnul jste 1000000000000000000 měsíců.");
  EXPECT_EQ(session.bestScoresShown()[1], "1000000000000000000");
}

TEST_F(GameOver, AReadOnlyTableIsAFailureAndStaysAsItWas) {
  startGame();
  std::filesystem::permissions(folder / "best.dat", std::filesystem::perms::owner_read);
  const std::string bytes = folder.readBytes("best.dat");
  set(Q::vlada, 99);
  set(Q::kasa, -20000);
  EXPECT_EQ(ui.log.back(), "SCREEN Menu open");
  EXPECT_TRUE(ui.has(fileError(kBestScoresMissing, testing::kCauseReadOnly)));
  EXPECT_EQ(folder.readBytes("best.dat"), bytes);
  EXPECT_EQ(std::filesystem::status(folder / "best.dat").permissions(),
            std::filesystem::perms::owner_read);
}

TEST_F(GameOver, ABankruptMonthEndsTheGameOnce) {
  folder.writeBest("A\n30\nB\n20\nC\n1\n");
  // Every event text is bankrupting: the month would go bankrupt twice.
  for (int n : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 77}) writeEvent(n, -20000);
  startGame();
  set(Q::kasa, 0);
  show(0, "Konec měsíce", 1, 0, 1);
  session.ok();
  EXPECT_EQ(std::count(ui.log.begin(), ui.log.end(), kBankruptcy), 1);
  EXPECT_EQ(ui.linesStartingWith("MSG none Vaše vláda"),
            std::vector<std::string>{"MSG none Vaše vláda Vládnul jste 2 měsíců."});
  const auto reading = readBestScores(folder / "best.dat");
  ASSERT_TRUE(reading.table);
  EXPECT_EQ(reading.table->names, (std::array<std::string, 3>{"A", "B", "No Name"}));
  EXPECT_EQ(reading.table->months, (std::array<long long, 3>{30, 20, 2}));
  EXPECT_EQ(session.game(), nullptr);

  const std::size_t before = ui.log.size();
  session.ok();
  session.ano();
  session.ne();
  session.buyReport();
  session.menuCommand(MenuEntry::army);
  EXPECT_EQ(ui.log.size(), before);
}

TEST_F(GameOver, LeavingFromTheGameMenuRecordsNoScore) {
  for (MenuEntry entry : {MenuEntry::mnewgame, MenuEntry::mkonec}) {
    SCOPED_TRACE(infoOf(entry).caption);
    restart();
    show(888, "Otázka", 2, 0, 0);
    const std::string bytes = folder.readBytes("best.dat");
    const std::size_t before = ui.log.size();
    session.menuCommand(entry);
    EXPECT_EQ(logSince(before),
              (std::vector<std::string>{"SCREEN Menu open", "SCREEN main closed"}));
    EXPECT_EQ(session.game(), nullptr);
    EXPECT_EQ(folder.readBytes("best.dat"), bytes);
  }
}

TEST_F(GameOver, ANextGameStartsAfreshButWorkingVariablesCarryOver) {
  startGame();
  show(1, "Seznámíš se?", 2, 0, 0);
  session.ano();
  session.vars().sexChange = true;
  set(Q::polo, -3);
  set(Q::vlada, 7);
  session.buyReport();
  session.menuCommand(MenuEntry::mnewgame);
  ui.yesNo = {true};  // the reign left is replaced
  session.start();
  ASSERT_NE(session.game(), nullptr);
  EXPECT_EQ(text(Q::polo), "5");
  EXPECT_EQ(text(Q::vlada), "1");
  EXPECT_FALSE(game().screen().reportVisible);
  EXPECT_EQ(game().screen().info, "Vítej, vládce.");
  EXPECT_TRUE(session.vars().partner);
  EXPECT_TRUE(session.vars().sexChange);
}

// The chronicle's folder is a file, or another user's link: the reign ends as ever, its score
// is kept, and the player is told why its chronicle is not.
TEST_F(GameOver, AChronicleThatCannotBeKeptIsToldAndTheReignStillEnds) {
  const auto other = testing::otherUser();
  const struct {
    const char* what;
    bool othersLink;
    const char* cause;
  } cases[] = {{"a file in the folder's place", false, testing::kCauseNotAFile},
               {"another user's link", true, testing::kCauseLink}};
  for (const auto& c : cases) {
    if (c.othersLink && !other) continue;
    SCOPED_TRACE(c.what);
    restart();
    std::filesystem::remove_all(folder / "kroniky");
    if (c.othersLink) {
      std::filesystem::create_directory(folder.scratch() / "elsewhere");
      std::filesystem::create_symlink(folder.scratch() / "elsewhere", folder / "kroniky");
      ASSERT_EQ(::lchown((folder / "kroniky").c_str(), other->uid, other->gid), 0);
    } else {
      folder.writeBytes("kroniky", "mine");
    }
    set(Q::vlada, 99);
    set(Q::kasa, -20000);
    const auto told = ui.linesStartingWith("MSG critical CHYBA");
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0], fileError("Kroniku této vlády se nepodařilo uložit.", c.cause));
    EXPECT_TRUE(ui.has("MSG none Vaše vláda Vládnul jste 99 měsíců."));
    EXPECT_EQ(readBestScores(folder / "best.dat").table->months[0], 99);
    EXPECT_TRUE(session.isOpen(Screen::Prohra));
    if (!c.othersLink) {
      EXPECT_EQ(folder.readBytes("kroniky"), "mine");
    }
    ui.log.clear();
  }
}

TEST_F(GameOver, TopThreeShowsWhateverCouldBeReadWithoutTheSound) {
  folder.writeBest("Alois\n30\nBožena\nxx\n");
  session.showBestScores();
  EXPECT_EQ(session.bestScoresShown(),
            (std::array<std::string, 6>{"Alois", "30", "Božena", "", "", ""}));
  EXPECT_EQ(ui.log.back(), fileError(kBestScoresMissing, testing::kCauseDamaged));
  EXPECT_FALSE(ui.has("SOUND top.dat"));
  EXPECT_TRUE(session.isOpen(Screen::Prohra));
}

}  // namespace
}  // namespace velmoran
