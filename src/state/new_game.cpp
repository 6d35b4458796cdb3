// SPDX-License-Identifier: GPL-3.0-or-later
#include <memory>

#include "files/settings_file.h"
#include "state/file_messages.h"
#include "state/messages.h"
#include "state/session.h"

namespace velmoran {

namespace {

constexpr std::uint8_t kPartisanShareAtStart = 80;

}  // namespace

// "Start" on the title menu: a fresh game screen, the two names, the starting economy and the
// display settings.
void Session::newGame() {
  discardGame();
  // What stood open beside the title menu belongs to it: the about box, for one, would
  // otherwise lead back to the title menu in the middle of the reign.
  for (const Screen beside : {Screen::About, Screen::Nastaveni, Screen::Prohra}) {
    closeScreen(beside);
  }
  game_ = std::make_unique<Game>(*this);
  Game& game = *game_;
  game.Form_Load();
  openScreen(Screen::Main);

  game.setPartisanShare(kPartisanShareAtStart);
  game.set(Quantity::Procentu, 100 - kPartisanShareAtStart);
  game.setName(Quantity::jmeno, ui_.input("Jaké je vaše jméno?", "Jak se jmenujete?", "No Name"));
  game.setName(Quantity::stat,
               ui_.input("Jak se bude jmenovat vaše země?", "Jak nazvete svou zemi?", "Kačerov"));
  game.set(Quantity::rozpocet, -titleMenuDraw(190, 40));
  game.set(Quantity::kasa, titleMenuDraw(18000, 9000));
  game.set(Quantity::zisk, titleMenuDraw(3, 1));

  FileFault fault = FileFault::None;
  if (const auto look = readDisplaySettings(folders_.player / "data.dat", &fault)) {
    game.applyLook(*look);
  } else {
    ui_.message(Icon::Critical, kFileErrorTitle, withCause(kMissingSettings, fault));
  }
  closeScreen(Screen::Menu);
  game.recordMonthFigures();
}

}  // namespace velmoran
