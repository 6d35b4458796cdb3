// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/game_menu_bar.h"

#include <QKeySequence>
#include <QMenu>

#include "screens/text_conversion.h"

namespace velmoran {

namespace {

// Every caption on the bar begins with a letter of its own, which Alt with that letter
// opens (or, for "Nic", runs); the letter is underlined.
QString withMnemonic(std::string_view caption) {
  return QLatin1Char('&') + qtText(caption);
}

QAction* entryAction(const MenuEntryInfo& info, QObject* parent, bool onTheBar) {
  auto* action = new QAction(onTheBar ? withMnemonic(info.caption) : qtText(info.caption), parent);
  action->setObjectName(qtText(info.objectName));
  if (!info.shortcut.empty()) action->setShortcut(QKeySequence(qtText(info.shortcut)));
  return action;
}

// A menu whose only entry has the menu's own name is an entry of the bar itself.
bool isBarEntry(const MenuInfo& menu) {
  int entries = 0;
  bool sameName = false;
  for (const auto& info : kMenuEntries) {
    if (info.menu != menu.objectName) continue;
    ++entries;
    sameName = info.objectName == menu.objectName;
  }
  return entries == 1 && sameName;
}

}  // namespace

std::array<QAction*, kMenuEntryCount> buildGameMenuBar(QMenuBar* bar) {
  std::array<QAction*, kMenuEntryCount> actions{};
  for (const MenuInfo& menu : kMenus) {
    QWidget* owner = bar;
    const bool onTheBar = isBarEntry(menu);
    if (!onTheBar) {
      QMenu* submenu = bar->addMenu(withMnemonic(menu.caption));
      submenu->setObjectName(qtText(menu.objectName));
      owner = submenu;
    }
    for (const auto& info : kMenuEntries) {
      if (info.menu != menu.objectName) continue;
      QAction* action = entryAction(info, owner, onTheBar);
      owner->addAction(action);
      actions[indexOf(info.entry)] = action;
    }
  }
  return actions;
}

}  // namespace velmoran
