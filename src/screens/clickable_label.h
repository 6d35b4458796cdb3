// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "screens/readable_label.h"

namespace velmoran {

// A label or picture box that tells when the player clicks it. It keeps the click to itself:
// the window behind it does not see it. It takes no keyboard focus unless given a focus policy,
// and then shows it as a readable label does.
class ClickableLabel : public ReadableLabel {
  Q_OBJECT

 public:
  explicit ClickableLabel(QWidget* parent = nullptr);
  ClickableLabel(const QString& text, QWidget* parent);

 signals:
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace velmoran
