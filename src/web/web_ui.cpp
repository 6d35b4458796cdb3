// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/web_ui.h"

#include "state/session.h"
#include "transcript/transcript_lines.h"
#include "web/page_bridge.h"
#include "web/page_state.h"

namespace velmoran {

void WebUi::keep(const std::string& lines) {
  transcript_ += lines;
  transcript_ += '\n';
}

void WebUi::message(Icon icon, const std::string& title, const std::string& text) {
  keep(messageLine(icon, title, text));
  showState();
  page::message(icon, title, text);
}

bool WebUi::askYesNo(const std::string& title, const std::string& text) {
  keep(askLine(title, text));
  showState();
  return page::askYesNo(title, text);
}

std::string WebUi::input(const std::string& title, const std::string& prompt,
                         const std::string& defaultAnswer) {
  keep(inputLine(title, prompt, defaultAnswer));
  showState();
  // The page's box holds the default answer, which the player may change; cancel gives "".
  return page::input(title, prompt, defaultAnswer).value_or("");
}

void WebUi::openScreen(Screen screen) {
  keep(screenLine(screen, true));
  if (screen == Screen::Menu && session_) {
    if (const auto offer = reignOfferLine(*session_)) keep(*offer);
  }
  if (screen == Screen::Nastaveni && session_) keep(checksLine(session_->settingsChecks()));
  changed_ = true;
}

void WebUi::closeScreen(Screen screen) {
  keep(screenLine(screen, false));
  changed_ = true;
}

void WebUi::playSound(const std::string& fileName) {
  if (session_) page::playSound((session_->folders().shipped / fileName).string());
}

void WebUi::openLink(const std::string& address) {
  keep(linkLine(address));
  page::openLink(address);
}

void WebUi::infoTextChanged(const std::string& text) {
  keep(infoLine(text));
  ++infoWrites_;
  changed_ = true;
}

void WebUi::bestScoresChanged() {
  if (session_) keep(bestScoresLines(session_->bestScoresShown()));
  changed_ = true;
}

void WebUi::rebellionChanged(const RebellionScreen& sides) {
  keep(rebellionLines(sides));
  changed_ = true;
}

void WebUi::showChronicle(const ReignChronicle& chronicle,
                          const std::vector<ChronicleLine>& lines) {
  page::showChronicle(chronicleJson(chronicle, lines));
}

void WebUi::showState() {
  if (!changed_ || !session_) return;
  changed_ = false;
  page::showState(pageState(*session_, infoWrites_));
}

std::string WebUi::takeTranscript() {
  std::string taken;
  taken.swap(transcript_);
  return taken;
}

}  // namespace velmoran
