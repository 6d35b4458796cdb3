#pragma once

#include <deque>
#include <string>
#include <vector>

#include "screens/qt_ui.h"

// The real windows, with the modal boxes answered from a script instead of by a player.
class ScriptedUi : public velmoran::QtUi {
 public:
  struct Message {
    velmoran::Icon icon;
    std::string title;
    std::string text;
  };

  // Answers for the input boxes, in order; when none is left the default answer is taken.
  std::deque<std::string> inputs;
  std::vector<Message> messages;
  std::vector<std::string> inputTitles;

  void message(velmoran::Icon icon, const std::string& title, const std::string& text) override;
  // Every question is answered "Ne".
  bool askYesNo(const std::string& title, const std::string& text) override;
  std::string input(const std::string& title, const std::string& prompt,
                    const std::string& defaultAnswer) override;
};
