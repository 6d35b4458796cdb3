// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QListWidget>
#include <QWidget>
#include <vector>

#include "files/chronicle_texts.h"
#include "files/reign_chronicle.h"

namespace velmoran {

class ChronicleChart;

// "Kronika vlády": the chart of a reign and, below it, a line for every month that had a
// moment worth telling. It only shows: closing it (Esc) changes nothing.
class ChronicleWindow : public QWidget {
  Q_OBJECT

 public:
  explicit ChronicleWindow(QWidget* parent = nullptr);
  void showChronicle(const ReignChronicle& chronicle, const std::vector<ChronicleLine>& lines);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  ChronicleChart* chart_;
  QListWidget* lines_;
};

}  // namespace velmoran
