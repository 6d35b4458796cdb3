// SPDX-License-Identifier: GPL-3.0-or-later
#include "random_player.h"

#include <iterator>
#include <sstream>

#include "state/menu_entries.h"
#include "state/quantity.h"

namespace velmoran::soak {

namespace {

const std::string kNameParts[] = {
    "Řehoř", "Božena", ",",  "\"", "&#27;", "&#0;", "&amp;",    "\x1b[2J", "\x07",
    "\x7f",  "\u009b", "\t", "  ", "😀",     "Иван", "\xff\xfe", "\r",      std::string(300, 'x'),
    "\\n",   " "};
const char* const kNumbers[] = {"0",
                                "1",
                                "-1",
                                "98",
                                "99",
                                "100",
                                "15000",
                                "-15001",
                                "123456",
                                "2147483647",
                                "-2147483648",
                                "9223372036854775807",
                                "-9223372036854775808",
                                "1e3",
                                "x"};
// The terminal edition's commands beside the menu bar: the title menu, the settings screen,
// the about box, the best scores, the rebellion, the buttons, the report and the state.
const char* const kOtherCommands[] = {
    "start",  "top3",   "nastaveni",   "ohre",       "check1",    "check2",
    "check3", "ulozit", "about-click", "about-link", "prohra-ok", "vzpoura-ok",
    "zprava", "ok",     "ano",         "ne",         "state"};

}  // namespace

std::string RandomPlayer::command(const std::string& buttons, bool gameOpen, bool rebellion) {
  if (rebellion && chance(0.7)) return "vzpoura-ok";
  if (!gameOpen) {
    if (chance(0.6)) return "start";
    if (chance(0.01)) return "konec";
    return chance(0.5) ? oneOf(kOtherCommands) : "prohra-ok";
  }
  const double p = std::uniform_real_distribution<double>(0, 1)(random_);
  if (p < 0.40 && !buttons.empty()) {
    std::istringstream visible(buttons);
    std::string button, chosen;
    for (int seen = 1; visible >> button; ++seen) {
      if (std::uniform_int_distribution<int>(1, seen)(random_) == 1) chosen = button;
    }
    return chosen;
  }
  if (p < 0.75) {
    // Leaving the game from its own menu is kept rare, so that reigns grow long.
    const MenuEntryInfo* entry = &oneOf(kMenuEntries);
    if (entry->menu == "mhra" && chance(0.95)) entry = &oneOf(kMenuEntries);
    return std::string(entry->command);
  }
  if (p < 0.85) return oneOf(kOtherCommands);
  if (p < 0.90) return setting();
  return "!" + hostileName();
}

std::string RandomPlayer::stranger(long step) {
  if (chance(0.2)) return "<cancel>";
  return "~" + std::to_string(step) + " " + hostileName();
}

std::string RandomPlayer::hostileName() {
  std::string name;
  const int parts = std::uniform_int_distribution<int>(0, 5)(random_);
  for (int i = 0; i < parts; ++i) name += oneOf(kNameParts);
  return name;
}

std::string RandomPlayer::setting() {
  const auto& quantity = oneOf(kQuantities);
  const std::string value = isNameQuantity(quantity.quantity) ? hostileName() : oneOf(kNumbers);
  return "set " + std::string(quantity.name) + " " + value;
}

}  // namespace velmoran::soak
