// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/link.h"

#include <QDesktopServices>
#include <QUrl>

namespace velmoran {

bool otevriOdkaz(const QString& address) {
  return QDesktopServices::openUrl(QUrl(address));
}

}  // namespace velmoran
