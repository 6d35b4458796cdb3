// SPDX-License-Identifier: GPL-3.0-or-later
#include "data_check/record_check.h"

#include <cstdint>
#include <cstdlib>
#include <limits>
#include <optional>

#include "data_check/named_sums.h"
#include "data_check/panel_fit.h"
#include "files/cp1250.h"
#include "files/data_text.h"
#include "files/decimal_text.h"
#include "files/panel_charges.h"
#include "files/question_codes.h"
#include "files/record_reader.h"

namespace velmoran {

namespace {

enum FieldIndex { kCode, kText, kButtons, kMoney, kMonthEnd, kFieldCount };
constexpr const char* kFieldNames[kFieldCount] = {"kód otázky", "text", "tlačítka", "peníze",
                                                  "konec měsíce"};
constexpr std::size_t kLongestQuote = 40;

struct Range {
  long long least, most;
  const char* meaning;  // what the values mean, for the message
};
constexpr std::int32_t kInt32Min = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kInt32Max = std::numeric_limits<std::int32_t>::max();
constexpr Range kRanges[kFieldCount] = {
    {kInt32Min, kInt32Max, ""},
    {0, 0, ""},
    {1, 2, " (1: Ok, 2: Ano a Ne)"},
    {kInt32Min, kInt32Max, ""},
    {0, 1, " (0: Ok měsíc neukončí, 1: Ok ukončí měsíc)"},
};

// A field's bytes as the editor sees them, in quotes and cut short.
std::string quoted(std::string_view bytes) {
  std::string text = decodeCp1250(bytes).value_or(std::string(bytes));
  const std::string shortened = firstCharacters(text, kLongestQuote);
  return "„" + shortened + (shortened.size() < text.size() ? "…" : "") + "“";
}

std::string hex(char byte) {
  constexpr char kDigits[] = "0123456789ABCDEF";
  const auto b = static_cast<unsigned char>(byte);
  return std::string("0x") + kDigits[b >> 4] + kDigits[b & 0xF];
}

bool isLineBreakAt(std::string_view bytes, std::size_t i) {
  return bytes[i] == '\n' || (bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n'));
}

int lineAt(std::string_view bytes, std::size_t offset) {
  int line = 1;
  for (std::size_t i = 0; i < offset; ++i) line += isLineBreakAt(bytes, i) ? 1 : 0;
  return line;
}

class RecordCheck {
 public:
  RecordCheck(const std::string& path, const DataFile& file, std::string_view bytes)
      : path_(path), file_(file), bytes_(bytes) {}

  std::vector<Problem> run() {
    if (!checkEncoding()) return problems_;
    const FieldReading reading = readFieldsOf(bytes_, kFieldCount);
    if (reading.stop == FieldReading::Stop::UnclosedQuote) {
      report(reading.line, "uvozovky otevřené na tomto řádku se nikde nezavírají");
      return problems_;
    }
    if (reading.stop == FieldReading::Stop::AfterQuote) {
      report(reading.line, "za zavírací uvozovkou smí stát jen čárka nebo konec řádku, ne " +
                               quoted(reading.rest.substr(0, reading.rest.find_first_of("\r\n"))));
      return problems_;
    }
    const bool fieldsGood = checkFields(reading.fields);
    if (reading.stop == FieldReading::Stop::TooFew) {
      const std::size_t read = reading.fields.size();
      report(reading.line, (read == 0 ? std::string("soubor je prázdný")
                                      : "záznam končí po " + std::to_string(read) +
                                            ". poli, chybí " + kFieldNames[read]) +
                               " (záznam má pět polí: kód otázky, text, tlačítka, peníze, "
                               "konec měsíce)");
      return problems_;
    }
    checkRest(reading);
    if (!fieldsGood) return problems_;
    if (const auto record = parseDataText(bytes_)) {
      checkRecord(*record, reading.fields);
    } else {
      report(1, "hra tento záznam nepřečte");
    }
    return problems_;
  }

 private:
  void report(int line, std::string message) {
    problems_.push_back({path_, line, std::move(message)});
  }

  // False if a byte is no windows-1250 character at all: the game then reads nothing.
  bool checkEncoding() {
    bool highBytes = false;
    for (std::size_t i = 0; i < bytes_.size(); ++i) {
      if (!decodeCp1250(bytes_.substr(i, 1))) {
        report(lineAt(bytes_, i), "bajt " + hex(bytes_[i]) + " není znak kódování windows-1250");
        return false;
      }
      highBytes = highBytes || static_cast<unsigned char>(bytes_[i]) >= 0x80;
    }
    // Czech letters in windows-1250 never form valid UTF-8.
    if (highBytes && utf8CodePoints(bytes_)) {
      std::size_t first = 0;
      while (static_cast<unsigned char>(bytes_[first]) < 0x80) ++first;
      report(lineAt(bytes_, first),
             "soubor je uložen v UTF-8, hra ale čte windows-1250: písmena s háčky a čárkami by "
             "vyšla zkomoleně");
    }
    return true;
  }

  // The numbers and the text; false if any of them is spoilt.
  bool checkFields(const std::vector<Field>& fields) {
    bool good = true;
    bool hinted = false;
    for (std::size_t i = 0; i < fields.size(); ++i) {
      const Field& field = fields[i];
      const std::string name = kFieldNames[i];
      if (i == kText) {
        const auto text = decodeCp1250(field.bytes);
        if (text && text->find_first_not_of(" \t") == std::string::npos) {
          report(field.line, "text je prázdný");
          good = false;
        }
        continue;
      }
      const auto number = strictWholeNumber(field.bytes);
      if (!number) {
        std::string message = "pole " + name + " má být celé číslo, je tu " + quoted(field.bytes);
        // An unquoted text ends at its first comma, and the rest of it takes the numbers' places.
        if (i > kText && !fields[kText].quoted && !hinted) {
          message += "; obsahuje-li text čárku, musí být celý v uvozovkách";
          hinted = true;
        }
        report(field.line, message);
        good = false;
        continue;
      }
      const Range& range = kRanges[i];
      if (*number < range.least || *number > range.most) {
        report(field.line, "pole " + name + " smí být od " + std::to_string(range.least) + " do " +
                               std::to_string(range.most) + range.meaning + ", je tu " +
                               std::to_string(*number));
        good = false;
      }
    }
    return good;
  }

  void checkRest(const FieldReading& reading) {
    const std::size_t extra = reading.rest.find_first_not_of(" \t\r\n");
    if (extra == std::string_view::npos) return;
    const std::string_view rest = reading.rest.substr(extra);
    const int line = reading.line + lineAt(reading.rest, extra) - 1;
    report(line, "za pátým polem stojí ještě " +
                     quoted(rest.substr(0, rest.find_first_of("\r\n"))) + ", hra to přeskočí");
  }

  void checkRecord(const DataText& record, const std::vector<Field>& fields) {
    const int codeLine = fields[kCode].line;
    const int buttonsLine = fields[kButtons].line;
    const std::string code = std::to_string(record.questionCode);
    const bool answerable = isAnswerable(record.questionCode);
    const bool handledByOk = record.questionCode == kNoQuestion ||
                             record.questionCode == kPlainText ||
                             record.questionCode == kChainsToSecondText;
    if (!answerable && !handledByOk) {
      std::string known;
      for (std::int32_t question : kAnswerableCodes) known += ", " + std::to_string(question);
      report(codeLine, "kód otázky " + code +
                           " nezná žádná odpověď ani tlačítko Ok (hra zná -1, 0, 99 a otázky" +
                           known.substr(1) + ")");
    }
    if (record.buttonMode == 2 && record.questionCode == kPlainText) {
      report(buttonsLine, "tlačítka 2 (Ano a Ne), ale kód otázky 0 místo nich ukáže jen Ok");
    } else if (record.buttonMode == 2 && record.questionCode == kNoQuestion) {
      report(buttonsLine, "tlačítka 2 (Ano a Ne), ale kód otázky -1 skryje všechna tlačítka");
    } else if (record.buttonMode == 2 && !answerable) {
      report(buttonsLine, "tlačítka 2 (Ano a Ne), ale kód otázky " + code +
                              " se na nic neptá: žádná odpověď by tlačítka nezavřela a hra by "
                              "se zasekla");
    } else if (record.buttonMode == 1 && answerable) {
      report(buttonsLine, "otázka s kódem " + code +
                              " má jen tlačítko Ok (tlačítka 1): hráč na ni nemůže odpovědět, "
                              "otázka potřebuje tlačítka 2");
    }
    if (record.questionCode == kChainsToSecondText && record.monthEnd == 1) {
      report(fields[kMonthEnd].line,
             "kód otázky 99 vede po Ok k druhému textu, ale konec měsíce 1 má přednost: druhý "
             "text se nikdy neukáže");
    }
    checkText(record, fields[kText].line);
  }

  void checkText(const DataText& record, int textLine) {
    const std::u32string text = utf8CodePoints(record.infoText).value_or(U"");
    std::u32string shown = text;
    for (char c : file_.widestAmount) shown += static_cast<char32_t>(c);
    const std::size_t lines = wrappedLines(shown, kPanelLineCharacters);
    if (lines > kPanelLines) {
      report(textLine, "text se do panelu nevejde: zabere " + std::to_string(lines) + " řádků po " +
                           std::to_string(kPanelLineCharacters) + " znacích, panel ukáže " +
                           std::to_string(kPanelLines));
    }
    if (file_.amountAppended() && !text.empty() && text.back() != U' ') {
      report(textLine, "příkaz za text připíše částku (třeba " + file_.widestAmount +
                           "), text proto musí končit mezerou");
    }
    checkSums(record, textLine);
  }

  // A sum the text names is what the player pays or gets in all: the money amount each time
  // the panel charges it. The sign is left to the words around the sum.
  void checkSums(const DataText& record, int textLine) {
    const Charges charges = timesCharged(file_, record);
    const long long money = record.moneyAmount;
    const long long least = std::llabs(money) * charges.least;
    const long long most = std::llabs(money) * charges.most;
    for (const NamedSum& sum : sumsNamed(record.infoText)) {
      if (sum.dollars == least && sum.dollars == most) continue;
      std::string message = "text uvádí " + std::to_string(sum.dollars) + "$, ";
      if (money == 0) {
        message += "ale pokladnou nepohne (peníze 0)";
      } else {
        message += std::string("ale hráč celkem ") + (money < 0 ? "zaplatí " : "dostane ") +
                   std::to_string(least) + "$";
        if (least != most) message += " nebo " + std::to_string(most) + "$ podle odpovědi";
        message += ": peníze " + std::to_string(money) + " se účtují při každé změně textu " +
                   "v panelu, tady " + timesText(charges);
        if (least == most && charges.least > 0 && sum.dollars % charges.least == 0) {
          message += "; ke slovům sedí peníze " +
                     std::to_string((money < 0 ? -1 : 1) * sum.dollars / charges.least);
        }
      }
      report(textLine + sum.lineOffset, message);
    }
  }

  static std::string timesText(const Charges& charges) {
    if (charges.least == charges.most) return std::to_string(charges.least) + "×";
    return std::to_string(charges.least) + "× nebo " + std::to_string(charges.most) + "×";
  }

  const std::string& path_;
  const DataFile& file_;
  std::string_view bytes_;
  std::vector<Problem> problems_;
};

}  // namespace

std::vector<Problem> checkDataText(const std::string& path, const DataFile& file,
                                   std::string_view bytes) {
  return RecordCheck(path, file, bytes).run();
}

}  // namespace velmoran
