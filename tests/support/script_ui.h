// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "state/ui.h"

namespace velmoran::testing {

// The player's answers to the modal boxes, given in advance.
struct PlayerAnswers {
  // For the input boxes, in order; "" stands for a cancelled box. None left: the default.
  std::deque<std::string> inputs;
  // For the Yes/No boxes, in order. None left: "Ne".
  std::deque<bool> yesNo;

  std::string nextInput(const std::string& defaultAnswer);
  bool nextYesNo();
};

// A player who follows a script: every call of the game's rules becomes one readable line
// ("MSG critical CHYBA ...", "SCREEN main open", "INFO text", "SOUND top.dat"), and the input
// and Yes/No boxes are answered from the player's answers.
class ScriptUi : public Ui, public PlayerAnswers {
 public:
  void message(Icon icon, const std::string& title, const std::string& text) override {
    log.push_back(std::string("MSG ") + iconName(icon) + " " + title + " " + text);
  }
  bool askYesNo(const std::string& title, const std::string& text) override;
  std::string input(const std::string& title, const std::string& prompt,
                    const std::string& defaultAnswer) override;
  void openScreen(Screen screen) override {
    log.push_back(std::string("SCREEN ") + screenName(screen) + " open");
  }
  void closeScreen(Screen screen) override {
    log.push_back(std::string("SCREEN ") + screenName(screen) + " closed");
  }
  void setGameScreenEnabled(bool on) override { log.push_back(on ? "ENABLED" : "DISABLED"); }
  void playSound(const std::string& fileName) override { log.push_back("SOUND " + fileName); }
  void openLink(const std::string& address) override { log.push_back("LINK " + address); }
  void infoTextChanged(const std::string& text) override { log.push_back("INFO " + text); }
  void gameScreenChanged() override {}
  void bestScoresChanged() override { log.push_back("BEST"); }
  void rebellionChanged(const RebellionScreen& sides) override;

  std::vector<std::string> linesStartingWith(const std::string& prefix) const;
  bool has(const std::string& line) const;

  std::vector<std::string> log;
};

}  // namespace velmoran::testing
