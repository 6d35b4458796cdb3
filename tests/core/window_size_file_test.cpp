// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/window_size_file.h"

#include <gtest/gtest.h>

#include "test_game_folder.h"

namespace velmoran {
namespace {

using testing::TestGameFolder;

TEST(WindowSizeFile, HoldsOneKnownSize) {
  const struct {
    const char* content;
    std::optional<int> percent;
  } cases[] = {
      {"150\r\n", 150},      {" 0 ", 0},
      {"100", 100},          {"300\n", 300},
      {"125,junk", 125},     {"99", std::nullopt},
      {"301", std::nullopt}, {"-150", std::nullopt},
      {"1.5", std::nullopt}, {"abc", std::nullopt},
      {"", std::nullopt},    {"99999999999999999999", std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.content);
    TestGameFolder folder;
    folder.writeBytes(kWindowSizeFile, c.content);
    FileFault fault = FileFault::None;
    EXPECT_EQ(readWindowSize(folder / kWindowSizeFile, &fault), c.percent);
    EXPECT_EQ(fault, c.percent ? FileFault::None : FileFault::Damaged);
  }
}

TEST(WindowSizeFile, WrittenWholeAndReadBack) {
  TestGameFolder folder;
  for (int percent : {200, kSizeByTheScreen, 100}) {
    ASSERT_TRUE(writeWindowSize(folder / kWindowSizeFile, percent));
    EXPECT_EQ(readWindowSize(folder / kWindowSizeFile), percent);
  }
  EXPECT_EQ(folder.readBytes(kWindowSizeFile), "100\r\n");
  // "data.dat" keeps its own three values beside it.
  folder.writeSettings("0,1,1");
  ASSERT_TRUE(writeWindowSize(folder / kWindowSizeFile, 150));
  EXPECT_EQ(folder.readBytes("data.dat"), "0,1,1");
}

TEST(WindowSizeFile, FaultsLeaveTheOldFile) {
  TestGameFolder folder;
  FileFault fault = FileFault::None;
  EXPECT_FALSE(readWindowSize(folder / kWindowSizeFile, &fault));
  EXPECT_EQ(fault, FileFault::Missing);
  ASSERT_TRUE(writeWindowSize(folder / kWindowSizeFile, 150));
  EXPECT_FALSE(writeWindowSize(folder / kWindowSizeFile, 42, &fault));
  EXPECT_EQ(readWindowSize(folder / kWindowSizeFile), 150);
}

}  // namespace
}  // namespace velmoran
