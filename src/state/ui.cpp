// SPDX-License-Identifier: GPL-3.0-or-later
#include "state/ui.h"

namespace velmoran {

const char* screenName(Screen screen) {
  switch (screen) {
    case Screen::Menu:
      return "Menu";
    case Screen::Main:
      return "main";
    case Screen::Prohra:
      return "prohra";
    case Screen::Vzpoura:
      return "vzpoura";
    case Screen::Nastaveni:
      return "nastaveni";
    case Screen::About:
      return "about";
    case Screen::Splash:
      return "splash";
  }
  return "";
}

const char* iconName(Icon icon) {
  switch (icon) {
    case Icon::None:
      return "none";
    case Icon::Information:
      return "information";
    case Icon::Warning:
      return "warning";
    case Icon::Critical:
      return "critical";
  }
  return "";
}

}  // namespace velmoran
