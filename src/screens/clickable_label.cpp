// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/clickable_label.h"

#include <QMouseEvent>

namespace velmoran {

ClickableLabel::ClickableLabel(QWidget* parent) : ClickableLabel(QString(), parent) {}

ClickableLabel::ClickableLabel(const QString& text, QWidget* parent) : ReadableLabel(text, parent) {
  setFocusPolicy(Qt::NoFocus);
}

void ClickableLabel::mousePressEvent(QMouseEvent* event) {
  event->accept();
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    emit clicked();
  }
}

}  // namespace velmoran
