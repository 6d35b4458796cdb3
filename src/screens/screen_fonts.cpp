// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/screen_fonts.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QStringList>

#include "screens/window_scale.h"

namespace velmoran {

QFont screenFont() {
  return sizedFont(8.25, false);
}

QFont sizedFont(double points, bool bold) {
  QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
  font.setPointSizeF(points * windowScale());
  font.setStretch(QFont::SemiCondensed);
  font.setBold(bold);
  return font;
}

void shrinkToFit(QLabel* caption) {
  const double kSmallest = 6 * windowScale();
  const double kStep = 0.25 * windowScale();
  QFont font = caption->font();
  const int room = caption->contentsRect().width();
  while (QFontMetrics(font).horizontalAdvance(caption->text()) > room &&
         font.pointSizeF() - kStep >= kSmallest) {
    font.setPointSizeF(font.pointSizeF() - kStep);
  }
  caption->setFont(font);
}

void condenseTogether(const std::vector<QLabel*>& captions, int gap) {
  QFont font = screenFont();
  const auto fit = [&font, &captions, gap] {
    for (const QLabel* caption : captions) {
      const int room = caption->contentsRect().width() - gap;
      if (QFontMetrics(font).horizontalAdvance(caption->text()) > room) return false;
    }
    return true;
  };
  while (!fit() && font.stretch() > QFont::Condensed) font.setStretch(font.stretch() - 1);
  for (QLabel* caption : captions) caption->setFont(font);
}

QFont reportTitleFont() {
  QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
  font.setFamilies({QStringLiteral("Arial Black"), font.family()});
  font.setPointSizeF(15.75 * windowScale());
  font.setWeight(QFont::Black);
  return font;
}

}  // namespace velmoran
