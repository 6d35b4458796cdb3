// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/best_scores.h"

#include <gtest/gtest.h>

#include <vector>

#include "files/cp1250.h"
#include "files/game_files.h"
#include "test_game_folder.h"

namespace velmoran {
namespace {

using testing::TestGameFolder;

TEST(BestScores, AResultEntersOnlyWhenItBeatsAScoreStrictly) {
  const BestScores table{{"A", "B", "C"}, {30, 20, 10}};
  const struct {
    long long months;
    BestScores expected;
  } cases[] = {{31, {{"N", "A", "B"}, {31, 30, 20}}},
               {30, table},
               {25, {{"A", "N", "B"}, {30, 25, 20}}},
               {20, table},
               {15, {{"A", "B", "N"}, {30, 20, 15}}},
               {10, table},
               {5, table}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.months);
    const BestScores result = enterResult(table, "N", c.months);
    EXPECT_EQ(result.names, c.expected.names);
    EXPECT_EQ(result.months, c.expected.months);
  }
}

TEST(BestScores, AnyNameReadsBackAsItWasWritten) {
  const std::string plain[] = {"Alois", "Řehoř z Kačerova", "", "&#65;"};
  const std::string quoted[] = {"a,b",        "\"x\"",    "line\nbreak", "cr\rlf",
                                "  padded  ", " ",        "tab\there",   "Иван Грозный",
                                "😀 emoji",    "a,&#65;&", "\""};
  std::vector<std::pair<std::string, bool>> cases;
  for (const auto& name : plain) cases.emplace_back(name, true);
  for (const auto& name : quoted) cases.emplace_back(name, false);
  for (const auto& [name, isPlain] : cases) {
    SCOPED_TRACE(name);
    TestGameFolder folder;
    const BestScores table{{name, "Bob", name}, {40, 12, -3}};
    ASSERT_TRUE(writeBestScores(folder / "best.dat", table));
    const std::string bytes = folder.readBytes("best.dat");
    const std::string firstLine = bytes.substr(0, bytes.find("\r\n"));
    EXPECT_EQ(firstLine.rfind('"', 0) == 0, !isPlain);
    EXPECT_EQ(firstLine, isPlain ? *encodeCp1250(name) : firstLine);
    const auto reading = readBestScores(folder / "best.dat");
    ASSERT_TRUE(reading.table);
    EXPECT_EQ(reading.table->names, table.names);
    EXPECT_EQ(reading.table->months, table.months);
  }
}

TEST(BestScores, ANameWithANulReadsBackAsItWasWritten) {
  TestGameFolder folder;
  const BestScores table{{std::string("a\0b,", 4), "B", "C"}, {3, 2, 1}};
  ASSERT_TRUE(writeBestScores(folder / "best.dat", table));
  const auto reading = readBestScores(folder / "best.dat");
  ASSERT_TRUE(reading.table);
  EXPECT_EQ(reading.table->names, table.names);
}

TEST(BestScores, PlainSixLinesAreTheFileFormat) {
  EXPECT_EQ(bestScoresBytes({{"", "Božena", "C"}, {30, 20, 10}}),
            "\r\n30\r\nBo\x9E"
            "ena\r\n20\r\nC\r\n10\r\n");
  TestGameFolder folder;
  folder.writeBest("Alois\n30\nBožena\r\n20\r\n&#65;\n10");
  const auto reading = readBestScores(folder / "best.dat");
  ASSERT_TRUE(reading.table);
  EXPECT_EQ(reading.table->names, (std::array<std::string, 3>{"Alois", "Božena", "&#65;"}));
  EXPECT_EQ(reading.table->months, (std::array<long long, 3>{30, 20, 10}));
}

TEST(BestScores, TheScreenKeepsTheFieldsReadBeforeAFault) {
  const struct {
    const char* content;
    std::vector<std::string> fields;
    bool table;
  } cases[] = {{"A\n 7 \nB\n5\nC\n-3", {"A", "7", "B", "5", "C", "-3"}, true},
               {"A\n30\nB\nxx\nC\n10\n", {"A", "30", "B"}, false},
               {"A\n30\nB\n20\nC\n", {"A", "30", "B", "20", "C"}, false},
               {"A\n3.5\nB\n20\nC\n10", {"A"}, false},
               {"A\n1e3\nB\n20\nC\n10", {"A"}, false},
               {"A\n\nB\n20\nC\n10", {"A"}, false},
               {"\"A\n30\nB\n20\nC\n10", {}, false},
               {"", {}, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.content);
    TestGameFolder folder;
    folder.writeBest(c.content);
    const auto reading = readBestScores(folder / "best.dat");
    EXPECT_EQ(reading.fields, c.fields);
    EXPECT_EQ(reading.table.has_value(), c.table);
  }
  TestGameFolder folder;
  folder.writeBytes("best.dat", "A\x81\n1\nB\n2\nC\n3\n");
  EXPECT_TRUE(readBestScores(folder / "best.dat").fields.empty());
  EXPECT_FALSE(readBestScores(folder / "missing.dat").table);
}

TEST(BestScores, WritingReplacesTheFileWholeOrNotAtAll) {
  TestGameFolder folder;
  const BestScores table{{"A", "B", "C"}, {3, 2, 1}};
  EXPECT_FALSE(writeBestScores(folder / "nowhere" / "best.dat", table));
  EXPECT_FALSE(std::filesystem::exists(folder / "nowhere"));
  std::filesystem::create_directories(folder / "taken" / "best.dat" / "inside");
  EXPECT_FALSE(writeBestScores(folder / "taken" / "best.dat", table));
  EXPECT_FALSE(std::filesystem::exists(folder / "taken" / "best.dat.tmp"));

  folder.writeBytes("best.dat", std::string(5000, 'x'));
  ASSERT_TRUE(writeBestScores(folder / "best.dat", table));
  EXPECT_EQ(folder.readBytes("best.dat"), bestScoresBytes(table));
  EXPECT_FALSE(std::filesystem::exists(folder / "best.dat.tmp"));
}

// Hand-edited tables as large as the reader takes, with names whose characters grow most when
// written as references: a game over writes them back below the reader's limit, and they read
// back as the same table.
TEST(BestScores, TheLargestTableReadsBackAfterAGameOver) {
  std::string widestName;
  for (std::size_t i = 0; i < kLongestRulerName; ++i) widestName += "\U0010FFFF";
  const struct {
    const char* name;
    std::string bytes;
  } cases[] = {{"ampersands in quotes", "\"" + std::string(340000, '&') + "\"\r\n30\r\n"},
               {"control bytes", std::string(340000, '\x0f') + "\r\n30\r\n"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TestGameFolder folder;
    folder.writeBytes("best.dat", c.bytes + "B\r\n20\r\nC\r\n10\r\n");
    const auto before = readBestScores(folder / "best.dat").table;
    ASSERT_TRUE(before);
    ASSERT_EQ(enterReign(folder / "best.dat", widestName, 25), FileFault::None);
    EXPECT_LE(folder.readBytes("best.dat").size(), kLargestGameFile);
    const auto after = readBestScores(folder / "best.dat").table;
    ASSERT_TRUE(after);
    EXPECT_EQ(after->names, (std::array<std::string, 3>{before->names[0], widestName, "B"}));
  }
}

}  // namespace
}  // namespace velmoran
