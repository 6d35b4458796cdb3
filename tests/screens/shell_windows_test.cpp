// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "screens/about_window.h"
#include "screens/settings_window.h"
#include "screens/splash_window.h"

using velmoran::AboutWindow;
using velmoran::SettingsWindow;
using velmoran::SplashWindow;

// The splash screen, the settings screen and the about box as windows.
class ShellWindowsTest : public QObject {
  Q_OBJECT

  static bool fixedSize(const QWidget& window) {
    return window.minimumSize() == window.maximumSize() && window.size() == window.minimumSize();
  }

  static bool white(const QLabel* label) {
    return label && label->palette().color(QPalette::WindowText) == Qt::white &&
           !label->text().isEmpty();
  }

 private slots:
  void splashShowsItsPictureAndCreditsThenTimesOut() {
    SplashWindow splash;
    QCOMPARE(splash.objectName(), QStringLiteral("splash"));
    QVERIFY(splash.windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(fixedSize(splash));
    auto* picture = splash.findChild<QLabel*>(QStringLiteral("Picture1"));
    QCOMPARE(picture->geometry(), splash.rect());
    QCOMPARE(picture->pixmap().deviceIndependentSize().toSize(), splash.size());
    QVERIFY(white(splash.findChild<QLabel*>(QStringLiteral("Label1"))));
    QVERIFY(white(splash.findChild<QLabel*>(QStringLiteral("Label2"))));
    auto* timer1 = splash.findChild<QTimer*>(QStringLiteral("Timer1"));
    QCOMPARE(timer1->interval(), 1900);
    QVERIFY(timer1->isActive());
    QSignalSpy fired(&splash, &SplashWindow::timerFired);
    QVERIFY(fired.wait(3000));
  }

  void settingsScreenHoldsPictureBoxesAndSave() {
    SettingsWindow settings;
    QCOMPARE(settings.objectName(), QStringLiteral("nastaveni"));
    QCOMPARE(settings.windowTitle(), QStringLiteral(" Nastavení"));
    QVERIFY(fixedSize(settings));
    const QStringList captions = {"Použít tučné písmo v info okně",
                                  "Bílý text a černé pozadí v info okně",
                                  "Tlačítka pod info oknem budou tučným písmem"};
    int below = settings.findChild<QLabel*>(QStringLiteral("Picture1"))->geometry().bottom();
    for (int box = 1; box <= 3; ++box) {
      auto* check = settings.findChild<QCheckBox*>(QStringLiteral("Check%1").arg(box));
      QCOMPARE(check->text(), captions[box - 1]);
      QVERIFY(!check->isChecked());
      QVERIFY(check->y() > below);
      QVERIFY(check->sizeHint().width() <= check->width());
      below = check->geometry().bottom();
    }
    auto* save = settings.findChild<QPushButton*>(QStringLiteral("Command1"));
    QCOMPARE(save->text(), QStringLiteral("Uložit"));
    QVERIFY(save->y() > below);
    QVERIFY(save->geometry().bottom() < settings.height());
  }

  void aboutBoxShowsItsLabelsAndTheAddress() {
    const QString address = QStringLiteral("file:///usr/share/velmoran/napoveda.html");
    AboutWindow about(address);
    QCOMPARE(about.objectName(), QStringLiteral("about"));
    QCOMPARE(about.windowTitle(), QStringLiteral(" O Hře"));
    QVERIFY(fixedSize(about));
    QCOMPARE(about.findChild<QLabel*>(QStringLiteral("Label1"))->text(),
             QStringLiteral("Programing, grafika"));
    QVERIFY(!about.findChild<QLabel*>(QStringLiteral("Label2"))->text().isEmpty());
    QCOMPARE(about.findChild<QLabel*>(QStringLiteral("Label3"))->text(), address);
    QVERIFY(!about.findChild<QLabel*>(QStringLiteral("Label4"))->text().isEmpty());

    const QString deep = QStringLiteral("file:///home/eva/%1/napoveda.html").arg(QString(200, 'x'));
    AboutWindow far(deep);
    auto* link = far.findChild<QLabel*>(QStringLiteral("Label3"));
    QVERIFY(link->text().startsWith(QStringLiteral("file:///home")));
    QVERIFY(link->text().endsWith(QStringLiteral("napoveda.html")));
    QVERIFY(link->fontMetrics().horizontalAdvance(link->text()) <= link->width());
    QCOMPARE(link->toolTip(), deep);
  }

  // Only the background goes back to the title menu and only the address opens the link.
  void aboutBoxClicks_data() {
    QTest::addColumn<QString>("clicked");
    QTest::addColumn<int>("background");
    QTest::addColumn<int>("link");
    QTest::newRow("background") << QString() << 1 << 0;
    QTest::newRow("Label1") << "Label1" << 0 << 0;
    QTest::newRow("Label2") << "Label2" << 0 << 0;
    QTest::newRow("Label3") << "Label3" << 0 << 1;
    QTest::newRow("Label4") << "Label4" << 0 << 0;
  }

  void aboutBoxClicks() {
    QFETCH(QString, clicked);
    QFETCH(int, background);
    QFETCH(int, link);
    AboutWindow about(QStringLiteral("file:///napoveda.html"));
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    QSignalSpy backgroundClicks(&about, &AboutWindow::backgroundClicked);
    QSignalSpy linkClicks(&about, &AboutWindow::linkClicked);
    QWidget* target = clicked.isEmpty() ? &about : about.findChild<QWidget*>(clicked);
    const QPoint where = clicked.isEmpty() ? QPoint(about.width() - 5, 5) : QPoint(2, 5);
    QTest::mouseClick(target, Qt::LeftButton, {}, where);
    QCOMPARE(backgroundClicks.count(), background);
    QCOMPARE(linkClicks.count(), link);
  }
};

QTEST_MAIN(ShellWindowsTest)
#include "shell_windows_test.moc"
