// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <array>
#include <string>

namespace velmoran {

// The best-scores screen `prohra`: the three best rulers and the months they ruled.
class BestScoresWindow : public QWidget {
  Q_OBJECT

 public:
  explicit BestScoresWindow(QWidget* parent = nullptr);

  // The six fields in file order: jm0, sc0, jm1, sc1, jm2, sc2.
  void showScores(const std::array<std::string, 6>& fields);

 signals:
  void okClicked();
  // Enter or a double click on the name in `row` (0 to 2): that reign's chronicle.
  void rulerChosen(int row);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void moveFocus(int step);

  std::array<QLineEdit*, 6> fields_{};
  QPushButton* ok_ = nullptr;
};

}  // namespace velmoran
