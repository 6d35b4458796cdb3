// The splash screen, the settings screen and the about box through the terminal edition.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "console_harness.h"

namespace velmoran::e2e {
namespace {

const std::string kUnreadable = messageLine("critical", "CHYBA", testing::kSettingsMissing);
const std::string kUnsaved =
    messageLine("critical", "CHYBA", "Bohužel při ukládání nastavení nastala neznámá chyba");

TEST(ConsoleShell, TheSplashScreenComesAndGoesBeforeTheTitleMenu) {
  TestGameFolder folder;
  writeCraftedSet(folder);
  EXPECT_EQ(play(folder, "").bytes,
            "SCREEN | splash | open\nSCREEN | splash | closed\nSCREEN | Menu | open\n");
}

TEST(ConsoleShell, SettingsAreShownToggledAndSaved) {
  TestGameFolder folder;
  writeCraftedSet(folder);
  folder.writeBytes("data.dat", "0,2,1");
  const auto t = play(folder, "nastaveni\ncheck1\ncheck3\ncheck3\ncheck3\nulozit\nnastaveni\n");
  EXPECT_EQ(t.slice(1),
            (Lines{"SCREEN | nastaveni | open", "CHECKS | 1 1 0", "SCREEN | nastaveni | closed",
                   "SCREEN | nastaveni | open", "CHECKS | 0 1 1"}));
  EXPECT_EQ(folder.readBytes("data.dat"), " 1 \r\n 0 \r\n 0 \r\n");
}

// Each bad settings file is reported, the boxes stay unticked, and saving replaces it; a folder
// in its place cannot be replaced and stays.
TEST(ConsoleShell, BadSettingsFilesAreReportedAndCanBeSavedOver) {
  for (const auto& [name, bytes] :
       std::initializer_list<std::pair<const char*, const char*>>{{"missing", nullptr},
                                                                  {"empty", ""},
                                                                  {"two values", "0, 0\r\n"},
                                                                  {"out of range", "0, 300, 0\r\n"},
                                                                  {"a folder", "/"}}) {
    SCOPED_TRACE(name);
    TestGameFolder folder;
    writeCraftedSet(folder);
    folder.remove("data.dat");
    const bool isFolder = bytes && std::string(bytes) == "/";
    if (isFolder) {
      std::filesystem::create_directory(folder.path() / "data.dat");
    } else if (bytes) {
      folder.writeBytes("data.dat", bytes);
    }
    const auto t = play(folder, "nastaveni\ncheck2\nulozit\n");
    Lines expected = {kUnreadable, "SCREEN | nastaveni | open", "CHECKS | 0 0 0"};
    expected.push_back(isFolder ? kUnsaved : "SCREEN | nastaveni | closed");
    EXPECT_EQ(t.slice(1), expected);
    if (isFolder) {
      EXPECT_TRUE(std::filesystem::is_directory(folder.path() / "data.dat"));
    } else {
      EXPECT_EQ(folder.readBytes("data.dat"), " 1 \r\n 0 \r\n 1 \r\n");
    }
    EXPECT_EQ(folder.fileNames(), (Lines{"best.dat", "data", "data.dat"}));
  }
}

TEST(ConsoleShell, AboutBoxShowsTheHelpPageAndGoesBack) {
  TestGameFolder folder;
  writeCraftedSet(folder);
  const auto t = play(folder, "ohre\nabout-link\nabout-link\nabout-click\nstart\n");
  const std::string link = "LINK | file://" + (folder.path() / "napoveda.html").string();
  EXPECT_EQ(t.slice(1, 4), (Lines{"SCREEN | about | open", link, link, "SCREEN | about | closed"}));
  EXPECT_TRUE(t.has("SCREEN | main | open"));
}

TEST(ConsoleShell, CommandsOfClosedScreensAreRefused) {
  TestGameFolder folder;
  writeCraftedSet(folder);
  const auto t =
      play(folder, "check1\nulozit\nabout-click\nabout-link\nstart\n\n\nnastaveni\nohre\n");
  EXPECT_EQ(t.slice(1, 4),
            (Lines{"ERR | nastavení není otevřené", "ERR | nastavení není otevřené",
                   "ERR | okno O hře není otevřené", "ERR | okno O hře není otevřené"}));
  EXPECT_EQ(t.slice(t.lines.size() - 2),
            (Lines{"ERR | hlavní nabídka není otevřená", "ERR | hlavní nabídka není otevřená"}));
}

}  // namespace
}  // namespace velmoran::e2e
