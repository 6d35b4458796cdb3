// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "screens/best_scores_window.h"
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
  // A new text is heard once: with the answer button that takes the focus (its description),
  // or, where the button keeps the focus, as a notification; after a month turn it begins with
  // the new month.
  void everyTextIsAnnouncedOnce() {
    TestSession run;
    run.folder.writeDataText("nic.ini", 0, "Nic se nestalo", 1, 0, 1);
    for (const char* event :
         {"nahoda1.ini", "nahoda2.ini", "nahoda3.ini", "nahoda4.ini", "nahoda5.ini", "nahoda6.ini",
          "nahoda7.ini", "nahoda8.ini", "nahoda9.ini", "nahoda10.ini", "nahoda77.ini"}) {
      run.folder.writeDataText(event, 0, "Událost", 1, 0, 0);
    }
    run.start();
    QWidget* game = run.window(Screen::Main);
    activate(game);
    auto* ok = run.control<QPushButton>(Screen::Main, "ok");
    auto* notification = run.control<QWidget>(Screen::Main, "oznameni");
    QCOMPARE(ok->accessibleDescription(), QStringLiteral("Vítejte"));
    QTest::keyClick(ok, Qt::Key_Space);
    game->findChild<QAction*>(QStringLiteral("noo"))->trigger();
    QCOMPARE(QApplication::focusWidget(), ok);
    QCOMPARE(ok->accessibleDescription(), QStringLiteral("Nic se nestalo"));
    QCoreApplication::processEvents();
    QVERIFY(!notification->isVisible());  // the focus came with the text
    QTest::keyClick(ok, Qt::Key_Space);
    QCOMPARE(run.session.game()->text(Quantity::vlada), std::string("2"));
    const QString said = QStringLiteral("Nový měsíc. Vládnete již: 2. Událost");
    QCOMPARE(ok->accessibleDescription(), said);
    QTRY_VERIFY(notification->isVisible());  // Ok kept the focus: the text comes by itself
    QCOMPARE(notification->accessibleName(), said);
  }

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

  // While an answer button shows, only "Hra" is offered; every other menu says why at its top,
  // and that entry leads back to the answer.
  void refusedEntriesAreSwitchedOff_data() {
    QTest::addColumn<bool>("question");
    QTest::addColumn<QString>("why");
    QTest::newRow("Ok") << false << "Nejdřív potvrďte text v info okně tlačítkem Ok";
    QTest::newRow("Ano/Ne") << true << "Nejdřív odpovězte na otázku v info okně: Ano, nebo Ne";
  }

  void refusedEntriesAreSwitchedOff() {
    QFETCH(bool, question);
    QFETCH(QString, why);
    GameWindow window;
    GameScreen screen;
    screen.okVisible = !question;
    screen.anoVisible = screen.neVisible = question;
    window.showState(screen);
    int reasons = 0;
    for (QAction* entry : window.findChildren<QAction*>()) {
      if (entry->menu() || entry->objectName().isEmpty()) continue;
      if (entry->objectName().startsWith(QLatin1String("proc_"))) {
        QVERIFY(entry->isVisible() && entry->isEnabled());
        QCOMPARE(entry->text(), why);
        QCOMPARE(qobject_cast<QWidget*>(entry->parent())->actions().first(), entry);
        ++reasons;
        continue;
      }
      const bool gameMenu = entry->objectName() == "mnewgame" || entry->objectName() == "mkonec" ||
                            entry->objectName() == "kronika";
      QCOMPARE(entry->isEnabled(), gameMenu);
    }
    QCOMPARE(reasons, 6);
    window.show();
    window.findChild<QAction*>(QStringLiteral("proc_dotace"))->trigger();
    QCOMPARE(window.focusWidget()->objectName(), question ? "ano" : "ok");
    screen.okVisible = screen.anoVisible = screen.neVisible = false;
    window.showState(screen);
    QVERIFY(window.findChild<QAction*>(QStringLiteral("noo"))->isEnabled());
    QVERIFY(window.findChild<QAction*>(QStringLiteral("army"))->isEnabled());
    QVERIFY(!window.findChild<QAction*>(QStringLiteral("proc_dotace"))->isVisible());
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

  // F10, the arrows to "Nic" (last on the bar), then Enter or Space runs it; the bar gives the
  // keyboard back to the Ok that appears.
  void nicRunsFromTheKeyboard_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("Space") << int(Qt::Key_Space);
  }

  void nicRunsFromTheKeyboard() {
    QFETCH(int, key);
    TestSession run;
    run.folder.writeDataText("nic.ini", 0, "Nic se nestalo", 1, 0, 1);
    run.start();
    run.click(Screen::Main, "ok");
    QWidget* game = run.window(Screen::Main);
    activate(game);
    QTest::keyClick(game, Qt::Key_F10);
    QTRY_VERIFY(QApplication::activePopupWidget());
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Left);
    auto* bar = static_cast<QMainWindow*>(game)->menuBar();
    QCOMPARE(bar->activeAction(), game->findChild<QAction*>(QStringLiteral("noo")));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    QCOMPARE(run.session.game()->screen().info, std::string("Nic se nestalo"));
    QVERIFY(!bar->activeAction());
    QCOMPARE(QApplication::focusWidget(), run.control<QWidget>(Screen::Main, "ok"));
  }

  // Esc leaves the bar and its highlight, from a menu in two steps as on every desktop.
  void escLeavesTheMenuBar() {
    GameWindow window;
    window.showState(GameScreen());
    window.show();
    activate(&window);
    QMenuBar* bar = window.menuBar();
    QTest::keyClick(&window, Qt::Key_F10);
    QTRY_VERIFY(QApplication::activePopupWidget());
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Left);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QVERIFY(!bar->activeAction());
    QVERIFY(!bar->hasFocus());

    QTest::keyClick(&window, Qt::Key_F10);
    QTRY_VERIFY(QApplication::activePopupWidget());
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
    QTRY_VERIFY(!QApplication::activePopupWidget());
    QVERIFY(bar->activeAction());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QVERIFY(!bar->activeAction());
    QVERIFY(!bar->hasFocus());
  }

  // Every menu of the bar opens with Alt and a letter of its own, "Nic" runs with Alt+N.
  void menusHaveMnemonics() {
    TestSession run;
    run.folder.writeDataText("nic.ini", 0, "Nic se nestalo", 1, 0, 1);
    run.start();
    run.click(Screen::Main, "ok");
    auto* game = static_cast<QMainWindow*>(run.window(Screen::Main));
    QSet<int> letters;
    for (QAction* menu : game->menuBar()->actions()) {
      QCOMPARE(menu->text().count(QLatin1Char('&')), 1);
      letters << int(QKeySequence::mnemonic(menu->text())[0].key());
    }
    QCOMPARE(letters.size(), game->menuBar()->actions().size());
    activate(game);
    QTest::keyClick(game, Qt::Key_J, Qt::AltModifier);
    QTRY_VERIFY(QApplication::activePopupWidget());
    QCOMPARE(QApplication::activePopupWidget()->objectName(), QStringLiteral("jine"));
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QTest::keyClick(game, Qt::Key_N, Qt::AltModifier);
    QCOMPARE(run.session.game()->screen().info, std::string("Nic se nestalo"));
  }

  // After a click on the report's button the focus stays on Ok: Space answers, not a second
  // purchase.
  void aClickedReportLeavesTheFocusOnOk() {
    TestSession run;
    run.start();
    QWidget* game = run.window(Screen::Main);
    activate(game);
    const int before = std::stoi(run.session.game()->text(Quantity::kasa));
    run.click(Screen::Main, "Command1");
    QCOMPARE(QApplication::focusWidget(), run.control<QWidget>(Screen::Main, "ok"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QVERIFY(!run.session.game()->screen().okVisible);
    QCOMPARE(std::stoi(run.session.game()->text(Quantity::kasa)), before - 20);
  }

  // The best scores have one button: it holds the focus, and Enter, Space and Esc press it.
  void bestScoresAnswerEveryKey_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
    QTest::newRow("Space") << int(Qt::Key_Space);
    QTest::newRow("Esc") << int(Qt::Key_Escape);
  }

  void bestScoresAnswerEveryKey() {
    QFETCH(int, key);
    velmoran::BestScoresWindow scores;
    scores.show();
    activate(&scores);
    QCOMPARE(QApplication::focusWidget(), scores.findChild<QWidget*>(QStringLiteral("Command1")));
    QSignalSpy ok(&scores, &velmoran::BestScoresWindow::okClicked);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    QCOMPARE(ok.count(), 1);
  }

  // Tab walks the rulers, each read as one row with its place and months, and comes back to
  // "Ok"; the months are read with their row, not on their own.
  void bestScoresRowsAreReachedByTab() {
    TestSession run;
    run.folder.writeBest("Kazimír Dlouhověký\r\n48\r\nMarie\r\n2\r\n\r\n0\r\n");
    run.click(Screen::Menu, "Command3");
    QWidget* scores = run.window(Screen::Prohra);
    activate(scores);
    const QStringList rows = {"1. Kazimír Dlouhověký, 48 měsíců", "2. Marie, 2 měsíce",
                              "3. bez jména, 0 měsíců"};
    for (const QString& row : rows) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QCOMPARE(QApplication::focusWidget()->accessibleName(), row);
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), run.control<QWidget>(Screen::Prohra, "Command1"));
    for (const char* months : {"sc0", "sc1", "sc2"}) {
      QCOMPARE(run.control<QWidget>(Screen::Prohra, months)->focusPolicy(), Qt::NoFocus);
    }
  }

  // Enter saves the settings wherever the focus is; Esc closes the settings and the best
  // scores.
  void settingsAndBestScoresByKeys() {
    TestSession run;
    activate(run.window(Screen::Menu));
    run.click(Screen::Menu, "Command2");
    auto* check = run.control<QCheckBox>(Screen::Nastaveni, "Check1");
    check->setFocus();
    QTest::keyClick(check, Qt::Key_Space);
    QTest::keyClick(check, Qt::Key_Return);
    QVERIFY(!run.window(Screen::Nastaveni));
    QCOMPARE(run.folder.readBytes("data.dat"), std::string(" 0 \r\n 1 \r\n 1 \r\n"));

    run.click(Screen::Menu, "Command2");
    QTest::keyClick(run.window(Screen::Nastaveni), Qt::Key_Escape);
    QVERIFY(!run.window(Screen::Nastaveni));
    run.click(Screen::Menu, "Command3");
    QTest::keyClick(run.window(Screen::Prohra), Qt::Key_Escape);
    QVERIFY(!run.window(Screen::Prohra));
    QVERIFY(run.window(Screen::Menu));
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
