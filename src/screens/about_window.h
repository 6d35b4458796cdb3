// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>

namespace velmoran {

class ClickableLabel;

// The about box `about`: a background picture with four labels; the third is the address of
// the help page. Tab walks the labels; Enter or Space on the address opens it, Enter elsewhere
// and Esc close the box as a click on its background does.
class AboutWindow : public QWidget {
  Q_OBJECT

 public:
  explicit AboutWindow(const QString& address, QWidget* parent = nullptr);

 signals:
  // A click on the window outside the four labels.
  void backgroundClicked();
  // A click on Label3, the address.
  void linkClicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QPixmap background_;
  ClickableLabel* link_ = nullptr;
};

}  // namespace velmoran
