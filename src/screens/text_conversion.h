// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace velmoran {

// The rules of the game speak UTF-8; the screens speak QString.
inline QString qtText(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string gameText(const QString& text) {
  return text.toStdString();
}

}  // namespace velmoran
