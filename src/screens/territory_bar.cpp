// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/territory_bar.h"

#include <QtMath>

#include "screens/screen_colours.h"

namespace velmoran {

namespace {

void paintWith(QWidget* widget, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, colour);
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

}  // namespace

TerritoryBar::TerritoryBar(QWidget* parent, const QRect& geometry)
    : QWidget(parent), partisans_(new QWidget(this)) {
  setGeometry(geometry);
  setObjectName(QStringLiteral("p"));
  partisans_->setObjectName(QStringLiteral("f"));
  paintWith(this, kRulerBlue);
  paintWith(partisans_, kPartisanRed);
  setPartisanShare(0);
}

void TerritoryBar::setPartisanShare(int percent) {
  const int share = qBound(0, percent, 100);
  partisans_->setGeometry(0, 0, width(), qRound(height() * share / 100.0));
}

}  // namespace velmoran
