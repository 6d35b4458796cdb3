// SPDX-License-Identifier: GPL-3.0-or-later
// The game's files through the terminal edition: data texts, best.dat and data.dat, good and
// damaged, and the rulers' names that best.dat has to carry.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>

#include "console_harness.h"

namespace velmoran::e2e {
namespace {

// Bytes of a damaged file; no value: no file at all; "/": a folder in its place.
struct Damage {
  std::string name;
  std::optional<std::string> bytes;
  friend void PrintTo(const Damage& c, std::ostream* os) { *os << c.name; }
};

const Damage kNoFile{"Missing", std::nullopt};

// The error box for a damaged file, with the cause it names on its last line.
std::string fileError(const char* sentence, const Damage& damage) {
  const char* cause = !damage.bytes          ? testing::kCauseMissing
                      : *damage.bytes == "/" ? testing::kCauseNotAFile
                                             : testing::kCauseDamaged;
  return messageLine("critical", testing::kFileError, testing::withCause(sentence, cause));
}

void place(const TestGameFolder& folder, const std::string& file, const Damage& damage) {
  folder.remove(file);
  if (!damage.bytes) return;
  if (*damage.bytes == "/") {
    std::filesystem::create_directory(folder.path() / file);
  } else {
    folder.writeBytes(file, *damage.bytes);
  }
}

std::string name(const ::testing::TestParamInfo<Damage>& info) {
  return info.param.name;
}

struct Layout {
  std::string name, bytes, shown, buttons;
  friend void PrintTo(const Layout& c, std::ostream* os) { *os << c.name; }
};

class DataTextLayouts : public ::testing::TestWithParam<Layout> {};

TEST_P(DataTextLayouts, ShowTheText) {
  TestGameFolder folder;
  writeCraftedSet(folder);
  folder.writeBytes("data/welcome.ini", GetParam().bytes);
  const auto t = play(folder, std::string(kStart) + "state\n");
  EXPECT_EQ(t.lines.at(1), "INFO | " + GetParam().shown);
  EXPECT_FALSE(t.hasPrefix("MSG"));
  ASSERT_EQ(t.states().size(), 1u);
  EXPECT_EQ(t.states()[0].at("buttons"), GetParam().buttons);
}

INSTANTIATE_TEST_SUITE_P(
    E2e, DataTextLayouts,
    ::testing::Values(
        Layout{"QuotedComma", testing::cp1250Bytes("0\r\n\"Ahoj, světe\"\r\n1, 0, 0\r\n"),
               "Ahoj, světe", "ok"},
        Layout{"BlanksAndBareLineFeeds", "  0 \n  \"Dobry den\"  \n 2 ,  0 , 0 \n", "Dobry den",
               "ok"},
        Layout{"OneLineNoLineEnd", "5,\"Jedna\",2,0,0", "Jedna", "ano ne"},
        Layout{"UnquotedCommaShiftsFields", "0\r\nAhoj, 2\r\n0, 0\r\n", "Ahoj", "ok"},
        // The rest of the text reads as the button mode: no number at all, so 0.
        Layout{"UnquotedCommaInText", "0\r\nAhoj, svete\r\n1, 0, 0\r\n", "Ahoj", "ok"},
        Layout{"WordForNumber", "nula\r\n\"Ahoj\"\r\n1, 0, 0\r\n", "Ahoj", "ok"},
        Layout{"TrailingJunkIgnored", "0\r\n\"Text\"\r\n1, 0, 0\r\n\x81\x00 smeti\"\r\n", "Text",
               "ok"},
        Layout{"Windows1250Letters",
               testing::cp1250Bytes(
                   "0\r\n\"Příliš žluťoučký kůň úpěl ďábelské ódy – „Ťuk“ §\"\r\n1,0,0"),
               "Příliš žluťoučký kůň úpěl ďábelské ódy – „Ťuk“ §", "ok"}),
    [](const auto& info) { return info.param.name; });

class DamagedDataTexts : public ::testing::TestWithParam<Damage> {};

// The welcome text leads to a second random text: every one of them is damaged, so each Ok
// shows the error and leaves the welcome text and its Ok as they were.
TEST_P(DamagedDataTexts, ReportTheErrorAndKeepThePanel) {
  TestGameFolder folder;
  writeCraftedSet(folder);
  folder.writeText("data/welcome.ini", dataRecord(99, "Vítejte", 1, -30, 0));
  for (int n = 1; n <= 10; ++n) {
    place(folder, "data/nahod" + std::to_string(n) + ".ini", GetParam());
  }
  const auto t = play(folder, std::string(kStart) + "state\nok\nstate\nok\nstate\nmnewgame\n");
  EXPECT_EQ(t.exitStatus, 0);
  const auto states = t.states();
  ASSERT_EQ(states.size(), 3u);
  for (std::size_t i = 1; i < 3; ++i) {
    EXPECT_EQ(t.between(i - 1), Lines{fileError(testing::kDataTextMissing, GetParam())});
    for (const char* q : {"info", "buttons", "kasa", "vlada", "rozpocet2"}) {
      EXPECT_EQ(states[i].at(q), states[0].at(q)) << q;
    }
  }
  EXPECT_EQ(states[0].at("info"), "Vítejte");
  EXPECT_EQ(states[0].at("buttons"), "ok");
  EXPECT_EQ(t.lines.back(), "SCREEN | main | closed");
}

INSTANTIATE_TEST_SUITE_P(
    E2e, DamagedDataTexts,
    ::testing::Values(Damage{"Missing", std::nullopt}, Damage{"Empty", ""},
                      Damage{"FourFields", "0\r\n\"Ahoj\"\r\n1, 0\r\n"},
                      Damage{"UnclosedQuote", "0\r\n\"Ahoj\r\n1, 0, 0\r\n"},
                      Damage{"ButtonMode256", "0\r\n\"Ahoj\"\r\n256, 0, 0\r\n"},
                      Damage{"MonthEndNegative", "0\r\n\"Ahoj\"\r\n1, 0, -1\r\n"},
                      Damage{"QuestionBeyond32Bits", "2147483648\r\n\"Ahoj\"\r\n1, 0, 0\r\n"},
                      Damage{"MoneyBeyond32Bits", "0\r\n\"Ahoj\"\r\n1, -2147483649, 0\r\n"},
                      Damage{"Binary", std::string("\x00\xff\xfe\x81\x00\x01\x02\r\n\x90", 10)},
                      Damage{"Folder", "/"}),
    name);

TEST(DamagedDataTexts, MissingEventTextStillEndsTheMonth) {
  TestGameFolder folder;
  writeCraftedSet(folder);
  folder.writeText("data/welcome.ini", dataRecord(0, "Vítejte", 1, 0, 1));
  for (const char* n : {"1", "2", "3", "4", "5", "6", "7", "77", "8", "9", "10"}) {
    folder.remove(std::string("data/nahoda") + n + ".ini");
  }
  const auto t = play(folder, std::string(kStart) + "state\nok\nstate\n");
  const auto states = t.states();
  ASSERT_EQ(states.size(), 2u);
  EXPECT_EQ(t.between(0), Lines{fileError(testing::kDataTextMissing, kNoFile)});
  const State& after = states[1];
  EXPECT_EQ(after.at("vlada"), "2");
  EXPECT_EQ(after.at("info"), "Vítejte");
  EXPECT_EQ(after.at("buttons"), "ok");
  EXPECT_EQ(number(after, "rozpocet2"), number(after, "zisk") * 20 + number(after, "rozpocet"));
  EXPECT_EQ(number(after, "kasa"), number(states[0], "kasa") + number(after, "rozpocet2"));
  EXPECT_EQ(after.at("polo"), "4");
}

class DamagedBestScores : public ::testing::TestWithParam<Damage> {};

TEST_P(DamagedBestScores, ReportTheErrorAndStayUntouched) {
  TestGameFolder folder;
  writeCraftedSet(folder);
  place(folder, "best.dat", GetParam());
  const auto filesBefore = folder.fileNames();
  const bool isFile = GetParam().bytes && *GetParam().bytes != "/";
  const std::string error = fileError(testing::kBestScoresMissing, GetParam());

  const auto top = play(folder, "top3\nprohra-ok\n");
  EXPECT_EQ(top.lines.at(1), "SCREEN | prohra | open");
  EXPECT_TRUE(top.has(error));
  EXPECT_EQ(top.lines.back(), "SCREEN | prohra | closed");

  const auto over = play(
      folder, std::string(kStart) + "set vlada 40\nset kasa -15001\nstate\n" + kStart + "state\n");
  EXPECT_EQ(over.exitStatus, 0);
  const auto shown = over.find(error);
  ASSERT_LT(shown, over.lines.size());
  EXPECT_EQ(over.lines.at(shown - 1),
            "MSG | critical | Prohra | Prohráls.\\n Tvá zem zkrachovala.");
  Lines next(over.lines.begin() + shown + 1, over.lines.begin() + shown + 3);
  std::sort(next.begin(), next.end());
  EXPECT_EQ(next, (Lines{"SCREEN | Menu | open", "SCREEN | main | closed"}));
  EXPECT_FALSE(over.hasPrefix("MSG | none | Vaše vláda"));
  EXPECT_FALSE(over.has("SCREEN | prohra | open"));
  EXPECT_EQ(over.lines.at(shown + 3), "ERR | hra neběží");
  EXPECT_EQ(over.states().size(), 1u);  // and the next game starts
  auto filesAfter = filesBefore;
  filesAfter.push_back("best.dat.lock");
  std::sort(filesAfter.begin(), filesAfter.end());
  EXPECT_EQ(folder.fileNames(), filesAfter);
  if (isFile) {
    EXPECT_EQ(folder.readBytes("best.dat"), *GetParam().bytes);
  }
}

INSTANTIATE_TEST_SUITE_P(
    E2e, DamagedBestScores,
    ::testing::Values(Damage{"Missing", std::nullopt}, Damage{"Empty", ""},
                      Damage{"FiveFields", "Ala\r\n30\r\nBob\r\n20\r\nCyril\r\n"},
                      Damage{"MonthsNotANumber", "Ala\r\n30\r\nBob\r\ndvacet\r\nCyril\r\n10\r\n"},
                      Damage{"UnclosedQuote", "\"Ala\r\n30\r\nBob\r\n20\r\nCyril\r\n10\r\n"},
                      Damage{"Binary", std::string("\x00\x98\xff\r\n\x01", 6)},
                      Damage{"Folder", "/"}),
    name);

TEST(SettingsFile, MissingOrUnreadableStillStartsTheGame) {
  for (const Damage& damage :
       {Damage{"Missing", std::nullopt}, Damage{"Empty", ""}, Damage{"TwoFields", "1, 1\r\n"},
        Damage{"Folder", "/"}, Damage{"Good", "0, 1, 1\r\n"}}) {
    SCOPED_TRACE(damage.name);
    TestGameFolder folder;
    writeCraftedSet(folder);
    place(folder, "data.dat", damage);
    const auto t = play(folder, "start\nJan\n\nstate\n");
    EXPECT_EQ(t.exitStatus, 0);
    const Lines expected =
        damage.name == "Good"
            ? Lines{"SCREEN | Menu | closed"}
            : Lines{fileError(testing::kSettingsMissing, damage), "SCREEN | Menu | closed"};
    EXPECT_EQ(Lines(t.lines.begin() + 5, t.lines.begin() + 5 + expected.size()), expected);
    ASSERT_EQ(t.states().size(), 1u);
    EXPECT_EQ(t.states()[0].at("jmeno"), "Jan");
    EXPECT_EQ(t.states()[0].at("vlada"), "1");
  }
}

struct RulerName {
  std::string name, typed, shown;
  friend void PrintTo(const RulerName& c, std::ostream* os) { *os << c.name; }
};

class RulerNames : public ::testing::TestWithParam<RulerName> {};

// A ruler who ranks second, then a later run that ranks first: the name comes back from
// best.dat exactly as it was entered, and the rest of the table is intact.
TEST_P(RulerNames, ComeBackFromTheBestScoresUnchanged) {
  const RulerName& r = GetParam();
  TestGameFolder folder;
  writeCraftedSet(folder);
  const auto first =
      play(folder, "start\n" + r.typed + "\n\nstate\nset vlada 25\nset kasa -15001\n");
  ASSERT_EQ(first.states().size(), 1u);
  EXPECT_EQ(first.states()[0].at("jmeno"), r.shown);
  const Lines table = {"TOP | Ala | 30", "TOP | " + r.shown + " | 25", "TOP | Bob | 20"};
  EXPECT_EQ(first.lines.end()[-3], table[1]);

  const auto later = play(folder,
                          "top3\nprohra-ok\nstart\nDruhý\n\nset vlada 40\nset kasa -1"
                          "5001\nprohra-ok\ntop3\n");
  EXPECT_FALSE(later.hasPrefix("MSG | critical | CHYBA"));
  EXPECT_EQ(Lines(later.lines.begin() + 2, later.lines.begin() + 5), table);
  const Lines after = {"TOP | Druhý | 40", "TOP | Ala | 30", "TOP | " + r.shown + " | 25"};
  EXPECT_EQ(Lines(later.lines.end() - 3, later.lines.end()), after);
  EXPECT_EQ(folder.fileNames(),
            (Lines{"best.dat", "best.dat.lock", "data", "data.dat", "kroniky"}));
}

const RulerName kInvalidUtf8{"InvalidUtf8",
                             "\xff\xfe"
                             "Ab\xc3",
                             "\uFFFD\uFFFDAb\uFFFD"};
INSTANTIATE_TEST_SUITE_P(
    E2e, RulerNames,
    ::testing::Values(
        RulerName{"Comma", "Novák, Jan", "Novák, Jan"},
        RulerName{"Quotes", "\"Velký\" vůdce", "\"Velký\" vůdce"},
        RulerName{"Cyrillic", "Иван", "Иван"}, RulerName{"Emoji", "Vůdce 😀", "Vůdce 😀"},
        RulerName{"Blanks", "  mezery  ", "  mezery  "}, RulerName{"Tab", "a\tb", "a\\x09b"},
        // Control characters would drive the player's terminal.
        RulerName{"Escape", "\x1b[2J\x1b]0;x\x07Vůdce", "\\x1B[2J\\x1B]0;x\\x07Vůdce"},
        RulerName{"Delete", "a\x7f\x01", "a\\x7F\\x01"},
        RulerName{"C1Controls", "a\u009b2J\u0085b\u00a0", "a\\x9B2J\\x85b\u00a0"},
        // Each text reads one way only: a typed escape is not an escape, a name does not
        // reorder the line or split its fields.
        RulerName{"Backslash", "a\\x1Bd\\", "a\\\\x1Bd\\\\"},
        RulerName{"Bidirectional", "\u202Ea\u2066b\u200Fc\u061C",
                  "\\u{202E}a\\u{2066}b\\u{200F}c\\u{061C}"},
        RulerName{"Bar", "Jan | 99", "Jan \\| 99"},
        RulerName{"Lookalike", "&#382; &amp; \"&#65;\"", "&#382; &amp; \"&#65;\""},
        RulerName{"Cancelled", "<cancel>", ""}, kInvalidUtf8),
    [](const auto& info) { return info.param.name; });

// A name with a NUL character is stored as a reference and comes back as it was.
TEST(RulerNames, NulCharacterComesBackUnchanged) {
  TestGameFolder folder;
  writeCraftedSet(folder);
  const auto t =
      play(folder, std::string("start\nA") + '\0' + "B\n\nstate\nset vlada 25\nset kasa -15001\n");
  ASSERT_EQ(t.states().size(), 1u);
  EXPECT_EQ(t.lines.end()[-3], "TOP | " + t.states()[0].at("jmeno") + " | 25");
}

// A very long name is cut to what an input box takes, so best.dat stays small enough to be
// read back by every later look at the best scores.
TEST(RulerNames, LongNameLeavesTheTableReadable) {
  TestGameFolder folder;
  writeCraftedSet(folder);
  std::string longName;
  for (int i = 0; i < 200000; ++i) longName += "Ж";
  play(folder, "start\n" + longName + "\n\nset vlada 25\nset kasa -15001\n");
  const auto later = play(folder, "top3\n");
  EXPECT_FALSE(later.hasPrefix("MSG | critical | CHYBA"));
  EXPECT_TRUE(later.has("TOP | Ala | 30"));
}

TEST(ShippedGame, StartsWithoutErrorsAndKeepsItsTable) {
  const std::filesystem::path source = VELMORAN_SOURCE_GAME_FOLDER;
  if (!std::filesystem::exists(source / "data" / "welcome.ini")) GTEST_SKIP();
  TestGameFolder folder;
  folder.copyIn(source);
  const auto t = play(folder, std::string("top3\nprohra-ok\n") + kStart +
                                  "state\nset vlada 999\nset kasa -15001\nprohra-ok\ntop3\n");
  EXPECT_EQ(t.exitStatus, 0);
  EXPECT_FALSE(t.hasPrefix("MSG | critical | CHYBA"));
  EXPECT_FALSE(t.hasPrefix("ERR"));
  ASSERT_EQ(t.states().size(), 1u);
  EXPECT_FALSE(t.states()[0].at("info").empty());
  EXPECT_TRUE(t.has("MSG | none | Vaše vláda | Vládnul jste 999 měsíců."));
  // A reign longer than any in the shipped table comes first, and the table stays readable.
  const auto first = t.find("TOP | No Name | 999");
  ASSERT_LT(first, t.lines.size());
  EXPECT_EQ(t.slice(first + 4, 5),
            (Lines{"SCREEN | Menu | open", "SCREEN | prohra | closed", "SCREEN | prohra | open",
                   t.lines[first], t.lines[first + 1]}));
}

}  // namespace
}  // namespace velmoran::e2e
