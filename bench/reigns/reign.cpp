// SPDX-License-Identifier: GPL-3.0-or-later
#include "reign.h"

#include "commands/command_table.h"
#include "quiet_ui.h"
#include "rulers.h"
#include "state/session.h"
#include "turn/turn_rules.h"

namespace velmoran {

namespace {

// The game's boxes, answered by the ruler; the last message tells how a reign ended.
class RulerUi : public QuietUi {
 public:
  void message(Icon, const std::string& title, const std::string& text) override {
    if (title == "Vaše vláda") {
      months = std::stoll(text.substr(text.find_first_of("0123456789")));
      return;
    }
    lastTitle = title;
    lastText = text;
  }
  bool askYesNo(const std::string&, const std::string&) override {
    suicide = ruler->killsHimself();
    return suicide;
  }
  std::string input(const std::string& title, const std::string&,
                    const std::string& defaultAnswer) override {
    return title == "Kolik jim dáme" ? ruler->amountForTheGuard() : defaultAnswer;
  }

  Ruler* ruler = nullptr;
  // The game's last message before the months ruled, and the months.
  std::string lastTitle, lastText;
  long long months = 0;
  bool suicide = false;
};

// The game's own message about the end, where it has one, comes before the months ruled.
Ending endingOf(const RulerUi& ui) {
  if (ui.suicide) return Ending::Suicide;
  if (ui.lastTitle == "Prohra") return Ending::Bankruptcy;
  if (ui.lastTitle == "VYHRÁLS") return Ending::Victory;
  if (ui.lastTitle == "Vzpoura") return Ending::Rebellion;
  if (ui.lastText.rfind("Vojska Bordánie ty naše rozdrtila.", 0) == 0) return Ending::Bordanie;
  if (ui.lastText.rfind("Partyzáni nás porazili", 0) == 0) return Ending::Partisans;
  return Ending::Territory;
}

void play(Session& session, const Move& move) {
  switch (move.kind) {
    case Move::Kind::Ok:
      return session.ok();
    case Move::Kind::Ano:
      return session.ano();
    case Move::Kind::Ne:
      return session.ne();
    case Move::Kind::Command:
      return session.menuCommand(move.entry);
  }
}

}  // namespace

const char* endingName(Ending ending) {
  constexpr const char* kNames[] = {"bankrot", "Bordánie",   "partyzáni", "území",
                                    "vzpoura", "sebevražda", "vítězství", "vládne dál"};
  return kNames[static_cast<int>(ending)];
}

std::vector<Reign> playReigns(Ruler& ruler, const std::filesystem::path& folder, int count,
                              long long longest) {
  RulerUi ui;
  ui.ruler = &ruler;
  Session session(ui, folder, turnRules(), runMenuCommand);
  session.openTitleMenu();
  std::vector<Reign> reigns;
  for (int i = 0; i < count; ++i) {
    session.start();
    ui.suicide = false;
    ui.lastTitle.clear();
    ui.lastText.clear();
    for (long long moves = 0; session.game(); ++moves) {
      Game& game = *session.game();
      const long long months = static_cast<long long>(game.value(Quantity::vlada));
      if (months > longest || moves > 50 * longest) {
        reigns.push_back({months, Ending::StillRuling});
        session.menuCommand(MenuEntry::mnewgame);
        break;
      }
      if (session.isOpen(Screen::Vzpoura)) {
        session.vzpouraOk();
      } else {
        play(session, ruler.next(game));
      }
      if (!session.game()) reigns.push_back({ui.months, endingOf(ui)});
    }
    session.closeBestScores();
  }
  return reigns;
}

}  // namespace velmoran
