// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the pictures of the browser's edition with the Qt game's own drawing code, each at the
// size its screen shows it and at twice that for screens of double density:
//
//   make_web_pictures FOLDER
//
// writes FOLDER/NAME.png and FOLDER/NAME@2x.png for every picture, and the eight frames of the
// title menu's turning globe as FOLDER/globe-0.png to globe-7.png.
#include <QDir>
#include <QGuiApplication>
#include <QPixmap>
#include <cstdio>
#include <functional>

#include "screens/animation_icons.h"
#include "screens/banner_pictures.h"
#include "screens/rebellion_picture.h"
#include "screens/shell_pictures.h"

namespace {

struct Picture {
  const char* name;
  QSize size;  // pixels of the layout: the twips of its box, fifteen to a pixel
  std::function<QPixmap(QSize, qreal)> draw;
};

std::function<QPixmap(QSize, qreal)> poster(const char* title) {
  return [title](QSize size, qreal dpr) {
    return velmoran::posterBanner(size, QString::fromUtf8(title), dpr);
  };
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_web_pictures FOLDER\n");
    return 2;
  }
  const QString folder = QString::fromLocal8Bit(argv[1]);
  QDir().mkpath(folder);
  const Picture pictures[] = {
      {"splash", {420, 280}, velmoran::splashPicture},
      {"about", {360, 240}, velmoran::aboutBackground},
      {"banner-velmoran", {262, 66}, poster("VELMORAN")},
      {"banner-top-skore", {285, 66}, poster("TOP SKÓRE")},
      {"banner-nastaveni", {310, 66}, poster("NASTAVENÍ")},
      {"month", {185, 27}, velmoran::monthBanner},
      {"rebellion", {350, 75}, velmoran::rebellionPicture},
  };
  bool written = true;
  for (const Picture& picture : pictures) {
    for (const int dpr : {1, 2}) {
      const QString file = folder + QLatin1Char('/') + QString::fromLatin1(picture.name) +
                           (dpr == 2 ? QStringLiteral("@2x.png") : QStringLiteral(".png"));
      written = picture.draw(picture.size, dpr).toImage().save(file, "PNG") && written;
    }
  }
  for (int frame = 0; frame < velmoran::kAnimationFrames; ++frame) {
    const QString file = folder + QStringLiteral("/globe-%1.png").arg(frame);
    written = velmoran::animationFrame(frame).toImage().save(file, "PNG") && written;
  }
  if (!written) std::fprintf(stderr, "make_web_pictures: could not write into %s\n", argv[1]);
  return written ? 0 : 1;
}
