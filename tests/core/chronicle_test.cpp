// SPDX-License-Identifier: GPL-3.0-or-later
// The chronicle of a reign: what the recorder notes is what the player was told, and noting it
// changes nothing of the game.
#include <filesystem>
#include <functional>

#include "files/kept_chronicles.h"
#include "game_fixture.h"
#include "turn/enemy_attacks.h"
#include "turn/rebellion.h"

namespace velmoran {
namespace {

using testing::Q;
using Chronicle = testing::GameTest;

struct Ending {
  const char* what;
  std::function<void(Session&, testing::ScriptUi&)> play;  // ends the reign
  MomentKind cause;
  std::array<long long, 2> numbers;
  const char* told;  // the box that tells it
};

void set(Session& session, Q q, double value) {
  session.play([&](Game& game) { game.set(q, value); });
}

void popularity(Session& session, double value) {
  for (Q q : {Q::polo, Q::armo, Q::delo, Q::rolo, Q::chuo, Q::into}) set(session, q, value);
}

const Ending kEndings[] = {
    {"won",
     [](Session& s, [[maybe_unused]] testing::ScriptUi& ui) {
       set(s, Q::Procentu, 97);
       set(s, Q::arm, 40);
       set(s, Q::par, 9);
       s.menuCommand(MenuEntry::atakk);
     },
     MomentKind::Victory,
     {99, 0},
     "MSG none VYHRÁLS"},
    {"lost to Bordánie",
     [](Session& s, [[maybe_unused]] testing::ScriptUi& ui) {
       set(s, Q::brd, 50);
       s.play([](Game& g) { bordanieAttacks(g); });
     },
     MomentKind::BordanieWon,
     {50, 0},
     "MSG information Porážka Vojska Bordánie"},
    {"lost to a rebellion",
     [](Session& s, [[maybe_unused]] testing::ScriptUi& ui) {
       popularity(s, 0);
       set(s, Q::pol, 30);
       s.play([](Game& g) { vzpoura_Form_Load(g); });
       s.vzpouraOk();
     },
     MomentKind::RebellionWon,
     {0, 0},
     "MSG critical Vzpoura Byl jste poražen!"},
    {"bankrupt",
     [](Session& s, [[maybe_unused]] testing::ScriptUi& ui) { set(s, Q::kasa, -15001); },
     MomentKind::Bankruptcy,
     {-15001, 0},
     "MSG critical Prohra"},
    {"suicide",
     [](Session& s, [[maybe_unused]] testing::ScriptUi& ui) {
       ui.yesNo = {true};
       s.menuCommand(MenuEntry::sebekill);
     },
     MomentKind::Suicide,
     {0, 0},
     "ASK Sebevražda"},
};

TEST_F(Chronicle, EveryEndingIsToldAsItsTranscriptTellsIt) {
  for (const Ending& ending : kEndings) {
    SCOPED_TRACE(ending.what);
    restart();
    for (Q q : {Q::arm, Q::tp, Q::os}) set(q, 0);
    // Two months of nothing, with a strong army that beats whatever attacks.
    for (int month = 0; month < 2; ++month) {
      popularity(session, 5);
      set(Q::arm, 500);
      set(Q::kasa, 5000);
      session.menuCommand(MenuEntry::noo);
      session.ok();
      if (session.isOpen(Screen::Vzpoura)) session.vzpouraOk();
      if (game().screen().okVisible) session.ok();
    }
    const double months = value(Q::vlada), treasury = value(Q::kasa);
    set(Q::arm, 0);
    const std::size_t from = ui.log.size();
    ending.play(session, ui);
    ASSERT_EQ(session.game(), nullptr);
    const auto log = logSince(from);
    ASSERT_TRUE(std::any_of(log.begin(), log.end(), [&](const std::string& line) {
      return line.rfind(ending.told, 0) == 0;
    }));

    const KeptChronicle kept = newestChronicle(folder.path());
    ASSERT_EQ(kept.state, KeptChronicle::State::Found);
    const ReignChronicle& c = *kept.chronicle;
    EXPECT_EQ(c.ruler, "No Name");
    EXPECT_EQ(c.months, static_cast<long long>(months));
    ASSERT_FALSE(c.moments.empty());
    const Moment& end = c.moments.back();
    EXPECT_EQ(end.kind, ending.cause);
    EXPECT_EQ(end.month, c.months);
    if (ending.cause == MomentKind::RebellionWon) {
      // Every group against, the police's 30 among them; the secret police and guard hold 0.
      EXPECT_EQ(end.numbers[0], 0);
      EXPECT_GE(end.numbers[1], 30);
    } else {
      EXPECT_EQ(end.numbers, ending.numbers);
    }
    // Every month ended has its figures, and the last row is the country as the reign ended.
    ASSERT_EQ(c.figures.size(), 2u);
    EXPECT_EQ(c.figures.front().month + 1, c.figures.back().month);
    EXPECT_EQ(c.figures.back().month, c.months);
    if (ending.cause == MomentKind::Suicide) {
      EXPECT_EQ(c.figures.back().treasury, treasury);
    }
  }
}

TEST_F(Chronicle, CommandsAreNotedWithTheirOutcome) {
  startGame();
  session.ok();
  for (const char* name : {"rusn.ini", "muz.ini", "zena.ini"}) {
    folder.writeDataText(name, 0, name, 1, 0, 0);
  }
  for (Q q : {Q::ruso, Q::usao, Q::moro}) set(q, 0);
  session.menuCommand(MenuEntry::pr);
  session.ok();
  set(Q::arm, 10);
  set(Q::brd, 12);
  session.menuCommand(MenuEntry::brda);  // lost: no text
  set(Q::vlada, 7);
  for (int change = 0; change < 2; ++change) {
    ASSERT_NE(session.game(), nullptr);
    session.menuCommand(MenuEntry::zpht);
    session.ok();
  }
  ui.yesNo = {true};
  session.menuCommand(MenuEntry::sebekill);
  const ReignChronicle c = *newestChronicle(folder.path()).chronicle;
  using K = MomentKind;
  const std::vector<std::pair<K, std::array<long long, 2>>> expected = {{K::RussiaRefuses, {0, 0}},
                                                                        {K::WarLost, {12, 10}},
                                                                        {K::BecameWoman, {0, 0}},
                                                                        {K::BecameMan, {0, 0}},
                                                                        {K::Suicide, {0, 0}}};
  ASSERT_EQ(c.moments.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(c.moments[i].kind, expected[i].first) << i;
    EXPECT_EQ(c.moments[i].numbers, expected[i].second) << i;
  }
  EXPECT_EQ(c.moments[2].month, 7);
  // The texts join a month's moments into one line.
  folder.writeChronicleTexts();
  const auto lines = session.lastChronicle()->lines;
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[1].text, "zmena-na-zenu zmena-na-muze sebevrazda");
}

// The shipped texts, a table of best scores and the settings.
void withTheShippedTexts(const testing::TestGameFolder& folder) {
  folder.copyIn(VELMORAN_SOURCE_GAME_FOLDER "/data", "data");
  folder.writeBest("A\n30\nB\n20\nC\n10\n");
  folder.writeSettings("1,1,1");
}

// With the shipped texts, the chronicle tells each sex change as the panel did: the first one
// makes a velmoranka of the velmoran, the second a man again.
TEST(ChronicleOfTheShippedData, TellsTheSexChangeAsThePanelDoes) {
  testing::TestGameFolder folder;
  withTheShippedTexts(folder);
  testing::ScriptUi ui;
  Session session(ui, folder.path(), turnRules(), runMenuCommand);
  session.openTitleMenu();
  session.start();
  session.ok();
  // Whatever the month brings is answered No or closed, until a command may be given.
  const auto settle = [&] {
    for (int step = 0; step < 20 && session.game(); ++step) {
      if (session.isOpen(Screen::Vzpoura)) session.vzpouraOk();
      const GameScreen* s = session.game() ? &session.game()->screen() : nullptr;
      if (s && s->anoVisible) {
        session.ne();
      } else if (s && s->okVisible) {
        session.ok();
      }
    }
  };
  std::vector<std::string> panel;
  for (int change = 0; change < 2; ++change) {
    ASSERT_NE(session.game(), nullptr);
    session.menuCommand(MenuEntry::zpht);
    panel.push_back(session.game()->screen().info);
    settle();
  }
  ui.yesNo = {true};
  session.menuCommand(MenuEntry::sebekill);
  const auto shown = session.lastChronicle();
  ASSERT_TRUE(shown);
  std::vector<std::string> told;
  for (const ChronicleLine& line : shown->lines) told.push_back(line.text);
  ASSERT_GE(told.size(), 2u);
  EXPECT_NE(panel[0].find("z velmorana je velmoranka"), std::string::npos) << panel[0];
  EXPECT_NE(told[0].find("na ženu"), std::string::npos) << told[0];
  EXPECT_NE(panel[1].find("Velmoranka se vrátila"), std::string::npos) << panel[1];
  EXPECT_NE(told[1].find("Velmoranka se vrátila k mužskému"), std::string::npos) << told[1];
}

// A long game of every command, with and without the recorder: the same boxes, texts and
// draws, to the last line.
TEST(ChronicleRecorder, ChangesNothingOfTheGame) {
  std::vector<std::string> transcripts[2];
  for (bool recording : {true, false}) {
    testing::TestGameFolder folder;
    withTheShippedTexts(folder);
    testing::ScriptUi ui;
    Session session(ui, folder.path(), turnRules(), runMenuCommand);
    session.setRecordsChronicles(recording);
    session.openTitleMenu();
    std::size_t step = 0;
    for (int turn = 0; turn < 4000; ++turn) {
      if (!session.game()) {
        session.closeBestScores();
        ui.yesNo = {false};
        session.start();
      }
      if (session.isOpen(Screen::Vzpoura)) session.vzpouraOk();
      if (!session.game()) continue;
      const GameScreen& s = session.game()->screen();
      if (s.okVisible) {
        session.ok();
      } else if (s.anoVisible) {
        (turn % 3 ? session.ano() : session.ne());
      } else {
        const auto& entry = kMenuEntries[step++ % std::size(kMenuEntries)];
        if (entry.entry != MenuEntry::mnewgame && entry.entry != MenuEntry::mkonec) {
          ui.yesNo = {step % 50 == 0};
          session.menuCommand(entry.entry);
        }
      }
    }
    transcripts[recording ? 0 : 1] = ui.log;
    EXPECT_EQ(std::filesystem::exists(folder / kChronicleFolder), recording);
  }
  EXPECT_GT(transcripts[0].size(), 4000u);
  EXPECT_EQ(transcripts[0], transcripts[1]);
}

}  // namespace
}  // namespace velmoran
