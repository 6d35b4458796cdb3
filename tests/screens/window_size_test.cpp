// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <functional>

#include "files/window_size_file.h"
#include "screens/splash_window.h"
#include "screens/window_scale.h"
#include "test_session.h"
#include "turn/rebellion.h"

using velmoran::Game;
using velmoran::Screen;

// The size of the windows, on a 1280 × 1024 desktop with a window manager: every window keeps
// its layout at every size, and at 150 % every one of them fits the screen whole.
class WindowSizeTest : public QObject {
  Q_OBJECT

  using Visit = std::function<void(const QString& name, QWidget* window)>;

  // Opens every screen of the game in one run and visits each as it opens: the splash screen,
  // the title menu and its three, the help window, the game with the rebellion and the
  // chronicle of the reign so far.
  static void openEveryScreen(TestSession& run, const Visit& visit) {
    velmoran::SplashWindow splash;
    splash.show();
    visit(QStringLiteral("splash"), &splash);
    QWidget* menu = run.window(Screen::Menu);
    visit(QStringLiteral("Menu"), menu);
    for (const auto& [button, screen] : {std::pair{"Command2", Screen::Nastaveni},
                                         {"Command3", Screen::Prohra},
                                         {"Command5", Screen::About}}) {
      run.click(Screen::Menu, button);
      visit(QString::fromLatin1(button), run.window(screen));
    }
    menu->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(menu));
    QTest::keyClick(menu, Qt::Key_F1);
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (window->objectName() == QStringLiteral("napoveda") && window->isVisible()) {
        visit(QStringLiteral("napoveda"), window);
      }
    }
    run.folder.writeChronicleTexts();
    run.start();
    visit(QStringLiteral("main"), run.window(Screen::Main));
    run.window(Screen::Main)->findChild<QAction*>(QStringLiteral("kronika"))->trigger();
    visit(QStringLiteral("kronika"), run.ui.chronicleWindow());
    run.session.play([](Game& g) { velmoran::vzpoura_Form_Load(g); });
    visit(QStringLiteral("vzpoura"), run.window(Screen::Vzpoura));
  }

  static QSize clientSize(QWidget* window) {
    if (auto* main = qobject_cast<QMainWindow*>(window)) return main->centralWidget()->size();
    return window->size();
  }

 private slots:
  void init() { velmoran::applyWindowScale(1); }

  // The size by the screen: the game screen takes at most two thirds of it, in quarters.
  void sizeByTheScreen_data() {
    QTest::addColumn<QSize>("available");
    QTest::addColumn<double>("scale");
    QTest::newRow("1920 × 1080 with a panel") << QSize(1920, 1040) << 1.5;
    QTest::newRow("1280 × 1024") << QSize(1280, 1024) << 1.5;
    QTest::newRow("1366 × 768") << QSize(1366, 740) << 1.0;
    QTest::newRow("1024 × 768") << QSize(1024, 768) << 1.0;
    QTest::newRow("800 × 600") << QSize(800, 600) << 1.0;
    QTest::newRow("2560 × 1440") << QSize(2560, 1400) << 2.0;
    QTest::newRow("3840 × 2160") << QSize(3840, 2120) << 3.0;
  }

  void sizeByTheScreen() {
    QFETCH(QSize, available);
    QFETCH(double, scale);
    QCOMPARE(velmoran::scaleForScreen(available), scale);
  }

  // Each window at 150 % and 200 % is its size at 100 % times the factor, to a pixel, and so
  // are the places of its controls.
  void everyWindowScalesAsAWhole_data() {
    QTest::addColumn<int>("percent");
    QTest::newRow("150 %") << 150;
    QTest::newRow("200 %") << 200;
  }

  void everyWindowScalesAsAWhole() {
    QFETCH(int, percent);
    QMap<QString, QSize> atFull;
    QRect panelAtFull;
    {
      TestSession run;
      run.ui.useWindowSize(100);
      openEveryScreen(run, [&atFull](const QString& name, QWidget* window) {
        atFull[name] = clientSize(window);
      });
      panelAtFull = run.control<QWidget>(Screen::Main, "info")->geometry();
    }
    TestSession run;
    run.ui.useWindowSize(percent);
    const double factor = percent / 100.0;
    int visited = 0;
    const QSize screen = QApplication::primaryScreen()->availableGeometry().size();
    openEveryScreen(run, [&](const QString& name, QWidget* window) {
      const QSize size = clientSize(window);
      QSize expected = atFull[name] * factor;
      // The windows the player may resize open no larger than the screen has room for.
      if (window->minimumSize() != window->maximumSize() && !qobject_cast<QMainWindow*>(window) &&
          size != expected) {
        QVERIFY(size.width() <= expected.width() && size.height() <= expected.height());
        QVERIFY(size.width() <= screen.width() * 0.9 && size.height() <= screen.height() * 0.9);
        expected = size;
      }
      QVERIFY2(qAbs(size.width() - expected.width()) <= 1 &&
                   qAbs(size.height() - expected.height()) <= 1,
               qPrintable(QStringLiteral("%1: %2 × %3, not %4 × %5")
                              .arg(name)
                              .arg(size.width())
                              .arg(size.height())
                              .arg(expected.width())
                              .arg(expected.height())));
      ++visited;
    });
    QCOMPARE(visited, 9);
    // Rounded to a pixel either way.
    const QRect panel = run.control<QWidget>(Screen::Main, "info")->geometry();
    const QRect expected(panelAtFull.topLeft() * factor, panelAtFull.size() * factor);
    for (const auto& [got, wanted] : {std::pair{panel.left(), expected.left()},
                                      {panel.top(), expected.top()},
                                      {panel.width(), expected.width()},
                                      {panel.height(), expected.height()}}) {
      QVERIFY2(qAbs(got - wanted) <= 1, qPrintable(QString::number(got)));
    }
  }

  // At 150 % every window fits the 1280 × 1024 screen whole, its frame and title bar included;
  // at 200 % too, the chronicle and the help window made no larger than the screen.
  void everyScreenFits_data() {
    QTest::addColumn<int>("percent");
    QTest::newRow("150 %") << 150;
    QTest::newRow("200 %") << 200;
  }

  void everyScreenFits() {
    QFETCH(int, percent);
    TestSession run;
    run.ui.useWindowSize(percent);
    const QRect desktop = QApplication::primaryScreen()->availableGeometry();
    QCOMPARE(desktop.size(), QSize(1280, 1024));
    openEveryScreen(run, [&desktop](const QString& name, QWidget* window) {
      QVERIFY(QTest::qWaitForWindowExposed(window));
      QTRY_VERIFY2(desktop.contains(window->frameGeometry()),
                   qPrintable(QStringLiteral("%1 sticks out: %2, %3 %4 × %5")
                                  .arg(name)
                                  .arg(window->frameGeometry().left())
                                  .arg(window->frameGeometry().top())
                                  .arg(window->frameGeometry().width())
                                  .arg(window->frameGeometry().height())));
    });
  }

  // A size chosen on the settings screen is kept in velikost.dat and draws the open windows
  // anew at once; data.dat keeps its three values.
  void chosenOnTheSettingsScreen() {
    TestSession run;
    run.ui.useWindowSize(100);
    const QSize menuAtFull = run.window(Screen::Menu)->size();
    run.click(Screen::Menu, "Command2");
    auto* size = run.control<QComboBox>(Screen::Nastaveni, "velikost");
    QCOMPARE(size->currentText(), QStringLiteral("100 %"));
    size->setCurrentIndex(size->findData(200));
    run.click(Screen::Nastaveni, "Command1");
    QVERIFY(!run.window(Screen::Nastaveni));
    QCOMPARE(run.folder.readBytes(velmoran::kWindowSizeFile), std::string("200\r\n"));
    QCOMPARE(run.folder.readBytes("data.dat"), std::string(" 1 \r\n 1 \r\n 1 \r\n"));
    QCOMPARE(run.window(Screen::Menu)->size(), menuAtFull * 2);
    QCOMPARE(run.ui.windowSize(), 200);
  }

  // A damaged velikost.dat leaves the size to the screen and is told on the settings screen.
  void aDamagedFileIsToldOnTheSettingsScreen() {
    TestSession run;
    run.folder.writeBytes(velmoran::kWindowSizeFile, "obří");
    run.ui.loadWindowSize();
    QCOMPARE(run.ui.windowSize(), velmoran::kSizeByTheScreen);
    QVERIFY(run.ui.messages.empty());
    run.click(Screen::Menu, "Command2");
    QCOMPARE(run.ui.messages.size(), std::size_t{1});
    QCOMPARE(run.ui.messages.front().title, std::string("CHYBA"));
    QVERIFY(run.control<QComboBox>(Screen::Nastaveni, "velikost")
                ->currentText()
                .startsWith(QStringLiteral("Podle obrazovky (150 %)")));
  }

  // A copy of the game whose title menu the window manager puts in a corner, as it does for a
  // second copy, opens its game screen whole on the screen, its title bar below the top edge.
  void aWindowOverOneInTheCornerStaysOnTheScreen() {
    TestSession run;
    run.ui.useWindowSize(150);
    QWidget* menu = run.window(Screen::Menu);
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    menu->move(0, 0);
    QTRY_COMPARE(menu->frameGeometry().topLeft(), QPoint(0, 0));
    run.start();
    QWidget* game = run.window(Screen::Main);
    QVERIFY(QTest::qWaitForWindowExposed(game));
    const QRect desktop = QApplication::primaryScreen()->availableGeometry();
    QTRY_VERIFY2(
        desktop.contains(game->frameGeometry()),
        qPrintable(QStringLiteral("the frame's top at %1").arg(game->frameGeometry().top())));
  }
};

QTEST_MAIN(WindowSizeTest)
#include "window_size_test.moc"
