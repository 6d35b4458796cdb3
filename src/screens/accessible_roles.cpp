// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/accessible_roles.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace velmoran {

namespace {

// The game's own windows that Qt would take for plain panes, and the announcer. The game
// screen, a main window, and the boxes, dialogs, already have their roles.
QAccessibleInterface* gameRole(const QString& className, QObject* object) {
  auto* widget = qobject_cast<QWidget*>(object);
  if (!widget || !className.startsWith(QLatin1String("velmoran::"))) return nullptr;
  if (className == QLatin1String("velmoran::Announcer")) {
    return new QAccessibleWidget(widget, QAccessible::Notification);
  }
  if (!widget->isWindow() || widget->inherits("QMainWindow")) return nullptr;
  return new QAccessibleWidget(widget, QAccessible::Window);
}

}  // namespace

void installAccessibleRoles() {
  static const bool installed = [] {
    QAccessible::installFactory(gameRole);
    return true;
  }();
  (void)installed;
}

}  // namespace velmoran
