// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTimer>
#include <QWidget>

namespace velmoran {

// The splash screen `splash`: the game's picture with two credit lines in white, without a
// frame, in the middle of the screen. Its timer runs from the moment it opens.
class SplashWindow : public QWidget {
  Q_OBJECT

 public:
  explicit SplashWindow(QWidget* parent = nullptr);

 signals:
  // Timer1: 1.9 seconds have passed since the screen opened.
  void timerFired();

 private:
  QTimer* timer1_;
};

}  // namespace velmoran
