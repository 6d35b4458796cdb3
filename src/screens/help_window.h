// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTextBrowser>
#include <QUrl>
#include <QWidget>

namespace velmoran {

// The game's own help window: the help page that comes with the game, with its pictures and
// its links, "Zpět" and "Vpřed" (Alt with the arrows too), and Esc to close it. It needs
// nothing outside the game; a link out of the page goes to the player's browser. The page has
// a caret for the keyboard, which a screen reader reads line by line; it goes along with a
// followed link, and the link or picture under it is told as the page's description.
class HelpWindow : public QWidget {
  Q_OBJECT

 public:
  explicit HelpWindow(const QUrl& page, QWidget* parent = nullptr);

  QTextBrowser* browser() const { return browser_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // A link within the page takes the caret to its target: reading goes on there, and "Zpět"
  // and "Vpřed" come back to it.
  void caretToTarget(const QUrl& page);
  void describeCaret();

  QTextBrowser* browser_;
};

}  // namespace velmoran
