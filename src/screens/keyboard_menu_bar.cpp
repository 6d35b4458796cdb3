// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/keyboard_menu_bar.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMenu>

namespace velmoran {

namespace {

void highlightFirstEntry(QMenu* menu) {
  for (QAction* entry : menu->actions()) {
    if (entry->isEnabled() && !entry->isSeparator()) {
      menu->setActiveAction(entry);
      return;
    }
  }
}

}  // namespace

void KeyboardMenuBar::takeKeyboard() {
  const QList<QAction*> menus = actions();
  if (menus.isEmpty()) return;
  if (!hasFocus()) focusBefore_ = window()->focusWidget();
  // The bar holds the keyboard while it is highlighted, so that the keys still come here when
  // the arrows lead to an entry without a menu.
  setFocus(Qt::MenuBarFocusReason);
  setActiveAction(menus.first());
  if (QMenu* menu = menus.first()->menu()) highlightFirstEntry(menu);
}

// Enter and Space on "Nic" are the bar's own: it runs the entry once it holds the keyboard.
void KeyboardMenuBar::keyPressEvent(QKeyEvent* event) {
  if (activeAction() && event->key() == Qt::Key_Escape) {
    leave();
  } else {
    QMenuBar::keyPressEvent(event);
  }
}

// A click elsewhere or another window leaves the bar; a menu opening from it does not.
void KeyboardMenuBar::focusOutEvent(QFocusEvent* event) {
  QMenuBar::focusOutEvent(event);
  if (event->reason() != Qt::PopupFocusReason && activeAction()) setActiveAction(nullptr);
}

void KeyboardMenuBar::leave() {
  QWidget* before = focusBefore_;
  focusBefore_ = nullptr;
  setActiveAction(nullptr);
  clearFocus();
  emit left(before && before != this ? before : nullptr);
}

}  // namespace velmoran
