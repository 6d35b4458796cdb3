// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/reign_chronicle.h"

#include <algorithm>

#include "files/cp1250.h"
#include "files/decimal_text.h"
#include "files/quoted_text.h"
#include "files/record_reader.h"

namespace velmoran {

namespace {

// The first field of every kept chronicle: a file without it is not one.
constexpr char kHeading[] = "KRONIKA VLÁDY 1";
constexpr char kLineBreak[] = "\r\n";
constexpr std::size_t kHeaderFields = 6;  // heading, ruler, country, months, two counts
constexpr std::size_t kFiguresFields = 13;
constexpr std::size_t kMomentFields = 4;
constexpr auto kMostRows = static_cast<long long>(kMostChronicleRows);

std::string row(std::initializer_list<long long> numbers) {
  std::string out;
  for (long long n : numbers) out += (out.empty() ? "" : ", ") + std::to_string(n);
  return out;
}

std::string figuresRow(const MonthFigures& f) {
  const auto& p = f.popularity;
  return row({f.month, f.treasury, f.budget, f.territory, f.defence, f.partisans, f.bordanie, p[0],
              p[1], p[2], p[3], p[4], p[5]});
}

// Reads the fields in order, each a strict whole number or a quoted text.
class FieldCursor {
 public:
  explicit FieldCursor(const std::vector<Field>& fields) : fields_(fields) {}
  std::optional<long long> number() {
    const Field& f = fields_[next_++];
    if (f.quoted) return std::nullopt;
    return strictWholeNumber(f.bytes);
  }
  const Field& field() { return fields_[next_++]; }

 private:
  const std::vector<Field>& fields_;
  std::size_t next_ = 0;
};

bool onlyBlanks(std::string_view rest) {
  return rest.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

}  // namespace

const std::vector<MomentKindInfo>& momentKinds() {
  using K = MomentKind;
  static const std::vector<MomentKindInfo> kinds = {
      {K::BordanieRepelled, "bordanie-odrazena", 2, false},
      {K::BordanieWon, "bordanie-zvitezila", 2, true},
      {K::PartisansBeaten, "partyzani-porazeni", 2, false},
      {K::PartisansWon, "partyzani-zvitezili", 2, false},
      {K::RebellionPutDown, "vzpoura-potlacena", 2, false},
      {K::RebellionWon, "vzpoura-zvitezila", 2, true},
      {K::WarWon, "valka-vyhrana", 2, false},
      {K::WarLost, "valka-prohrana", 2, false},
      {K::PartisanRaidWon, "utok-na-partyzany-vyhran", 2, false},
      {K::PartisanRaidLost, "utok-na-partyzany-prohran", 2, false},
      {K::SaboteurSucceeded, "diverzant-uspel", 0, false},
      {K::SaboteurFailed, "diverzant-selhal", 0, false},
      {K::RussiaLends, "pujcka-rusko", 1, false},
      {K::UsaLends, "pujcka-usa", 1, false},
      {K::MoravaLends, "pujcka-morava", 1, false},
      {K::RussiaRefuses, "odmitnuti-rusko", 0, false},
      {K::UsaRefuses, "odmitnuti-usa", 0, false},
      {K::MoravaRefuses, "odmitnuti-morava", 0, false},
      {K::Sale, "prodej-bordanu", 1, false},
      {K::Promotion, "povyseni-velitele", 1, false},
      {K::Nationalisation, "znarodneni", 1, false},
      {K::Acquaintance, "seznameni", 0, false},
      {K::Wedding, "svatba", 0, false},
      {K::BecameMan, "zmena-na-muze", 0, false},
      {K::BecameWoman, "zmena-na-zenu", 0, false},
      {K::Bankruptcy, "bankrot", 1, true},
      {K::TerritoryLost, "ztrata-uzemi", 1, true},
      {K::Victory, "vitezstvi", 1, true},
      {K::Suicide, "sebevrazda", 0, true},
  };
  return kinds;
}

const MomentKindInfo& infoOf(MomentKind kind) {
  return momentKinds()[static_cast<std::size_t>(kind)];
}

std::optional<MomentKind> momentKindNamed(std::string_view key) {
  for (const MomentKindInfo& info : momentKinds()) {
    if (key == info.key) return info.kind;
  }
  return std::nullopt;
}

std::string chronicleBytes(const ReignChronicle& c) {
  const auto figures = std::min<std::size_t>(c.figures.size(), kMostRows);
  const auto moments = std::min<std::size_t>(c.moments.size(), kMostRows);
  std::string out = *encodeCp1250(std::string("\"") + kHeading + "\"") + kLineBreak;
  out += quotedField(c.ruler) + kLineBreak + quotedField(c.country) + kLineBreak;
  out += row({c.months, static_cast<long long>(figures), static_cast<long long>(moments)}) +
         kLineBreak;
  for (std::size_t i = 0; i < figures; ++i) out += figuresRow(c.figures[i]) + kLineBreak;
  for (std::size_t i = 0; i < moments; ++i) {
    const Moment& m = c.moments[i];
    out += std::to_string(m.month) + ", " + infoOf(m.kind).key + ", " +
           row({m.numbers[0], m.numbers[1]}) + kLineBreak;
  }
  return out;
}

std::optional<ReignChronicle> parseChronicleHeading(std::string_view bytes) {
  const auto header = readFields(bytes, kHeaderFields);
  if (!header || !(*header)[0].quoted ||
      decodeCp1250((*header)[0].bytes) != std::optional<std::string>(kHeading)) {
    return std::nullopt;
  }
  FieldCursor head(*header);
  head.field();
  ReignChronicle c;
  const auto ruler = unquotedField(head.field());
  const auto country = unquotedField(head.field());
  const auto months = head.number();
  const auto figures = head.number();
  const auto moments = head.number();
  if (!ruler || !country || !months || !figures || !moments || *figures < 0 ||
      *figures > kMostRows || *moments < 0 || *moments > kMostRows) {
    return std::nullopt;
  }
  c.ruler = *ruler;
  c.country = *country;
  c.months = *months;
  c.figures.resize(static_cast<std::size_t>(*figures));
  c.moments.resize(static_cast<std::size_t>(*moments));
  return c;
}

std::optional<ReignChronicle> parseChronicleHeadingOfStart(std::string_view start, bool cut) {
  if (!cut) return parseChronicleHeading(start);
  const auto lineEnd = start.rfind('\n');
  if (lineEnd == std::string_view::npos) return std::nullopt;
  return parseChronicleHeading(start.substr(0, lineEnd + 1));
}

std::optional<ReignChronicle> parseChronicle(std::string_view bytes) {
  auto c = parseChronicleHeading(bytes);
  if (!c) return std::nullopt;
  const std::size_t figures = c->figures.size(), moments = c->moments.size();
  c->figures.clear();
  c->moments.clear();
  const std::size_t total = kHeaderFields + figures * kFiguresFields + moments * kMomentFields;
  const FieldReading reading = readFieldsOf(bytes, total);
  if (reading.stop != FieldReading::Stop::Complete || !onlyBlanks(reading.rest)) {
    return std::nullopt;
  }
  FieldCursor body(reading.fields);
  for (std::size_t i = 0; i < kHeaderFields; ++i) body.field();
  for (std::size_t i = 0; i < figures; ++i) {
    std::array<std::optional<long long>, kFiguresFields> n;
    for (auto& number : n) number = body.number();
    if (std::any_of(n.begin(), n.end(), [](const auto& x) { return !x; })) return std::nullopt;
    c->figures.push_back({*n[0],
                          *n[1],
                          *n[2],
                          *n[3],
                          *n[4],
                          *n[5],
                          *n[6],
                          {*n[7], *n[8], *n[9], *n[10], *n[11], *n[12]}});
  }
  for (std::size_t i = 0; i < moments; ++i) {
    const auto month = body.number();
    const Field& key = body.field();
    const auto kind = key.quoted ? std::nullopt : momentKindNamed(key.bytes);
    const auto first = body.number();
    const auto second = body.number();
    if (!month || !kind || !first || !second) return std::nullopt;
    c->moments.push_back({*month, *kind, {*first, *second}});
  }
  return c;
}

std::string chronicleCsv(const ReignChronicle& c) {
  std::string out =
      "mesic,kasa,rozpocet,uzemi,obrana,partyzani,bordanie,polo,armo,delo,rolo,chuo,into\n";
  for (const MonthFigures& f : c.figures) {
    std::string line = figuresRow(f);
    line.erase(std::remove(line.begin(), line.end(), ' '), line.end());
    out += line + "\n";
  }
  return out;
}

}  // namespace velmoran
