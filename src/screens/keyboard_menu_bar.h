// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMenuBar>
#include <QPointer>

namespace velmoran {

// A menu bar that a player without a mouse can use as on any desktop: F10 takes the keyboard
// to it, the arrows walk its menus, Enter or Space on an entry of the bar itself ("Nic") runs
// it, and Esc leaves the bar and its highlight, giving the keyboard back.
class KeyboardMenuBar : public QMenuBar {
  Q_OBJECT

 public:
  using QMenuBar::QMenuBar;

  // Opens the first menu with its first entry highlighted, ready for the arrow keys.
  void takeKeyboard();

 signals:
  // Esc left the bar; `before` had the keyboard before F10 (null when the bar was reached
  // otherwise). The window gives the keyboard back to where the player goes on.
  void left(QWidget* before);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  // Takes the highlight away and hands the keyboard back.
  void leave();

  QPointer<QWidget> focusBefore_;
};

}  // namespace velmoran
