// SPDX-License-Identifier: GPL-3.0-or-later
// The splash screen, the settings screen and the about box through the terminal edition.
#include <gtest/gtest.h>

#include <string>

#include "console_harness.h"

namespace velmoran::e2e {
namespace {

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
