#pragma once

#include <QLabel>

namespace velmoran {

// A picture box that tells when the player clicks it.
class ClickableLabel : public QLabel {
  Q_OBJECT

 public:
  using QLabel::QLabel;

 signals:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace velmoran
