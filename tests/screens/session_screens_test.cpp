// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "expected_messages.h"
#include "test_session.h"

using velmoran::Icon;
using velmoran::Screen;

// The windows driven by a real session: what the player sees after each click.
class SessionScreensTest : public QObject {
  Q_OBJECT

  static QString textOf(const TestSession& run, const char* name) {
    if (auto* box = run.control<QLineEdit>(Screen::Main, name)) return box->text();
    auto* label = run.control<QLabel>(Screen::Main, name);
    return label ? label->text() : QStringLiteral("<missing>");
  }

  static bool visible(const TestSession& run, const char* name) {
    auto* widget = run.control<QWidget>(Screen::Main, name);
    return widget && widget->isVisible();
  }

  static void flushDeletions() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

 private slots:
  void titleMenuOpensFirst() {
    TestSession run;
    QVERIFY(run.window(Screen::Menu));
    QVERIFY(run.window(Screen::Menu)->isVisible());
    QVERIFY(!run.window(Screen::Main));
  }

  void startShowsTheNewGame() {
    TestSession run;
    QPointer<QWidget> menu = run.window(Screen::Menu);
    run.start("Jan Novák", "Lhota");

    QVERIFY(run.window(Screen::Main));
    QVERIFY(run.window(Screen::Main)->isVisible());
    QVERIFY(!run.window(Screen::Menu));
    QVERIFY(!menu->isVisible());
    flushDeletions();
    QVERIFY(menu.isNull());

    QCOMPARE(run.ui.inputTitles,
             std::vector<std::string>({"Jaké je vaše jméno?", "Jak se bude jmenovat vaše země?"}));
    QVERIFY(run.ui.messages.empty());
    QCOMPARE(textOf(run, "jmeno"), QStringLiteral("Jan Novák"));
    QCOMPARE(textOf(run, "stat"), QStringLiteral("Lhota"));
    const int treasury = textOf(run, "kasa").toInt();
    QVERIFY2(treasury >= 9000 && treasury <= 26999, qPrintable(textOf(run, "kasa")));
    QCOMPARE(textOf(run, "vlada"), QStringLiteral("1"));
    QCOMPARE(textOf(run, "rozpocet2"), QStringLiteral("0"));
    QCOMPARE(textOf(run, "Procentu"), QStringLiteral("20"));
    QCOMPARE(textOf(run, "info"), QStringLiteral("Vítejte"));
    QVERIFY(visible(run, "ok"));
    QVERIFY(!visible(run, "ano"));
    QVERIFY(!visible(run, "ne"));
    QVERIFY(!visible(run, "zprava"));
    QVERIFY(!visible(run, "month"));

    const QWidget* bar = run.control<QWidget>(Screen::Main, "p");
    const QWidget* partisans = run.control<QWidget>(Screen::Main, "f");
    QVERIFY(qAbs(partisans->height() - bar->height() * 0.8) <= 0.5);
    QCOMPARE(partisans->width(), bar->width());
    QCOMPARE(partisans->pos(), QPoint(0, 0));
  }

  void okClearsTheWelcome() {
    TestSession run;
    run.start();
    run.click(Screen::Main, "ok");
    QCOMPARE(textOf(run, "info"), QString());
    QVERIFY(!visible(run, "ok"));
    QCOMPARE(textOf(run, "vlada"), QStringLiteral("1"));
  }

  void reportCostsTwentyAndShowsTheFrame() {
    TestSession run;
    run.start();
    const int before = textOf(run, "kasa").toInt();
    run.click(Screen::Main, "Command1");
    QVERIFY(visible(run, "zprava"));
    QCOMPARE(textOf(run, "kasa").toInt(), before - 20);
    QCOMPARE(textOf(run, "tp"), QStringLiteral("1"));
    QCOMPARE(textOf(run, "moro"), QStringLiteral("8"));
    QVERIFY(!textOf(run, "zisk").isEmpty());
  }

  void settingsShapeTheInfoPanel_data() {
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<bool>("boldText");
    QTest::addColumn<bool>("whiteOnBlack");
    QTest::addColumn<bool>("boldButtons");
    QTest::newRow("0,1,1 bold text only") << QByteArray("0,1,1") << true << false << false;
    QTest::newRow("1,0,1 white on black only") << QByteArray("1,0,1") << false << true << false;
    QTest::newRow("1,1,0 bold buttons only") << QByteArray("1,1,0") << false << false << true;
    QTest::newRow("1,1,1 nothing") << QByteArray("1\r\n1\r\n1\r\n") << false << false << false;
    QTest::newRow("0,0,0 everything") << QByteArray("0,0,0") << true << true << true;
  }

  void settingsShapeTheInfoPanel() {
    QFETCH(QByteArray, settings);
    QFETCH(bool, boldText);
    QFETCH(bool, whiteOnBlack);
    QFETCH(bool, boldButtons);
    TestSession run(settings.toStdString());
    run.start();
    QVERIFY(run.ui.messages.empty());
    const QWidget* info = run.control<QWidget>(Screen::Main, "info");
    QCOMPARE(info->font().bold(), boldText);
    QCOMPARE(info->palette().color(QPalette::Window) == QColor(Qt::black), whiteOnBlack);
    QCOMPARE(info->palette().color(QPalette::WindowText) == QColor(Qt::white), whiteOnBlack);
    QCOMPARE(run.control<QWidget>(Screen::Main, "ok")->font().bold(), boldButtons);
  }

  void missingSettingsAreReportedAndTheGameStarts() {
    TestSession run;
    QFile::remove(QString::fromStdString((run.folder.path() / "data.dat").string()));
    run.start();
    QCOMPARE(run.ui.messages.size(), std::size_t{1});
    QCOMPARE(run.ui.messages[0].icon, Icon::Critical);
    QCOMPARE(run.ui.messages[0].title, std::string(velmoran::testing::kFileError));
    QCOMPARE(run.ui.messages[0].text,
             velmoran::testing::withCause(velmoran::testing::kSettingsMissing,
                                          velmoran::testing::kCauseMissing));
    QVERIFY(run.window(Screen::Main));
    QVERIFY(!run.window(Screen::Menu));
    QVERIFY(!run.control<QWidget>(Screen::Main, "info")->font().bold());
  }

  void closeBoxOfTheGameEndsTheProgram() {
    TestSession run;
    QSignalSpy noScreenLeft(&run.ui, &velmoran::QtUi::noScreenLeft);
    run.start();
    QPointer<QWidget> game = run.window(Screen::Main);
    QVERIFY(game->close());
    QVERIFY(!run.session.game());
    QVERIFY(!run.window(Screen::Main));
    QVERIFY(!run.window(Screen::Menu));
    QVERIFY(!run.session.anyScreenOpen());
    QCOMPARE(noScreenLeft.count(), 1);
    QVERIFY(!game->isVisible());
    flushDeletions();
    QVERIFY(game.isNull());
  }

  void gameMenuReturnsToTheTitleMenu_data() {
    QTest::addColumn<QString>("entry");
    QTest::newRow("Nová hra") << QStringLiteral("mnewgame");
    QTest::newRow("Konec") << QStringLiteral("mkonec");
  }

  void gameMenuReturnsToTheTitleMenu() {
    QFETCH(QString, entry);
    TestSession run;
    QSignalSpy noScreenLeft(&run.ui, &velmoran::QtUi::noScreenLeft);
    run.start();
    QPointer<QWidget> game = run.window(Screen::Main);
    game->findChild<QAction*>(entry)->trigger();
    QVERIFY(!run.session.game());
    QVERIFY(!run.window(Screen::Main));
    QVERIFY(run.window(Screen::Menu));
    QVERIFY(run.window(Screen::Menu)->isVisible());
    QCOMPARE(noScreenLeft.count(), 0);
    flushDeletions();
    QVERIFY(game.isNull());

    run.start("Eva", "Horní Dolní");
    QCOMPARE(textOf(run, "jmeno"), QStringLiteral("Eva"));
    QCOMPARE(textOf(run, "Procentu"), QStringLiteral("20"));
  }

  void aWithdrawnEntryIsGreyedUntilTheNextGame() {
    TestSession run;
    run.folder.writeDataText("pes.ini", 0, "Pes", 1, 0, 0);
    run.start();
    run.click(Screen::Main, "ok");
    const auto dog = [&run] { return run.window(Screen::Main)->findChild<QAction*>("psesbuy"); };
    dog()->trigger();
    QCOMPARE(textOf(run, "info"), QStringLiteral("Pes"));
    QVERIFY(!dog()->isEnabled());
    run.window(Screen::Main)->findChild<QAction*>("mnewgame")->trigger();
    run.start();
    run.click(Screen::Main, "ok");  // while the welcome's Ok shows, every command is greyed
    QVERIFY(dog()->isEnabled());
  }

  void shortcutF2StartsAgain() {
    TestSession run;
    run.start();
    QWidget* game = run.window(Screen::Main);
    game->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(game));
    QTest::keyClick(game, Qt::Key_F2);
    QVERIFY(!run.session.game());
    QVERIFY(run.window(Screen::Menu));
  }

  void konecOnTheTitleMenuEndsTheProgram() {
    TestSession run;
    QSignalSpy noScreenLeft(&run.ui, &velmoran::QtUi::noScreenLeft);
    run.click(Screen::Menu, "Command4");
    QVERIFY(run.session.finished());
    QVERIFY(!run.window(Screen::Menu));
    QCOMPARE(noScreenLeft.count(), 1);
  }

  void closeBoxOfTheTitleMenuEndsTheProgram() {
    TestSession run;
    QSignalSpy noScreenLeft(&run.ui, &velmoran::QtUi::noScreenLeft);
    QVERIFY(run.window(Screen::Menu)->close());
    QVERIFY(!run.session.anyScreenOpen());
    QCOMPARE(noScreenLeft.count(), 1);
  }

  void topThreeShowsTheTableBesideTheMenu() {
    TestSession run;
    run.click(Screen::Menu, "Command3");
    QVERIFY(run.window(Screen::Prohra));
    QVERIFY(run.window(Screen::Prohra)->isVisible());
    QVERIFY(run.window(Screen::Menu));
    const char* names[] = {"jm0", "sc0", "jm1", "sc1", "jm2", "sc2"};
    const QStringList expected = {"Karel", "30", "Marie", "20", "Josef", "10"};
    for (int i = 0; i < 6; ++i) {
      QCOMPARE(run.control<QLineEdit>(Screen::Prohra, names[i])->text(), expected[i]);
    }
    QVERIFY(run.ui.messages.empty());

    run.click(Screen::Prohra, "Command1");
    QVERIFY(!run.window(Screen::Prohra));
    QVERIFY(run.window(Screen::Menu));
  }

  void closeBoxOfTheBestScoresLeavesTheMenu() {
    TestSession run;
    QSignalSpy noScreenLeft(&run.ui, &velmoran::QtUi::noScreenLeft);
    run.click(Screen::Menu, "Command3");
    QVERIFY(run.window(Screen::Prohra)->close());
    QVERIFY(!run.window(Screen::Prohra));
    QVERIFY(run.window(Screen::Menu));
    QCOMPARE(noScreenLeft.count(), 0);
  }

  void missingBestScoresAreReported() {
    TestSession run;
    QFile::remove(QString::fromStdString((run.folder.path() / "best.dat").string()));
    run.click(Screen::Menu, "Command3");
    QVERIFY(run.window(Screen::Prohra));
    QCOMPARE(run.ui.messages.size(), std::size_t{1});
    QCOMPARE(run.ui.messages[0].title, std::string(velmoran::testing::kFileError));
    QCOMPARE(run.ui.messages[0].text,
             velmoran::testing::withCause(velmoran::testing::kBestScoresMissing,
                                          velmoran::testing::kCauseMissing));
    QCOMPARE(run.control<QLineEdit>(Screen::Prohra, "jm0")->text(), QString());
  }
};

QTEST_MAIN(SessionScreensTest)
#include "session_screens_test.moc"
