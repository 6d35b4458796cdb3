// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/settings_file.h"

#include <gtest/gtest.h>

#include "test_game_folder.h"

namespace velmoran {
namespace {

using testing::TestGameFolder;

TEST(SettingsFile, EachOptionIsOnWhenItsValueIsZero) {
  const struct {
    const char* content;
    const char* on;  // bold text, white on black, bold buttons; null: unreadable
  } cases[] = {{"0,1,1", "100"},       {"1,1,1", "000"},    {"1,0,1\r\n", "010"},
               {"1\n1\n0\n", "001"},   {"0,0,0", "111"},    {" 3 , 0 , 7 ", "010"},
               {"255,255,255", "000"}, {"abc,1,1", "100"},  {"1,1,1,junk", "000"},
               {"256,1,1", nullptr},   {"1,1,-1", nullptr}, {"1,1", nullptr},
               {"", nullptr}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.content);
    TestGameFolder folder;
    folder.writeSettings(c.content);
    const auto look = readDisplaySettings(folder / "data.dat");
    ASSERT_EQ(look.has_value(), c.on != nullptr);
    if (!look) continue;
    const std::string on = {look->boldInfoText ? '1' : '0', look->whiteOnBlackInfo ? '1' : '0',
                            look->boldButtons ? '1' : '0'};
    EXPECT_EQ(on, c.on);
  }
}

TEST(SettingsFile, ValuesAreKeptAsStored) {
  TestGameFolder folder;
  folder.writeSettings("2, 0 ,255");
  EXPECT_EQ(readSettingsValues(folder / "data.dat"), (SettingsValues{2, 0, 255}));
}

TEST(SettingsFile, WrittenOneValueALineAndReadBack) {
  TestGameFolder folder;
  ASSERT_TRUE(writeDisplaySettings(folder / "data.dat", {true, false, true}));
  EXPECT_EQ(folder.readBytes("data.dat"), " 0 \r\n 1 \r\n 0 \r\n");
  const auto look = readDisplaySettings(folder / "data.dat");
  ASSERT_TRUE(look);
  EXPECT_TRUE(look->boldInfoText && !look->whiteOnBlackInfo && look->boldButtons);
}

TEST(SettingsFile, MissingFileIsAnError) {
  TestGameFolder folder;
  EXPECT_FALSE(readDisplaySettings(folder / "data.dat"));
  std::filesystem::create_directory(folder / "data.dat");
  EXPECT_FALSE(readDisplaySettings(folder / "data.dat"));
}

}  // namespace
}  // namespace velmoran
