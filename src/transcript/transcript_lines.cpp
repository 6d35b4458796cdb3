// SPDX-License-Identifier: GPL-3.0-or-later
#include "transcript/transcript_lines.h"

#include "files/terminal_text.h"
#include "state/session.h"

namespace velmoran {

namespace {

std::string fields(std::initializer_list<std::string> parts) {
  std::string line;
  for (const std::string& part : parts) line += (line.empty() ? "" : " | ") + part;
  return line;
}

}  // namespace

std::string transcriptField(const std::string& text) {
  return terminalText(validUtf8(text), "|");
}

std::string messageLine(Icon icon, const std::string& title, const std::string& text) {
  return fields({"MSG", iconName(icon), transcriptField(title), transcriptField(text)});
}

std::string askLine(const std::string& title, const std::string& text) {
  return fields({"ASK", transcriptField(title), transcriptField(text)});
}

std::string inputLine(const std::string& title, const std::string& prompt,
                      const std::string& defaultAnswer) {
  return fields(
      {"INPUT", transcriptField(title), transcriptField(prompt), transcriptField(defaultAnswer)});
}

std::string screenLine(Screen screen, bool open) {
  return fields({"SCREEN", screenName(screen), open ? "open" : "closed"});
}

std::string checksLine(const std::array<bool, 3>& checks) {
  return "CHECKS | " + std::to_string(checks[0]) + ' ' + std::to_string(checks[1]) + ' ' +
         std::to_string(checks[2]);
}

std::string linkLine(const std::string& address) {
  return fields({"LINK", transcriptField(address)});
}

std::string infoLine(const std::string& text) {
  return fields({"INFO", transcriptField(text)});
}

std::string bestScoresLines(const std::array<std::string, 6>& shown) {
  std::string lines;
  for (std::size_t row = 0; row < 3; ++row) {
    if (row > 0) lines += '\n';
    lines += fields({"TOP", transcriptField(shown[2 * row]), transcriptField(shown[2 * row + 1])});
  }
  return lines;
}

std::string rebellionLines(const RebellionScreen& sides) {
  const auto side = [](const char* name, const std::vector<std::string>& groups,
                       const std::string& strength) {
    std::string joined;
    for (const std::string& group : groups) joined += (joined.empty() ? "" : ", ") + group;
    return fields({name, transcriptField(joined), transcriptField(strength)});
  };
  return side("STEBOU", sides.stebou, sides.tvojes) + '\n' +
         side("PROTITOBE", sides.protitobe, sides.jejichs);
}

std::optional<std::string> reignOfferLine(const Session& session) {
  using Offer = Session::ReignOffer;
  const Offer& offer = session.reignOffer();
  if (offer.state == Offer::State::Offered) {
    return fields({"REIGN", transcriptField(offer.ruler), transcriptField(offer.country),
                   std::to_string(offer.month)});
  }
  if (offer.state == Offer::State::Elsewhere) return fields({"REIGN", "jinde"});
  return std::nullopt;
}

std::string stateLines(Session& session) {
  const Game& game = *session.game();
  const GameScreen& screen = game.screen();
  std::string lines;
  for (const auto& info : kQuantities) {
    lines += std::string(info.name) + '=' + transcriptField(game.text(info.quantity)) + '\n';
  }
  std::string buttons;
  if (screen.okVisible) buttons += " ok";
  if (screen.anoVisible) buttons += " ano";
  if (screen.neVisible) buttons += " ne";
  lines += "buttons=" + (buttons.empty() ? "" : buttons.substr(1)) + '\n';
  lines += "question=" + std::to_string(session.vars().questionCode) + '\n';
  lines += "monthend=" + std::to_string(static_cast<int>(session.vars().monthEnd)) + '\n';
  lines += "info=" + transcriptField(screen.info) + '\n';
  std::string withdrawn;
  for (const auto& info : kMenuEntries) {
    if (game.isWithdrawn(info.entry)) withdrawn += " " + std::string(info.command);
  }
  lines += "withdrawn=" + (withdrawn.empty() ? "" : withdrawn.substr(1));
  return lines;
}

}  // namespace velmoran
