// SPDX-License-Identifier: GPL-3.0-or-later
#include "state/game.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "files/cp1250.h"
#include "files/decimal_text.h"
#include "files/question_codes.h"
#include "state/file_messages.h"
#include "state/messages.h"
#include "state/random.h"
#include "state/session.h"

namespace velmoran {

namespace {

constexpr double kBankruptcyLine = -15000;
constexpr double kWinningTerritory = 99;
constexpr int kReportPrice = 20;
// As much as an input box takes; it also keeps "best.dat" small enough to be read back.
constexpr std::size_t kLongestName = 255;

bool neverNegative(Quantity q) {
  return q == Quantity::tp || q == Quantity::arm || q == Quantity::os || q == Quantity::par ||
         q == Quantity::brd;
}

}  // namespace

Game::Game(Session& session) : session_(session) {}

WorkingVars& Game::vars() {
  return session_.vars();
}

Ui& Game::ui() {
  return session_.ui();
}

Random& Game::random() {
  return session_.random();
}

void Game::changed() {
  ui().gameScreenChanged();
}

double Game::value(Quantity q) const {
  return numericPrefix(text(q));
}

void Game::set(Quantity q, double value) {
  screen_.texts[indexOf(q)] = decimalText(value);
  changed();
  runChangeRule(q);
}

void Game::setName(Quantity q, const std::string& name) {
  screen_.texts[indexOf(q)] = firstCharacters(name, kLongestName);
  changed();
}

void Game::runChangeRule(Quantity q) {
  const double v = value(q);
  if (q == Quantity::kasa) {
    if (v < kBankruptcyLine) {
      note(MomentKind::Bankruptcy, v);
      ui().message(Icon::Critical, "Prohra", "Prohráls.\n Tvá zem zkrachovala.");
      GameOver();
    }
  } else if (q == Quantity::Procentu) {
    if (v <= 0) {
      note(MomentKind::TerritoryLost, v);
      GameOver();
    }
    if (v >= kWinningTerritory) {
      note(MomentKind::Victory, v);
      ui().message(Icon::None, "VYHRÁLS",
                   "GRATULUJI zničil jsi partyzány a ochránil jsi svoji zemi.");
      GameOver();
    }
  } else if (neverNegative(q) && v < 0) {
    set(q, 0);
  }
}

void Game::setInfo(const std::string& text) {
  const bool textChanged = text != screen_.info;
  screen_.info = text;
  if (textChanged) ui().infoTextChanged(text);
  changed();
  info_Change(textChanged);
}

// The file's money is paid when the panel's text really changes; the buttons follow the record
// on every write, so that clearing an empty panel still takes its buttons away.
void Game::info_Change(bool textChanged) {
  WorkingVars& v = vars();
  if (textChanged) add(Quantity::kasa, v.moneyAmount);
  if (v.buttonMode == 1) {
    screen_.okVisible = true;
    screen_.anoVisible = screen_.neVisible = false;
  } else if (v.buttonMode == 2) {
    screen_.okVisible = false;
    screen_.anoVisible = screen_.neVisible = true;
  }
  if (v.questionCode == kNoQuestion) {
    screen_.okVisible = screen_.anoVisible = screen_.neVisible = false;
  } else if (v.questionCode == kPlainText) {
    screen_.okVisible = true;
    screen_.anoVisible = screen_.neVisible = false;
  }
  changed();
}

bool Game::otevri() {
  WorkingVars& v = vars();
  FileFault fault = FileFault::None;
  const auto record = session_.dataTexts().read(v.textFileName, &fault);
  if (!record) {
    ui().message(Icon::Critical, kFileErrorTitle, withCause(kMissingDataText, fault));
    return false;
  }
  v.questionCode = record->questionCode;
  v.infoText = record->infoText;
  v.buttonMode = record->buttonMode;
  v.moneyAmount = record->moneyAmount;
  v.monthEnd = record->monthEnd;
  setInfo(v.infoText);
  return true;
}

void Game::appendAmount(long long amount, const std::string& unit) {
  setInfo(screen_.info + std::to_string(amount) + unit);
}

bool Game::Kontrola() {
  vars().mayAct = !screen_.anyAnswerButtonVisible();
  return vars().mayAct;
}

std::uint8_t Game::nahoda(std::uint8_t drawRange, std::uint8_t drawBase) {
  WorkingVars& v = vars();
  v.drawRange = drawRange;
  v.drawBase = drawBase;
  const float r = session_.random().next();
  const float drawn = static_cast<float>(v.drawRange) * r + static_cast<float>(v.drawBase);
  // At the generator's largest value single precision can round up to one past the range.
  const float highest = static_cast<float>(v.drawBase + std::max(v.drawRange, std::uint8_t{1}) - 1);
  v.drawnNumber = static_cast<std::uint8_t>(std::min(std::floor(drawn), highest));
  return v.drawnNumber;
}

void Game::keepThreeQuarters(Quantity strength) {
  set(strength, std::nearbyint(value(strength) / 4 * 3));
}

void Game::keepAThird(Quantity strength) {
  set(strength, std::nearbyint(value(strength) / 3));
}

void Game::prictipozemek(std::int16_t territoryChange) {
  add(Quantity::Procentu, territoryChange);
  const double share = std::nearbyint(100 - value(Quantity::Procentu));
  setPartisanShare(static_cast<std::uint8_t>(std::clamp(share, 0.0, 100.0)));
}

void Game::withdraw(MenuEntry entry) {
  screen_.menuEnabled[indexOf(entry)] = false;
  changed();
}

void Game::setReportVisible(bool visible) {
  screen_.reportVisible = visible;
  changed();
}

void Game::setMonthBannerVisible(bool visible) {
  screen_.monthBannerVisible = visible;
  changed();
}

void Game::setEnabled(bool enabled) {
  screen_.enabled = enabled;
  ui().setGameScreenEnabled(enabled);
  changed();
}

void Game::showRebellion(const RebellionScreen& sides) {
  session_.openScreen(Screen::Vzpoura);
  rebellion_ = sides;
  ui().rebellionChanged(rebellion_);
}

void Game::closeRebellion() {
  session_.closeScreen(Screen::Vzpoura);
}

void Game::setPartisanShare(std::uint8_t share) {
  screen_.partisanShare = share;
  changed();
}

void Game::applyLook(const DisplaySettings& look) {
  screen_.look = look;
  changed();
}

void Game::restore(const GameScreen& screen, const RebellionScreen& rebellion,
                   ReignRecorder recorder) {
  screen_ = screen;
  rebellion_ = rebellion;
  recorder_ = std::move(recorder);
  changed();
}

void Game::Form_Load() {
  vars().textFileName = "welcome.ini";
  otevri();
}

void Game::Command1_Click() {
  add(Quantity::kasa, -kReportPrice);
  setReportVisible(true);
}

}  // namespace velmoran
