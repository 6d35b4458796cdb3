// SPDX-License-Identifier: GPL-3.0-or-later
// The unfinished reign: kept in the player's folder as it is played, offered on the title menu
// and gone on with where it stopped.
#include <cmath>
#include <memory>

#include "files/decimal_text.h"
#include "files/game_files.h"
#include "state/file_messages.h"
#include "state/messages.h"
#include "state/reign_snapshot.h"
#include "state/session.h"

namespace velmoran {

namespace {

constexpr char kReignTitle[] = "Rozehraná vláda";
constexpr char kReplaceQuestion[] = "Nová hra nahradí rozehranou vládu: ";
constexpr char kReplaceConfirm[] = "\nOpravdu začít novou hru?";
constexpr char kPlayedElsewhere[] =
    "Rozehranou vládu právě hraje jiná spuštěná kopie hry. Tuto vládu hra neuloží, aby ji "
    "nepřepsala.";
constexpr char kNotKept[] = "Bohužel hra nemůže uložit rozehranou vládu.";
constexpr char kNotRead[] = "Bohužel hra nemůže načíst rozehranou vládu.";
constexpr char kNewerCause[] =
    "\nPříčina: soubor uložila novější verze hry (formát %), tato ho neumí přečíst.";
constexpr char kSetAside[] = "\nSoubor je odložen jako %, nová hra ho nepřepíše.";
constexpr char kNotSetAside[] =
    "\nSoubor se nepodařilo odložit; dokud tam leží, hra rozehranou vládu neukládá.";

std::string filledIn(const char* pattern, const std::string& value) {
  std::string text = pattern;
  text.replace(text.find('%'), 1, value);
  return text;
}

long long monthOf(const std::string& vlada) {
  constexpr double kLimit = 1e18;
  return static_cast<long long>(std::fmax(-kLimit, std::fmin(kLimit, numericPrefix(vlada))));
}

Session::ReignOffer offerOf(const ReignSnapshot& reign) {
  const auto& texts = reign.screen.texts;
  return {Session::ReignOffer::State::Offered, texts[indexOf(Quantity::jmeno)],
          texts[indexOf(Quantity::stat)], monthOf(texts[indexOf(Quantity::vlada)])};
}

}  // namespace

void Session::actionDone() {
  if (reignKeeping_ == ReignKeeping::EveryAction) keepReign();
}

void Session::keepReign() {
  if (!game_ || !keepsThisReign_ || acting_) return;
  FileFault fault = FileFault::None;
  const KeptReign kept = keptReignOf(*game_, vars_, random_.state(), isOpen(Screen::Vzpoura));
  if (writeKeptReign(reignFile(), kept, &fault)) {
    keepingFailed_ = false;
  } else if (!keepingFailed_) {
    // Told once, not at every action: the game goes on, and the next write may succeed.
    keepingFailed_ = true;
    ui_.message(Icon::Critical, kFileErrorTitle, withCause(kNotKept, fault));
  }
}

void Session::endKeptReign() {
  if (!keepsThisReign_) return;
  removeKeptReign(reignFile());
  reignLock_.release();
  keepsThisReign_ = false;
}

// The offer is read whole when the title menu opens, so that what it shows is what goes on.
void Session::refreshReignOffer() {
  reignOffer_ = {};
  offeredReign_.reset();
  std::error_code ec;
  if (!std::filesystem::exists(std::filesystem::symlink_status(reignFile(), ec))) {
    if (!keepsThisReign_) reignLock_.release();
    return;
  }
  if (!reignLock_.take()) {
    reignOffer_.state = ReignOffer::State::Elsewhere;
    return;
  }
  clearInterruptedWrites(reignFile());
  KeptReignReading reading = readKeptReign(reignFile());
  const auto snapshot = reading.reign ? snapshotOf(*reading.reign) : std::nullopt;
  if (!snapshot) {
    if (reading.fault == FileFault::Missing) return;
    if (reading.fault == FileFault::None) reading.fault = FileFault::Damaged;
    setAsideUnreadableReign(reading);
    return;
  }
  reignOffer_ = offerOf(*snapshot);
  offeredReign_ = std::move(reading.reign);
}

// Whatever lies under the reign's name and cannot be gone on with is moved aside, never
// removed: a later version of the game, or the player, may still make something of it.
void Session::setAsideUnreadableReign(const KeptReignReading& reading) {
  std::string text = reading.newerVersion > 0
                         ? kNotRead + filledIn(kNewerCause, std::to_string(reading.newerVersion))
                         : withCause(kNotRead, reading.fault);
  const auto aside = moveKeptReignAside(reignFile());
  text += aside ? filledIn(kSetAside, aside->filename().string()) : kNotSetAside;
  ui_.message(Icon::Critical, kFileErrorTitle, text);
}

bool Session::mayReplaceReign() {
  if (reignOffer_.state == ReignOffer::State::Offered) {
    const std::string reign = reignOffer_.ruler + ", " + reignOffer_.country + ", " +
                              std::to_string(reignOffer_.month) + ". měsíc.";
    if (!ui_.askYesNo(kReignTitle, kReplaceQuestion + reign + kReplaceConfirm)) return false;
  }
  reignOffer_ = {};
  offeredReign_.reset();
  return true;
}

bool Session::takeReignForNewGame() {
  if (reignLock_.take()) return true;
  ui_.message(Icon::Information, kReignTitle, kPlayedElsewhere);
  return false;
}

void Session::resume() {
  if (finished_ || !isOpen(Screen::Menu) || game_ || !offeredReign_) return;
  auto snapshot = snapshotOf(*offeredReign_);
  reignOffer_ = {};
  offeredReign_.reset();
  if (!snapshot) return;
  for (const Screen beside : {Screen::About, Screen::Nastaveni, Screen::Prohra}) {
    closeScreen(beside);
  }
  vars_ = snapshot->vars;
  random_.restore(snapshot->random);
  game_ = std::make_unique<Game>(*this);
  game_->restore(snapshot->screen, snapshot->rebellion, std::move(snapshot->recorder));
  keepsThisReign_ = true;
  openScreen(Screen::Main);
  if (!game_->screen().info.empty()) ui_.infoTextChanged(game_->screen().info);
  if (snapshot->rebellionOpen) {
    openScreen(Screen::Vzpoura);
    ui_.rebellionChanged(game_->rebellion());
    ui_.setGameScreenEnabled(false);
  }
  closeScreen(Screen::Menu);
}

}  // namespace velmoran
