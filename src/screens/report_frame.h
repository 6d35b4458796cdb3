// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>
#include <QLabel>
#include <array>
#include <optional>
#include <vector>

#include "state/quantity.h"

namespace velmoran {

class ReadableLabel;

// The secret police report `zprava`: the strengths and popularities of the home groups,
// the strengths and attitudes of the foreign powers, and the profit per point of territory.
// Each value label is named after its quantity. Each row is one item for the keyboard and a
// screen reader: its caption is read with the row's values.
class ReportFrame : public QFrame {
  Q_OBJECT

 public:
  explicit ReportFrame(QWidget* parent);

  // The label showing `q`, or null when the report does not show it.
  QLabel* valueLabel(Quantity q) const { return values_[indexOf(q)]; }

  // The rows' captions, in the order Tab reaches them: the home groups, the foreign powers,
  // the profit per point of territory.
  std::vector<QWidget*> readableRows() const;
  // Reads the values shown into the rows: "Armáda: síla 3, oblíbenost 6".
  void showReadings();

 private:
  QLabel* addLabel(const QString& name, const QString& text, int left, int top, int width,
                   QLabel* label = nullptr);
  void addValue(Quantity q, const QColor& colour, int left, int top, int width);

  struct ReadableRow {
    ReadableLabel* caption;
    Quantity strength;
    std::optional<Quantity> opinion;
    bool profit = false;  // the line of the profit per point of territory, in $
  };

  std::array<QLabel*, kQuantityCount> values_{};
  std::vector<ReadableRow> rows_;
};

}  // namespace velmoran
