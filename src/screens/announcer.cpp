// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/announcer.h"

namespace velmoran {

Announcer::Announcer(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("oznameni"));
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setGeometry(0, 0, 1, 1);
  hide();
}

void Announcer::say(const QString& text) {
  hide();
  setAccessibleName(text);
  show();
}

}  // namespace velmoran
