// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/chronicle_texts.h"

#include <algorithm>

#include "files/cp1250.h"
#include "files/record_reader.h"

namespace velmoran {

namespace {

int lineAfter(int startLine, std::string_view consumed) {
  int line = startLine;
  for (std::size_t i = 0; i < consumed.size(); ++i) {
    if (consumed[i] == '\n' ||
        (consumed[i] == '\r' && (i + 1 == consumed.size() || consumed[i + 1] != '\n'))) {
      ++line;
    }
  }
  return line;
}

// The highest %N a text names, -1 for a % that names no number.
int highestNumberNamed(const std::string& text) {
  int highest = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') continue;
    if (i + 1 == text.size() || (text[i + 1] != '1' && text[i + 1] != '2')) return -1;
    highest = std::max(highest, text[i + 1] - '0');
    ++i;
  }
  return highest;
}

class TextsReader {
 public:
  explicit TextsReader(std::string_view bytes) : rest_(bytes) {}

  ChronicleTextsReading run() {
    while (rest_.find_first_not_of(" \t\r\n") != std::string_view::npos) {
      if (!readRecord()) break;
    }
    for (const MomentKindInfo& info : momentKinds()) {
      if (!reading_.texts.count(info.kind)) {
        report(line_, std::string("chybí text „") + info.key + "“");
      }
    }
    return std::move(reading_);
  }

 private:
  void report(int line, std::string message) {
    reading_.problems.push_back({line, std::move(message)});
  }

  bool readRecord() {
    // Blank lines between the records are allowed.
    const std::size_t skipped = std::min(rest_.find_first_not_of(" \t\r\n"), rest_.size());
    line_ = lineAfter(line_, rest_.substr(0, skipped));
    rest_.remove_prefix(skipped);
    const FieldReading reading = readFieldsOf(rest_, 2);
    if (reading.stop != FieldReading::Stop::Complete) {
      report(line_ + reading.line - 1, "záznam nejde přečíst: čekám klíč a text v uvozovkách");
      return false;
    }
    const int recordLine = line_;
    const Field& key = reading.fields[0];
    const Field& text = reading.fields[1];
    const std::string_view consumed = rest_.substr(0, rest_.size() - reading.rest.size());
    line_ = lineAfter(line_, consumed);
    rest_ = reading.rest;
    checkRecord(recordLine + key.line - 1, key, recordLine + text.line - 1, text);
    return true;
  }

  void checkRecord(int keyLine, const Field& key, int textLine, const Field& field) {
    const auto kind = momentKindNamed(key.bytes);
    if (!kind)
      return report(keyLine, "neznámý klíč „" + decodeCp1250(key.bytes).value_or("?") + "“");
    const MomentKindInfo& info = infoOf(*kind);
    if (reading_.texts.count(*kind)) {
      return report(keyLine, std::string("klíč „") + info.key + "“ je tu podruhé");
    }
    const auto text = decodeCp1250(field.bytes);
    if (!field.quoted || !text) {
      return report(textLine, "text má být v uvozovkách a ve windows-1250");
    }
    const int named = highestNumberNamed(*text);
    if (named < 0 || named > info.numbers) {
      const char* allowed[] = {"nesmí mít žádné číslo", "smí mít jen číslo %1",
                               "smí mít jen čísla %1 a %2"};
      return report(textLine, std::string("text „") + info.key + "“ " + allowed[info.numbers]);
    }
    reading_.texts[*kind] = *text;
  }

  std::string_view rest_;
  int line_ = 1;
  ChronicleTextsReading reading_;
};

std::string told(const Moment& moment, const std::map<MomentKind, std::string>& texts) {
  const auto found = texts.find(moment.kind);
  if (found == texts.end()) return infoOf(moment.kind).key;
  std::string out;
  const std::string& text = found->second;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 1 < text.size() && (text[i + 1] == '1' || text[i + 1] == '2')) {
      out += std::to_string(moment.numbers[text[i + 1] == '1' ? 0 : 1]);
      ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

}  // namespace

ChronicleTextsReading parseChronicleTexts(std::string_view bytes) {
  return TextsReader(bytes).run();
}

// 1 měsíc, 2 to 4 měsíce, 0 and 5 on měsíců.
std::string monthsCount(long long n) {
  const char* months = n == 1 ? "měsíc" : n >= 2 && n <= 4 ? "měsíce" : "měsíců";
  return std::to_string(n) + " " + months;
}

std::string chronicleHeading(const ReignChronicle& chronicle) {
  return chronicle.ruler + ", vládce země " + chronicle.country + ": " +
         monthsCount(chronicle.months);
}

std::vector<ChronicleLine> chronicleLines(const ReignChronicle& chronicle,
                                          const std::map<MomentKind, std::string>& texts) {
  std::vector<ChronicleLine> lines;
  for (const Moment& moment : chronicle.moments) {
    if (lines.empty() || lines.back().month != moment.month) {
      lines.push_back({moment.month, told(moment, texts)});
    } else {
      lines.back().text += " " + told(moment, texts);
    }
  }
  return lines;
}

}  // namespace velmoran
