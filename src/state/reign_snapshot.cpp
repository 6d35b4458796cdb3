// SPDX-License-Identifier: GPL-3.0-or-later
#include "state/reign_snapshot.h"

#include <algorithm>
#include <iterator>

#include "files/best_scores.h"
#include "files/cp1250.h"
#include "files/decimal_text.h"
#include "state/game.h"
#include "state/random.h"

namespace velmoran {

namespace {

// Every group the rebellion screen lists.
constexpr const char* kRebellionGroups[] = {"Tajná policie", "Osobní stráž", "Policie",
                                            "Armáda",        "Dělníci",      "Rolníci",
                                            "Chudina",       "Inteligence"};

// A number is kept as the text the game writes for it, nothing else.
bool isWrittenNumber(const std::string& text) {
  return decimalText(numericPrefix(text)) == text;
}

bool isName(const std::string& text) {
  return utf8CodePoints(text) && firstCharacters(text, kLongestRulerName) == text;
}

bool areGroups(const std::vector<std::string>& entries) {
  return std::all_of(entries.begin(), entries.end(), [](const std::string& entry) {
    return std::find(std::begin(kRebellionGroups), std::end(kRebellionGroups), entry) !=
           std::end(kRebellionGroups);
  });
}

bool quantitiesOf(const KeptReign& kept, GameScreen& screen) {
  std::array<bool, kQuantityCount> seen{};
  for (const auto& [name, text] : kept.quantities) {
    const auto q = quantityNamed(name);
    if (!q || seen[indexOf(*q)]) return false;
    if (isNameQuantity(*q) ? !isName(text) : !isWrittenNumber(text)) return false;
    seen[indexOf(*q)] = true;
    screen.texts[indexOf(*q)] = text;
  }
  return std::all_of(seen.begin(), seen.end(), [](bool s) { return s; });
}

bool withdrawnOf(const KeptReign& kept, GameScreen& screen) {
  for (const std::string& command : kept.withdrawn) {
    const auto entry = menuEntryForCommand(command);
    if (!entry) return false;
    screen.menuEnabled[indexOf(*entry)] = false;
  }
  return true;
}

}  // namespace

KeptReign keptReignOf(const Game& game, const WorkingVars& v, std::uint32_t random,
                      bool rebellionOpen) {
  const GameScreen& s = game.screen();
  KeptReign r;
  for (const QuantityInfo& info : kQuantities) {
    r.quantities.emplace_back(info.name, game.text(info.quantity));
  }
  r.info = s.info;
  r.okVisible = s.okVisible;
  r.anoVisible = s.anoVisible;
  r.neVisible = s.neVisible;
  r.reportVisible = s.reportVisible;
  r.monthBannerVisible = s.monthBannerVisible;
  r.partisanShare = s.partisanShare;
  r.look = {s.look.boldInfoText, s.look.whiteOnBlackInfo, s.look.boldButtons};
  r.enabled = s.enabled;
  for (const MenuEntryInfo& info : kMenuEntries) {
    if (game.isWithdrawn(info.entry)) r.withdrawn.emplace_back(info.command);
  }
  r.random = random;
  r.drawRange = v.drawRange;
  r.drawBase = v.drawBase;
  r.drawnNumber = v.drawnNumber;
  r.mayAct = v.mayAct;
  r.textFileName = v.textFileName;
  r.infoText = v.infoText;
  r.questionCode = v.questionCode;
  r.buttonMode = v.buttonMode;
  r.moneyAmount = v.moneyAmount;
  r.monthEnd = v.monthEnd;
  r.textBaseName = v.textBaseName;
  r.partner = v.partner;
  r.sexChange = v.sexChange;
  if (rebellionOpen) {
    const RebellionScreen& sides = game.rebellion();
    r.rebellion = KeptRebellion{sides.stebou, sides.protitobe, sides.tvojes, sides.jejichs};
  }
  r.chronicleStride = game.recorder().stride();
  r.chronicle = game.recorder().recorded();
  return r;
}

std::optional<ReignSnapshot> snapshotOf(const KeptReign& kept) {
  ReignSnapshot s;
  GameScreen& screen = s.screen;
  if (!quantitiesOf(kept, screen) || !withdrawnOf(kept, screen)) return std::nullopt;
  screen.info = kept.info;
  screen.okVisible = kept.okVisible;
  screen.anoVisible = kept.anoVisible;
  screen.neVisible = kept.neVisible;
  screen.reportVisible = kept.reportVisible;
  screen.monthBannerVisible = kept.monthBannerVisible;
  screen.partisanShare = kept.partisanShare;
  screen.look = {kept.look[0], kept.look[1], kept.look[2]};
  screen.enabled = kept.enabled;

  // The rebellion screen is open exactly while the game screen is switched off.
  s.rebellionOpen = kept.rebellion.has_value();
  if (s.rebellionOpen == kept.enabled) return std::nullopt;
  if (const auto& r = kept.rebellion) {
    if (!areGroups(r->stebou) || !areGroups(r->protitobe) || !isWrittenNumber(r->tvojes) ||
        !isWrittenNumber(r->jejichs)) {
      return std::nullopt;
    }
    s.rebellion = RebellionScreen{r->stebou, r->protitobe, r->tvojes, r->jejichs};
  }

  if (!Random().restore(kept.random)) return std::nullopt;
  s.random = kept.random;
  WorkingVars& v = s.vars;
  v.drawRange = kept.drawRange;
  v.drawBase = kept.drawBase;
  v.drawnNumber = kept.drawnNumber;
  v.mayAct = kept.mayAct;
  v.textFileName = kept.textFileName;
  v.infoText = kept.infoText;
  v.questionCode = kept.questionCode;
  v.buttonMode = kept.buttonMode;
  v.moneyAmount = kept.moneyAmount;
  v.monthEnd = kept.monthEnd;
  v.textBaseName = kept.textBaseName;
  v.partner = kept.partner;
  v.sexChange = kept.sexChange;
  s.recorder = ReignRecorder(kept.chronicle, kept.chronicleStride);
  return s;
}

}  // namespace velmoran
