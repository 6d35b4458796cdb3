// SPDX-License-Identifier: GPL-3.0-or-later
// The screens around a game: the splash screen, the settings screen and its file, the about box.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "game_fixture.h"

namespace velmoran {
namespace {

using testing::GameTest;
using testing::ScriptUi;
using testing::TestGameFolder;
using ShellScreens = GameTest;

const std::string kUnsaved = testing::fileError(
    "Bohužel při ukládání nastavení nastala neznámá chyba", testing::kCauseNotAFile);

// A save leaves no temporary file behind.
const std::vector<std::string> kGameFiles = {"best.dat", "data", "data.dat"};

std::string ticks(const Session::SettingsChecks& checks) {
  return {checks[0] ? '1' : '0', checks[1] ? '1' : '0', checks[2] ? '1' : '0'};
}

TEST(SplashScreen, PlaysItsSoundThenGivesWayToTheTitleMenuOnce) {
  TestGameFolder folder;
  ScriptUi ui;
  Session session(ui, folder.path(), turnRules(), runMenuCommand);
  session.openSplash();
  session.splashTimer();
  session.splashTimer();
  session.openSplash();
  EXPECT_EQ(ui.log, (std::vector<std::string>{"SCREEN splash open", "SOUND sound.dat",
                                              "SCREEN splash closed", "SCREEN Menu open"}));
}

// Opening the settings screen fills the boxes only from a file it can read whole; a box is
// unticked only by the value 1. Any bad file gives the message, leaves the boxes unticked and
// the file as it was.
TEST_F(ShellScreens, SettingsScreenOpensFromTheFile) {
  const struct {
    const char* name;
    std::optional<std::string> content;  // empty: no data.dat
    const char* ticked;                  // null: unreadable, for the cause
    const char* cause = nullptr;
  } cases[] = {{"all on", " 0 \r\n 0 \r\n 0 \r\n", "111"},
               {"all off", "1,1,1", "000"},
               {"2 ticks a box", "2,1,1", "100"},
               {"not a number reads as 0", "1,x,1", "010"},
               {"missing", std::nullopt, nullptr, testing::kCauseMissing},
               {"empty", "", nullptr, testing::kCauseDamaged},
               {"two values", "0,0", nullptr, testing::kCauseDamaged},
               {"256", "0,0,256", nullptr, testing::kCauseDamaged},
               {"negative", "-1,0,0", nullptr, testing::kCauseDamaged},
               {"a folder", "<folder>", nullptr, testing::kCauseNotAFile}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove_all(folder / "data.dat");
    if (c.content == "<folder>") {
      std::filesystem::create_directory(folder / "data.dat");
    } else if (c.content) {
      folder.writeBytes("data.dat", *c.content);
    }
    ui.log.clear();
    session.openSettings();
    ASSERT_TRUE(session.isOpen(Screen::Nastaveni));
    EXPECT_EQ(ticks(session.settingsChecks()), c.ticked ? c.ticked : "000");
    std::vector<std::string> expected = {"SCREEN nastaveni open"};
    if (!c.ticked) {
      expected.insert(expected.begin(), testing::fileError(testing::kSettingsMissing, c.cause));
    }
    EXPECT_EQ(ui.log, expected);
    if (c.content && c.content != "<folder>") {
      EXPECT_EQ(folder.readBytes("data.dat"), *c.content);
    }
    EXPECT_EQ(std::filesystem::exists(folder / "data.dat"), c.content.has_value());
    session.closedByPlayer(Screen::Nastaveni);
  }
}

TEST_F(ShellScreens, SavingWritesTheBoxesAndClosesTheScreen) {
  const struct {
    const char* before;
    std::vector<std::size_t> toggled;
    const char* written;
  } cases[] = {{"1,1,1", {0, 1, 2}, " 0 \r\n 0 \r\n 0 \r\n"},
               {"0,0,0", {0, 1, 2}, " 1 \r\n 1 \r\n 1 \r\n"},
               {"2,1,1", {}, " 0 \r\n 1 \r\n 1 \r\n"},
               {"", {1}, " 1 \r\n 0 \r\n 1 \r\n"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.before);
    folder.writeBytes("data.dat", c.before);
    session.openSettings();
    for (std::size_t box : c.toggled) {
      session.setSettingsCheck(box, !session.settingsChecks()[box]);
    }
    session.saveSettings();
    EXPECT_EQ(folder.readBytes("data.dat"), c.written);
    EXPECT_FALSE(session.isOpen(Screen::Nastaveni));
  }
  EXPECT_EQ(folder.fileNames(), kGameFiles);
}

// An unpacked mod whose data.dat links to a file of another kind: the screen says so on
// opening, and "Uložit" says why it leaves the file alone.
TEST_F(ShellScreens, ALinkToAnotherFileIsNeverSavedThrough) {
  folder.writeBytes("../v.txt", "precious");
  std::filesystem::remove(folder / "data.dat");
  std::filesystem::create_symlink("../v.txt", folder / "data.dat");
  session.openSettings();
  session.saveSettings();
  EXPECT_EQ(ui.linesStartingWith("MSG"),
            (std::vector<std::string>{
                testing::fileError(testing::kSettingsMissing, testing::kCauseDamaged),
                testing::fileError("Bohužel při ukládání nastavení nastala neznámá chyba",
                                   testing::kCauseLink)}));
  EXPECT_TRUE(session.isOpen(Screen::Nastaveni));
  EXPECT_EQ(folder.readBytes("../v.txt"), "precious");
}

TEST_F(ShellScreens, AFailedSaveIsReportedAndLosesNothing) {
  std::filesystem::remove(folder / "data.dat");
  std::filesystem::create_directories(folder / "data.dat" / "kept");
  session.openSettings();
  session.setSettingsCheck(0, true);
  ui.log.clear();
  session.saveSettings();
  EXPECT_EQ(ui.log, std::vector<std::string>{kUnsaved});
  EXPECT_TRUE(session.isOpen(Screen::Nastaveni));
  EXPECT_TRUE(std::filesystem::is_directory(folder / "data.dat" / "kept"));
  EXPECT_EQ(folder.fileNames(), kGameFiles);

  // The player moves the folder away and saves again.
  std::filesystem::remove_all(folder / "data.dat");
  session.saveSettings();
  EXPECT_EQ(folder.readBytes("data.dat"), " 0 \r\n 1 \r\n 1 \r\n");
  EXPECT_FALSE(session.isOpen(Screen::Nastaveni));
}

TEST_F(ShellScreens, SavedSettingsShowFromTheNextGameOn) {
  startGame();
  session.menuCommand(MenuEntry::mnewgame);
  session.openSettings();
  session.setSettingsCheck(0, true);
  ui.yesNo = {true};  // the reign left is replaced
  startGame();        // "Start" closes the settings screen: its boxes were not saved
  EXPECT_FALSE(session.isOpen(Screen::Nastaveni));
  session.saveSettings();
  EXPECT_FALSE(game().screen().look.boldInfoText);
  session.menuCommand(MenuEntry::mnewgame);
  session.openSettings();
  session.setSettingsCheck(0, true);
  session.saveSettings();
  restart();
  EXPECT_TRUE(game().screen().look.boldInfoText);
  EXPECT_FALSE(game().screen().look.whiteOnBlackInfo);
}

// A reign is never thrown away without a word: "Start" closes what stood open beside the
// title menu, and nothing brings the title menu back while the reign runs.
TEST_F(ShellScreens, StartClosesTheScreensBesideTheTitleMenu) {
  session.openAbout();
  session.openSettings();
  session.showBestScores();
  ui.log.clear();
  startGame();
  for (const char* closed : {"SCREEN about closed", "SCREEN nastaveni closed",
                             "SCREEN prohra closed", "SCREEN Menu closed"}) {
    EXPECT_TRUE(ui.has(closed)) << closed;
  }
  for (const Screen screen : {Screen::About, Screen::Nastaveni, Screen::Prohra, Screen::Menu}) {
    EXPECT_FALSE(session.isOpen(screen));
  }
  session.aboutBackgroundClicked();
  session.closeBestScores();
  session.start();
  EXPECT_FALSE(session.isOpen(Screen::Menu));
  EXPECT_TRUE(session.isOpen(Screen::Main));
}

TEST_F(ShellScreens, AboutBoxPlaysItsSoundOpensTheHelpPageAndGoesBack) {
  ui.log.clear();
  session.openAbout();
  session.openAbout();
  session.openHelpPage();
  EXPECT_TRUE(session.isOpen(Screen::About));
  session.aboutBackgroundClicked();
  session.aboutBackgroundClicked();
  const std::string address = "file://" + (folder.path() / "napoveda.html").string();
  EXPECT_EQ(ui.log, (std::vector<std::string>{"SCREEN about open", "SOUND about.dat",
                                              "LINK " + address, "SCREEN about closed"}));
  EXPECT_TRUE(session.isOpen(Screen::Menu));
}

TEST_F(ShellScreens, ScreensOfTheTitleMenuNeedIt) {
  startGame();
  ui.log.clear();
  session.openSettings();
  session.openAbout();
  EXPECT_TRUE(ui.log.empty());
}

}  // namespace
}  // namespace velmoran
