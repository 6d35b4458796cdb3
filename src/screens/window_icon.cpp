// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/window_icon.h"

#include <xcb/xcb.h>

#include <QGuiApplication>

namespace velmoran {

void setWindowIconNow(QWidget* window, const QIcon& icon) {
  window->setWindowIcon(icon);
  if (const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()) {
    xcb_flush(x11->connection());
  }
}

}  // namespace velmoran
