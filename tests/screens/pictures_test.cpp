// SPDX-License-Identifier: GPL-3.0-or-later
#include <QImage>
#include <QSet>
#include <QTest>

#include "screens/animation_icons.h"
#include "screens/banner_pictures.h"
#include "screens/shell_pictures.h"

// The pictures the game draws for itself.
class PicturesTest : public QObject {
  Q_OBJECT

  static int distinctColours(const QImage& image) {
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) colours.insert(image.pixel(x, y));
    }
    return colours.size();
  }

 private slots:
  void animationFramesAreDifferentGlobes() {
    QList<QImage> frames;
    for (int frame = 0; frame < velmoran::kAnimationFrames; ++frame) {
      const QImage image = velmoran::animationFrame(frame).toImage();
      QCOMPARE(image.size(), QSize(48, 48));
      // Round: the corners stay clear, the middle is painted.
      QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
      QCOMPARE(qAlpha(image.pixel(47, 47)), 0);
      QCOMPARE(qAlpha(image.pixel(24, 24)), 255);
      for (const QImage& earlier : frames) QVERIFY(image != earlier);
      frames << image;
    }
  }

  void bannersCarryTheirTitles_data() {
    QTest::addColumn<QString>("title");
    QTest::addColumn<QSize>("size");
    QTest::newRow("title menu") << "VELMORAN" << QSize(262, 66);
    QTest::newRow("best scores") << "TOP SKÓRE" << QSize(285, 66);
  }

  void bannersCarryTheirTitles() {
    QFETCH(QString, title);
    QFETCH(QSize, size);
    const QImage banner = velmoran::posterBanner(size, title, 1).toImage();
    QCOMPARE(banner.size(), size);
    QVERIFY(distinctColours(banner) > 50);
    // The lettering makes the banner differ from one with another title.
    QVERIFY(banner != velmoran::posterBanner(size, QStringLiteral("X"), 1).toImage());
  }

  // Drawn for a screen scaled to 2, a picture has twice the pixels each way, and all of them
  // painted.
  void shellPicturesFillTheirSize() {
    const QSize size(360, 240);
    for (const QPixmap& picture :
         {velmoran::splashPicture(size, 2), velmoran::aboutBackground(size, 2)}) {
      QCOMPARE(picture.deviceIndependentSize().toSize(), size);
      const QImage image = picture.toImage();
      QCOMPARE(image.size(), size * 2);
      QVERIFY(distinctColours(image) > 200);
      for (const QPoint corner : {QPoint(0, 0), QPoint(719, 479), QPoint(360, 240)}) {
        QCOMPARE(qAlpha(image.pixel(corner)), 255);
      }
    }
  }
};

QTEST_MAIN(PicturesTest)
#include "pictures_test.moc"
