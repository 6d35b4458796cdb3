#include "scripted_ui.h"

void ScriptedUi::message(velmoran::Icon icon, const std::string& title, const std::string& text) {
  messages.push_back({icon, title, text});
}

bool ScriptedUi::askYesNo(const std::string&, const std::string&) {
  return false;
}

std::string ScriptedUi::input(const std::string& title, const std::string&,
                              const std::string& defaultAnswer) {
  inputTitles.push_back(title);
  if (inputs.empty()) return defaultAnswer;
  std::string answer = inputs.front();
  inputs.pop_front();
  return answer;
}
