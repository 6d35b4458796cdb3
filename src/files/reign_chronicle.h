// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmoran {

// What the chronicle of a reign remembers: every moment worth a line, named by the key its
// text has in data/kronika.ini.
enum class MomentKind {
  BordanieRepelled,  // Bordánie's strength, our defence
  BordanieWon,       // Bordánie's strength, our defence; the reign is over
  PartisansBeaten,   // the partisans' strength, our defence
  PartisansWon,      // the partisans' strength, our defence
  RebellionPutDown,  // our side's strength, the rebels'
  RebellionWon,      // our side's strength, the rebels'; the reign is over
  WarWon,            // Bordánie's strength, our army's
  WarLost,           // Bordánie's strength, our army's
  PartisanRaidWon,   // the partisans' strength, our army's
  PartisanRaidLost,  // the partisans' strength, our army's
  SaboteurSucceeded,
  SaboteurFailed,
  RussiaLends,  // dollars a month
  UsaLends,     // dollars
  MoravaLends,  // dollars
  RussiaRefuses,
  UsaRefuses,
  MoravaRefuses,
  Sale,             // dollars
  Promotion,        // dollars
  Nationalisation,  // dollars a month
  Acquaintance,
  Wedding,
  BecameMan,
  BecameWoman,
  Bankruptcy,     // the treasury; the reign is over
  TerritoryLost,  // the territory; the reign is over
  Victory,        // the territory; the reign is over
  Suicide,        // the reign is over
};

struct MomentKindInfo {
  MomentKind kind;
  const char* key;    // in data/kronika.ini and in the kept chronicles
  int numbers;        // how many numbers the text takes (%1, %2)
  bool endsTheReign;  // the reign's end and its cause
};

const std::vector<MomentKindInfo>& momentKinds();
const MomentKindInfo& infoOf(MomentKind kind);
std::optional<MomentKind> momentKindNamed(std::string_view key);

struct Moment {
  long long month = 0;
  MomentKind kind = MomentKind::Suicide;
  std::array<long long, 2> numbers{};
};

// The country at the end of a month, the figures the chart draws.
struct MonthFigures {
  long long month = 0;
  long long treasury = 0;   // kasa
  long long budget = 0;     // rozpocet2
  long long territory = 0;  // Procentu
  long long defence = 0;    // arm + tp + os
  long long partisans = 0;  // par
  long long bordanie = 0;   // brd
  // polo, armo, delo, rolo, chuo, into
  std::array<long long, 6> popularity{};
};

// The most monthly rows and the most moments a kept chronicle holds: as many as a file of the
// game (at most 1 MiB) can carry, whatever the numbers.
inline constexpr std::size_t kMostChronicleRows = 2048;

// A reign as it was played.
struct ReignChronicle {
  std::string ruler;     // UTF-8, as entered at the start
  std::string country;   // UTF-8
  long long months = 0;  // the months ruled, the score of the reign
  std::vector<MonthFigures> figures;
  std::vector<Moment> moments;
};

// The kept file's bytes: windows-1250 text in the fields of the game's files.
std::string chronicleBytes(const ReignChronicle& chronicle);
// Strict: empty for a file that is truncated, damaged or not a chronicle at all.
std::optional<ReignChronicle> parseChronicle(std::string_view bytes);
// Only the ruler, the country and the months, for finding a reign's file; the figures and
// moments are left as many empty ones as the file announces.
std::optional<ReignChronicle> parseChronicleHeading(std::string_view bytes);
// The same from the first bytes of a file, `cut` when the file may go on past them: the heading
// must then end on a line before the cut, so that no field the cut shortened is ever read.
std::optional<ReignChronicle> parseChronicleHeadingOfStart(std::string_view start, bool cut);

// The monthly figures as CSV: a header row, then one row a month.
std::string chronicleCsv(const ReignChronicle& chronicle);

}  // namespace velmoran
