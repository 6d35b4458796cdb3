// SPDX-License-Identifier: GPL-3.0-or-later
// The screens around a game: the splash screen, the settings screen and the about box.
#include "files/help_page.h"
#include "files/settings_file.h"
#include "state/file_messages.h"
#include "state/session.h"

namespace velmoran {

namespace {

constexpr char kSettingsUnreadable[] = "Bohužel hra nemůže najít soubor kde jse uloženo nastavení.";
constexpr char kSettingsUnsaved[] = "Bohužel při ukládání nastavení nastala neznámá chyba";

}  // namespace

std::string Session::helpPageAddress() const {
  return velmoran::helpPageAddress(folders_.shipped);
}

void Session::openSplash() {
  if (anyScreenOpen()) return;
  openScreen(Screen::Splash);
  ui_.playSound("sound.dat");
}

void Session::splashTimer() {
  if (!isOpen(Screen::Splash)) return;
  // Both happen in one step of the program, so no moment without a screen is ever seen; the
  // splash screen is gone before the title menu comes.
  closeScreen(Screen::Splash);
  openTitleMenu();
}

void Session::openSettings() {
  if (finished_ || !isOpen(Screen::Menu) || isOpen(Screen::Nastaveni)) return;
  // The boxes are filled only when all three values could be read: a box is unticked only by
  // the value 1.
  settingsChecks_ = {};
  FileFault fault = FileFault::None;
  if (const auto values = readSettingsValues(folders_.player / "data.dat", &fault)) {
    for (std::size_t box = 0; box < settingsChecks_.size(); ++box) {
      settingsChecks_[box] = (*values)[box] != 1;
    }
  } else {
    ui_.message(Icon::Critical, "CHYBA", withCause(kSettingsUnreadable, fault));
  }
  openScreen(Screen::Nastaveni);
}

void Session::setSettingsCheck(std::size_t box, bool ticked) {
  if (isOpen(Screen::Nastaveni) && box < settingsChecks_.size()) settingsChecks_[box] = ticked;
}

void Session::saveSettings() {
  if (!isOpen(Screen::Nastaveni)) return;
  // A ticked box switches its option on, which "data.dat" stores as 0.
  const DisplaySettings options{settingsChecks_[0], settingsChecks_[1], settingsChecks_[2]};
  FileFault fault = FileFault::None;
  if (!writeDisplaySettings(folders_.player / "data.dat", options, &fault)) {
    ui_.message(Icon::Critical, "CHYBA", withCause(kSettingsUnsaved, fault));
    return;
  }
  closeScreen(Screen::Nastaveni);
}

void Session::openAbout() {
  if (finished_ || !isOpen(Screen::Menu) || isOpen(Screen::About)) return;
  openScreen(Screen::About);
  ui_.playSound("about.dat");
}

void Session::aboutBackgroundClicked() {
  if (!isOpen(Screen::About)) return;
  openScreen(Screen::Menu);
  closeScreen(Screen::About);
}

void Session::openHelpPage() {
  ui_.openLink(helpPageAddress());
}

}  // namespace velmoran
