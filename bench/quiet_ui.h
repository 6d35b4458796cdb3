// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "state/ui.h"

namespace velmoran {

// The game without a player to show it to, for the programs that play it on their own: every
// box and screen goes unseen, a Yes/No box is answered No and an input box with its default.
// A program overrides what it wants to see or answer.
class QuietUi : public Ui {
 public:
  void message(Icon, const std::string&, const std::string&) override {}
  bool askYesNo(const std::string&, const std::string&) override { return false; }
  std::string input(const std::string&, const std::string&,
                    const std::string& defaultAnswer) override {
    return defaultAnswer;
  }
  void openScreen(Screen) override {}
  void closeScreen(Screen) override {}
  void setGameScreenEnabled(bool) override {}
  void playSound(const std::string&) override {}
  void openLink(const std::string&) override {}
  void infoTextChanged(const std::string&) override {}
  void gameScreenChanged() override {}
  void bestScoresChanged() override {}
  void rebellionChanged(const RebellionScreen&) override {}
};

}  // namespace velmoran
