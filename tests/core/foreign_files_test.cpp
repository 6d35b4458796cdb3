// SPDX-License-Identifier: GPL-3.0-or-later
// What others leave where the game writes its files: links of another user or to another
// file, files of another owner, and names planted where the game's temporary files go.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "child_process.h"
#include "files/best_scores.h"
#include "files/game_files.h"
#include "files/settings_file.h"
#include "test_game_folder.h"

namespace velmoran {
namespace {

namespace fs = std::filesystem;
using testing::otherUser;
using testing::TestGameFolder;

constexpr char kTable[] = "Ala\r\n30\r\nBob\r\n20\r\nCyril\r\n10\r\n";
constexpr char kSettings[] = " 1 \r\n 1 \r\n 1 \r\n";

bool write(const fs::path& file, FileFault& fault) {
  if (file.filename() == "data.dat") return writeDisplaySettings(file, {true, true, true}, &fault);
  return writeBestScores(file, {{"Nový", "Ala", "Bob"}, {40, 30, 20}}, &fault);
}

TEST(ForeignFiles, ALinkIsWrittenThroughOnlyWhereThePlayerMeantIt) {
  enum class Link { None, Ours, Others };
  const struct {
    const char* name;
    const char* file;
    Link link;
    const char* target;  // what the file or the link's target holds; null: nothing yet
    bool written;
  } cases[] = {{"our link to a table", "best.dat", Link::Ours, kTable, true},
               {"our link to no file yet", "best.dat", Link::Ours, nullptr, true},
               {"our link to settings", "data.dat", Link::Ours, kSettings, true},
               {"our link to another file", "best.dat", Link::Ours, "precious", false},
               {"our link to another file", "data.dat", Link::Ours, "precious", false},
               {"another user's link to a table", "best.dat", Link::Others, kTable, false},
               {"another user's link to no file", "data.dat", Link::Others, nullptr, false},
               {"a damaged file of its own", "best.dat", Link::None, "precious", true}};
  const auto other = otherUser();
  for (const auto& c : cases) {
    if (c.link == Link::Others && !other) continue;
    SCOPED_TRACE(std::string(c.name) + " as " + c.file);
    TestGameFolder folder;
    const fs::path target = c.link == Link::None ? folder / c.file : folder.scratch() / "elsewhere";
    if (c.target) folder.writeBytes(fs::relative(target, folder.path()).string(), c.target);
    if (c.link != Link::None) fs::create_symlink(target, folder / c.file);
    if (c.link == Link::Others) {
      ASSERT_EQ(::lchown((folder / c.file).c_str(), other->uid, other->gid), 0);
    }
    FileFault fault = FileFault::None;
    EXPECT_EQ(write(folder / c.file, fault), c.written);
    EXPECT_EQ(fault, c.written ? FileFault::None : FileFault::LinkNotFollowed);
    EXPECT_EQ(fs::is_symlink(folder / c.file), c.link != Link::None);
    if (c.written) {
      EXPECT_NE(folder.readBytes(fs::relative(target, folder.path()).string()),
                c.target ? c.target : "");
    } else {
      EXPECT_EQ(fs::exists(target), c.target != nullptr);
      if (c.target) {
        EXPECT_EQ(folder.readBytes(fs::relative(target, folder.path())), c.target);
      }
    }
  }
}

// A player runs the game in a shared folder where another user planted a link to the player's
// own file: the game, running as the player, leaves that file alone.
TEST(ForeignFiles, APlayerNeverWritesThroughALinkPlantedByAnotherUser) {
  const auto player = otherUser();
  if (!player) GTEST_SKIP() << "a second user needs an administrator to start the game as them";
  TestGameFolder folder;
  fs::permissions(folder.scratch(), fs::perms::all);
  fs::permissions(folder.path(), fs::perms::all);
  folder.writeBytes("../profile", kTable);
  ASSERT_EQ(::chown((folder.scratch() / "profile").c_str(), player->uid, player->gid), 0);
  fs::create_symlink(folder.scratch() / "profile", folder / "best.dat");
  const pid_t game = testing::startChild([&] {
    if (::setgid(player->gid) != 0 || ::setuid(player->uid) != 0) return 2;
    FileFault fault = FileFault::None;
    return write(folder / "best.dat", fault) || fault != FileFault::LinkNotFollowed ? 1 : 0;
  });
  EXPECT_EQ(testing::waitForChild(game), 0);
  EXPECT_EQ(folder.readBytes("../profile"), kTable);
}

TEST(ForeignFiles, AReplacementKeepsTheOwnerGroupAndPermissions) {
  const auto other = otherUser();
  if (!other) GTEST_SKIP() << "only an administrator can replace another user's file";
  TestGameFolder folder;
  folder.writeBytes("best.dat", kTable);
  ASSERT_EQ(::chown((folder / "best.dat").c_str(), other->uid, other->gid), 0);
  ASSERT_EQ(::chmod((folder / "best.dat").c_str(), 0640), 0);
  ASSERT_TRUE(replaceGameFile(folder / "best.dat", "new"));
  struct stat info;
  ASSERT_EQ(::stat((folder / "best.dat").c_str(), &info), 0);
  EXPECT_EQ(info.st_uid, other->uid);
  EXPECT_EQ(info.st_gid, other->gid);
  EXPECT_EQ(info.st_mode & 07777, 0640u);
}

// Folders under every name a count would give this process next, and links among them: the
// write takes a name of its own and follows none of them.
TEST(ForeignFiles, NamesPlantedForTheTemporaryFileAreLeftAlone) {
  constexpr int kPlanted = 1000;
  TestGameFolder folder;
  folder.writeBytes("best.dat", kTable);
  folder.writeBytes("../victim", "keep");
  const std::string ours = "best.dat." + std::to_string(::getpid()) + "-";
  for (int n = 0; n < kPlanted; ++n)
    fs::create_directory(folder / (ours + std::to_string(n) + ".tmp"));
  fs::create_symlink(folder.scratch() / "victim",
                     folder / (ours + std::to_string(kPlanted) + ".tmp"));
  FileFault fault = FileFault::None;
  EXPECT_TRUE(replaceGameFile(folder / "best.dat", "new", nullptr, &fault));
  EXPECT_EQ(fault, FileFault::None);
  EXPECT_EQ(folder.readBytes("best.dat"), "new");
  EXPECT_EQ(folder.readBytes("../victim"), "keep");
  EXPECT_EQ(folder.fileNames().size(), kPlanted + 2u);  // best.dat, data/ and the folders
}

}  // namespace
}  // namespace velmoran
