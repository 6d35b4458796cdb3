// SPDX-License-Identifier: GPL-3.0-or-later
// Whole games played through the terminal edition: new game, month turns, answers, the ends of
// a game, the best scores, the title menu and the commands the player may not give.
#include <gtest/gtest.h>

#include <initializer_list>
#include <ostream>
#include <string>
#include <utility>

#include "console_harness.h"

namespace velmoran::e2e {
namespace {

const std::string kBankrupt = messageLine("critical", "Prohra", testing::kBankruptcyText);
const std::string kWon = messageLine("none", "VYHRÁLS", testing::kWonText);
const Lines kTable = {"TOP | Ala | 30", "TOP | Bob | 20", "TOP | Cyril | 10"};

// What a game over prints from its months message on.
Lines gameOver(int months, const Lines& table) {
  Lines lines = {"MSG | none | Vaše vláda | Vládnul jste " + std::to_string(months) + " měsíců.",
                 "SCREEN | prohra | open"};
  lines.insert(lines.end(), table.begin(), table.end());
  lines.push_back("SCREEN | main | closed");
  return lines;
}

TEST(ConsoleGame, EveryStartBeginsFromTheDesignValues) {
  TestGameFolder folder;
  writeCraftedSet(folder);
  const auto t = play(folder, std::string(kStart) + "state\nset polo 99\nset vlada 7\nmnewgame\n" +
                                  "start\nano\nJan Novák\nRuritánie\nstate\n");
  EXPECT_EQ(
      t.slice(0, 6),
      (Lines{"SCREEN | Menu | open", std::string("INFO | ") + kWelcome, "SCREEN | main | open",
             "INPUT | Jaké je vaše jméno? | Jak se jmenujete? | No Name",
             "INPUT | Jak se bude jmenovat vaše země? | Jak nazvete svou zemi? | Kačerov",
             "SCREEN | Menu | closed"}));
  const auto states = t.states();
  ASSERT_EQ(states.size(), 2u);
  const State design = {{"jmeno", "No Name"}, {"stat", "Kačerov"}, {"vlada", "1"},
                        {"rozpocet2", "0"},   {"Procentu", "20"},  {"polo", "5"},
                        {"armo", "6"},        {"arm", "3"},        {"par", "0"},
                        {"brdo", "1"},        {"buttons", "ok"},   {"info", kWelcome}};
  for (const auto& [name, value] : design) EXPECT_EQ(states[0].at(name), value) << name;
  EXPECT_EQ(states[1].at("jmeno"), "Jan Novák");
  EXPECT_EQ(states[1].at("stat"), "Ruritánie");
  for (const auto& [name, value] : states[0]) {
    if (name != "jmeno" && name != "stat" && name != "kasa" && name != "rozpocet" &&
        name != "zisk") {
      EXPECT_EQ(states[1].at(name), value) << name;
    }
  }
  for (const State& s : states) {
    EXPECT_TRUE(number(s, "kasa") >= 9000 && number(s, "kasa") <= 26999) << s.at("kasa");
    EXPECT_TRUE(number(s, "rozpocet") >= -229 && number(s, "rozpocet") <= -40);
    EXPECT_TRUE(number(s, "zisk") >= 1 && number(s, "zisk") <= 3);
  }
  // The abandoned game leaves no score.
  EXPECT_TRUE(t.has("SCREEN | main | closed"));
  EXPECT_FALSE(t.hasPrefix("MSG"));
  EXPECT_EQ(folder.readBytes("best.dat"), kDefaultBestScores);
}

// The welcome text and "nahoda4.ini" lead on to a second random text, so that the draws of
// this run give seven month turns without a rebellion or an attack.
TEST(ConsoleGame, MonthTurnsPayTheBudgetAndAgeTheCountry) {
  TestGameFolder folder;
  writeCraftedSet(folder);
  folder.writeText("data/welcome.ini", dataRecord(99, kWelcome, 1, 0, 0));
  folder.writeText("data/nahoda4.ini", dataRecord(99, "Událost nahoda4", 1, -40, 0));
  std::string script = std::string(kStart) + "state\n";
  for (int i = 0; i < 9; ++i) script += "ok\nstate\n";
  const auto t = play(folder, script + "set kasa -15001\n");
  const auto states = t.states();
  ASSERT_EQ(states.size(), 10u);
  int monthTurns = 0;
  for (std::size_t i = 1; i < states.size(); ++i) {
    SCOPED_TRACE("Ok number " + std::to_string(i));
    const State &before = states[i - 1], &after = states[i];
    // The same event twice in a row leaves the panel as it is: nothing to show or pay again.
    const bool panelChanged = after.at("info") != before.at("info");
    ASSERT_EQ(t.between(i - 1), panelChanged ? Lines{"INFO | " + after.at("info")} : Lines{});
    const auto change = [&](const char* q) { return number(after, q) - number(before, q); };
    const long long money = panelChanged ? craftedMoney(after.at("info")) : 0;
    EXPECT_EQ(after.at("buttons"), "ok");
    if (before.at("monthend") != "1") {  // a second random text, same month
      EXPECT_EQ(before.at("question"), "99");
      EXPECT_EQ(after.at("info").rfind("Zpráva nahod", 0), 0u);
      EXPECT_EQ(change("kasa"), money);
      for (const char* q : {"vlada", "rozpocet2", "polo", "par"}) EXPECT_EQ(change(q), 0) << q;
      continue;
    }
    ++monthTurns;
    EXPECT_EQ(after.at("info").rfind("Událost nahoda", 0), 0u);
    EXPECT_EQ(change("vlada"), 1);
    EXPECT_EQ(number(after, "rozpocet2"),
              number(after, "zisk") * number(after, "Procentu") + number(after, "rozpocet"));
    EXPECT_EQ(change("kasa"), money + number(after, "rozpocet2"));
    for (const char* q : {"polo", "armo", "delo", "rolo", "chuo", "into"}) {
      EXPECT_EQ(change(q), -1) << q;
    }
    for (const auto& [q, most] : std::initializer_list<std::pair<const char*, int>>{
             {"par", 2}, {"brd", 2}, {"usa", 3}, {"rus", 3}}) {
      EXPECT_TRUE(change(q) >= 1 && change(q) <= most) << q << " grew by " << change(q);
    }
    for (const char* q : {"chu", "mak", "ruso", "usao", "moro", "brdo", "arm", "Procentu"}) {
      EXPECT_EQ(change(q), 0) << q;
    }
  }
  EXPECT_EQ(monthTurns, 7);
  const auto end = t.find(kBankrupt);
  EXPECT_EQ(t.slice(end + 1), gameOver(8, kTable));
}

struct GameOverCase {
  int months;
  std::vector<std::pair<std::string, int>> table;
  friend void PrintTo(const GameOverCase& c, std::ostream* os) { *os << c.months; }
};

class GameOverResults : public ::testing::TestWithParam<GameOverCase> {};

TEST_P(GameOverResults, EnterTheTableOnlyWhenTheyBeatAnEntry) {
  const GameOverCase& c = GetParam();
  TestGameFolder folder;
  writeCraftedSet(folder);
  const auto t = play(folder, "start\nŘehoř Veliký\n\nset vlada " + std::to_string(c.months) +
                                  "\nset kasa -15001\nstate\nprohra-ok\n");
  Lines top;
  std::string bytes;
  for (const auto& [name, score] : c.table) {
    top.push_back("TOP | " + name + " | " + std::to_string(score));
    bytes += testing::cp1250Bytes(name) + "\r\n" + std::to_string(score) + "\r\n";
  }
  Lines expected = gameOver(c.months, top);
  expected.insert(expected.end(),
                  {"ERR | hra neběží", "SCREEN | Menu | open", "SCREEN | prohra | closed"});
  EXPECT_EQ(t.slice(t.find(kBankrupt) + 1), expected);
  EXPECT_EQ(folder.readBytes("best.dat"), bytes);
  EXPECT_EQ(folder.fileNames(),
            (Lines{"best.dat", "best.dat.lock", "data", "data.dat", "kroniky"}));
}

const std::pair<std::string, int> kAla{"Ala", 30}, kBob{"Bob", 20}, kCyril{"Cyril", 10};
const std::string kRuler = "Řehoř Veliký";
INSTANTIATE_TEST_SUITE_P(E2e, GameOverResults,
                         ::testing::Values(GameOverCase{31, {{kRuler, 31}, kAla, kBob}},
                                           GameOverCase{25, {kAla, {kRuler, 25}, kBob}},
                                           GameOverCase{15, {kAla, kBob, {kRuler, 15}}},
                                           GameOverCase{30, {kAla, kBob, kCyril}},
                                           GameOverCase{20, {kAla, kBob, kCyril}},
                                           GameOverCase{10, {kAla, kBob, kCyril}},
                                           GameOverCase{5, {kAla, kBob, kCyril}}));

struct EndingCase {
  std::string command;
  bool ends;
  Lines before;  // messages before the months message
  friend void PrintTo(const EndingCase& c, std::ostream* os) { *os << c.command; }
};

class Endings : public ::testing::TestWithParam<EndingCase> {};

TEST_P(Endings, ShowTheirMessageThenTheMonthsRuled) {
  const EndingCase& c = GetParam();
  TestGameFolder folder;
  writeCraftedSet(folder);
  const auto t =
      play(folder, std::string(kStart) + "set vlada 3\nstate\n" + c.command + "\nstate\n");
  Lines expected;
  if (c.ends) {
    expected = c.before;
    for (const auto& line : gameOver(3, kTable)) expected.push_back(line);
    expected.push_back("ERR | hra neběží");
  }
  EXPECT_EQ(t.between(0), expected);
  EXPECT_EQ(t.states().size(), c.ends ? 1u : 2u);
}

INSTANTIATE_TEST_SUITE_P(E2e, Endings,
                         ::testing::Values(EndingCase{"set kasa -15001", true, {kBankrupt}},
                                           EndingCase{"set kasa -15000", false, {}},
                                           EndingCase{"set Procentu 99", true, {kWon}},
                                           EndingCase{"set Procentu 102", true, {kWon}},
                                           EndingCase{"set Procentu 98", false, {}},
                                           EndingCase{"set Procentu 0", true, {}},
                                           EndingCase{"set Procentu -3", true, {}},
                                           EndingCase{"set Procentu 1", false, {}}));

TEST(ConsoleMenu, TopThreeAndKonec) {
  TestGameFolder folder;
  writeCraftedSet(folder);
  const auto t = play(folder, "top3\nprohra-ok\nkonec\nstart\n\n\nstate\n");
  EXPECT_EQ(t.exitStatus, 0);
  Lines expected = {"SCREEN | Menu | open", "SCREEN | prohra | open"};
  expected.insert(expected.end(), kTable.begin(), kTable.end());
  expected.insert(expected.end(), {"SCREEN | prohra | closed", "SCREEN | Menu | closed"});
  EXPECT_EQ(t.lines, expected);
  const auto fromGame = play(folder, std::string(kStart) + "mkonec\nkonec\nstate\n");
  EXPECT_EQ(fromGame.exitStatus, 0);
  EXPECT_EQ(fromGame.slice(6), (Lines{"SCREEN | Menu | open", "REIGN | No Name | Kačerov | 1",
                                      "SCREEN | main | closed", "SCREEN | Menu | closed"}));
}

struct AnswerCase {
  std::string name;
  int question, buttons;
  long long money;
  std::string commands;
  Lines printed;
  State changes;  // a quantity's change, or the value of buttons, question, info afterwards
  friend void PrintTo(const AnswerCase& c, std::ostream* os) { *os << c.name; }
};

class Answers : public ::testing::TestWithParam<AnswerCase> {};

TEST_P(Answers, FollowTheQuestionCode) {
  const AnswerCase& c = GetParam();
  TestGameFolder folder;
  writeCraftedSet(folder);
  folder.writeText("data/welcome.ini", dataRecord(c.question, "Otázka", c.buttons, c.money, 0));
  const auto t = play(folder, std::string(kStart) + "state\n" + c.commands + "state\n");
  const auto states = t.states();
  ASSERT_EQ(states.size(), 2u);
  EXPECT_EQ(t.between(0), c.printed);
  for (const auto& [name, value] : states[0]) {
    const auto change = c.changes.find(name);
    if (change == c.changes.end()) {
      EXPECT_EQ(states[1].at(name), value) << name;
    } else if (name == "buttons" || name == "question" || name == "info") {
      EXPECT_EQ(states[1].at(name), change->second) << name;
    } else {
      EXPECT_EQ(number(states[1], name) - number(states[0], name), std::stoll(change->second))
          << name;
    }
  }
}

const State kCleared = {{"buttons", ""}, {"question", "-1"}, {"info", ""}};
State cleared(State changes) {
  changes.insert(kCleared.begin(), kCleared.end());
  return changes;
}

INSTANTIATE_TEST_SUITE_P(
    E2e, Answers,
    ::testing::Values(
        AnswerCase{"Yes888",
                   888,
                   2,
                   0,
                   "ano\n",
                   {"INFO | "},
                   cleared({{"rozpocet", "50"}, {"delo", "2"}})},
        AnswerCase{"Yes888888",
                   888888,
                   2,
                   0,
                   "ano\n",
                   {"INFO | "},
                   cleared({{"rozpocet", "35"}, {"rol", "3"}})},
        AnswerCase{"Yes77",
                   77,
                   2,
                   0,
                   "ano\n",
                   {"INFO | "},
                   cleared({{"rolo", "-1"}, {"into", "-1"}, {"delo", "-1"}})},
        AnswerCase{"No88", 88, 2, 0, "ne\n", {"INFO | "}, kCleared},
        AnswerCase{"No999", 999, 2, 0, "ne\n", {"INFO | "}, kCleared},
        AnswerCase{"No1",
                   1,
                   2,
                   -100,
                   "ne\n",
                   {"INFO | Hlupáku"},
                   {{"kasa", "-100"}, {"buttons", "ok"}, {"info", "Hlupáku"}}},
        AnswerCase{"No1ThenOk",
                   1,
                   2,
                   -100,
                   "ne\nok\n",
                   {"INFO | Hlupáku", "INFO | "},
                   cleared({{"kasa", "-200"}})},
        AnswerCase{
            "Yes1",
            1,
            2,
            0,
            "ano\n",
            {"INFO | ", "INFO | Seznámení s krásnou cizinkou"},
            {{"buttons", "ok"}, {"question", "0"}, {"info", "Seznámení s krásnou cizinkou"}}},
        AnswerCase{"Yes999",
                   999,
                   2,
                   0,
                   "ano\n",
                   {"INFO | ", "INFO | Spiknutí sesazeni"},
                   {{"buttons", "ok"}, {"question", "0"}, {"info", "Spiknutí sesazeni"}}},
        AnswerCase{"Yes9999",
                   9999,
                   2,
                   0,
                   "ano\n",
                   {"INFO | ", "INFO | Spiknutí atentat"},
                   {{"buttons", "ok"}, {"question", "0"}, {"info", "Spiknutí atentat"}}},
        AnswerCase{
            "YesUnknownCode", 5, 2, 0, "ano\n", {"INFO | "}, {{"info", ""}, {"buttons", "ano ne"}}},
        AnswerCase{"NoUnknownCode", 5, 2, 0, "ne\n", {}, {{"buttons", "ano ne"}}},
        AnswerCase{"Code0ShowsOnlyOk", 0, 2, 0, "", {}, {{"buttons", "ok"}}},
        AnswerCase{"Mode7LeavesButtons",
                   5,
                   7,
                   0,
                   "ano\n",
                   {"ERR | tlačítko není vidět: ano"},
                   {{"buttons", ""}}},
        AnswerCase{"OkClearsAndChargesAgain",
                   0,
                   1,
                   -500,
                   "ok\n",
                   {"INFO | "},
                   cleared({{"kasa", "-500"}})}),
    [](const auto& info) { return info.param.name; });

TEST(ConsoleCommands, RefusedWhileAnAnswerButtonShows) {
  for (const auto& [question, buttons] :
       std::initializer_list<std::pair<int, int>>{{0, 1}, {888, 2}}) {
    SCOPED_TRACE(question);
    TestGameFolder folder;
    writeCraftedSet(folder);
    folder.writeText("data/welcome.ini", dataRecord(question, "Otázka", buttons, 0, 0));
    const auto t = play(
        folder,
        std::string(kStart) +
            "state\narmy\npolice\nfbi\nprumysl\nzeme\nchudi\nveda\nbody\nbrda\natakk\ndiver\nbordo"
            "\n"
            "povyseni\ncesta\nkampan\nreforma\nztph\nstrojparko\npr\nusap\nmorpu\nmpivo\nmsvatba\n"
            "internet\npsesbuy\nzpht\nsebekill\nnoo\nstate\nzprava\nzprava\nstate\n");
    const auto states = t.states();
    ASSERT_EQ(states.size(), 3u);
    EXPECT_EQ(t.between(0), Lines{});
    EXPECT_EQ(states[1], states[0]);
    // The report button still works, 20 each time.
    EXPECT_EQ(number(states[2], "kasa"), number(states[0], "kasa") - 40);
  }
}

TEST(ConsoleCommands, WrongCommandsReportAndChangeNothing) {
  TestGameFolder folder;
  writeCraftedSet(folder);
  const auto plain = play(folder, std::string(kStart) + "state\n");
  for (const char* command : {"ok", "ano", "state", "army", "set kasa 5", "zprava", "mnewgame",
                              "prohra-ok", "vzpoura-ok", "hrat", "START", " start"}) {
    SCOPED_TRACE(std::string("on the title menu: ") + command);
    const auto t = play(folder, std::string(command) + "\n" + kStart + "state\n");
    ASSERT_GE(t.lines.size(), 2u);
    EXPECT_EQ(t.lines[1].rfind("ERR | ", 0), 0u);
    Lines rest = t.slice(2);
    rest.insert(rest.begin(), t.lines[0]);
    EXPECT_EQ(rest, plain.lines);  // even the random draws are untouched
  }
  for (const auto& [setup, command] :
       std::initializer_list<std::pair<const char*, const char*>>{{"", "hrat"},
                                                                  {"", "ano"},
                                                                  {"", "start"},
                                                                  {"", "top3"},
                                                                  {"", "konec"},
                                                                  {"", "prohra-ok"},
                                                                  {"", "vzpoura-ok"},
                                                                  {"", "set kasa abc"},
                                                                  {"", "set kasa 1.5"},
                                                                  {"", "set nic 5"},
                                                                  {"ok\n", "ok"},
                                                                  {"ok\n", "ne"}}) {
    SCOPED_TRACE(std::string("in a game: ") + setup + command);
    const auto t = play(folder, std::string(kStart) + setup + "state\n" + command + "\nstate\n");
    const auto states = t.states();
    ASSERT_EQ(states.size(), 2u);
    const auto printed = t.between(0);
    ASSERT_EQ(printed.size(), 1u);
    EXPECT_EQ(printed[0].rfind("ERR | ", 0), 0u);
    EXPECT_EQ(states[1], states[0]);
  }
  EXPECT_EQ(folder.readBytes("best.dat"), kDefaultBestScores);
}

TEST(ConsoleScript, SameScriptGivesTheSameTranscript) {
  const std::string script = std::string(kStart) + "ok\nstate\nmnewgame\nstart\nano\n\n\n" +
                             "set vlada 40\nok\nstate\nset kasa -20000\nprohra-ok\ntop3\n";
  TestGameFolder first, second;
  writeCraftedSet(first);
  writeCraftedSet(second);
  const auto a = play(first, script);
  EXPECT_GT(a.lines.size(), 80u);
  EXPECT_EQ(a.bytes, play(second, script).bytes);
  EXPECT_EQ(first.readBytes("best.dat"), second.readBytes("best.dat"));
}

TEST(ConsoleScript, WindowsLineEndsAndTheEndOfInput) {
  TestGameFolder folder;
  writeCraftedSet(folder);
  const auto t = play(folder, "start\r\n\r\n\r\nstate\r\nset vlada 12\r\nset kasa -15001\r\n");
  ASSERT_EQ(t.states().size(), 1u);
  EXPECT_EQ(t.states()[0].at("jmeno"), "No Name");
  EXPECT_EQ(t.slice(t.find(kBankrupt) + 1),
            gameOver(12, {kTable[0], kTable[1], "TOP | No Name | 12"}));
  EXPECT_EQ(folder.readBytes("best.dat"), "Ala\r\n30\r\nBob\r\n20\r\nNo Name\r\n12\r\n");

  for (const char* script : {"", "start", "start\nJan", "top3", "start\n\n\nstate"}) {
    SCOPED_TRACE(script);
    const auto end = play(folder, script);
    EXPECT_EQ(end.exitStatus, 0);
    EXPECT_EQ(end.lines.at(0), "SCREEN | Menu | open");
  }
  EXPECT_EQ(play(folder, "start\n\n\nstate").states().size(), 1u);  // the last line has no end
}

}  // namespace
}  // namespace velmoran::e2e
