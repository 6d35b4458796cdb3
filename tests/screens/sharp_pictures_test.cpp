// SPDX-License-Identifier: GPL-3.0-or-later
#include <QLabel>
#include <QTest>

#include "screens/best_scores_window.h"
#include "screens/game_window.h"
#include "screens/rebellion_window.h"
#include "screens/settings_window.h"
#include "screens/splash_window.h"
#include "screens/title_menu_window.h"

// Run on a screen scaled to 2: every picture is drawn with two device pixels to a pixel of
// the layout, not blown up.
class SharpPicturesTest : public QObject {
  Q_OBJECT

 private slots:
  void picturesAreDrawnForTheScreen_data() {
    QTest::addColumn<QString>("picture");
    QTest::newRow("title menu") << "Menu/Picture1";
    QTest::newRow("best scores") << "prohra/Picture1";
    QTest::newRow("settings") << "nastaveni/Picture1";
    QTest::newRow("splash") << "splash/Picture1";
    QTest::newRow("month banner") << "main/month";
    QTest::newRow("rebellion") << "vzpoura/Picture1";
  }

  void picturesAreDrawnForTheScreen() {
    QFETCH(QString, picture);
    QCOMPARE(qApp->devicePixelRatio(), 2.0);
    velmoran::TitleMenuWindow menu;
    velmoran::BestScoresWindow scores;
    velmoran::SettingsWindow settings;
    velmoran::SplashWindow splash;
    velmoran::GameWindow game;
    velmoran::RebellionWindow rebellion;
    const QString window = picture.section('/', 0, 0);
    const QString box = picture.section('/', 1, 1);
    for (QWidget* candidate :
         QList<QWidget*>{&menu, &scores, &settings, &splash, &game, &rebellion}) {
      if (candidate->objectName() != window) continue;
      candidate->show();
      auto* label = candidate->findChild<QLabel*>(box);
      QVERIFY(label);
      QCOMPARE(label->pixmap().devicePixelRatio(), 2.0);
      QCOMPARE(label->pixmap().size(), label->size() * 2);
      return;
    }
    QFAIL("no such window");
  }
};

QTEST_MAIN(SharpPicturesTest)
#include "sharp_pictures_test.moc"
