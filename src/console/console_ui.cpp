// SPDX-License-Identifier: GPL-3.0-or-later
#include "console/console_ui.h"

#include "console/line_source.h"
#include "state/session.h"

namespace velmoran {

namespace {

constexpr char kCancel[] = "<cancel>";

}  // namespace

void ConsoleUi::message(Icon icon, const std::string& title, const std::string& text) {
  out_ << "MSG | " << iconName(icon) << " | " << transcriptField(title) << " | "
       << transcriptField(text) << '\n';
}

bool ConsoleUi::askYesNo(const std::string& title, const std::string& text) {
  out_ << "ASK | " << transcriptField(title) << " | " << transcriptField(text) << '\n';
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
  out_ << "INPUT | " << transcriptField(title) << " | " << transcriptField(prompt) << " | "
       << transcriptField(defaultAnswer) << '\n';
  const auto answer = lines_.next();
  if (!answer || *answer == kCancel) return "";
  return answer->empty() ? defaultAnswer : *answer;
}

void ConsoleUi::openScreen(Screen screen) {
  out_ << "SCREEN | " << screenName(screen) << " | open\n";
  if (screen == Screen::Menu && session_) reignOffered();
  if (screen == Screen::Nastaveni && session_) {
    const auto& checks = session_->settingsChecks();
    out_ << "CHECKS | " << checks[0] << ' ' << checks[1] << ' ' << checks[2] << '\n';
  }
}

// The title menu's offer: the unfinished reign's ruler, country and month, or that another
// copy of the game plays it.
void ConsoleUi::reignOffered() {
  using Offer = Session::ReignOffer;
  const Offer& offer = session_->reignOffer();
  if (offer.state == Offer::State::Offered) {
    out_ << "REIGN | " << transcriptField(offer.ruler) << " | " << transcriptField(offer.country)
         << " | " << offer.month << '\n';
  } else if (offer.state == Offer::State::Elsewhere) {
    out_ << "REIGN | jinde\n";
  }
}

void ConsoleUi::closeScreen(Screen screen) {
  out_ << "SCREEN | " << screenName(screen) << " | closed\n";
}

void ConsoleUi::openLink(const std::string& address) {
  out_ << "LINK | " << transcriptField(address) << '\n';
}

void ConsoleUi::infoTextChanged(const std::string& text) {
  out_ << "INFO | " << transcriptField(text) << '\n';
}

void ConsoleUi::bestScoresChanged() {
  if (!session_) return;
  const auto& fields = session_->bestScoresShown();
  for (std::size_t row = 0; row < 3; ++row) {
    out_ << "TOP | " << transcriptField(fields[2 * row]) << " | "
         << transcriptField(fields[2 * row + 1]) << '\n';
  }
}

void ConsoleUi::rebellionChanged(const RebellionScreen& sides) {
  const auto side = [this](const char* name, const std::vector<std::string>& groups,
                           const std::string& strength) {
    std::string joined;
    for (const std::string& group : groups) joined += (joined.empty() ? "" : ", ") + group;
    out_ << name << " | " << transcriptField(joined) << " | " << transcriptField(strength) << '\n';
  };
  side("STEBOU", sides.stebou, sides.tvojes);
  side("PROTITOBE", sides.protitobe, sides.jejichs);
}

void ConsoleUi::error(const std::string& reason) {
  out_ << "ERR | " << reason << '\n';
}

}  // namespace velmoran
