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

 signals:
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

  QTimer* timer1_;
  QTimer* timer2_;
  // Picture9, then Picture2 to Picture8.
  std::array<QLabel*, 8> iconPictures_{};
  int animationCounter_ = 0;
};

}  // namespace velmoran
