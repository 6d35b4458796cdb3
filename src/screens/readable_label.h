// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QLineEdit>

namespace velmoran {

// A label that the keyboard reaches: Tab stops on it, it shows a focus frame, and a screen
// reader reads it as one item, with the caption that belongs to it (set by setReading).
class ReadableLabel : public QLabel {
  Q_OBJECT

 public:
  explicit ReadableLabel(QWidget* parent = nullptr);
  ReadableLabel(const QString& text, QWidget* parent);

  // What a screen reader says for the label: its caption and value, as "Území: 20 %".
  void setReading(const QString& reading);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

// A read-only text box that Tab reaches to be read: it keeps its text unselected, so that a
// screen reader reads the value and its name, not a selection.
class ReadOnlyField : public QLineEdit {
  Q_OBJECT

 public:
  explicit ReadOnlyField(QWidget* parent = nullptr);
  ReadOnlyField(const QString& text, QWidget* parent);

 protected:
  void focusInEvent(QFocusEvent* event) override;
};

}  // namespace velmoran
