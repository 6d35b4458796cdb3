// SPDX-License-Identifier: GPL-3.0-or-later
#include "scripted_ui.h"

void ScriptedUi::message(velmoran::Icon icon, const std::string& title, const std::string& text) {
  messages.push_back({icon, title, text});
}

bool ScriptedUi::askYesNo(const std::string&, const std::string&) {
  return nextYesNo();
}

std::string ScriptedUi::input(const std::string& title, const std::string&,
                              const std::string& defaultAnswer) {
  inputTitles.push_back(title);
  return nextInput(defaultAnswer);
}
