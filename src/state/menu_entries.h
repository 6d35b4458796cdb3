// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace velmoran {

// Every entry of the game screen's menu bar, left to right.
enum class MenuEntry {
  mnewgame,
  mkonec,
  mpivo,
  msvatba,
  internet,
  psesbuy,
  army,
  police,
  fbi,
  prumysl,
  zeme,
  chudi,
  veda,
  body,
  brda,
  atakk,
  diver,
  bordo,
  povyseni,
  cesta,
  kampan,
  reforma,
  ztph,
  strojparko,
  pr,
  usap,
  morpu,
  zpht,
  sebekill,
  noo,
};

inline constexpr std::size_t kMenuEntryCount = static_cast<std::size_t>(MenuEntry::noo) + 1;

struct MenuInfo {
  std::string_view objectName;  // e.g. "mhra"
  std::string_view caption;     // e.g. "Hra"
};

struct MenuEntryInfo {
  MenuEntry entry;
  std::string_view menu;        // object name of the menu it belongs to
  std::string_view objectName;  // the control's name, as the game screen knows it
  std::string_view command;     // the same name in plain ASCII, for the terminal edition
  std::string_view caption;
  std::string_view shortcut;  // empty, or a key such as "F2"
};

// The menus of the menu bar, left to right; "Nic" is an entry of the bar itself.
extern const std::array<MenuInfo, 8> kMenus;
extern const std::array<MenuEntryInfo, kMenuEntryCount> kMenuEntries;

inline std::size_t indexOf(MenuEntry e) {
  return static_cast<std::size_t>(e);
}
inline const MenuEntryInfo& infoOf(MenuEntry e) {
  return kMenuEntries[indexOf(e)];
}
std::optional<MenuEntry> menuEntryForCommand(std::string_view command);

}  // namespace velmoran
