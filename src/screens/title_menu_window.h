// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <array>

namespace velmoran {

// The title menu `Menu`: starts a game, opens the settings, the best scores and the about box,
// and ends the program. A click on the banner sets the window icon turning.
class TitleMenuWindow : public QWidget {
  Q_OBJECT

 public:
  explicit TitleMenuWindow(QWidget* parent = nullptr);

  // An unfinished reign to go on with: the button "Pokračovat" above "Start", with the focus,
  // and under it `reign` (the ruler, the country and the month).
  void offerReign(const QString& reign);
  // The unfinished reign is played by another copy of the game: a note says so.
  void noteReignElsewhere(const QString& note);

 signals:
  void continueClicked();
  void startClicked();
  void settingsClicked();
  void bestScoresClicked();
  void quitClicked();
  void aboutClicked();

 private:
  void Timer1_Timer();
  void Timer2_Timer();
  // The picture box holding the icon for the animation counter (1 to 8).
  QLabel* iconPicture(int counter) const;
  // Moves everything from the first button down by `twips`, and the window's bottom with it.
  void makeRoomAboveButtons(int twips);
  // A line of text across the window at `top`.
  QLabel* addNote(const char* name, const QString& text, int top, int height);

  QTimer* timer1_;
  QTimer* timer2_;
  // Picture9, then Picture2 to Picture8.
  std::array<QLabel*, 8> iconPictures_{};
  int animationCounter_ = 0;
};

}  // namespace velmoran
