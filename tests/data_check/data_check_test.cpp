// SPDX-License-Identifier: GPL-3.0-or-later
// The data checker on a complete small data set with one fault put in at a time.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "child_process.h"
#include "data_check/folder_check.h"
#include "files/data_files.h"
#include "test_game_folder.h"

namespace velmoran {
namespace {

using testing::cp1250Bytes;
using testing::TestGameFolder;

struct Case {
  const char* what;
  std::function<void(const TestGameFolder&)> breakIt;
  // Each problem as "file:line: " and the start of its message.
  std::vector<std::string> expected;
};

void PrintTo(const Case& c, std::ostream* out) {
  *out << c.what;
}

// A record in UTF-8, stored in windows-1250.
auto write(const std::string& name, const std::string& record) {
  return [=](const TestGameFolder& folder) { folder.writeText("data/" + name, record); };
}
auto writeBytes(const std::string& name, const std::string& bytes) {
  return [=](const TestGameFolder& folder) { folder.writeBytes("data/" + name, bytes); };
}

std::string words(int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += "slovo ";
  return text;
}

const Case kCases[] = {
    {"a complete set", [](const TestGameFolder&) {}, {}},
    {"a chronicle text with a number its moment lacks",
     [](const TestGameFolder& f) {
       std::string texts = f.readBytes("data/kronika.ini");
       texts.replace(texts.find("svatba\""), 7, "svatba %1\"");
       f.writeBytes("data/kronika.ini", texts);
     },
     {"kronika.ini:23: text „svatba“ nesmí mít žádné číslo",
      "kronika.ini:30: chybí text „svatba“"}},
    {"a missing file",
     [](const TestGameFolder& f) { f.remove("data/d-armada.ini"); },
     {"d-armada.ini:1: soubor chybí; hra ho ukazuje po příkazu „Dotace pro armádu 600$“"}},
    {"a misspelt name",
     [](const TestGameFolder& f) {
       std::filesystem::rename(f / "data/nahoda5.ini", f / "data/nahodaa5.ini");
     },
     {"nahoda5.ini:1: soubor chybí; hra ho ukazuje jako náhodnou událost měsíce",
      "nahodaa5.ini:1: tento soubor hra nikdy nečte; nemá se jmenovat nahoda5.ini?"}},
    {"a folder in place of a file",
     [](const TestGameFolder& f) {
       f.remove("data/nic.ini");
       std::filesystem::create_directory(f / "data/nic.ini");
     },
     {"nic.ini:1: místo souboru je tu složka"}},
    {"an unclosed quote",
     write("nahoda1.ini", "0\r\n\"Text\r\n1, 0, 0\r\n"),
     {"nahoda1.ini:2: uvozovky otevřené na tomto řádku se nikde nezavírají"}},
    {"a control character in a quoted field",
     writeBytes("nahoda1.ini", "\x1B[2J\r\n\"Text\"\r\n1, 0, 0\r\n"),
     {"nahoda1.ini:1: pole kód otázky má být celé číslo, je tu „\\x1B[2J“"}},
    {"a name with a right-to-left override",
     writeBytes("nahoda\u202E1.ini", "x"),
     {"nahoda\\u{202E}1.ini:1: tento soubor hra nikdy nečte"}},
    {"a name with a left-to-right isolate",
     writeBytes("\u2066nic.ini", "x"),
     {"\\u{2066}nic.ini:1: tento soubor hra nikdy nečte"}},
    {"a name that reads as an escape",
     writeBytes("nic\\x1B.ini", "x"),
     {"nic\\\\x1B.ini:1: tento soubor hra nikdy nečte"}},
    {"a name that is no UTF-8",
     writeBytes("nic\xE1.ini", "x"),
     {"nic\\xE1.ini:1: tento soubor hra nikdy nečte"}},
    {"bytes after a closing quote",
     write("nahoda1.ini", "0\r\n\"Text\" ano\r\n1, 0, 0\r\n"),
     {"nahoda1.ini:2: za zavírací uvozovkou smí stát jen čárka nebo konec řádku, ne „ano“"}},
    {"an empty file", write("nahoda1.ini", ""), {"nahoda1.ini:1: soubor je prázdný"}},
    {"too few fields",
     write("nahoda1.ini", "0\r\n\"Text\"\r\n1, 0\r\n"),
     {"nahoda1.ini:3: záznam končí po 4. poli, chybí konec měsíce"}},
    {"a text with an unquoted comma",
     write("nahoda1.ini", "0\r\nDort, nebo chleba\r\n1, 0, 0\r\n"),
     {"nahoda1.ini:2: pole tlačítka má být celé číslo, je tu „nebo chleba“; obsahuje-li text "
      "čárku, musí být celý v uvozovkách",
      "nahoda1.ini:3: za pátým polem stojí ještě „0“, hra to přeskočí"}},
    {"buttons out of range",
     write("nahoda1.ini", "0\r\n\"Text\"\r\n3, 0, 0\r\n"),
     {"nahoda1.ini:3: pole tlačítka smí být od 1 do 2 (1: Ok, 2: Ano a Ne), je tu 3"}},
    {"a byte windows-1250 lacks",
     writeBytes("nahoda1.ini", "0\r\n\"Text \x81\"\r\n1, 0, 0\r\n"),
     {"nahoda1.ini:2: bajt 0x81 není znak kódování windows-1250"}},
    {"saved as UTF-8",
     writeBytes("nahoda1.ini", "0\r\n\"Příliš\"\r\n1, 0, 0\r\n"),
     {"nahoda1.ini:2: soubor je uložen v UTF-8"}},
    {"an empty text",
     write("nahoda1.ini", "0\r\n\"\"\r\n1, 0, 0\r\n"),
     {"nahoda1.ini:2: text je prázdný"}},
    {"a code no answer handles",
     write("nahoda1.ini", "5\r\n\"Text\"\r\n1, 0, 0\r\n"),
     {"nahoda1.ini:1: kód otázky 5 nezná žádná odpověď ani tlačítko Ok"}},
    {"Yes and No that nothing closes",
     write("nahoda1.ini", "99\r\n\"Text\"\r\n2, 0, 0\r\n"),
     {"nahoda1.ini:3: tlačítka 2 (Ano a Ne), ale kód otázky 99 se na nic neptá"}},
    {"a question with only Ok",
     write("nahoda1.ini", "88\r\n\"Text\"\r\n1, 0, 0\r\n"),
     {"nahoda1.ini:3: otázka s kódem 88 má jen tlačítko Ok"}},
    {"a chain the month end cuts off",
     write("nahoda1.ini", "99\r\n\"Text\"\r\n1, 0, 1\r\n"),
     {"nahoda1.ini:3: kód otázky 99 vede po Ok k druhému textu, ale konec měsíce 1 má přednost"}},
    // Seven words of "slovo" fill a line of 45 characters.
    {"a text just filling the panel",
     write("nahoda1.ini", "0\r\n\"" + words(42) + "\"\r\n1, 0, 0"),
     {}},
    {"a text longer than the panel",
     write("nahoda1.ini", "0\r\n\"" + words(43) + "\"\r\n1, 0, 0"),
     {"nahoda1.ini:2: text se do panelu nevejde: zabere 7 řádků po 45 znacích, panel ukáže 6"}},
    {"an amount glued to the text",
     write("d-prumysl.ini", "0\r\n\"Rozpočet stoupl o\"\r\n1, 0, 1"),
     {"d-prumysl.ini:2: příkaz za text připíše částku (třeba 52$), text proto musí končit "
      "mezerou"}},
    {"a price the Ok charges again",
     write("nahoda1.ini", "0\r\n\"Stálo to 300$.\"\r\n1, -300, 0"),
     {"nahoda1.ini:2: text uvádí 300$, ale hráč celkem zaplatí 600$: peníze -300 se účtují při "
      "každé změně textu v panelu, tady 2×; ke slovům sedí peníze -150"}},
    {"a price the appended amount charges again",
     write("d-prumysl.ini", "0\r\n\"Stálo to 500$, rozpočet stoupl o \"\r\n1, -500, 1"),
     {"d-prumysl.ini:2: text uvádí 500$, ale hráč celkem zaplatí 1000$"}},
    {"a price the answer decides",
     write("nahoda3.ini", "1\r\n\"Večeře za 200 $?\"\r\n2, -100, 0"),
     {"nahoda3.ini:2: text uvádí 200$, ale hráč celkem zaplatí 200$ nebo 300$ podle odpovědi"}},
    {"a price in thousands on a text's second line",
     write("nic.ini", "0\r\n\"Nic.\r\nStálo to 1 000$.\"\r\n1, -500, 1"),
     {"nic.ini:3: text uvádí 1000$, ale hráč celkem zaplatí 500$"}},
    {"prices that are right",
     [](const TestGameFolder& f) {
       f.writeText("data/nahoda1.ini", "0\r\n\"Stálo to 600 $, a 10$ měsíčně.\"\r\n1, -300, 0");
       f.writeText("data/d-prumysl.ini",
                   "0\r\n\"Stálo to 500$, rozpočet stoupl o \"\r\n1, -250, 1");
       f.writeText("data/welcome.ini", "0\r\n\"Dar 100$\"\r\n1, 100, 0");
     },
     {}},
};

class DataCheck : public ::testing::TestWithParam<Case> {};

TEST_P(DataCheck, ReportsEachProblemAtItsLine) {
  TestGameFolder folder;
  for (const DataFile& file : dataFiles()) folder.writeDataText(file.name, 0, "Text ", 1, 0, 1);
  folder.writeChronicleTexts();
  GetParam().breakIt(folder);
  const std::string prefix = (folder.path() / "data/").string();
  std::vector<std::string> found;
  for (const Problem& problem : checkGameFolder(folder.path())) {
    ASSERT_EQ(problem.file.rfind(prefix, 0), 0u) << problem.file;
    found.push_back(formatted(problem).substr(prefix.size()));
  }
  ASSERT_EQ(found.size(), GetParam().expected.size()) << ::testing::PrintToString(found);
  for (std::size_t i = 0; i < found.size(); ++i) {
    EXPECT_EQ(found[i].substr(0, GetParam().expected[i].size()), GetParam().expected[i]);
  }
}

std::string caseName(const ::testing::TestParamInfo<Case>& info) {
  std::string name;
  for (const char* c = info.param.what; *c; ++c) name += std::isalnum(*c) ? *c : '_';
  return name;
}

INSTANTIATE_TEST_SUITE_P(OneFaultAtATime, DataCheck, ::testing::ValuesIn(kCases), caseName);

// An editor who may not look into data/: every file's problem is its cause, none is missing.
TEST(DataCheckOfAFolderThatCannotBeRead, TellsTheCauseForEveryFile) {
  const auto editor = testing::otherUser();
  if (!editor) GTEST_SKIP() << "only an administrator can check as a second user";
  TestGameFolder folder;
  for (const DataFile& file : dataFiles()) folder.writeDataText(file.name, 0, "Text ", 1, 0, 1);
  folder.writeChronicleTexts();
  std::filesystem::permissions(folder.scratch(), std::filesystem::perms::all);
  std::filesystem::permissions(folder.path(), std::filesystem::perms::all);
  std::filesystem::permissions(folder / "data", std::filesystem::perms::owner_all);
  const int status = testing::runAs(*editor, [&] {
    const std::vector<Problem> found = checkGameFolder(folder.path());
    const std::string cause = "soubor nejde přečíst: hra nemá právo soubor číst.";
    std::size_t told = 0;
    for (const Problem& problem : found) told += problem.message.rfind(cause, 0) == 0;
    return told == dataFiles().size() + 1 && found.size() == told + 1 ? 0 : 1;
  });
  EXPECT_EQ(status, 0);
}

// A player's data/ with a few texts of their own over the installation's: each text is checked
// where the game reads it, and each problem names that file's folder.
TEST(DataCheckOfAPlayersTexts, NamesTheFolderOfEachProblem) {
  TestGameFolder installed;
  for (const DataFile& file : dataFiles()) installed.writeDataText(file.name, 0, "Text ", 1, 0, 1);
  installed.writeChronicleTexts();
  installed.writeText("data/nahoda1.ini", "88\r\n\"Text\"\r\n1, 0, 0\r\n");
  installed.writeText("data/nahoda2.ini", "88\r\n\"Text\"\r\n1, 0, 0\r\n");
  const std::filesystem::path player = installed.scratch() / "player";
  std::filesystem::create_directories(player / "data");
  std::ofstream(player / "data" / "nahoda2.ini") << "0\r\n\"Text \"\r\n1, 0, 1\r\n";
  std::ofstream(player / "data" / "nahodaa3.ini") << "0\r\n\"Text \"\r\n1, 0, 1\r\n";
  const GameFolders folders(installed.path(), player / "data", player, installed / "data");
  const std::vector<Problem> found = checkGameFolder(folders);
  ASSERT_EQ(found.size(), 2u);
  EXPECT_EQ(found[0].file, (installed / "data/nahoda1.ini").string());
  EXPECT_EQ(found[0].message.rfind("otázka s kódem 88", 0), 0u);
  EXPECT_EQ(found[1].file, (player / "data/nahodaa3.ini").string());
}

}  // namespace
}  // namespace velmoran
