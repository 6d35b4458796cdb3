// SPDX-License-Identifier: GPL-3.0-or-later
// The chronicles of the reigns: kept at every reign's end, shown beside the best scores and
// asked for from the title menu, and the running reign's read back during play.
#include "files/decimal_text.h"
#include "state/file_messages.h"
#include "state/messages.h"
#include "state/session.h"

namespace velmoran {

namespace {

constexpr char kChronicleTitle[] = "Kronika vlády";
constexpr char kNoReignYet[] = "Zatím nikdo nevládl, kronika je prázdná.";
constexpr char kNotKept[] = "Kronika této vlády se nedochovala.";
constexpr char kLastDamaged[] =
    "Kronika poslední vlády je poškozená nebo to není kronika; hra ji vynechá.";
constexpr char kRowDamaged[] =
    "Kronika této vlády je poškozená nebo to není kronika; hra ji vynechá.";
constexpr char kNotWritten[] = "Kroniku této vlády se nepodařilo uložit.";

}  // namespace

std::optional<std::map<MomentKind, std::string>> Session::chronicleTexts(bool told) {
  const auto bytes = folders_.readText(kChronicleTextsFile);
  if (bytes) return parseChronicleTexts(*bytes).texts;
  if (told) ui_.message(Icon::Critical, kFileErrorTitle, kMissingDataText);
  return std::nullopt;
}

void Session::endReign(const ReignChronicle& chronicle, const std::optional<BestScores>& best) {
  if (!recordsChronicles_) return;
  endedReign_ = chronicle;
  // A chronicle that cannot be kept costs the player nothing of the game: the reign still
  // shows, and the score is in "best.dat". The player hears why.
  FileFault fault = FileFault::None;
  if (!keepChronicle(folders_.player, chronicle, best, &fault)) {
    ui_.message(Icon::Critical, kFileErrorTitle, withCause(kNotWritten, fault));
  }
}

// Shown unasked, the chronicle does without texts it cannot read: the moments then go by
// their keys, and no box stands in the way of the best scores.
void Session::showEndedReign() {
  if (!endedReign_) return;
  const auto texts = chronicleTexts(false).value_or(std::map<MomentKind, std::string>{});
  ui_.showChronicle(*endedReign_, chronicleLines(*endedReign_, texts));
}

std::optional<ReignChronicle> Session::found(const KeptChronicle& kept, const char* damaged) {
  if (kept.state == KeptChronicle::State::Damaged) {
    ui_.message(Icon::Critical, kFileErrorTitle, damaged);
    return std::nullopt;
  }
  return kept.chronicle;
}

std::optional<Session::ShownChronicle> Session::inWords(
    const std::optional<ReignChronicle>& reign) {
  const auto texts = reign ? chronicleTexts(true) : std::nullopt;
  if (!texts) return std::nullopt;
  return ShownChronicle{*reign, chronicleLines(*reign, *texts)};
}

std::optional<ReignChronicle> Session::lastReign() {
  // This run's last reign even when its file could not be written.
  const KeptChronicle kept = endedReign_ ? KeptChronicle{KeptChronicle::State::Found, endedReign_}
                                         : newestChronicle(folders_.player);
  if (kept.state == KeptChronicle::State::None) {
    ui_.message(Icon::Information, kChronicleTitle, kNoReignYet);
    return std::nullopt;
  }
  return found(kept, kLastDamaged);
}

std::optional<Session::ShownChronicle> Session::lastChronicle() {
  return inWords(lastReign());
}

std::optional<ReignChronicle> Session::runningReign() const {
  if (!game_) return std::nullopt;
  return game_->chronicleSoFar();
}

std::optional<Session::ShownChronicle> Session::reignSoFar() {
  return inWords(runningReign());
}

void Session::openChronicleOfRow(std::size_t row) {
  if (!isOpen(Screen::Prohra) || row > 2) return;
  const auto months = strictWholeNumber(bestScoresShown_[2 * row + 1]);
  const KeptChronicle kept =
      months ? chronicleOf(folders_.player, bestScoresShown_[2 * row], *months) : KeptChronicle{};
  if (kept.state == KeptChronicle::State::None) {
    ui_.message(Icon::Information, kChronicleTitle, kNotKept);
    return;
  }
  if (const auto chronicle = inWords(found(kept, kRowDamaged))) {
    ui_.showChronicle(chronicle->chronicle, chronicle->lines);
  }
}

}  // namespace velmoran
