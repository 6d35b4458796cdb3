// SPDX-License-Identifier: GPL-3.0-or-later
// The file of the unfinished reign: every part reads back as written, whatever damages it is
// no reign, whatever lies in its place is told and moved aside, and one copy holds it.
#include "files/kept_reign.h"

#include <gtest/gtest.h>
#include <pwd.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>
#include <string>

#include "child_process.h"
#include "files/game_files.h"
#include "files/reign_lock.h"
#include "test_game_folder.h"

namespace velmoran {
namespace {

namespace fs = std::filesystem;
using testing::TestGameFolder;

// A reign with something in every part, and texts that the plain format could not carry.
KeptReign sampleReign() {
  KeptReign r;
  r.quantities = {
      {"jmeno", "Jan, \"Veliký\"\n€ 🐉 &#38;"}, {"stat", " Kačerov "}, {"kasa", "-14999"}};
  r.info = "Dotace.\r\nDruhý řádek, s čárkou";
  r.okVisible = true;
  r.reportVisible = r.monthBannerVisible = true;
  r.partisanShare = 77;
  r.look = {true, false, true};
  r.enabled = false;
  r.withdrawn = {"msvatba", "pr"};
  r.random = 16777215;
  r.drawRange = 255;
  r.drawBase = 1;
  r.drawnNumber = 200;
  r.mayAct = true;
  r.textFileName = "nahoda8.ini";
  r.infoText = "Vzpoura!";
  r.questionCode = -2147483647 - 1;
  r.buttonMode = 2;
  r.moneyAmount = 2147483647;
  r.monthEnd = 1;
  r.textBaseName = "atentat";
  r.partner = r.sexChange = true;
  r.rebellion = KeptRebellion{{"Tajná policie", "Osobní stráž"}, {}, "2", "0"};
  r.chronicleStride = 4;
  r.chronicle.figures = {{4, 100, -5, 20, 5, 1, 2, {1, 2, 3, 4, 5, -6}}};
  r.chronicle.moments = {{3, MomentKind::Wedding, {0, 0}}};
  return r;
}

TEST(KeptReignFile, EveryPartReadsBackAsWritten) {
  const std::string bytes = keptReignBytes(sampleReign());
  const KeptReignReading reading = parseKeptReign(bytes);
  ASSERT_TRUE(reading.reign) << bytes;
  EXPECT_EQ(keptReignBytes(*reading.reign), bytes);
  EXPECT_EQ(reading.reign->quantities, sampleReign().quantities);
  EXPECT_EQ(reading.reign->info, sampleReign().info);
  EXPECT_EQ(reading.reign->rebellion->stebou, sampleReign().rebellion->stebou);
  EXPECT_EQ(bytes.substr(0, 31),
            "\"VELMORAN ROZEHRAN\xC1 VL\xC1"
            "DA\", 1\r\n");

  TestGameFolder folder;
  ASSERT_TRUE(writeKeptReign(folder / kKeptReignFile, sampleReign()));
  const KeptReignReading fromDisk = readKeptReign(folder / kKeptReignFile);
  ASSERT_TRUE(fromDisk.reign);
  EXPECT_EQ(keptReignBytes(*fromDisk.reign), bytes);
}

std::string replaced(std::string bytes, const std::string& from, const std::string& to) {
  const auto at = bytes.find(from);
  if (at == std::string::npos) throw std::runtime_error("no " + from);
  return bytes.replace(at, from.size(), to);
}

TEST(KeptReignFile, WhatIsDamagedOrForeignIsNoReign) {
  const std::string good = keptReignBytes(sampleReign());
  const struct {
    const char* name;
    std::function<std::string(const std::string&)> damage;
    long long newerVersion;
  } cases[] = {
      {"empty", [](const std::string&) { return std::string(); }, 0},
      {"cut in the middle", [](const std::string& b) { return b.substr(0, b.size() / 2); }, 0},
      {"cut before the chronicle's end",
       [](const std::string& b) { return b.substr(0, b.size() - 9); }, 0},
      {"a data text",
       [](const std::string&) { return std::string("0\r\n\"Text\"\r\n1, 0, 0\r\n"); }, 0},
      {"a kept chronicle", [](const std::string& b) { return b.substr(b.find("\"KRONIKA")); }, 0},
      {"another heading", [](const std::string& b) { return replaced(b, "VELMORAN", "VELMORÁN"); },
       0},
      {"version 0", [](const std::string& b) { return replaced(b, "\", 1\r\n", "\", 0\r\n"); }, 0},
      {"a later version",
       [](const std::string& b) { return replaced(b, "\", 1\r\n", "\", 2\r\n"); }, 2},
      {"an unknown key", [](const std::string& b) { return replaced(b, "zprava,", "zpravy,"); }, 0},
      {"a key twice", [](const std::string& b) { return replaced(b, "partner, 1", "zprava, 1"); },
       0},
      {"a key missing",
       [](const std::string& b) { return replaced(b, "generator, 16777215\r\n", ""); }, 0},
      {"a flag of 2", [](const std::string& b) { return replaced(b, "zapnuto, 0", "zapnuto, 2"); },
       0},
      {"a share above 100",
       [](const std::string& b) { return replaced(b, "partyzanu, 77", "partyzanu, 101"); }, 0},
      {"a draw range of 256",
       [](const std::string& b) { return replaced(b, "nahoda, 255", "nahoda, 256"); }, 0},
      {"a question code past 32 bits",
       [](const std::string& b) { return replaced(b, "-2147483648", "-2147483649"); }, 0},
      {"a number as text",
       [](const std::string& b) { return replaced(b, "castka, 2147483647", "castka, \"1\""); }, 0},
      {"a text bare", [](const std::string& b) { return replaced(b, "\"atentat\"", "atentat"); },
       0},
      {"a quote left open",
       [](const std::string& b) { return replaced(b, "\"atentat\"", "\"atentat"); }, 0},
      {"a broken reference",
       [](const std::string& b) { return replaced(b, "&#128009;", "&#xyz;"); }, 0},
      {"a field too few",
       [](const std::string& b) { return replaced(b, "tlacitka, 1, 0, 0", "tlacitka, 1, 0"); }, 0},
      {"an empty line", [](const std::string& b) { return replaced(b, "zprava,", "\r\nzprava,"); },
       0},
      {"half a rebellion", [](const std::string& b) { return replaced(b, "proti-tobe\r\n", ""); },
       0},
      {"a damaged chronicle row",
       [](const std::string& b) { return replaced(b, "4, 100, -5", "4, x, -5"); }, 0},
      {"a stride of 0",
       [](const std::string& b) { return replaced(b, "kronika, 4", "kronika, 0"); }, 0},
  };
  for (const auto& c : cases) {
    const KeptReignReading reading = parseKeptReign(c.damage(good));
    EXPECT_FALSE(reading.reign) << c.name;
    EXPECT_EQ(reading.fault, FileFault::Damaged) << c.name;
    EXPECT_EQ(reading.newerVersion, c.newerVersion) << c.name;
  }
}

TEST(KeptReignFile, WhatLiesInItsPlaceIsToldAndMovedAsideWhole) {
  const passwd* nobody = ::getpwnam("nobody");
  const bool administrator = ::geteuid() == 0 && nobody;
  const struct {
    const char* name;
    std::function<void(const fs::path&, const TestGameFolder&)> plant;
    FileFault fault;
  } cases[] = {
      {"nothing", [](const fs::path&, const TestGameFolder&) {}, FileFault::Missing},
      {"a folder", [](const fs::path& f, const TestGameFolder&) { fs::create_directory(f); },
       FileFault::NotAFile},
      {"a FIFO", [](const fs::path& f, const TestGameFolder&) { ::mkfifo(f.c_str(), 0600); },
       FileFault::NotAFile},
      {"a file above 1 MiB",
       [](const fs::path& f, const TestGameFolder& g) {
         g.writeBytes(f.filename(), std::string(kLargestGameFile + 1, 'x'));
       },
       FileFault::TooLarge},
      {"another user's link",
       [&](const fs::path& f, const TestGameFolder& g) {
         g.writeBytes("elsewhere.dat", keptReignBytes(sampleReign()));
         fs::create_symlink(g / "elsewhere.dat", f);
         if (administrator) {
           ASSERT_EQ(::lchown(f.c_str(), nobody->pw_uid, nobody->pw_gid), 0);
         }
       },
       administrator ? FileFault::LinkNotFollowed : FileFault::None},
  };
  for (const auto& c : cases) {
    TestGameFolder folder;
    const fs::path file = folder / kKeptReignFile;
    folder.writeBytes("rozehrana-odlozena-1.dat", "older, set aside before");
    c.plant(file, folder);
    const KeptReignReading reading = readKeptReign(file);
    EXPECT_EQ(reading.reign.has_value(), c.fault == FileFault::None) << c.name;
    EXPECT_EQ(reading.fault, c.fault) << c.name;
    if (c.fault == FileFault::Missing || c.fault == FileFault::None) continue;
    const auto aside = moveKeptReignAside(file);
    ASSERT_TRUE(aside) << c.name;
    EXPECT_EQ(aside->filename(), "rozehrana-odlozena-2.dat") << c.name;
    EXPECT_FALSE(fs::exists(fs::symlink_status(file))) << c.name;
    EXPECT_EQ(folder.readBytes("rozehrana-odlozena-1.dat"), "older, set aside before") << c.name;
  }
}

TEST(KeptReignFile, OneCopyHoldsTheReignAndAKilledOneLetsGo) {
  TestGameFolder folder;
  const fs::path file = folder / kKeptReignFile;
  ReignLock first(file), second(file);
  EXPECT_TRUE(first.take());
  EXPECT_FALSE(second.take());
  first.release();
  EXPECT_TRUE(second.take());
  second.release();

  int ready[2];
  ASSERT_EQ(::pipe(ready), 0);
  const pid_t holder = testing::startChild([&] {
    ReignLock lock(file);
    const char held = lock.take() ? 1 : 0;
    [[maybe_unused]] const ssize_t n = ::write(ready[1], &held, 1);
    ::pause();
    return 0;
  });
  char held = 0;
  ASSERT_EQ(::read(ready[0], &held, 1), 1);
  EXPECT_EQ(held, 1);
  EXPECT_FALSE(first.take());
  ::kill(holder, SIGKILL);
  EXPECT_EQ(testing::waitForChild(holder), -1);
  EXPECT_TRUE(first.take());
  ::close(ready[0]);
  ::close(ready[1]);
}

}  // namespace
}  // namespace velmoran
