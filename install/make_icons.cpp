// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the game's icon, the globe of its title menu, for the icon theme: an SVG and PNGs.
//
//   make_icons FOLDER NAME SIZE...
//
// writes FOLDER/scalable/apps/NAME.svg and FOLDER/SIZExSIZE/apps/NAME.png for every SIZE.
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <cstdio>

#include "screens/animation_icons.h"

namespace {

constexpr int kDrawnSize = 48;

QString iconPath(const QString& folder, const QString& size, const QString& file) {
  const QString apps = folder + QStringLiteral("/%1/apps").arg(size);
  QDir().mkpath(apps);
  return apps + QLatin1Char('/') + file;
}

bool writeSvg(const QString& path) {
  QSvgGenerator svg;
  svg.setFileName(path);
  svg.setSize(QSize(kDrawnSize, kDrawnSize));
  svg.setViewBox(QRect(0, 0, kDrawnSize, kDrawnSize));
  svg.setTitle(QStringLiteral("Velmoran"));
  QPainter painter;
  if (!painter.begin(&svg)) return false;
  velmoran::drawGlobe(painter, QRectF(0, 0, kDrawnSize, kDrawnSize), 0);
  return painter.end();
}

bool writePng(const QString& path, int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  velmoran::drawGlobe(painter, QRectF(0, 0, size, size), 0);
  painter.end();
  return image.save(path, "PNG");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: make_icons FOLDER NAME SIZE...\n");
    return 2;
  }
  const QString folder = QString::fromLocal8Bit(argv[1]);
  const QString name = QString::fromLocal8Bit(argv[2]);
  bool written = writeSvg(iconPath(folder, QStringLiteral("scalable"), name + ".svg"));
  for (int i = 3; i < argc; ++i) {
    const int size = QString::fromLatin1(argv[i]).toInt();
    written = size > 0 &&
              writePng(iconPath(folder, QStringLiteral("%1x%1").arg(size), name + ".png"), size) &&
              written;
  }
  if (!written) std::fprintf(stderr, "make_icons: could not write the icons in %s\n", argv[1]);
  return written ? 0 : 1;
}
