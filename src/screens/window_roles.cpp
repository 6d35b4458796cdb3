// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/window_roles.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace velmoran {

namespace {

// The game's own windows that Qt would take for plain panes. The game screen, a main window,
// and the boxes, dialogs, already have their roles.
QAccessibleInterface* gameWindowRole(const QString& className, QObject* object) {
  auto* widget = qobject_cast<QWidget*>(object);
  if (!widget || !widget->isWindow() || !className.startsWith(QLatin1String("velmoran::")) ||
      widget->inherits("QMainWindow")) {
    return nullptr;
  }
  return new QAccessibleWidget(widget, QAccessible::Window);
}

}  // namespace

void installWindowRoles() {
  static const bool installed = [] {
    QAccessible::installFactory(gameWindowRole);
    return true;
  }();
  (void)installed;
}

}  // namespace velmoran
