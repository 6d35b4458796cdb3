// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCheckBox>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <QStandardPaths>
#include <QTest>
#include <QUrl>

#include "commands/command_table.h"
#include "files/game_folders.h"
#include "test_session.h"
#include "turn/turn_rules.h"

using velmoran::Screen;

// The splash screen, the settings screen and the about box driven by a real session.
class ShellSessionTest : public QObject {
  Q_OBJECT

 public slots:
  // Stands in for the player's browser.
  void openInBrowser(const QUrl& url) { opened << url; }

 private:
  QList<QUrl> opened;

  static QString settingsFile(const TestSession& run) {
    QFile file(QString::fromStdString((run.folder.path() / "data.dat").string()));
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QString();
  }

  static QList<bool> ticks(const TestSession& run) {
    QList<bool> ticked;
    for (const char* box : {"Check1", "Check2", "Check3"}) {
      ticked << run.control<QCheckBox>(Screen::Nastaveni, box)->isChecked();
    }
    return ticked;
  }

 private slots:
  void initTestCase() {
    QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "openInBrowser");
  }
  void init() { opened.clear(); }
  void cleanupTestCase() { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }

  void splashGivesWayToTheTitleMenuOnce() {
    velmoran::testing::TestGameFolder folder;
    ScriptedUi ui;
    velmoran::Session session(ui, folder.path(), velmoran::turnRules(), velmoran::runMenuCommand);
    ui.attach(session);
    QElapsedTimer clock;
    clock.start();
    session.openSplash();
    QPointer<QWidget> splash = ui.window(Screen::Splash);
    QVERIFY(splash && splash->isVisible());
    QVERIFY(!ui.window(Screen::Menu));
    QTRY_VERIFY_WITH_TIMEOUT(ui.window(Screen::Menu), 5000);
    QVERIFY2(clock.elapsed() >= 1800, qPrintable(QString::number(clock.elapsed())));
    QVERIFY(ui.window(Screen::Menu)->isVisible());
    QVERIFY(!ui.window(Screen::Splash));
    QTRY_VERIFY(splash.isNull());
  }

  void settingsAreReadToggledAndSaved() {
    TestSession run("2,1,1\r\n");
    run.click(Screen::Menu, "Command2");
    QVERIFY(run.window(Screen::Nastaveni)->isVisible());
    QVERIFY(run.window(Screen::Menu));
    QCOMPARE(ticks(run), (QList<bool>{true, false, false}));
    QTest::mouseClick(run.control<QCheckBox>(Screen::Nastaveni, "Check3"), Qt::LeftButton);
    run.click(Screen::Nastaveni, "Command1");
    QCOMPARE(settingsFile(run), QStringLiteral(" 0 \r\n 1 \r\n 0 \r\n"));
    QVERIFY(!run.window(Screen::Nastaveni));
    QVERIFY(run.ui.messages.empty());
  }

  void aboutBoxOpensTheHelpPageAndGoesBack() {
    TestSession run;
    run.click(Screen::Menu, "Command5");
    QWidget* about = run.window(Screen::About);
    QVERIFY(about && about->isVisible());
    QTest::mouseClick(run.control<QLabel>(Screen::About, "Label3"), Qt::LeftButton);
    const QUrl page =
        QUrl::fromLocalFile(QString::fromStdString((run.folder.path() / "napoveda.html").string()));
    QCOMPARE(opened, QList<QUrl>{page});
    QVERIFY(run.window(Screen::About));
    QTest::mouseClick(about, Qt::LeftButton, {}, QPoint(about->width() - 5, 5));
    QVERIFY(!run.window(Screen::About));
    QVERIFY(run.window(Screen::Menu));
  }

  // F1 needs no browser: the page opens in the game's own help window.
  void f1OpensTheHelpWindow() {
    TestSession run;
    QWidget* menu = run.window(Screen::Menu);
    menu->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(menu));
    QTest::keyClick(menu, Qt::Key_F1);
    QVERIFY(opened.isEmpty());
    QTRY_VERIFY(QApplication::activeWindow() &&
                QApplication::activeWindow()->objectName() == QStringLiteral("napoveda"));
  }

  // The installed game's per-user folder is the one Qt names for the application "velmoran".
  void playerFolderIsQtsAppDataLocation() {
    QCoreApplication::setApplicationName(QStringLiteral("velmoran"));
    const QByteArray home = qgetenv("HOME");
    const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
    for (const char* xdg : {"", "/srv/eva/share"}) {
      qputenv("HOME", "/home/eva");
      qputenv("XDG_DATA_HOME", xdg);
      QCOMPARE(QString::fromStdString(velmoran::playerFolder("/home/eva", xdg).string()),
               QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    }
    qputenv("HOME", home);
    qputenv("XDG_DATA_HOME", dataHome);
  }
};

QTEST_MAIN(ShellSessionTest)
#include "shell_session_test.moc"
