// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

namespace velmoran {

// Says a text to a screen reader without taking the keyboard focus from where the player is:
// an unseen notification that appears with the text, as a screen reader speaks a
// notification when it appears.
class Announcer : public QWidget {
  Q_OBJECT

 public:
  explicit Announcer(QWidget* parent);

  void say(const QString& text);
};

}  // namespace velmoran
