// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/window_scale.h"

#include <QApplication>
#include <QFont>
#include <QPointer>
#include <QProxyStyle>
#include <QScreen>
#include <QStyleFactory>
#include <QtMath>

#include "files/window_size_file.h"

namespace velmoran {

namespace {

double gScale = 1;

// The game screen at 100 %, with its menu bar and a title bar.
constexpr QSize kGameScreenOnTheDesktop(567, 440);
constexpr double kShareOfTheScreen = 2.0 / 3.0;
constexpr double kScaleStep = 0.25;

// The desktop's style with every measure multiplied by the window size: check boxes, frames,
// scroll bars and the icons of the boxes grow with the texts.
class ScaledStyle : public QProxyStyle {
 public:
  using QProxyStyle::QProxyStyle;

  int pixelMetric(PixelMetric metric, const QStyleOption* option,
                  const QWidget* widget) const override {
    const int value = QProxyStyle::pixelMetric(metric, option, widget);
    return value > 0 ? qMax(1, qRound(value * gScale)) : value;
  }
};

QPointer<QStyle> gStyle;

// The application's font as the desktop gave it, before any scaling.
const QFont& desktopFont() {
  static const QFont font = QApplication::font();
  return font;
}

}  // namespace

double windowScale() {
  return gScale;
}

double scaleForScreen(QSize available) {
  const double fit =
      kShareOfTheScreen * qMin(double(available.width()) / kGameScreenOnTheDesktop.width(),
                               double(available.height()) / kGameScreenOnTheDesktop.height());
  const double steps = qFloor(fit / kScaleStep + 1e-9) * kScaleStep;
  return qBound(kSmallestWindowSize / 100.0, steps, kLargestWindowSize / 100.0);
}

double scaleOf(int percent, const QScreen* screen) {
  if (percent != kSizeByTheScreen) return percent / 100.0;
  return screen ? scaleForScreen(screen->availableGeometry().size()) : 1.0;
}

QString windowSizeCaption(int percent, const QScreen* screen) {
  if (percent != kSizeByTheScreen) return QStringLiteral("%1 %").arg(percent);
  return QStringLiteral("Podle obrazovky (%1 %)").arg(qRound(scaleOf(percent, screen) * 100));
}

void applyWindowScale(double scale) {
  const QFont& desktop = desktopFont();
  gScale = scale;
  QFont font = desktop;
  if (desktop.pointSizeF() > 0) {
    font.setPointSizeF(desktop.pointSizeF() * scale);
  } else {
    font.setPixelSize(qRound(desktop.pixelSize() * scale));
  }
  QApplication::setFont(font);
  if (!gStyle) {
    gStyle = new ScaledStyle;
    QApplication::setStyle(gStyle);
  }
}

int scaled(int pixels) {
  return qRound(pixels * gScale);
}

QSize scaled(QSize size) {
  return QSize(scaled(size.width()), scaled(size.height()));
}

}  // namespace velmoran
