// SPDX-License-Identifier: GPL-3.0-or-later
#include "console/console_ui.h"

#include "console/line_source.h"
#include "state/session.h"

namespace velmoran {

namespace {

constexpr char kCancel[] = "<cancel>";

}  // namespace

void ConsoleUi::message(Icon icon, const std::string& title, const std::string& text) {
  out_ << messageLine(icon, title, text) << '\n';
}

bool ConsoleUi::askYesNo(const std::string& title, const std::string& text) {
  out_ << askLine(title, text) << '\n';
  for (;;) {
    const auto answer = lines_.next();
    if (!answer) return false;  // the end of input answers No
    if (*answer == "ano") return true;
    if (*answer == "ne") return false;
    error("odpovězte ano, nebo ne");
  }
}

std::string ConsoleUi::input(const std::string& title, const std::string& prompt,
                             const std::string& defaultAnswer) {
  out_ << inputLine(title, prompt, defaultAnswer) << '\n';
  const auto answer = lines_.next();
  if (!answer || *answer == kCancel) return "";
  return answer->empty() ? defaultAnswer : *answer;
}

void ConsoleUi::openScreen(Screen screen) {
  out_ << screenLine(screen, true) << '\n';
  if (screen == Screen::Menu && session_) {
    if (const auto offer = reignOfferLine(*session_)) out_ << *offer << '\n';
  }
  if (screen == Screen::Nastaveni && session_) {
    out_ << checksLine(session_->settingsChecks()) << '\n';
  }
}

void ConsoleUi::closeScreen(Screen screen) {
  out_ << screenLine(screen, false) << '\n';
}

void ConsoleUi::openLink(const std::string& address) {
  out_ << linkLine(address) << '\n';
}

void ConsoleUi::infoTextChanged(const std::string& text) {
  out_ << infoLine(text) << '\n';
}

void ConsoleUi::bestScoresChanged() {
  if (session_) out_ << bestScoresLines(session_->bestScoresShown()) << '\n';
}

void ConsoleUi::rebellionChanged(const RebellionScreen& sides) {
  out_ << rebellionLines(sides) << '\n';
}

void ConsoleUi::error(const std::string& reason) {
  out_ << "ERR | " << reason << '\n';
}

}  // namespace velmoran
