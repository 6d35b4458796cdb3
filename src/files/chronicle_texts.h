// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/reign_chronicle.h"

namespace velmoran {

// The texts of the chronicle live in data/ beside the other texts, so that the people who
// edit those can make the chronicle say what they like. The file is a row of records of two
// fields: a moment's key and its text in quotes, where %1 and %2 stand for its numbers.
inline constexpr char kChronicleTextsFile[] = "kronika.ini";

struct ChronicleTextProblem {
  int line = 1;
  std::string message;  // Czech, for the people who edit the texts
};

struct ChronicleTextsReading {
  std::map<MomentKind, std::string> texts;  // UTF-8
  std::vector<ChronicleTextProblem> problems;
};

// Reads every record it can; each fault is a problem, and a text without one is missing.
ChronicleTextsReading parseChronicleTexts(std::string_view bytes);

// One line of the chronicle: every moment of a month, told in the texts' words.
struct ChronicleLine {
  long long month = 0;
  std::string text;
};

// A count of months in good Czech: "1 měsíc", "3 měsíce", "12 měsíců".
std::string monthsCount(long long months);
// The chronicle's heading: "Jan, vládce země Lhota: 3 měsíce".
std::string chronicleHeading(const ReignChronicle& chronicle);

std::vector<ChronicleLine> chronicleLines(const ReignChronicle& chronicle,
                                          const std::map<MomentKind, std::string>& texts);

}  // namespace velmoran
