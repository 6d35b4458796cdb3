// SPDX-License-Identifier: GPL-3.0-or-later
// "kronika" and "kronika-csv FILE" of the terminal edition: the chronicle its transcript
// implies, the figures as CSV, and a Czech message for every fault.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

#include "console_harness.h"
#include "files/game_files.h"
#include "files/kept_chronicles.h"

namespace velmoran::e2e {
namespace {

class ChronicleCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    writeReignSet(folder);
    folder.writeChronicleTexts();
  }
  TestGameFolder folder;
};

TEST_F(ChronicleCommands, PrintTheLastReignAndWriteItsFigures) {
  const std::string csv = (folder.scratch() / "vlada.csv").string();
  const auto run = play(folder, std::string(kStart) +
                                    "ok\nnoo\nok\nok\nvzpoura-ok\nset kasa -15001\nkronika\n"
                                    "kronika-csv " +
                                    csv + "\nprohra-ok\nkronika\n");
  const std::size_t first = run.find("KRONIKA | 2 | bankrot -15001");
  ASSERT_LT(first, run.lines.size()) << run.bytes;
  EXPECT_EQ(run.lines[first + 1], "CSV | " + csv + " | 2");
  // The title menu prints the same chronicle.
  EXPECT_LT(run.find("KRONIKA | 2 | bankrot -15001", first + 1), run.lines.size());
  const std::string rows = readGameFile(csv).value_or("");
  EXPECT_EQ(rows.substr(0, rows.find('\n')),
            "mesic,kasa,rozpocet,uzemi,obrana,partyzani,bordanie,polo,armo,delo,rolo,chuo,into");
  EXPECT_EQ(std::count(rows.begin(), rows.end(), '\n'), 3);
  EXPECT_NE(rows.find("\n2,-15001,"), std::string::npos);
}

// During a game the running reign's chronicle so far is printed; the game goes on as without.
TEST_F(ChronicleCommands, ReadTheReignSoFarDuringPlay) {
  const std::string csv = (folder.scratch() / "dosud.csv").string();
  const std::string before = std::string(kStart) + "ok\nnoo\nok\nok\nnoo\nok\nvzpoura-ok\n";
  const std::string after = "noo\nok\nstate\n";
  const auto read = play(folder, before + "kronika\nkronika-csv " + csv + "\n" + after);
  const auto plain = play(folder, before + after);
  const std::size_t line = read.find("KRONIKA | 3 | vzpoura-potlacena 12 0");
  ASSERT_LT(line, read.lines.size()) << read.bytes;
  EXPECT_EQ(read.lines[line + 1], "CSV | " + csv + " | 3");
  ASSERT_EQ(read.states().size(), 1u);
  EXPECT_EQ(read.states(), plain.states());
}

TEST_F(ChronicleCommands, EveryFaultIsToldInCzech) {
  const struct {
    const char* what;
    std::function<void(const TestGameFolder&)> prepare;
    std::string script;
    std::string told;
  } cases[] = {
      {"no reign yet", [](const TestGameFolder&) {}, "kronika\n",
       messageLine("information", "Kronika vlády", "Zatím nikdo nevládl, kronika je prázdná.")},
      {"a damaged file",
       [](const TestGameFolder& f) {
         std::filesystem::create_directory(f / kChronicleFolder);
         f.writeText(std::string(kChronicleFolder) + "/kronika-000001.dat", "\"KRONIKA VLÁDY 1\"");
       },
       "kronika\n",
       messageLine("critical", "CHYBA",
                   "Kronika poslední vlády je poškozená nebo to není kronika; hra ji vynechá.")},
      {"no file name", [](const TestGameFolder&) {}, "kronika-csv\n",
       "ERR | chybí jméno souboru: kronika-csv SOUBOR"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TestGameFolder own;
    writeReignSet(own);
    c.prepare(own);
    const auto run = play(own, c.script);
    EXPECT_TRUE(run.has(c.told));
    EXPECT_FALSE(run.hasPrefix("KRONIKA |"));
  }
}

}  // namespace
}  // namespace velmoran::e2e
