// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include "screens/game_window.h"
#include "state/game_screen.h"
#include "test_session.h"

using velmoran::GameScreen;
using velmoran::GameWindow;
using velmoran::Quantity;
using velmoran::Screen;

// What a player who uses the keyboard, or a screen scaled up, gets from the windows.
class KeyboardTest : public QObject {
  Q_OBJECT

  static void activate(QWidget* window) {
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
  }

 private slots:
  // Space and Enter press the answer button that has just appeared, never the report button.
  void answerButtonTakesTheFocus_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("Space") << int(Qt::Key_Space);
    QTest::newRow("Enter") << int(Qt::Key_Return);
  }

  void answerButtonTakesTheFocus() {
    QFETCH(int, key);
    TestSession run;
    run.start();
    QWidget* game = run.window(Screen::Main);
    activate(game);
    auto* ok = run.control<QPushButton>(Screen::Main, "ok");
    QVERIFY(ok->hasFocus());
    const std::string treasury = run.session.game()->text(Quantity::kasa);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    QVERIFY(!run.session.game()->screen().okVisible);
    QVERIFY(!run.control<QWidget>(Screen::Main, "zprava")->isVisible());
    // A second press finds no button to press.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    QCOMPARE(run.session.game()->text(Quantity::kasa), treasury);
  }

  void enterPressesTheFocusedButtonOfEveryWindow() {
    TestSession run;
    QWidget* menu = run.window(Screen::Menu);
    activate(menu);
    auto* topThree = run.control<QPushButton>(Screen::Menu, "Command3");
    topThree->setFocus();
    QTest::keyClick(topThree, Qt::Key_Return);
    QVERIFY(run.window(Screen::Prohra));
    QTest::keyClick(run.control<QPushButton>(Screen::Prohra, "Command1"), Qt::Key_Enter);
    QVERIFY(!run.window(Screen::Prohra));

    auto* settings = run.control<QPushButton>(Screen::Menu, "Command2");
    QTest::keyClick(settings, Qt::Key_Return);
    QVERIFY(run.window(Screen::Nastaveni));
    QTest::keyClick(run.control<QPushButton>(Screen::Nastaveni, "Command1"), Qt::Key_Return);
    QVERIFY(!run.window(Screen::Nastaveni));
  }

  // While an answer button shows, only "Hra" is offered.
  void refusedEntriesAreSwitchedOff() {
    GameWindow window;
    GameScreen screen;
    screen.okVisible = true;
    window.showState(screen);
    for (QAction* entry : window.findChildren<QAction*>()) {
      if (entry->menu() || entry->objectName().isEmpty()) continue;
      const bool gameMenu = entry->objectName() == "mnewgame" || entry->objectName() == "mkonec";
      QCOMPARE(entry->isEnabled(), gameMenu);
    }
    screen.okVisible = false;
    window.showState(screen);
    QVERIFY(window.findChild<QAction*>(QStringLiteral("noo"))->isEnabled());
    QVERIFY(window.findChild<QAction*>(QStringLiteral("army"))->isEnabled());
  }

  void f10OpensTheFirstMenuWithAnEntryHighlighted() {
    GameWindow window;
    window.showState(GameScreen());
    window.show();
    activate(&window);
    QTest::keyClick(&window, Qt::Key_F10);
    auto* hra = window.findChild<QMenu*>(QStringLiteral("mhra"));
    QTRY_VERIFY(hra->isVisible());
    QCOMPARE(hra->activeAction(), window.findChild<QAction*>(QStringLiteral("mnewgame")));
    // The arrow keys go on from there, an entry highlighted in every menu.
    QTest::keyClick(hra, Qt::Key_Right);
    auto* zivot = window.findChild<QMenu*>(QStringLiteral("mzivot"));
    QTRY_VERIFY(zivot->isVisible());
    QVERIFY(zivot->activeAction());
  }

  void longNamesEndInAnEllipsis() {
    GameWindow window;
    GameScreen screen;
    const QString ruler = QStringLiteral(
        "Jan Nepomuk Maria Josef z Horních Dolních a Dolních "
        "Horních, kníže všech údolí");
    screen.texts[velmoran::indexOf(Quantity::jmeno)] = ruler.toStdString();
    screen.texts[velmoran::indexOf(Quantity::stat)] = "Lhota";
    window.showState(screen);
    auto* name = window.findChild<QLabel*>(QStringLiteral("jmeno"));
    QVERIFY(name->text().endsWith(QChar(0x2026)));
    QVERIFY(name->fontMetrics().horizontalAdvance(name->text()) <= name->width());
    QCOMPARE(name->toolTip(), ruler);
    auto* country = window.findChild<QLabel*>(QStringLiteral("stat"));
    QCOMPARE(country->text(), QStringLiteral("Lhota"));
    QVERIFY(country->toolTip().isEmpty());
  }

  void gameWindowCannotBeResized() {
    GameWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.minimumSize(), window.maximumSize());
    QCOMPARE(window.centralWidget()->geometry().bottom(), window.height() - 1);
  }
};

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
