// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "screens/qt_ui.h"
#include "script_ui.h"

// The real windows, with the modal boxes answered from the player's answers instead of by a
// player, and the messages kept for the test to read.
class ScriptedUi : public velmoran::QtUi, public velmoran::testing::PlayerAnswers {
 public:
  struct Message {
    velmoran::Icon icon;
    std::string title;
    std::string text;
  };

  std::vector<Message> messages;
  std::vector<std::string> inputTitles;

  void message(velmoran::Icon icon, const std::string& title, const std::string& text) override;
  bool askYesNo(const std::string& title, const std::string& text) override;
  std::string input(const std::string& title, const std::string& prompt,
                    const std::string& defaultAnswer) override;
};
