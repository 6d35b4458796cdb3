// SPDX-License-Identifier: GPL-3.0-or-later
// The data texts as the game reads them every month: a text kept from an earlier month is the
// text of the file as it is now, whatever happened to the file in between.
#include "files/data_text_shelf.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <thread>

#include "test_game_folder.h"

namespace velmoran {
namespace {

namespace fs = std::filesystem;
using testing::dataRecord;
using testing::TestGameFolder;

// A file that changes after the game has kept its text, and what the game must read then.
struct Change {
  const char* what;
  std::function<void(const TestGameFolder&)> change;
  const char* text;  // empty: no text, with `fault`
  FileFault fault;
};

void rewrite(const TestGameFolder& folder, const char* text) {
  folder.writeBytes("data/t.ini", testing::cp1250Bytes(dataRecord(0, text, 1, 0, 0)));
}

// The file's moments of writing set back to what they were, as a copy that keeps them does.
void rewriteKeepingItsTime(const TestGameFolder& folder, const char* text) {
  struct stat before;
  ASSERT_EQ(::stat((folder / "data/t.ini").c_str(), &before), 0);
  rewrite(folder, text);
  const struct timespec times[2] = {before.st_atim, before.st_mtim};
  ASSERT_EQ(::utimensat(AT_FDCWD, (folder / "data/t.ini").c_str(), times, 0), 0);
}

const Change kChanges[] = {
    {"rewritten in place, as long as before", [](auto& f) { rewrite(f, "Druhý"); }, "Druhý",
     FileFault::None},
    {"rewritten with its old moment of writing", [](auto& f) { rewriteKeepingItsTime(f, "Druhý"); },
     "Druhý", FileFault::None},
    {"replaced by another file",
     [](auto& f) {
       f.writeBytes("data/u.ini", testing::cp1250Bytes(dataRecord(0, "Jiný", 1, 0, 0)));
       fs::rename(f / "data/u.ini", f / "data/t.ini");
     },
     "Jiný", FileFault::None},
    {"damaged", [](auto& f) { f.writeBytes("data/t.ini", "0\r\n\"Prvý\""); }, "",
     FileFault::Damaged},
    {"removed", [](auto& f) { f.remove("data/t.ini"); }, "", FileFault::Missing},
    {"a FIFO in its place",
     [](auto& f) {
       f.remove("data/t.ini");
       ::mkfifo((f / "data/t.ini").c_str(), 0600);
     },
     "", FileFault::NotAFile},
};

class DataTextShelfTest : public ::testing::TestWithParam<Change> {};

TEST_P(DataTextShelfTest, ReadsTheFileAsItIsNow) {
  const Change& change = GetParam();
  TestGameFolder folder;
  rewrite(folder, "Prvý");
  const GameFolders folders(folder.path());
  // Kept at once, as a text that has long lain in its folder is; the change comes a few ticks
  // of the system's clock later.
  DataTextShelf shelf(folders, std::chrono::nanoseconds(0));
  ASSERT_EQ(shelf.read("t.ini")->infoText, "Prvý");
  std::this_thread::sleep_for(std::chrono::milliseconds(30));
  change.change(folder);
  FileFault fault = FileFault::None;
  const auto record = shelf.read("t.ini", &fault);
  if (*change.text) {
    ASSERT_TRUE(record) << change.what;
    EXPECT_EQ(record->infoText, change.text) << change.what;
  } else {
    EXPECT_FALSE(record) << change.what;
    EXPECT_EQ(fault, change.fault) << change.what;
    // Put right again, it reads again.
    folder.remove("data/t.ini");
    rewrite(folder, "Třetí");
    EXPECT_EQ(shelf.read("t.ini")->infoText, "Třetí") << change.what;
  }
}

INSTANTIATE_TEST_SUITE_P(EveryChange, DataTextShelfTest, ::testing::ValuesIn(kChanges));

// A file written twice within one tick of the clock has the same stamp both times: a text so
// fresh is never kept, so the second writing shows however quickly it came.
TEST(DataTextShelf, AFreshTextIsReadEveryTime) {
  TestGameFolder folder;
  const GameFolders folders(folder.path());
  DataTextShelf shelf(folders);
  rewrite(folder, "Text 0");
  const char* const texts[] = {"Text A", "Text B", "Text C", "Text D"};
  for (const char* text : texts) {
    rewriteKeepingItsTime(folder, text);
    EXPECT_EQ(shelf.read("t.ini")->infoText, text);
  }
}

TEST(DataTextShelf, ReadsTheInstallationsTextWhereThePlayerHasNone) {
  TestGameFolder folder;
  fs::create_directories(folder.scratch() / "installed");
  const GameFolders folders(folder.path(), folder / "data", folder.path(),
                            folder.scratch() / "installed");
  DataTextShelf shelf(folders);
  folder.writeBytes("../installed/t.ini", testing::cp1250Bytes(dataRecord(0, "Dodaný", 1, 0, 0)));
  EXPECT_EQ(shelf.read("t.ini")->infoText, "Dodaný");
  rewrite(folder, "Vlastní");
  EXPECT_EQ(shelf.read("t.ini")->infoText, "Vlastní");
  FileFault fault = FileFault::None;
  EXPECT_FALSE(shelf.read("nic.ini", &fault));
  EXPECT_EQ(fault, FileFault::Missing);
}

}  // namespace
}  // namespace velmoran
