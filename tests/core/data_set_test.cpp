// SPDX-License-Identifier: GPL-3.0-or-later
// The game folder as shipped: every data text the game can ask for, the starting best
// scores and settings, and the sounds.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "data_check/named_sums.h"
#include "data_check/panel_fit.h"
#include "files/best_scores.h"
#include "files/chronicle_texts.h"
#include "files/cp1250.h"
#include "files/data_files.h"
#include "files/data_text.h"
#include "files/game_files.h"
#include "files/panel_charges.h"
#include "files/question_codes.h"
#include "files/settings_file.h"

namespace velmoran {
namespace {

namespace fs = std::filesystem;

const fs::path kGameFolder = VELMORAN_SOURCE_GAME_FOLDER;

using Role = DataFileRole;

std::optional<std::string> bytesOf(const std::string& name) {
  return readGameFile(kGameFolder / "data" / name);
}

// Every record of the set, read once; a file that is missing or does not parse is left out
// (the first test names it).
const std::map<std::string, DataText>& records() {
  static const std::map<std::string, DataText> all = [] {
    std::map<std::string, DataText> read;
    for (const DataFile& file : dataFiles()) {
      const auto bytes = bytesOf(file.name);
      if (!bytes) continue;
      if (auto record = parseDataText(*bytes)) read.emplace(file.name, *record);
    }
    return read;
  }();
  return all;
}

// What the player pays or gets in all for a text; a question may cost by its answer, the most
// it can cost counts.
int timesPaid(const DataFile& file, const DataText& record) {
  return timesCharged(file, record).most;
}

TEST(DataSet, EveryFileTheGameAsksForIsThereAndReadsAsARecord) {
  for (const DataFile& file : dataFiles()) {
    SCOPED_TRACE(file.name);
    const auto bytes = bytesOf(file.name);
    ASSERT_TRUE(bytes.has_value()) << "missing";
    EXPECT_TRUE(parseDataText(*bytes).has_value()) << "not a five-field windows-1250 record";
  }
}

TEST(DataSet, NothingElseLiesInTheDataFolder) {
  std::set<std::string> known;
  for (const DataFile& file : dataFiles()) known.insert(file.name);
  known.insert(kChronicleTextsFile);
  for (const auto& entry : fs::directory_iterator(kGameFolder / "data")) {
    EXPECT_EQ(known.count(entry.path().filename().string()), 1u)
        << entry.path().filename() << " is asked for by nothing (a misspelt name?)";
  }
}

TEST(DataSet, FilesAreWindows1250WithCrLfLineEnds) {
  for (const DataFile& file : dataFiles()) {
    SCOPED_TRACE(file.name);
    const auto bytes = bytesOf(file.name);
    if (!bytes) continue;
    bool highBytes = false;
    for (std::size_t i = 0; i < bytes->size(); ++i) {
      const char c = (*bytes)[i];
      if (c == '\n') {
        EXPECT_TRUE(i > 0 && (*bytes)[i - 1] == '\r') << "bare LF at " << i;
      }
      if (c == '\r') {
        EXPECT_TRUE(i + 1 < bytes->size() && (*bytes)[i + 1] == '\n');
      }
      highBytes = highBytes || static_cast<unsigned char>(c) >= 0x80;
    }
    // Czech letters in windows-1250 never form valid UTF-8; a file saved as UTF-8 would still
    // decode, but as garbage.
    if (highBytes) {
      EXPECT_FALSE(utf8CodePoints(*bytes).has_value()) << "saved as UTF-8";
    }
  }
}

TEST(DataSet, ButtonsQuestionCodeAndMonthEndFitTogether) {
  for (const DataFile& file : dataFiles()) {
    SCOPED_TRACE(file.name);
    const auto it = records().find(file.name);
    if (it == records().end()) continue;
    const DataText& r = it->second;
    const bool answerable = isAnswerable(r.questionCode);
    EXPECT_TRUE(answerable || r.questionCode == kNoQuestion || r.questionCode == kPlainText ||
                r.questionCode == kChainsToSecondText)
        << "question code " << r.questionCode << " is handled by nothing";
    EXPECT_TRUE(r.buttonMode == 1 || r.buttonMode == 2) << "button mode " << int(r.buttonMode);
    EXPECT_TRUE(r.monthEnd == 0 || r.monthEnd == 1) << "month-end flag " << int(r.monthEnd);
    // Ano and Ne only for a question they can answer, and every question gets them.
    EXPECT_EQ(r.buttonMode == 2, answerable)
        << "mode " << int(r.buttonMode) << ", code " << r.questionCode;
    // An answer never ends the month, and a month-end Ok never reaches the chained text.
    if (r.buttonMode == 2) {
      EXPECT_EQ(r.monthEnd, 0) << "question with month end";
    }
    if (r.questionCode == kChainsToSecondText) {
      EXPECT_EQ(r.monthEnd, 0) << "chain never shown";
    }
  }
}

TEST(DataSet, EachRoleLeadsTheMonthOn) {
  struct Expectation {
    Role role;
    std::optional<int> monthEnd;
    bool plainOk;  // code 0 with only Ok
    bool free;     // money 0
  };
  const Expectation expectations[] = {
      {Role::Welcome, 0, true, true},
      {Role::FollowUp, 0, true, false},
      {Role::Command, 1, true, false},
      {Role::Errand, 0, true, false},
      {Role::Refusal, std::nullopt, true, true},
  };
  for (const DataFile& file : dataFiles()) {
    SCOPED_TRACE(file.name);
    const auto it = records().find(file.name);
    if (it == records().end()) continue;
    const DataText& r = it->second;
    for (const Expectation& e : expectations) {
      if (e.role != file.role) continue;
      if (e.monthEnd) {
        EXPECT_EQ(r.monthEnd, *e.monthEnd);
      }
      if (e.plainOk) {
        EXPECT_EQ(r.questionCode, kPlainText);
        EXPECT_EQ(r.buttonMode, 1);
      }
      if (e.free) {
        EXPECT_EQ(r.moneyAmount, 0);
      }
    }
  }
}

TEST(DataSet, EventTextsPutEveryQuestionAndChainOn) {
  std::set<std::int32_t> codes;
  for (const DataFile& file : dataFiles()) {
    const auto it = records().find(file.name);
    if (file.role == Role::Event && it != records().end()) codes.insert(it->second.questionCode);
  }
  for (std::int32_t code : kAnswerableCodes) {
    EXPECT_EQ(codes.count(code), 1u) << "no event asks question " << code;
  }
  EXPECT_EQ(codes.count(kChainsToSecondText), 1u) << "no event leads to a second text";
}

TEST(DataSet, TextsFitThePanelAndTakeTheirAmount) {
  for (const DataFile& file : dataFiles()) {
    SCOPED_TRACE(file.name);
    const auto it = records().find(file.name);
    if (it == records().end()) continue;
    const std::u32string text = utf8CodePoints(it->second.infoText).value_or(U"");
    if (text.empty()) {
      ADD_FAILURE() << "no text";
      continue;
    }
    std::u32string shown = text;
    for (char c : file.widestAmount) shown += static_cast<char32_t>(c);
    EXPECT_TRUE(fitsPanel(shown));
    for (char32_t c : text) EXPECT_TRUE(c >= 0x20 && c != '"') << "character " << int(c);
    // The amount is appended directly: the text ends in a blank so it reads "o 37$".
    EXPECT_EQ(file.amountAppended(), text.back() == U' ') << "text end: blank before the amount";
  }
}

TEST(DataSet, CommandsCostWhatTheMenuAndTheWinMessagesSay) {
  const std::map<std::string, int> prices = {
      {"d-armada.ini", 600},      {"d-policie.ini", 500},
      {"d-fbi.ini", 500},         {"d-prumysl.ini", 500},
      {"d-zemedelstvi.ini", 500}, {"d-chudina.ini", 500},
      {"d-veda.ini", 500},        {"d-bg.ini", 0},  // the guard's amount is asked for
      {"utokbrd.ini", 350},       {"utokpar.ini", 250},
  };
  for (const DataFile& file : dataFiles()) {
    const auto price = prices.find(file.name);
    const auto it = records().find(file.name);
    if (price == prices.end() || it == records().end()) continue;
    SCOPED_TRACE(file.name);
    EXPECT_EQ(-it->second.moneyAmount * timesPaid(file, it->second), price->second);
  }
  // A granted loan brings money; it never takes any.
  for (const char* loan : {"rusa.ini", "usaa.ini", "mora.ini"}) {
    const auto it = records().find(loan);
    if (it != records().end()) {
      EXPECT_GE(it->second.moneyAmount, 0) << loan;
    }
  }
}

TEST(DataSet, EventsMoveModestSums) {
  // A careful player has to survive a run of bad months on a budget of a few hundred.
  constexpr int kLargestSum = 800;
  for (const DataFile& file : dataFiles()) {
    if (file.role != Role::Event && file.role != Role::FollowUp) continue;
    const auto it = records().find(file.name);
    if (it == records().end()) continue;
    SCOPED_TRACE(file.name);
    EXPECT_LE(std::abs(it->second.moneyAmount * timesPaid(file, it->second)), kLargestSum);
  }
}

TEST(DataSet, TextsNameTheSumTheyMove) {
  for (const DataFile& file : dataFiles()) {
    const auto it = records().find(file.name);
    if (it == records().end()) continue;
    SCOPED_TRACE(file.name);
    const DataText& r = it->second;
    const std::vector<NamedSum> named = sumsNamed(r.infoText);
    if (r.moneyAmount == 0) {
      EXPECT_TRUE(named.empty()) << "names a sum it does not move";
    } else {
      ASSERT_EQ(named.size(), 1u) << "should name the one sum it moves";
      EXPECT_EQ(named[0].dollars, std::abs(r.moneyAmount * timesPaid(file, r)));
    }
  }
}

TEST(GameFolder, BestScoresHoldAFullTableFromTheMostMonthsDown) {
  const BestScoresReading reading = readBestScores(kGameFolder / "best.dat");
  ASSERT_TRUE(reading.table.has_value());
  const BestScores& table = *reading.table;
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_FALSE(table.names[i].empty());
    EXPECT_GT(table.months[i], 0);
    if (i > 0) {
      EXPECT_GT(table.months[i - 1], table.months[i]);
    }
  }
  // Written the way the game writes it, so the first game over leaves the file alike.
  EXPECT_EQ(bestScoresBytes(table), readGameFile(kGameFolder / "best.dat"));
}

TEST(GameFolder, DisplaySettingsStartAllOff) {
  const auto settings = readDisplaySettings(kGameFolder / "data.dat");
  ASSERT_TRUE(settings.has_value());
  EXPECT_FALSE(settings->boldInfoText);
  EXPECT_FALSE(settings->whiteOnBlackInfo);
  EXPECT_FALSE(settings->boldButtons);
  EXPECT_EQ(readGameFile(kGameFolder / "data.dat"), " 1 \r\n 1 \r\n 1 \r\n");
}

std::uint32_t littleEndian(const std::string& bytes, std::size_t at, std::size_t width) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < width; ++i) {
    value |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
  }
  return value;
}

TEST(GameFolder, SoundsAreShortMonoPcmWaves) {
  for (const char* name : {"top.dat", "sound.dat", "about.dat"}) {
    SCOPED_TRACE(name);
    const auto bytes = readGameFile(kGameFolder / name);
    ASSERT_TRUE(bytes.has_value());
    ASSERT_GE(bytes->size(), 44u);
    EXPECT_LT(bytes->size(), 120u * 1024);
    EXPECT_EQ(bytes->substr(0, 4), "RIFF");
    EXPECT_EQ(littleEndian(*bytes, 4, 4), bytes->size() - 8);
    EXPECT_EQ(bytes->substr(8, 8), "WAVEfmt ");
    EXPECT_EQ(littleEndian(*bytes, 20, 2), 1u);  // PCM
    EXPECT_EQ(littleEndian(*bytes, 22, 2), 1u);  // mono
    EXPECT_EQ(littleEndian(*bytes, 24, 4), 22050u);
    EXPECT_EQ(littleEndian(*bytes, 34, 2), 16u);
    ASSERT_EQ(bytes->substr(36, 4), "data");
    const double seconds = littleEndian(*bytes, 40, 4) / 2.0 / 22050.0;
    EXPECT_GE(seconds, 1.0);
    EXPECT_LE(seconds, 2.5);
  }
}

}  // namespace
}  // namespace velmoran
