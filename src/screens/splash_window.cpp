// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/splash_window.h"

#include <QLabel>
#include <QScreen>

#include "screens/screen_fonts.h"
#include "screens/sharp_picture.h"
#include "screens/shell_pictures.h"
#include "screens/twips.h"

namespace velmoran {

namespace {

constexpr int kClientWidth = 6300;
constexpr int kClientHeight = 4200;
constexpr int kTimer1Interval = 1900;

QLabel* addCredit(QWidget* parent, const char* name, const QString& text, int top, bool bold) {
  auto* credit = new QLabel(text, parent);
  credit->setObjectName(QString::fromLatin1(name));
  credit->setFont(sizedFont(9.75, bold));
  credit->setAlignment(Qt::AlignCenter);
  QPalette white = credit->palette();
  white.setColor(QPalette::WindowText, Qt::white);
  credit->setPalette(white);
  placeAt(credit, 0, top, kClientWidth, 255);
  return credit;
}

}  // namespace

SplashWindow::SplashWindow(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), timer1_(new QTimer(this)) {
  setObjectName(QStringLiteral("splash"));
  setWindowTitle(QStringLiteral("Velmoran"));
  setFont(screenFont());
  setFixedSize(twipsSize(kClientWidth, kClientHeight));

  addPicture(this, 0, 0, kClientWidth, kClientHeight, splashPicture, QStringLiteral("Velmoran"));

  addCredit(this, "Label1", QStringLiteral("Velmoran"), 3720, true);
  addCredit(this, "Label2", QStringLiteral("Napsal a nakreslil tým Velmoran"), 3930, false);

  if (const QScreen* desktop = screen()) {
    move(desktop->availableGeometry().center() - rect().center());
  }

  timer1_->setObjectName(QStringLiteral("Timer1"));
  timer1_->setInterval(kTimer1Interval);
  connect(timer1_, &QTimer::timeout, this, &SplashWindow::timerFired);
  timer1_->start();
}

}  // namespace velmoran
