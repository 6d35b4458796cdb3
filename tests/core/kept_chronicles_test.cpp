// SPDX-License-Identifier: GPL-3.0-or-later
// The kept chronicles: written and read back whole, a damaged file never read as a chronicle,
// and only the last ten reigns and the best rulers' kept.
#include "files/kept_chronicles.h"

#include <gtest/gtest.h>

#include "files/chronicle_texts.h"
#include "files/game_files.h"
#include "test_game_folder.h"

namespace velmoran {
namespace {

ReignChronicle reign(const std::string& ruler, long long months) {
  ReignChronicle c{ruler, "Kačerov, \"Dolní\"", months, {}, {}};
  c.figures.push_back({1, 18000, -60, 20, 13, 4, 2, {5, 6, 6, 5, 3, -4}});
  c.figures.push_back({2, -15001, -134, 18, 9, 10, 3, {4, 5, 5, 4, 2, -5}});
  c.moments.push_back({2, MomentKind::PartisansWon, {10, 9}});
  c.moments.push_back({2, MomentKind::Bankruptcy, {-15001, 0}});
  return c;
}

TEST(KeptChronicles, ReadBackAsWritten) {
  for (const std::string ruler : {"Řehoř, \"Velký\"", "", "Tab\tand &#38; 🐟", " blanks "}) {
    SCOPED_TRACE(ruler);
    const ReignChronicle c = reign(ruler, 2);
    const auto back = parseChronicle(chronicleBytes(c));
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->ruler, ruler);
    EXPECT_EQ(back->country, c.country);
    EXPECT_EQ(back->months, 2);
    EXPECT_EQ(back->figures.back().popularity, c.figures.back().popularity);
    EXPECT_EQ(back->moments.back().numbers, c.moments.back().numbers);
  }
}

TEST(KeptChronicles, DamagedOrForeignFilesAreNoChronicle) {
  const std::string whole = chronicleBytes(reign("Jan", 2));
  const std::string damaged[] = {
      "",
      whole.substr(0, whole.size() / 2),
      whole.substr(0, whole.size() - 4),
      whole + "1, 2, 3\r\n",
      "Alois\r\n30\r\nBožena\r\n20\r\nCyril\r\n10\r\n",
      "\"KRONIKA VLÁDY 2\"" + whole.substr(whole.find("\r\n")),
      whole.substr(0, whole.find("bankrot")) + "bankrott, -15001, 0\r\n",
      whole.substr(0, whole.find("-15001")) + "-15x01" + whole.substr(whole.find("-15001") + 6),
      whole.substr(0, whole.find("2, 2, 2")) + "2, 999999999, 2" +
          whole.substr(whole.find("2, 2, 2") + 7),
  };
  for (const std::string& bytes : damaged) {
    SCOPED_TRACE(bytes);
    EXPECT_FALSE(parseChronicle(bytes).has_value());
  }
  testing::TestGameFolder folder;
  std::filesystem::create_directory(folder / kChronicleFolder);
  folder.writeBytes(std::string(kChronicleFolder) + "/kronika-000007.dat", damaged[1]);
  EXPECT_EQ(newestChronicle(folder.path()).state, KeptChronicle::State::Damaged);
  // Its heading still tells whose reign it was.
  EXPECT_EQ(chronicleOf(folder.path(), "Jan", 2).state, KeptChronicle::State::Damaged);
  EXPECT_EQ(chronicleOf(folder.path(), "Jan", 3).state, KeptChronicle::State::None);
}

TEST(KeptChronicles, TheLastTenReignsAndTheBestRulersAreKept) {
  testing::TestGameFolder folder;
  std::filesystem::create_directory(folder / kChronicleFolder);
  folder.writeText(std::string(kChronicleFolder) + "/notes.txt", "the player's own");
  BestScores best{{"Ruler 0", "Ruler 3", "Nobody"}, {100, 97, 1}};
  for (int n = 0; n < 15; ++n) {
    ASSERT_TRUE(keepChronicle(folder.path(), reign("Ruler " + std::to_string(n), 100 - n), best));
  }
  const auto files = keptChronicleFiles(folder.path());
  ASSERT_EQ(files.size(), 12u);
  EXPECT_EQ(files.front().filename(), "kronika-000015.dat");
  EXPECT_EQ(newestChronicle(folder.path()).chronicle->ruler, "Ruler 14");
  EXPECT_EQ(chronicleOf(folder.path(), "Ruler 0", 100).state, KeptChronicle::State::Found);
  EXPECT_EQ(chronicleOf(folder.path(), "Ruler 3", 97).state, KeptChronicle::State::Found);
  EXPECT_EQ(chronicleOf(folder.path(), "Ruler 1", 99).state, KeptChronicle::State::None);
  EXPECT_EQ(chronicleOf(folder.path(), "Ruler 5", 95).state, KeptChronicle::State::Found);
  EXPECT_EQ(folder.readBytes(std::string(kChronicleFolder) + "/notes.txt"), "the player's own");
}

TEST(ChronicleTexts, EachFaultIsToldAtItsLine) {
  std::string complete;
  for (const MomentKindInfo& info : momentKinds()) {
    complete += std::string(info.key) + ", \"text %" + (info.numbers ? "1" : "%") + "\"\r\n";
  }
  EXPECT_EQ(parseChronicleTexts(complete).problems.size(), 20u);  // "%%" names no number
  const struct {
    std::string bytes;
    int line;
    std::string message;
  } cases[] = {
      {"\r\nneznamy, \"x\"\r\n", 2, "neznámý klíč „neznamy“"},
      {"svatba, \"a\"\r\nsvatba, \"b\"\r\n", 2, "klíč „svatba“ je tu podruhé"},
      {"svatba, bez uvozovek\r\n", 1, "text má být v uvozovkách a ve windows-1250"},
      {"prodej-bordanu, \"%2 $\"\r\n", 1, "text „prodej-bordanu“ smí mít jen číslo %1"},
      {"svatba, \"neuzavřené\r\n", 1, "záznam nejde přečíst: čekám klíč a text v uvozovkách"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.bytes);
    const auto reading = parseChronicleTexts(testing::cp1250Bytes(c.bytes));
    ASSERT_FALSE(reading.problems.empty());
    EXPECT_EQ(reading.problems.front().line, c.line);
    EXPECT_EQ(reading.problems.front().message, c.message);
  }
}

}  // namespace
}  // namespace velmoran
