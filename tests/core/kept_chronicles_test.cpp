// SPDX-License-Identifier: GPL-3.0-or-later
// The kept chronicles: written and read back whole, a damaged file never read as a chronicle,
// and only the last ten reigns and the best rulers' kept.
#include "files/kept_chronicles.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <set>

#include "child_process.h"
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

namespace fs = std::filesystem;

const std::string kKept = std::string(kChronicleFolder) + "/";

// A name planted among the chronicles under a number the game could not count on from: the
// reigns after it are kept under numbers of their own, and it is left as it was.
TEST(KeptChronicles, PlantedNumbersNeverOverflowNorGetWrittenOver) {
  const struct {
    const char* planted;
    bool counted;  // the last number the game gives: no reign can follow it
  } cases[] = {{"kronika-9223372036854775807.dat", false},
               {"kronika-9223372036854775808.dat", false},
               {"kronika-1000000000.dat", false},
               {"kronika-000999999999.dat", true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.planted);
    testing::TestGameFolder folder;
    fs::create_directory(folder / kChronicleFolder);
    folder.writeBytes(kKept + c.planted, "planted");
    for (int n = 1; n <= 3; ++n) {
      FileFault fault = FileFault::None;
      const bool kept = keepChronicle(folder.path(), reign("R" + std::to_string(n), n), {}, &fault);
      EXPECT_EQ(kept, !c.counted);
      EXPECT_EQ(fault, c.counted ? FileFault::Other : FileFault::None);
    }
    for (int n = 1; n <= 3 && !c.counted; ++n) {
      const auto kept = chronicleOf(folder.path(), "R" + std::to_string(n), n);
      EXPECT_EQ(kept.state, KeptChronicle::State::Found) << n;
    }
    EXPECT_EQ(folder.readBytes(kKept + c.planted), "planted");
    const auto files = std::distance(fs::directory_iterator(folder / kChronicleFolder), {});
    EXPECT_EQ(files, c.counted ? 1 : 4);
  }
}

// The player's own link to a folder elsewhere is followed; another user's link never is, and
// what lies where it leads stays as it was.
TEST(KeptChronicles, OnlyThePlayersOwnLinkIsFollowed) {
  const auto other = testing::otherUser();
  for (const bool others : {false, true}) {
    if (others && !other) continue;
    SCOPED_TRACE(others ? "another user's link" : "the player's link");
    testing::TestGameFolder folder;
    const fs::path elsewhere = folder.scratch() / "elsewhere";
    fs::create_directory(elsewhere);
    for (int n = 1; n <= 12; ++n) {
      const auto name = "kronika-00000" + std::string(n < 10 ? "0" : "") + std::to_string(n);
      folder.writeBytes("../elsewhere/" + name + ".dat", chronicleBytes(reign("Old", n)));
    }
    fs::create_symlink(elsewhere, folder / kChronicleFolder);
    if (others) {
      ASSERT_EQ(::lchown((folder / kChronicleFolder).c_str(), other->uid, other->gid), 0);
    }
    FileFault fault = FileFault::None;
    EXPECT_EQ(keepChronicle(folder.path(), reign("New", 20), {}, &fault), !others);
    EXPECT_EQ(fault, others ? FileFault::LinkNotFollowed : FileFault::None);
    const auto left = std::distance(fs::directory_iterator(elsewhere), fs::directory_iterator());
    EXPECT_EQ(left, others ? 12 : 10);
    EXPECT_EQ(newestChronicle(folder.path()).chronicle.has_value(), !others);
  }
}

// A folder the player may write but not read: nothing in it can be counted, so nothing is
// written that could take the place of a chronicle there.
TEST(KeptChronicles, AFolderThatCannotBeReadKeepsWhatItHolds) {
  const auto player = testing::otherUser();
  if (!player) GTEST_SKIP() << "only an administrator can play as a second user";
  testing::TestGameFolder folder;
  fs::permissions(folder.scratch(), fs::perms::all);
  fs::permissions(folder.path(), fs::perms::all);
  const std::string old = chronicleBytes(reign("Old", 1));
  fs::create_directory(folder / kChronicleFolder);
  folder.writeBytes(kKept + "kronika-000001.dat", old);
  for (const char* name : {kChronicleFolder, "kroniky/kronika-000001.dat"}) {
    ASSERT_EQ(::chown((folder / name).c_str(), player->uid, player->gid), 0);
  }
  fs::permissions(folder / kChronicleFolder, fs::perms::owner_write | fs::perms::owner_exec);
  const int status = testing::runAs(*player, [&] {
    FileFault fault = FileFault::None;
    const bool kept = keepChronicle(folder.path(), reign("New", 2), {}, &fault);
    return kept ? 1 : fault == FileFault::NotReadable ? 0 : 2;
  });
  EXPECT_EQ(status, 0);
  EXPECT_EQ(folder.readBytes(kKept + "kronika-000001.dat"), old);
}

// Four copies of the game end a reign at the same moment, round after round: each reign gets
// a number of its own, and the chronicles of the last ten reigns and of the three best rulers
// (from the first round) are all there at the end.
TEST(KeptChronicles, CopiesEndingReignsAtOnceKeepEveryChronicle) {
  constexpr int kCopies = 4, kRounds = 150;
  testing::TestGameFolder folder;
  const BestScores best{{"Best 3", "Best 2", "Best 1"}, {1003, 1002, 1001}};
  for (int round = 0; round < kRounds; ++round) {
    int go[2];
    ASSERT_EQ(::pipe(go), 0);
    std::vector<pid_t> copies;
    for (int copy = 0; copy < kCopies; ++copy) {
      copies.push_back(testing::startChild([&, copy] {
        ::close(go[1]);
        char byte;
        // The moment the pipe closes, every copy goes at once.
        [[maybe_unused]] const auto closed = ::read(go[0], &byte, 1);
        const auto c = round == 0 ? reign("Best " + std::to_string(copy), 1000 + copy)
                                  : reign("R" + std::to_string(round * kCopies + copy), round);
        return keepChronicle(folder.path(), c, best) ? 0 : 1;
      }));
    }
    ::close(go[0]);
    ::close(go[1]);
    for (pid_t copy : copies) ASSERT_EQ(testing::waitForChild(copy), 0) << "round " << round;
  }
  const auto files = keptChronicleFiles(folder.path());
  ASSERT_EQ(files.size(), 13u);
  EXPECT_EQ(files.front().filename(), "kronika-000" + std::to_string(kCopies * kRounds) + ".dat");
  std::set<std::string> rulers;
  for (const fs::path& file : files) {
    rulers.insert(parseChronicle(*readGameFile(file))->ruler);
  }
  EXPECT_EQ(rulers.size(), files.size());
  for (std::size_t row = 0; row < 3; ++row) {
    EXPECT_EQ(chronicleOf(folder.path(), best.names[row], best.months[row]).state,
              KeptChronicle::State::Found)
        << best.names[row];
  }
}

// Ten thousand large files planted among the chronicles: each is told from its first bytes,
// so a reign's end takes well under a second on a quiet machine (reading them whole took over
// a minute); the bound leaves room for a machine busy with other tests.
TEST(KeptChronicles, LargePlantedFilesCostOneSmallReadEach) {
  constexpr int kPlanted = 10000;
  testing::TestGameFolder folder;
  fs::create_directory(folder / kChronicleFolder);
  const std::string heading = chronicleBytes(reign("Someone", 5));
  for (int n = 1; n <= kPlanted; ++n) {
    const fs::path file = folder / (kKept + "kronika-" + std::to_string(100000 + n) + ".dat");
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(fd, 0);
    // A chronicle's heading, and the rest of 1 MiB in a hole of the file: no disk taken.
    ASSERT_EQ(::write(fd, heading.data(), heading.size()), static_cast<ssize_t>(heading.size()));
    ASSERT_EQ(::ftruncate(fd, 1 << 20), 0);
    ::close(fd);
  }
  const BestScores best{{"Nobody", "Nobody", "Someone"}, {40, 30, 4}};
  const auto started = std::chrono::steady_clock::now();
  ASSERT_TRUE(keepChronicle(folder.path(), reign("New", 2), best));
  const auto took = std::chrono::steady_clock::now() - started;
  EXPECT_LT(took, std::chrono::seconds(5));
  EXPECT_EQ(keptChronicleFiles(folder.path()).size(), 10u);
}

TEST(ChronicleTexts, TheHeadingCountsTheMonthsInGoodCzech) {
  const struct {
    long long months;
    const char* told;
  } cases[] = {{0, "0 měsíců"},   {1, "1 měsíc"},     {2, "2 měsíce"},   {3, "3 měsíce"},
               {4, "4 měsíce"},   {5, "5 měsíců"},    {11, "11 měsíců"}, {21, "21 měsíců"},
               {22, "22 měsíců"}, {101, "101 měsíců"}};
  for (const auto& c : cases) {
    EXPECT_EQ(chronicleHeading(reign("Jan", c.months)),
              std::string("Jan, vládce země Kačerov, \"Dolní\": ") + c.told);
  }
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
