// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

namespace velmoran {

// The territory bar `p`: the ruler's blue, with the partisans' red `f` over its top part.
class TerritoryBar : public QWidget {
  Q_OBJECT

 public:
  // `geometry` in the parent, in pixels.
  TerritoryBar(QWidget* parent, const QRect& geometry);

  // The partisans' share of the bar's height, in percent.
  void setPartisanShare(int percent);

 private:
  QWidget* partisans_;
};

}  // namespace velmoran
