// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>
#include <QLabel>
#include <array>

#include "state/quantity.h"

namespace velmoran {

// The secret police report `zprava`: the strengths and popularities of the home groups,
// the strengths and attitudes of the foreign powers, and the profit per point of territory.
// Each value label is named after its quantity.
class ReportFrame : public QFrame {
  Q_OBJECT

 public:
  explicit ReportFrame(QWidget* parent);

  // The label showing `q`, or null when the report does not show it.
  QLabel* valueLabel(Quantity q) const { return values_[indexOf(q)]; }

 private:
  QLabel* addLabel(const QString& name, const QString& text, int left, int top, int width);
  void addValue(Quantity q, const QColor& colour, int left, int top, int width);

  std::array<QLabel*, kQuantityCount> values_{};
};

}  // namespace velmoran
