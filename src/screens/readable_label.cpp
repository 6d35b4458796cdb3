// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/readable_label.h"

#include <QPainter>
#include <QStyleOptionFocusRect>

namespace velmoran {

ReadableLabel::ReadableLabel(QWidget* parent) : ReadableLabel(QString(), parent) {}

ReadableLabel::ReadableLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
  // Tab reaches it; a click leaves the focus where it was (on the answer button).
  setFocusPolicy(Qt::TabFocus);
}

void ReadableLabel::setReading(const QString& reading) {
  if (accessibleName() != reading) setAccessibleName(reading);
}

void ReadableLabel::paintEvent(QPaintEvent* event) {
  QLabel::paintEvent(event);
  if (!hasFocus()) return;
  QPainter painter(this);
  QStyleOptionFocusRect frame;
  frame.initFrom(this);
  frame.backgroundColor = palette().color(backgroundRole());
  style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &painter, this);
}

ReadOnlyField::ReadOnlyField(QWidget* parent) : ReadOnlyField(QString(), parent) {}

ReadOnlyField::ReadOnlyField(const QString& text, QWidget* parent) : QLineEdit(text, parent) {
  setReadOnly(true);
}

void ReadOnlyField::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  deselect();
  setCursorPosition(0);
}

}  // namespace velmoran
