// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/window_icon.h"

#include <xcb/xcb.h>

#include <QGuiApplication>

namespace velmoran {

void setWindowIconNow(QWidget* window, const QIcon& icon) {
  window->setWindowIcon(icon);
  // Off the display (in the tests) the interface may be there without a connection.
  const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  if (xcb_connection_t* display = x11 ? x11->connection() : nullptr) xcb_flush(display);
}

}  // namespace velmoran
