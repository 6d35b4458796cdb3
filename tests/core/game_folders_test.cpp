// SPDX-License-Identifier: GPL-3.0-or-later
// Where the game finds its files: a game folder, an installation and the player's own folder.
#include "files/game_folders.h"

#include <gtest/gtest.h>

#include <fstream>

#include "files/help_page.h"
#include "test_game_folder.h"

namespace velmoran {
namespace {

namespace fs = std::filesystem;
using testing::TestGameFolder;

TEST(GameFolders, PlayerFolderFollowsXdgDataHome) {
  EXPECT_EQ(playerFolder("/home/eva", nullptr), "/home/eva/.local/share/velmoran");
  EXPECT_EQ(playerFolder("/home/eva", ""), "/home/eva/.local/share/velmoran");
  EXPECT_EQ(playerFolder("/home/eva", "relative/share"), "/home/eva/.local/share/velmoran");
  EXPECT_EQ(playerFolder("/home/eva", "/data/share"), "/data/share/velmoran");
  EXPECT_EQ(playerFolder(nullptr, nullptr), "/.local/share/velmoran");
}

// An installation beside the test's game folder: prefix/bin/velmoran and
// prefix/share/velmoran with its data texts and the defaults of the best scores and settings;
// a working folder that
// is no game folder; the player's folder.
class Installed : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(prefix / "bin");
    fs::create_directories(shipped / "data");
    write(shipped / "data" / "welcome.ini", "0\r\n\"Vítej\"\r\n1, 0, 0\r\n");
    fs::create_directories(shipped / "defaults");
    write(shipped / "defaults" / "best.dat", "A\n3\nB\n2\nC\n1\n");
    write(shipped / "defaults" / "data.dat", "1,1,1");
    fs::create_directories(working);
  }

  static void write(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
  }
  static std::string read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

  GameFolders locate(const fs::path& start) const {
    return locateGameFolders(start, installedGameFolder(prefix / "bin" / "velmoran"), player);
  }
  GameFolders locate() const { return locate(working); }

  TestGameFolder root;
  const fs::path prefix = root.scratch() / "prefix";
  const fs::path shipped = prefix / "share" / "velmoran";
  const fs::path working = root.scratch() / "home";
  const fs::path player = working / ".local" / "share" / "velmoran";
};

TEST_F(Installed, FirstStartGivesThePlayerTheShippedDefaults) {
  const GameFolders folders = locate();
  EXPECT_EQ(folders.shipped, shipped);
  EXPECT_EQ(folders.texts, shipped / "data");
  EXPECT_EQ(folders.player, player);
  EXPECT_EQ(read(player / "best.dat"), "A\n3\nB\n2\nC\n1\n");
  EXPECT_EQ(read(player / "data.dat"), "1,1,1");
}

TEST_F(Installed, ThePlayersFilesAndTextsWin) {
  fs::create_directories(player / "data");
  write(player / "best.dat", "mine");
  const GameFolders folders = locate();
  EXPECT_EQ(folders.texts, player / "data");
  EXPECT_EQ(read(player / "best.dat"), "mine");
}

// A player who changed one text keeps the installation's others, wherever the game starts:
// neither the installation's own folder nor the player's is a game folder.
TEST_F(Installed, EachTextComesFromThePlayerWhenThereElseFromTheInstallation) {
  write(shipped / "data" / "nahoda1.ini", "0\r\n\"Událost\"\r\n1, 0, 1\r\n");
  fs::create_directories(player / "data");
  write(player / "data" / "welcome.ini", "0\r\n\"Moje\"\r\n1, 0, 0\r\n");
  for (const fs::path& start : {working, shipped, player}) {
    const GameFolders folders = locate(start);
    EXPECT_EQ(folders.player, player) << start;
    EXPECT_EQ(folders.textFile("welcome.ini"), player / "data" / "welcome.ini") << start;
    EXPECT_EQ(folders.textFile("nahoda1.ini"), shipped / "data" / "nahoda1.ini") << start;
  }
  EXPECT_FALSE(fs::exists(shipped / "best.dat"));
}

TEST_F(Installed, AGameFolderIsUsedAsItIs) {
  fs::create_directories(working / "data");
  write(working / "data" / "welcome.ini", "0\r\n\"Vítej\"\r\n1, 0, 0\r\n");
  const GameFolders folders = locate();
  EXPECT_EQ(folders.shipped, working);
  EXPECT_EQ(folders.texts, working / "data");
  EXPECT_EQ(folders.player, working);
  EXPECT_FALSE(fs::exists(player));
}

TEST_F(Installed, WithoutAnInstallationTheWorkingFolderIsTheGameFolder) {
  for (const fs::path& program :
       {prefix / "velmoran", root.scratch() / "elsewhere" / "bin" / "v"}) {
    EXPECT_FALSE(installedGameFolder(program)) << program;
  }
  const GameFolders folders = locateGameFolders(working, std::nullopt, player);
  EXPECT_EQ(folders.player, working);
  EXPECT_FALSE(fs::exists(player));
}

TEST(HelpPage, AddressIsAFileUrlWithItsSpecialCharactersEncoded) {
  EXPECT_EQ(helpPageAddress("/usr/share/velmoran"), "file:///usr/share/velmoran/napoveda.html");
  EXPECT_EQ(helpPageAddress("/home/eva/Hry a zábava/#1"),
            "file:///home/eva/Hry%20a%20z%C3%A1bava/%231/napoveda.html");
}

}  // namespace
}  // namespace velmoran
