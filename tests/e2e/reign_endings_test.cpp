// SPDX-License-Identifier: GPL-3.0-or-later
// The ends of a reign that the ruler's hand brings about, each reached by play and by `set`:
// lost to Bordánie, lost to the partisans by territory, lost to the rebellion, won at 99 %, and
// a rebellion survived. The random draws never change, so each script reaches its end at the
// same month every time.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "console_harness.h"

namespace velmoran::e2e {
namespace {

std::string repeated(const std::string& months, int times) {
  std::string script;
  for (int i = 0; i < times; ++i) script += months;
  return script;
}

// A month of each command: the command, the Ok that ends the month, the Ok on the event; the
// rebellion, should it break out, is decided at once.
const std::string kNothing = "noo\nok\nok\nvzpoura-ok\n";
const std::string kArmy = "army\nok\nok\nvzpoura-ok\n";
const std::string kAttack = "atakk\nok\nok\nvzpoura-ok\n";
const std::string kGuards = "body\n500\nok\nok\nvzpoura-ok\n";

const std::string kLostToBordanie = messageLine(
    "information", "Porážka",
    "Vojska Bordánie ty naše rozdrtila.\n Musel jste emigrovat do zahraničí. PROHRÁLS!");
const std::string kLostToPartisans =
    messageLine("information", "Porážka", "Partyzáni nás porazili a získali dvě další kolonie.");
const std::string kLostBattle =
    messageLine("information", "Porážka", "Naše vojska byla poražena!\n Přišli jsme o 3% území.");
const std::string kLostRebellion = messageLine("critical", "Vzpoura", "Byl jste poražen!");
const std::string kWon = messageLine("none", "VYHRÁLS", testing::kWonText);

struct Ending {
  std::string name;
  std::string script;  // after the start and the welcome text's Ok
  std::string lastMessage;
  int months;
  friend void PrintTo(const Ending& e, std::ostream* os) { *os << e.name; }
};

class ReignEndings : public ::testing::TestWithParam<Ending> {};

TEST_P(ReignEndings, EndTheGameOnceWithTheirMessage) {
  TestGameFolder folder;
  writeReignSet(folder);
  const auto t = play(folder, std::string(kStart) + "ok\n" + GetParam().script);
  const std::string months =
      "MSG | none | Vaše vláda | Vládnul jste " + std::to_string(GetParam().months) + " měsíců.";
  const std::size_t over = t.find(months);
  ASSERT_LT(over, t.lines.size());
  std::string last;
  for (std::size_t i = 0; i < over; ++i) {
    if (t.lines[i].rfind("MSG", 0) == 0) last = t.lines[i];
  }
  EXPECT_EQ(last, GetParam().lastMessage);
  EXPECT_EQ(t.lines.at(over + 1), "SCREEN | prohra | open");
  // The game ended once: nothing of it runs afterwards.
  for (std::size_t i = over + 1; i < t.lines.size(); ++i) {
    EXPECT_TRUE(t.lines[i].rfind("MSG", 0) != 0 && t.lines[i].rfind("INFO", 0) != 0) << t.lines[i];
  }
}

INSTANTIATE_TEST_SUITE_P(
    E2e, ReignEndings,
    ::testing::Values(
        Ending{"BordanieByPlay", repeated(kArmy + kAttack, 40), kLostToBordanie, 7},
        Ending{"BordanieBySet",
               "set brdo 0\nset arm 0\nset tp 0\nset os 0\n" + repeated(kNothing, 40),
               kLostToBordanie, 6},
        Ending{"PartisansByPlay", repeated(kAttack, 40), kLostBattle, 3},
        Ending{"PartisansBySet",
               "set Procentu 2\nset arm 0\nset tp 0\nset os 0\n" + repeated(kNothing, 40),
               kLostToPartisans, 21},
        Ending{"RebellionByPlay", repeated(kNothing, 40), kLostRebellion, 24},
        Ending{"RebellionBySet",
               "set polo 0\nset armo 0\nset delo 0\nset rolo 0\nset chuo 0\nset into 0\n" +
                   repeated(kNothing, 40),
               kLostRebellion, 3},
        Ending{"WonByPlay", repeated(kAttack + kGuards + kArmy + kArmy, 50), kWon, 171},
        Ending{"WonBySet", "set Procentu 97\n" + kAttack, kWon, 1}),
    [](const auto& info) { return info.param.name; });

// The first rebellion of a quiet reign finds every group content: the ruler keeps power, and
// the army, the secret police and the personal guard each lose 1 (the last two stop at 0).
TEST(Rebellion, SurvivedByPlayAndBySet) {
  for (const std::string& setup : {std::string(), std::string("set tp 0\nset polo 0\n")}) {
    SCOPED_TRACE(setup);
    TestGameFolder folder;
    writeReignSet(folder);
    std::string script = std::string(kStart) + "ok\n" + setup;
    for (int i = 0; i < 5; ++i) script += "state\nnoo\nok\nok\n";
    const auto t = play(folder, script + "state\nvzpoura-ok\nstate\n");
    const std::size_t opened = t.find("SCREEN | vzpoura | open");
    ASSERT_LT(opened, t.lines.size());
    const bool police = setup.empty();
    EXPECT_EQ(t.slice(opened + 1, 2),
              (Lines{police ? "STEBOU | Tajná policie, Osobní stráž, Policie, Armáda, Dělníci, "
                              "Rolníci, Chudina, Inteligence | 12"
                            : "STEBOU | Tajná policie, Osobní stráž, Armáda, Dělníci, Rolníci, "
                              "Chudina, Inteligence | 9",
                     police ? "PROTITOBE |  | 0" : "PROTITOBE | Policie | 2"}));
    const auto states = t.states();
    const State &before = states[states.size() - 2], &after = states.back();
    EXPECT_EQ(t.between(states.size() - 2), (Lines{"SCREEN | vzpoura | closed"}));
    EXPECT_EQ(number(after, "arm"), number(before, "arm") - 1);
    EXPECT_EQ(number(after, "tp"), std::max(0LL, number(before, "tp") - 1));
    EXPECT_EQ(number(after, "os"), 0);
    EXPECT_EQ(after.at("buttons"), "ok");
  }
}

// While the rebellion lasts the game screen takes nothing but `state`.
TEST(Rebellion, TheGameScreenWaitsForIt) {
  TestGameFolder folder;
  writeReignSet(folder);
  std::string script = std::string(kStart) + "ok\n" + repeated("noo\nok\nok\n", 4) + "noo\nok\n";
  const auto t =
      play(folder, script + "state\nok\nano\nne\nzprava\narmy\nnoo\nset kasa 5\nstate\n");
  ASSERT_TRUE(t.has("SCREEN | vzpoura | open"));
  const auto states = t.states();
  ASSERT_EQ(states.size(), 2u);
  EXPECT_EQ(states[1], states[0]);
  const Lines refused = t.between(0);
  ASSERT_EQ(refused.size(), 7u);
  for (const auto& line : refused) EXPECT_EQ(line, "ERR | hra je vypnutá");
}

}  // namespace
}  // namespace velmoran::e2e
