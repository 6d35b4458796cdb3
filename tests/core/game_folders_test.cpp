// Where the game finds its files: a game folder, an installation and the player's own folder.
#include "state/game_folders.h"

#include <gtest/gtest.h>

#include "script_ui.h"
#include "state/help_page.h"

namespace velmoran {
namespace {

namespace fs = std::filesystem;
using testing::TempGameFolder;

TEST(GameFolders, PlayerFolderFollowsXdgDataHome) {
  EXPECT_EQ(playerFolder("/home/eva", nullptr), "/home/eva/.local/share/velmoran");
  EXPECT_EQ(playerFolder("/home/eva", ""), "/home/eva/.local/share/velmoran");
  EXPECT_EQ(playerFolder("/home/eva", "relative/share"), "/home/eva/.local/share/velmoran");
  EXPECT_EQ(playerFolder("/home/eva", "/data/share"), "/data/share/velmoran");
  EXPECT_EQ(playerFolder(nullptr, nullptr), "/.local/share/velmoran");
}

// An installation: prefix/bin/velmoran and prefix/share/velmoran with its data texts, best
// scores and settings; a working folder that is no game folder; the player's folder.
class Installed : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(root / "prefix" / "bin");
    root.writeDataText("welcome.ini", 0, "Vítej", 1, 0, 0);
    fs::create_directories(shipped);
    fs::rename(root / "data", shipped / "data");
    root.writeBytes("prefix/share/velmoran/best.dat", "A\n3\nB\n2\nC\n1\n");
    root.writeBytes("prefix/share/velmoran/data.dat", "1,1,1");
    fs::create_directories(working);
  }

  GameFolders locate() const {
    return locateGameFolders(working, installedGameFolder(root / "prefix" / "bin" / "velmoran"),
                             player);
  }

  TempGameFolder root;
  const fs::path shipped = root / "prefix" / "share" / "velmoran";
  const fs::path working = root / "home";
  const fs::path player = root / "home" / ".local" / "share" / "velmoran";
};

TEST_F(Installed, FirstStartGivesThePlayerTheShippedDefaults) {
  const GameFolders folders = locate();
  EXPECT_EQ(folders.shipped, shipped);
  EXPECT_EQ(folders.texts, shipped / "data");
  EXPECT_EQ(folders.player, player);
  EXPECT_EQ(root.readBytes("home/.local/share/velmoran/best.dat"), "A\n3\nB\n2\nC\n1\n");
  EXPECT_EQ(root.readBytes("home/.local/share/velmoran/data.dat"), "1,1,1");
}

TEST_F(Installed, ThePlayersFilesAndTextsWin) {
  fs::create_directories(player / "data");
  root.writeBytes("home/.local/share/velmoran/best.dat", "mine");
  const GameFolders folders = locate();
  EXPECT_EQ(folders.texts, player / "data");
  EXPECT_EQ(root.readBytes("home/.local/share/velmoran/best.dat"), "mine");
}

TEST_F(Installed, AGameFolderIsUsedAsItIs) {
  fs::create_directory(root / "data");
  root.writeDataText("welcome.ini", 0, "Vítej", 1, 0, 0);
  fs::rename(root / "data", working / "data");
  const GameFolders folders = locate();
  EXPECT_EQ(folders.shipped, working);
  EXPECT_EQ(folders.texts, working / "data");
  EXPECT_EQ(folders.player, working);
  EXPECT_FALSE(fs::exists(player));
}

TEST_F(Installed, WithoutAnInstallationTheWorkingFolderIsTheGameFolder) {
  for (const fs::path& program : {root / "prefix" / "velmoran", root / "elsewhere" / "bin" / "v"}) {
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
