// SPDX-License-Identifier: GPL-3.0-or-later
#include "transcript/transcript_lines.h"

#include "files/cp1250.h"
#include "state/session.h"

namespace velmoran {

namespace {

constexpr char32_t kReplacement = 0xFFFD;
constexpr char kHexDigits[] = "0123456789ABCDEF";

// A control character as \x and two hex digits of its code point: ESC is \x1B.
void appendHexEscape(std::string& out, unsigned char codePoint) {
  out += "\\x";
  out += kHexDigits[codePoint >> 4];
  out += kHexDigits[codePoint & 0x0F];
}

// The characters that reorder the text after them on the terminal, so that what it shows
// differs from what the line holds: the embeddings, overrides and isolates, and the marks.
bool isBidirectionalControl(char32_t c) {
  return (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069) || c == 0x200E ||
         c == 0x200F || c == 0x061C;
}

// A character as \u{XXXX}, its code point in four hex digits: U+202E is \u{202E}.
void appendCodePointEscape(std::string& out, char32_t codePoint) {
  out += "\\u{";
  for (int shift = 12; shift >= 0; shift -= 4) out += kHexDigits[(codePoint >> shift) & 0x0F];
  out += '}';
}

std::string fields(std::initializer_list<std::string> parts) {
  std::string line;
  for (const std::string& part : parts) line += (line.empty() ? "" : " | ") + part;
  return line;
}

}  // namespace

std::string validUtf8(const std::string& bytes) {
  if (utf8CodePoints(bytes)) return bytes;
  std::string out;
  for (std::size_t i = 0; i < bytes.size();) {
    // Take the longest valid sequence starting here (1..4 bytes), else replace one byte.
    std::size_t taken = 0;
    for (std::size_t len = 1; len <= 4 && i + len <= bytes.size(); ++len) {
      const auto cps = utf8CodePoints(std::string_view(bytes).substr(i, len));
      if (cps && cps->size() == 1) {
        taken = len;
        break;
      }
    }
    if (taken == 0) {
      appendUtf8(out, kReplacement);
      ++i;
    } else {
      out.append(bytes, i, taken);
      i += taken;
    }
  }
  return out;
}

std::string transcriptField(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  const std::u32string codePoints = utf8CodePoints(validUtf8(text)).value_or(U"");
  for (const char32_t c : codePoints) {
    if (c == '\n') {
      out += "\\n";
    } else if (c == '\r') {
      out += "\\r";
    } else if (c == '\\' || c == '|') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c < 0x20 || (c >= 0x7F && c <= 0x9F)) {
      appendHexEscape(out, static_cast<unsigned char>(c));
    } else if (isBidirectionalControl(c)) {
      appendCodePointEscape(out, c);
    } else {
      appendUtf8(out, c);
    }
  }
  return out;
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
