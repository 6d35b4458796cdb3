// SPDX-License-Identifier: GPL-3.0-or-later
#include <QImage>
#include <QSet>
#include <QTest>

#include "screens/animation_icons.h"
#include "screens/banner_pictures.h"
#include "screens/poster_drawing.h"
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

  void fittedTextFillsItsArea_data() {
    QTest::addColumn<QRectF>("area");
    QTest::addColumn<bool>("byWidth");  // the width of the area bounds the letters, else the height
    QTest::newRow("a wide strip") << QRectF(10, 20, 400, 40) << false;
    QTest::newRow("a narrow box") << QRectF(0, 0, 120, 80) << true;
    QTest::newRow("a banner") << QRectF(50, 13, 162, 40) << true;
  }

  // As large as fits, and centred: the letters' own outline is what the eye sees centred.
  void fittedTextFillsItsArea() {
    QFETCH(QRectF, area);
    QFETCH(bool, byWidth);
    const QRectF letters =
        velmoran::fittedText(QStringLiteral("VELMORAN"), QFont::Black, area).boundingRect();
    QVERIFY2(letters.width() <= area.width() + 1, qPrintable(QString::number(letters.width())));
    QVERIFY(letters.height() <= area.height() + 1);
    QVERIFY(qAbs(letters.center().x() - area.center().x()) <= 3);
    QVERIFY(qAbs(letters.center().y() - area.center().y()) <= 3);
    if (byWidth) {
      QVERIFY2(letters.width() >= area.width() * 0.85,
               qPrintable(QString::number(letters.width())));
    } else {
      QVERIFY2(letters.height() >= area.height() * 0.6,
               qPrintable(QString::number(letters.height())));
    }
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
