// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QWidget>

#include "state/rebellion_screen.h"

namespace velmoran {

// The rebellion screen `vzpoura`: who fights for the ruler and who against, the strength of
// each side, and the OK that decides. A screen reader hears both sides with the OK, which holds
// the focus; Tab reaches each list and strength, named after its heading.
class RebellionWindow : public QWidget {
  Q_OBJECT

 public:
  explicit RebellionWindow(QWidget* parent = nullptr);

  void showSides(const RebellionScreen& sides);

 signals:
  void okClicked();

 private:
  QListWidget* stebou_;
  QListWidget* protitobe_;
  QLineEdit* tvojes_;
  QLineEdit* jejichs_;
  QPushButton* ok_;
};

}  // namespace velmoran
