// SPDX-License-Identifier: GPL-3.0-or-later
// The browser's screens play a script move for move as the terminal edition does: both keep
// the same transcript, and the boxes wait for the same answers.
#include "web/web_ui.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <map>
#include <sstream>
#include <string>

#include "commands/command_table.h"
#include "console/console_commands.h"
#include "console/console_ui.h"
#include "console/line_source.h"
#include "fake_page.h"
#include "state/session.h"
#include "test_game_folder.h"
#include "transcript/transcript_lines.h"
#include "turn/turn_rules.h"

namespace velmoran {
namespace {

using testing::fakePage;
using testing::TestGameFolder;

void shipTheGame(const TestGameFolder& folder) {
  folder.copyIn(VELMORAN_SOURCE_GAME_FOLDER);
}

// The transcript without the terminal's complaints about lines it could not carry out, and
// with the game folder, which differs from run to run, named <game>.
std::string comparable(const std::string& transcript, const TestGameFolder& folder) {
  std::istringstream in(transcript);
  std::string kept, line;
  const std::string path = folder.path().string();
  while (std::getline(in, line)) {
    if (line.rfind("ERR | ", 0) == 0) continue;
    if (const auto at = line.find(path); at != std::string::npos)
      line.replace(at, path.size(), "<game>");
    kept += line + '\n';
  }
  return kept;
}

std::string playInTheTerminal(const std::string& script) {
  TestGameFolder folder;
  shipTheGame(folder);
  std::istringstream in(script);
  std::ostringstream out;
  LineSource lines(in);
  ConsoleUi ui(lines, out);
  Session session(ui, GameFolders(folder.path()), turnRules(), runMenuCommand);
  ui.attach(session);
  session.openSplash();
  session.splashTimer();
  ConsoleCommands(session, ui, out).runLines(lines, [] { return false; });
  return comparable(out.str(), folder);
}

// The page's buttons and menus, by the terminal edition's names for them: only those on
// screen can be pressed.
void pressInThePage(Session& s, const std::string& command) {
  const auto onMenu = [&s](auto action) {
    return [&s, action] {
      if (s.isOpen(Screen::Menu)) action();
    };
  };
  const auto shown = [&s](bool GameScreen::*button, auto action) {
    return [&s, button, action] {
      if (s.game() && s.game()->screen().*button) action();
    };
  };
  const std::map<std::string, std::function<void()>> buttons = {
      {"start", onMenu([&] { s.start(); })},
      {"nastaveni", onMenu([&] { s.openSettings(); })},
      {"top3", onMenu([&] { s.showBestScores(); })},
      {"konec", onMenu([&] { s.quit(); })},
      {"ohre", onMenu([&] { s.openAbout(); })},
      {"prohra-ok", [&] { s.closeBestScores(); }},
      {"vzpoura-ok", [&] { s.vzpouraOk(); }},
      {"check1", [&] { s.setSettingsCheck(0, !s.settingsChecks()[0]); }},
      {"check2", [&] { s.setSettingsCheck(1, !s.settingsChecks()[1]); }},
      {"ulozit", [&] { s.saveSettings(); }},
      {"about-click", [&] { s.aboutBackgroundClicked(); }},
      {"about-link",
       [&] {
         if (s.isOpen(Screen::About)) s.openHelpPage();
       }},
      {"ok", shown(&GameScreen::okVisible, [&] { s.ok(); })},
      {"ano", shown(&GameScreen::anoVisible, [&] { s.ano(); })},
      {"ne", shown(&GameScreen::neVisible, [&] { s.ne(); })},
      {"zprava",
       [&] {
         if (s.game()) s.buyReport();
       }},
  };
  if (const auto button = buttons.find(command); button != buttons.end()) {
    button->second();
  } else if (const auto entry = menuEntryForCommand(command); entry && s.game()) {
    if (!s.game()->isWithdrawn(*entry)) s.menuCommand(*entry);
  }
}

std::string playInThePage(const std::string& script) {
  TestGameFolder folder;
  shipTheGame(folder);
  fakePage() = {};
  std::deque<std::string> lines;
  std::istringstream in(script);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  // The page's boxes are answered with the script's next lines, as the terminal's are.
  fakePage().answers = [&lines]() -> std::optional<std::string> {
    if (lines.empty()) return std::nullopt;
    std::string answer = lines.front();
    lines.pop_front();
    return answer;
  };
  WebUi ui;
  Session session(ui, GameFolders(folder.path()), turnRules(), runMenuCommand);
  ui.attach(session);
  session.openSplash();
  session.splashTimer();
  std::string transcript = ui.takeTranscript();
  while (!session.finished() && session.anyScreenOpen() && !lines.empty()) {
    const std::string command = lines.front();
    lines.pop_front();
    if (command == "state") {
      if (session.game()) transcript += ui.takeTranscript() + stateLines(session) + '\n';
    } else if (!command.empty()) {
      pressInThePage(session, command);
    }
    ui.showState();
    transcript += ui.takeTranscript();
  }
  return comparable(transcript, folder);
}

TEST(WebUi, PlaysEveryScriptAsTheTerminalEditionDoes) {
  const char* scripts[] = {
      // Both names by default, subsidies, the report and a new game.
      "start\n\n\nstate\nok\narmy\nok\npolice\nok\nzprava\nstate\nmnewgame\n",
      // Names typed and cancelled; the guard's subsidy asks for an amount.
      "start\nJan \"Železný\" | \\x1B\n<cancel>\nok\nbody\n250\nok\nbody\n\nstate\n",
      // Suicide refused, then done: the best scores, their Ok, and the table from the menu.
      "start\n\n\nok\nsebekill\nne\nsebekill\nano\nprohra-ok\ntop3\nprohra-ok\nkonec\n",
      // Settings saved and applied; the about box and its link.
      "nastaveni\ncheck1\ncheck2\nulozit\nstart\n\n\nstate\nmkonec\nohre\nabout-link\n"
      "about-click\n",
      // A long reign: every month a command and its texts, whatever they ask.
      "start\nDlouhý\n\nok\n"
      "noo\nok\nok\nano\nok\nreforma\nok\nok\nne\nok\ncesta\nok\nok\nano\nok\nstate\n"
      "kampan\nok\nok\nano\nok\nstrojparko\nok\nok\nok\nusap\nok\nok\nok\nmorpu\nok\nok\n"
      "pr\nok\nok\nok\nbordo\nok\nok\npovyseni\nok\nok\nztph\nok\nok\nstate\natakk\nok\n"
      "brda\nok\nok\ndiver\nok\nok\nmpivo\nok\nok\nmsvatba\nok\nok\npsesbuy\nok\nok\n"
      "zpht\nok\nok\nzpht\nok\nok\ninternet\nok\nok\nfbi\nok\nprumysl\nok\nok\nzeme\nok\n"
      "ok\nchudi\nok\nveda\nok\nok\nstate\n",
  };
  for (const char* script : scripts) {
    SCOPED_TRACE(script);
    EXPECT_EQ(playInThePage(script), playInTheTerminal(script));
  }
}

TEST(WebUi, HandsThePageItsStateOnlyWhenSomethingChanged) {
  TestGameFolder folder;
  shipTheGame(folder);
  fakePage() = {};
  fakePage().answers = [] { return std::string(); };  // every box's default
  WebUi ui;
  Session session(ui, GameFolders(folder.path()), turnRules(), runMenuCommand);
  ui.attach(session);
  session.openSplash();
  ui.showState();
  ui.showState();
  ASSERT_EQ(fakePage().states.size(), 1u);
  EXPECT_NE(fakePage().states[0].find(R"("open":["splash"])"), std::string::npos);
  EXPECT_EQ(fakePage().sounds, std::vector<std::string>{(folder.path() / "sound.dat").string()});

  session.splashTimer();
  session.start();  // the name boxes show the state first: the game screen behind them
  EXPECT_EQ(fakePage().boxes,
            (std::vector<std::string>{"Jaké je vaše jméno?", "Jak se bude jmenovat vaše země?"}));
  ui.showState();
  const std::string& game = fakePage().states.back();
  EXPECT_NE(game.find(R"("open":["main"])"), std::string::npos);
  EXPECT_NE(game.find(R"("jmeno":"No Name")"), std::string::npos);
  EXPECT_NE(game.find(R"("ok":true)"), std::string::npos);

  // Every text written to the panel is counted, the same one again too, so that it is read out.
  const auto writes = [] {
    const std::string& last = fakePage().states.back();
    return std::stoi(last.substr(last.find(R"("infoWrites":)") + 13));
  };
  const int before = writes();
  session.ok();
  ui.showState();
  EXPECT_GT(writes(), before);
}

}  // namespace
}  // namespace velmoran
