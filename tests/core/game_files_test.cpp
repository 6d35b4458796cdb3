// SPDX-License-Identifier: GPL-3.0-or-later
// Writing best.dat and data.dat: planted links, a second copy of the game writing at the same
// moment, read-only and linked files, and the leftovers of copies that were killed.
#include "files/game_files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include "child_process.h"
#include "commands/command_table.h"
#include "files/best_scores.h"
#include "script_ui.h"
#include "state/session.h"
#include "test_game_folder.h"
#include "turn/turn_rules.h"

namespace velmoran {
namespace {

namespace fs = std::filesystem;
using testing::TestGameFolder;

fs::perms permissionsOf(const fs::path& path) {
  return fs::status(path).permissions();
}

TEST(GameFiles, APlantedLinkIsNeverWrittenThrough) {
  TestGameFolder folder;
  folder.writeBytes("victim", "keep");
  folder.writeBytes("best.dat", "old");
  const std::string ours = "best.dat." + std::to_string(::getpid());
  for (const std::string& name :
       std::vector<std::string>{"best.dat.tmp", ours + "-0.tmp", ours + "-1.tmp"}) {
    fs::create_symlink(folder / "victim", folder / name);
  }
  ASSERT_TRUE(replaceGameFile(folder / "best.dat", "new"));
  EXPECT_EQ(folder.readBytes("victim"), "keep");
  EXPECT_EQ(folder.readBytes("best.dat"), "new");
  EXPECT_EQ(folder.fileNames(), (std::vector<std::string>{"best.dat", "data", "victim"}));
}

TEST(GameFiles, TwoCopiesWritingAtOnceBothSucceedAndReadersSeeWholeFiles) {
  constexpr int kWrites = 150;
  TestGameFolder folder;
  const std::vector<std::string> contents = {"Alois\r\n30\r\n", std::string(3000, 'a'),
                                             std::string(7000, 'b')};
  folder.writeBytes("best.dat", contents[0]);
  std::vector<pid_t> copies;
  for (std::size_t copy = 1; copy <= 2; ++copy) {
    copies.push_back(testing::startChild([&folder, &contents, copy] {
      int failures = 0;
      for (int i = 0; i < kWrites; ++i) {
        failures += !replaceGameFile(folder / "best.dat", contents[copy]);
      }
      return std::min(failures, 100);
    }));
  }
  int damaged = 0;
  while (::waitpid(copies[0], nullptr, WNOHANG) == 0) {
    const std::string seen = folder.readBytes("best.dat");
    damaged += std::find(contents.begin(), contents.end(), seen) == contents.end();
  }
  EXPECT_EQ(damaged, 0);
  EXPECT_EQ(testing::waitForChild(copies[1]), 0);
  EXPECT_EQ(folder.fileNames(), (std::vector<std::string>{"best.dat", "data"}));
}

TEST(GameFiles, AReadOnlyFileIsLeftAloneAndOthersKeepTheirPermissions) {
  TestGameFolder folder;
  folder.writeBytes("best.dat", "old");
  folder.writeBytes("data.dat", "old");
  fs::permissions(folder / "best.dat", fs::perms::owner_read | fs::perms::group_read);
  fs::permissions(folder / "data.dat", fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_FALSE(replaceGameFile(folder / "best.dat", "new"));
  EXPECT_EQ(folder.readBytes("best.dat"), "old");
  EXPECT_EQ(permissionsOf(folder / "best.dat"), fs::perms::owner_read | fs::perms::group_read);
  ASSERT_TRUE(replaceGameFile(folder / "data.dat", "new"));
  EXPECT_EQ(permissionsOf(folder / "data.dat"), fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(folder.fileNames(), (std::vector<std::string>{"best.dat", "data", "data.dat"}));
}

// The player keeps the scores elsewhere, through a link to a link.
TEST(GameFiles, ALinkStaysALinkAndItsTargetIsReplaced) {
  TestGameFolder folder;
  const fs::path saves = folder.scratch() / "saves";
  fs::create_directory(saves);
  folder.writeBytes("../saves/real.dat", "old");
  fs::create_symlink("real.dat", saves / "link.dat");
  fs::create_symlink("../saves/link.dat", folder / "best.dat");
  ASSERT_TRUE(replaceGameFile(folder / "best.dat", "new"));
  EXPECT_TRUE(fs::is_symlink(folder / "best.dat"));
  EXPECT_TRUE(fs::is_symlink(saves / "link.dat"));
  EXPECT_EQ(folder.readBytes("../saves/real.dat"), "new");
  EXPECT_EQ(std::distance(fs::directory_iterator(saves), fs::directory_iterator()), 2);
}

TEST(GameFiles, AFifoInAFilesPlaceIsNeverWaitedOn) {
  TestGameFolder folder;
  ASSERT_EQ(::mkfifo((folder / "best.dat").c_str(), 0644), 0);
  EXPECT_EQ(readBestScores(folder / "best.dat").fault, FileFault::NotAFile);
  FileFault fault = FileFault::None;
  EXPECT_FALSE(replaceGameFile(folder / "best.dat", "new", nullptr, &fault));
  EXPECT_EQ(fault, FileFault::NotAFile);
}

TEST(GameFiles, TheNextStartClearsWhatKilledCopiesLeftAndNothingElse) {
  TestGameFolder folder;
  const std::string gone = std::to_string(testing::startChild([] { return 0; }));
  testing::waitForChild(std::stoi(gone));
  const std::vector<std::string> kept = {
      "best.dat", "best.dat.1-0.tmp", "best.dat.bak", "best.dat.x-1.tmp", "data", "data.dat"};
  for (const auto& name : kept) {
    if (name != "data") folder.writeBytes(name, "x");
  }
  for (const std::string& name :
       std::vector<std::string>{"best.dat.tmp", "data.dat.tmp", "best.dat." + gone + "-7.tmp",
                                "data.dat." + gone + "-0.tmp"}) {
    folder.writeBytes(name, "x");
  }
  testing::ScriptUi ui;
  Session session(ui, folder.path(), turnRules(), runMenuCommand);
  EXPECT_EQ(folder.fileNames(), kept);
}

// A chronicle write killed midway: the next start clears its temporary file, and nothing else
// of the folder, nor what lies beside the player's files under names like the game's.
TEST(GameFiles, TheNextStartClearsWhatKilledChronicleWritesLeft) {
  TestGameFolder folder;
  const std::string gone = std::to_string(testing::startChild([] { return 0; }));
  testing::waitForChild(std::stoi(gone));
  std::filesystem::create_directory(folder / "kroniky");
  const std::vector<std::string> kept = {"kronika-000003.dat", "notes.txt." + gone + "-1.tmp",
                                         "kronika-3.txt." + gone + "-1.tmp"};
  for (const auto& name : kept) folder.writeBytes("kroniky/" + name, "x");
  const std::vector<std::string> leftovers = {"kronika-000004.dat." + gone + "-7.tmp",
                                              "kronika-000004.dat.tmp",
                                              "kronika-12.dat." + gone + "-0.tmp"};
  for (const std::string& name : leftovers) {
    folder.writeBytes("kroniky/" + name, "x");
  }
  folder.writeBytes("rep.csv." + gone + "-1.tmp", "x");
  testing::ScriptUi ui;
  Session session(ui, folder.path(), turnRules(), runMenuCommand);
  std::vector<std::string> left;
  for (const auto& entry : std::filesystem::directory_iterator(folder / "kroniky")) {
    left.push_back(entry.path().filename().string());
  }
  std::sort(left.begin(), left.end());
  std::vector<std::string> expected = kept;
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(left, expected);
  EXPECT_EQ(folder.readBytes("rep.csv." + gone + "-1.tmp"), "x");
}

}  // namespace
}  // namespace velmoran
