// SPDX-License-Identifier: GPL-3.0-or-later
// "kronika" and "kronika-csv FILE" of the terminal edition: the chronicle its transcript
// implies, the figures as CSV, and a Czech message for every fault.
#include <gtest/gtest.h>
#include <sys/stat.h>

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

// A reign, then "kronika-csv" into every kind of place: a new file is written, and every
// refusal leaves the file as it was and says why.
TEST_F(ChronicleCommands, TheFiguresGoOnlyWhereThePlayerSaysAndEveryRefusalSaysWhy) {
  namespace fs = std::filesystem;
  const fs::path out = folder.scratch();
  const auto in = [&](const std::string& name) { return (out / name).string(); };
  const auto game = [&](const std::string& name) { return (folder / name).string(); };
  folder.writeBytes("../mine.csv", "mine");
  folder.writeBytes("../replaced.csv", "mine");
  folder.writeBytes("../readonly.csv", "mine");
  fs::permissions(out / "readonly.csv", fs::perms::owner_read);
  ASSERT_EQ(::mkfifo(in("fifo").c_str(), 0644), 0);
  fs::create_symlink(folder / "best.dat", out / "scores");
  // The player's own files beside the export, named as the game's temporary files would be.
  for (const char* name : {"rep.csv.tmp", "rep.csv.999999-1.tmp", "rep.csv.1-1.tmp"}) {
    folder.writeBytes(std::string("../") + name, "mine");
  }
  const auto refused = [](const std::string& file, const std::string& cause) {
    return "ERR | soubor nejde zapsat: " + file + "\\nPříčina: " + cause;
  };
  const std::string exists = testing::kCauseExists, ours = testing::kCauseGameFile;
  const std::string notAFile = testing::kCauseNotAFile;
  const struct {
    std::string argument;
    std::string told;
  } cases[] = {
      {"   ", "ERR | chybí jméno souboru: kronika-csv SOUBOR"},
      {"--prepsat", "ERR | chybí jméno souboru: kronika-csv SOUBOR"},
      {in("new.csv"), "CSV | " + in("new.csv") + " | 1"},
      {in("mine.csv"),
       refused(in("mine.csv"), exists) + "\\nPřepíše ho: kronika-csv --prepsat " + in("mine.csv")},
      {"--prepsat " + in("replaced.csv"), "CSV | " + in("replaced.csv") + " | 1"},
      {"--prepsat " + game("best.dat"), refused(game("best.dat"), ours)},
      {game("data/welcome.ini"), refused(game("data/welcome.ini"), ours)},
      {"--prepsat " + game("kroniky/kronika-000001.dat"),
       refused(game("kroniky/kronika-000001.dat"), ours)},
      {"--prepsat best.dat", refused("best.dat", ours)},
      {"--prepsat " + game("rozehrana.dat"), refused(game("rozehrana.dat"), ours)},
      {"--prepsat " + in("scores"), refused(in("scores"), ours)},
      {"--prepsat " + out.string(), refused(out.string(), notAFile)},
      {"--prepsat " + in("fifo"), refused(in("fifo"), notAFile)},
      {"--prepsat /dev/full", refused("/dev/full", notAFile)},
      {in("nikde/rep.csv"), refused(in("nikde/rep.csv"), testing::kCauseNoFolder)},
      {"--prepsat " + in("readonly.csv"), refused(in("readonly.csv"), testing::kCauseReadOnly)},
      {in("rep.csv"), "CSV | " + in("rep.csv") + " | 1"},
      {"--prepsat " + in("rep.csv"), "CSV | " + in("rep.csv") + " | 1"},
  };
  std::string script = std::string(kStart) + "set kasa -15001\n";
  for (const auto& c : cases) script += "kronika-csv " + c.argument + "\n";
  const std::string best = folder.readBytes("best.dat");
  const std::string welcome = folder.readBytes("data/welcome.ini");
  const auto run = play(folder, script);
  std::size_t at = run.find("SCREEN | prohra | open");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.argument);
    const std::size_t line = run.find(c.told, at);
    ASSERT_LT(line, run.lines.size()) << run.bytes;
    at = line + 1;
  }
  EXPECT_EQ(run.find("CSV | " + in("mine.csv") + " | 1"), run.lines.size());
  for (const char* mine :
       {"mine.csv", "readonly.csv", "rep.csv.tmp", "rep.csv.999999-1.tmp", "rep.csv.1-1.tmp"}) {
    EXPECT_EQ(folder.readBytes(std::string("../") + mine), "mine") << mine;
  }
  EXPECT_NE(folder.readBytes("../replaced.csv"), "mine");
  EXPECT_EQ(folder.readBytes("best.dat"), best);
  EXPECT_EQ(folder.readBytes("data/welcome.ini"), welcome);
  EXPECT_FALSE(fs::exists(out / "nikde"));
}

// The figures need none of the chronicle's texts.
TEST_F(ChronicleCommands, TheFiguresNeedNoTexts) {
  folder.remove("data/kronika.ini");
  const std::string csv = (folder.scratch() / "vlada.csv").string();
  const auto run = play(folder, std::string(kStart) + "set kasa -15001\nkronika-csv " + csv + "\n");
  EXPECT_TRUE(run.has("CSV | " + csv + " | 1")) << run.bytes;
}

}  // namespace
}  // namespace velmoran::e2e
