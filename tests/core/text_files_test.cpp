// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <optional>
#include <random>
#include <set>
#include <string>

#include "files/cp1250.h"
#include "files/data_text.h"
#include "files/decimal_text.h"

namespace velmoran {
namespace {

TEST(DecimalText, QuantitiesAreWrittenAndReadAsShortDecimalTexts) {
  const struct {
    double value;
    const char* text;
  } written[] = {{0, "0"},           {-0.0, "0"},    {1.2, "1.2"},
                 {-15001, "-15001"}, {-0.5, "-0.5"}, {1e15, "1000000000000000"}};
  for (const auto& c : written) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(decimalText(c.value), c.text);
    EXPECT_EQ(numericPrefix(decimalText(c.value)), c.value);
  }
  EXPECT_EQ(decimalText(std::nan("")), "0");
  EXPECT_EQ(decimalText(std::numeric_limits<double>::infinity()), "0");
  const struct {
    const char* text;
    double value;
  } read[] = {{"", 0},   {"abc", 0}, {"  12abc", 12}, {"\t4", 4},  {"-3", -3},
              {"+5", 5}, {"-", 0},   {"1.20", 1.2},   {".5", 0.5}, {"1e3", 1000},
              {"1e", 1}, {"7 8", 7}, {"1,5", 1}};
  for (const auto& c : read) {
    SCOPED_TRACE(c.text);
    EXPECT_DOUBLE_EQ(numericPrefix(c.text), c.value);
  }
}

TEST(DecimalText, NumbersBeyondTheTypeReadAsTheNearestItHas) {
  constexpr double kLargest = std::numeric_limits<double>::max();
  const struct {
    const char* text;
    double value;
  } cases[] = {{"1e400", kLargest},
               {"-1e400", -kLargest},
               {"1.7976931348623159e308", kLargest},
               {"1e-400", 0},
               {"-1e-400", 0},
               {"4.9e-324", std::numeric_limits<double>::denorm_min()},
               {"123456789012345678901234567890", 1.2345678901234568e29}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(numericPrefix(c.text), c.value);
  }
  const struct {
    double value;
    const char* text;
  } written[] = {{1e22, "1e+22"},
                 {-1.5e300, "-1.5e+300"},
                 {123456789012345678.0, "123456789012345680"},
                 {0.001, "0.001"},
                 {0.0001, "1e-04"},
                 {1e5, "100000"},
                 {1.5e7 + 0.5, "15000000.5"},
                 {0.1 + 0.2, "0.30000000000000004"},
                 {kLargest, "1.7976931348623157e+308"},
                 {std::numeric_limits<double>::denorm_min(), "5e-324"}};
  for (const auto& c : written) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(decimalText(c.value), c.text);
    EXPECT_EQ(numericPrefix(c.text), c.value);
  }
}

#if defined(__cpp_lib_to_chars)
// Where the C++ library can write the shortest text itself, the game's texts are the same.
TEST(DecimalText, WritesWhatTheLibrarysShortestFormWrites) {
  std::mt19937_64 bits(20261209);
  for (int i = 0; i < 20000; ++i) {
    double value = 0;
    if (i % 2 == 0) {
      const std::uint64_t raw = bits();
      std::memcpy(&value, &raw, sizeof value);
    } else {
      value = static_cast<double>(static_cast<std::int64_t>(bits() % 2000001) - 1000000) /
              std::pow(10.0, static_cast<double>(bits() % 12));
    }
    if (!std::isfinite(value) || value == 0) continue;
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    const std::string library(buffer, end);
    SCOPED_TRACE(library);
    if (std::trunc(value) != value || std::fabs(value) >= 9007199254740992.0) {
      EXPECT_EQ(decimalText(value), library);
    }
    EXPECT_EQ(numericPrefix(library), value);
  }
}
#endif

TEST(DecimalText, StrictWholeNumbers) {
  const auto none = std::nullopt;
  const struct {
    const char* text;
    std::optional<long long> value;
  } cases[] = {{"5", 5},      {" -12 ", -12}, {"\t3\t", 3},  {"+7", 7},     {"", none},
               {"-", none},   {"+", none},    {"1.0", none}, {"1e3", none}, {"12a", none},
               {"1 2", none}, {"--5", none},  {"- 5", none}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(strictWholeNumber(c.text), c.value);
  }
  EXPECT_EQ(strictWholeNumber("-9223372036854775808"), std::numeric_limits<long long>::min());
  EXPECT_EQ(strictWholeNumber("9223372036854775808"), none);
}

TEST(DecimalText, TwoSignsAreNoWholeNumber) {
  for (const char* text : {"+-5", "-+5", "++5"}) EXPECT_EQ(strictWholeNumber(text), std::nullopt);
}

TEST(Cp1250, EveryDefinedByteDecodesAndEncodesBack) {
  const std::set<int> undefined = {0x81, 0x83, 0x88, 0x90, 0x98};
  std::set<std::string> decodedTexts;
  for (int b = 1; b <= 0xFF; ++b) {
    SCOPED_TRACE(b);
    const std::string byte(1, static_cast<char>(b));
    const auto text = decodeCp1250("ok" + byte);
    if (undefined.count(b)) {
      EXPECT_FALSE(text);
      continue;
    }
    ASSERT_TRUE(text);
    EXPECT_EQ(encodeCp1250(*text), "ok" + byte);
    decodedTexts.insert(*text);
  }
  EXPECT_EQ(decodedTexts.size(), 255u - undefined.size()) << "two bytes decode alike";
  EXPECT_FALSE(decodeCp1250(std::string("a\0b", 3)));
  EXPECT_EQ(decodeCp1250("Ka\xE8"
                         "erov \x80\x8E"),
            "Kačerov €Ž");
}

TEST(Cp1250, CharactersTheCodePageLacksOrBrokenUtf8CannotBeStored) {
  const std::string lacking[] = {
      "Иван", "😀", "\xC3", "\xC0\xAF", "\xED\xA0\x80", "\xF8\x88\x80\x80", std::string("a\0b", 3)};
  for (const auto& text : lacking) {
    SCOPED_TRACE(text);
    EXPECT_FALSE(encodeCp1250(text));
  }
}

TEST(DataText, ReadsTheFiveFieldsOfARecord) {
  const struct {
    const char* bytes;
    DataText record;
  } cases[] = {{"0\r\n\"Ahoj, sv\xECte\"\r\n1, -500, 0\r\n", {0, "Ahoj, světe", 1, -500, 0}},
               {"0\r\"x\"\r1\r-500\r0", {0, "x", 1, -500, 0}},
               {"0\nx,2\n1,0,0\n", {0, "x", 2, 1, 0}},  // an unquoted comma shifts the fields
               {"  7 ,  a b  , 2 ,\t-1, 1  ", {7, "a b", 2, -1, 1}},
               {"0,\"a \"\"b\"\" c\",1,0,0", {0, "a \"b\" c", 1, 0, 0}},
               {"0,\"a\r\nb\",1,0,0", {0, "a\r\nb", 1, 0, 0}},
               {"0\n\n1\n0\n0", {0, "", 1, 0, 0}},
               {"0,x,1,0,0\n\"\x81 garbage", {0, "x", 1, 0, 0}},
               {"-2147483648,x,255,2147483647,255", {-2147483648, "x", 255, 2147483647, 255}},
               // A field that holds no number reads as 0; one with fractions is rounded.
               {"0\nAhoj, svete\n1,0,0\n", {0, "Ahoj", 0, 1, 0}},
               {"0,x,1,0,\r\n", {0, "x", 1, 0, 0}},
               {"nula,x,1.0,2.5,1", {0, "x", 1, 2, 1}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.bytes);
    const auto record = parseDataText(c.bytes);
    ASSERT_TRUE(record);
    EXPECT_EQ(record->questionCode, c.record.questionCode);
    EXPECT_EQ(record->infoText, c.record.infoText);
    EXPECT_EQ(record->buttonMode, c.record.buttonMode);
    EXPECT_EQ(record->moneyAmount, c.record.moneyAmount);
    EXPECT_EQ(record->monthEnd, c.record.monthEnd);
  }
}

TEST(DataText, RejectsRecordsThatDoNotHoldFiveFieldsInRange) {
  const std::string cases[] = {"0\nAhoj, svete\n1,-500,0\n",
                               "",
                               "  \t ",
                               "0\n\"x\"\n1,-500",
                               "0\n\"x\n1,0,0\n",
                               "0,\"x\"y,1,0,0",
                               "0,x,256,0,0",
                               "0,x,-1,0,0",
                               "0,x,1,0,256",
                               "0,x,1,0,-1",
                               "0,x,1,2147483648,0",
                               "-2147483649,x,1,0,0",
                               "0,x,1,0,",
                               "0,x,1,0,1e3",
                               "0,a\x81,1,0,0",
                               std::string("0,a\0b,1,0,0", 11),
                               std::string("0,x,1\0,0,0", 10)};
  for (const auto& bytes : cases) {
    SCOPED_TRACE(bytes);
    EXPECT_FALSE(parseDataText(bytes));
  }
}

}  // namespace
}  // namespace velmoran
