// SPDX-License-Identifier: GPL-3.0-or-later
#include "script_ui.h"

#include <algorithm>

namespace velmoran::testing {

std::string PlayerAnswers::nextInput(const std::string& defaultAnswer) {
  if (inputs.empty()) return defaultAnswer;
  std::string answer = inputs.front();
  inputs.pop_front();
  return answer;
}

bool PlayerAnswers::nextYesNo() {
  if (yesNo.empty()) return false;
  const bool answer = yesNo.front();
  yesNo.pop_front();
  return answer;
}

bool ScriptUi::askYesNo(const std::string& title, const std::string& text) {
  log.push_back("ASK " + title + " " + text);
  return nextYesNo();
}

std::string ScriptUi::input(const std::string& title, const std::string& prompt,
                            const std::string& defaultAnswer) {
  log.push_back("INPUT " + title + " | " + prompt + " | " + defaultAnswer);
  return nextInput(defaultAnswer);
}

void ScriptUi::rebellionChanged(const RebellionScreen& sides) {
  std::string line = "SIDES";
  for (const auto& group : sides.stebou) line += " +" + group;
  for (const auto& group : sides.protitobe) line += " -" + group;
  log.push_back(line + " " + sides.tvojes + ":" + sides.jejichs);
}

std::vector<std::string> ScriptUi::linesStartingWith(const std::string& prefix) const {
  std::vector<std::string> lines;
  for (const auto& line : log) {
    if (line.compare(0, prefix.size(), prefix) == 0) lines.push_back(line);
  }
  return lines;
}

bool ScriptUi::has(const std::string& line) const {
  return std::find(log.begin(), log.end(), line) != log.end();
}

}  // namespace velmoran::testing
