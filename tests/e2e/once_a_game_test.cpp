// SPDX-License-Identifier: GPL-3.0-or-later
// The commands of "Politika", "Ekonomika", "Soukromý život" and "Jiné" through the terminal
// edition: what is withdrawn until the next game, what a run of the program remembers from one
// game to the next, and the suicide question.
#include <gtest/gtest.h>

#include <string>

#include "console_harness.h"

namespace velmoran::e2e {
namespace {

// A month of a command: the command, the Ok that ends the month, the rebellion decided should
// it break out, and the Ok on the month's event.
std::string month(const std::string& command) {
  return command + "\nok\nvzpoura-ok\nok\n";
}

TEST(OnceAGame, WithdrawnEntriesComeBackInTheNextGame) {
  TestGameFolder folder;
  writeReignSet(folder);
  std::string script = std::string(kStart) + "ok\nstate\n";
  // Russia lends first: the sale of the Bordány angers it.
  for (const char* command : {"pr", "bordo", "povyseni", "ztph", "usap", "morpu", "psesbuy"}) {
    script += month(command);
  }
  script += "state\nbordo\npsesbuy\nstate\ncesta\nok\nmnewgame\nstart\nano\n\n\nstate\n";
  const auto t = play(folder, script);
  const auto states = t.states();
  ASSERT_EQ(states.size(), 4u);
  EXPECT_EQ(states[0].at("withdrawn"), "");
  EXPECT_EQ(states[1].at("withdrawn"), "psesbuy bordo povyseni ztph pr usap morpu");
  EXPECT_EQ(t.between(1), (Lines{"ERR | položka nabídky není dostupná: bordo",
                                 "ERR | položka nabídky není dostupná: psesbuy"}));
  EXPECT_EQ(states[2], states[1]);
  EXPECT_EQ(states[3].at("withdrawn"), "");
  // The dog costs 10 a month for good, whatever the loans and the rest brought.
  EXPECT_TRUE(t.has("INFO | Příkaz pes"));
}

// Russia lends at an attitude of 1 and refuses at 0; a refusal can be tried again.
TEST(OnceAGame, TheLenderDecidesByItsAttitude) {
  TestGameFolder folder;
  writeReignSet(folder);
  const auto t = play(folder, std::string(kStart) + "ok\nset ruso 0\nstate\npr\nstate\n" +
                                  "ok\nok\nvzpoura-ok\nset ruso 1\npr\nstate\n");
  const auto states = t.states();
  ASSERT_EQ(states.size(), 3u);
  EXPECT_EQ(states[1].at("info"), "Příkaz rusn");
  EXPECT_EQ(states[1].at("withdrawn"), "");
  EXPECT_EQ(states[1].at("rozpocet"), states[0].at("rozpocet"));
  const long long raise = number(states[2], "rozpocet") - number(states[1], "rozpocet");
  EXPECT_TRUE(raise >= 0 && raise <= 4) << raise;
  EXPECT_EQ(states[2].at("info"), "Příkaz rusa" + std::to_string(raise) + "$");
  EXPECT_EQ(states[2].at("withdrawn"), "pr");
  EXPECT_EQ(states[2].at("ruso"), "1");
}

// A run of the program remembers the ruler's sex and partner from one game to the next.
TEST(OnceAGame, SexAndPartnerCarryOverIntoTheNextGame) {
  TestGameFolder folder;
  writeReignSet(folder);
  // The welcome text is the question of an acquaintance.
  folder.writeDataText("welcome.ini", 1, "Seznámíte se?", 2, 0, 0);
  const auto t = play(folder, std::string(kStart) + "ne\nok\n" + month("msvatba") + month("zpht") +
                                  month("zpht") + "mnewgame\nstart\nano\n\n\nano\nok\nmnewgame\n" +
                                  "start\nano\n\n\nne\nok\n" + month("zpht") + "msvatba\nstate\n");
  Lines shown;
  for (const auto& line : t.lines) {
    if (line.rfind("INFO | Příkaz", 0) == 0 || line == "INFO | Hlupáku" ||
        line.rfind("INFO | Seznámení", 0) == 0) {
      shown.push_back(line);
    }
  }
  EXPECT_EQ(shown, (Lines{"INFO | Hlupáku", "INFO | Příkaz neniskym", "INFO | Příkaz muz",
                          "INFO | Příkaz zena", "INFO | Seznámení s krásnou cizinkou",
                          "INFO | Hlupáku", "INFO | Příkaz muz", "INFO | Příkaz svatba"}));
  EXPECT_EQ(t.states().back().at("withdrawn"), "msvatba");
}

TEST(Suicide, AskedFirstThenTheReignEnds) {
  TestGameFolder folder;
  writeReignSet(folder);
  const auto t = play(folder, std::string(kStart) + "ok\nstate\nsebekill\nne\nstate\n" +
                                  "set vlada 26\nsebekill\nano\n");
  const auto states = t.states();
  ASSERT_EQ(states.size(), 2u);
  EXPECT_EQ(t.between(0), Lines{"ASK | Sebevražda | Opravdu se chceš zabít?"});
  EXPECT_EQ(states[1], states[0]);
  const std::string question = "ASK | Sebevražda | Opravdu se chceš zabít?";
  const std::size_t asked = t.find(question, t.find(question) + 1);
  EXPECT_EQ(
      t.slice(t.lines.size() - 6),
      (Lines{"MSG | none | Vaše vláda | Vládnul jste 26 měsíců.", "SCREEN | prohra | open",
             "TOP | Ala | 30", "TOP | No Name | 26", "TOP | Bob | 20", "SCREEN | main | closed"}));
  EXPECT_LT(asked, t.lines.size());
}

}  // namespace
}  // namespace velmoran::e2e
