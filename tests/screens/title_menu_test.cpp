// SPDX-License-Identifier: GPL-3.0-or-later
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "screens/title_menu_window.h"

using velmoran::TitleMenuWindow;

class TitleMenuTest : public QObject {
  Q_OBJECT

 private slots:
  void windowHasCaptionAndClientArea() {
    TitleMenuWindow menu;
    QCOMPARE(menu.objectName(), QStringLiteral("Menu"));
    QCOMPARE(menu.windowTitle(), QStringLiteral(" Velmoran "));
    QCOMPARE(menu.size(), QSize(271, 229));
    QCOMPARE(menu.minimumSize(), menu.maximumSize());
  }

  void controls_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QPoint>("position");
    QTest::addColumn<bool>("bold");
    QTest::newRow("Command1") << "Start" << QPoint(85, 80) << true;
    QTest::newRow("Command2") << "Nastavení" << QPoint(85, 105) << false;
    QTest::newRow("Command3") << "Top 3" << QPoint(85, 130) << false;
    QTest::newRow("Command4") << "Konec" << QPoint(85, 155) << false;
    QTest::newRow("Command5") << "O hře" << QPoint(85, 180) << false;
  }

  void controls() {
    QFETCH(QString, caption);
    QFETCH(QPoint, position);
    QFETCH(bool, bold);
    TitleMenuWindow menu;
    auto* button = menu.findChild<QPushButton*>(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(button);
    QCOMPARE(button->text(), caption);
    QCOMPARE(button->pos(), position);
    QCOMPARE(button->font().bold(), bold);
    QVERIFY(button->geometry().bottom() < menu.height());
  }

  void bannerAndCredit() {
    TitleMenuWindow menu;
    auto* banner = menu.findChild<QLabel*>(QStringLiteral("Picture1"));
    QVERIFY(banner);
    QCOMPARE(banner->geometry(), QRect(5, 5, 262, 66));
    QCOMPARE(banner->pixmap().size(), QSize(262, 66));
    auto* credit = menu.findChild<QLabel*>(QStringLiteral("Label1"));
    QVERIFY(credit);
    QCOMPARE(credit->pos(), QPoint(102, 213));
    QVERIFY(!credit->text().isEmpty());
    QVERIFY(QFontMetrics(credit->font()).horizontalAdvance(credit->text()) <= credit->width());
  }

  void buttonsAreReported() {
    TitleMenuWindow menu;
    QSignalSpy start(&menu, &TitleMenuWindow::startClicked);
    QSignalSpy bestScores(&menu, &TitleMenuWindow::bestScoresClicked);
    QSignalSpy quit(&menu, &TitleMenuWindow::quitClicked);
    for (const char* name :
         {"Command1", "Command3", "Command3", "Command4", "Command2", "Command5"}) {
      QTest::mouseClick(menu.findChild<QPushButton*>(QString::fromLatin1(name)), Qt::LeftButton);
    }
    QCOMPARE(start.count(), 1);
    QCOMPARE(bestScores.count(), 2);
    QCOMPARE(quit.count(), 1);
  }

  void iconPicturesWaitOutOfSight() {
    TitleMenuWindow menu;
    menu.show();
    for (int number = 2; number <= 9; ++number) {
      auto* picture = menu.findChild<QLabel*>(QStringLiteral("Picture%1").arg(number));
      QVERIFY(picture);
      QCOMPARE(picture->pixmap().size(), QSize(48, 48));
      QVERIFY(!picture->isVisible());
      QVERIFY(picture->y() >= menu.height());
    }
  }

  void timersStartOff() {
    TitleMenuWindow menu;
    auto* timer1 = menu.findChild<QTimer*>(QStringLiteral("Timer1"));
    auto* timer2 = menu.findChild<QTimer*>(QStringLiteral("Timer2"));
    QVERIFY(timer1 && timer2);
    QCOMPARE(timer1->interval(), 130);
    QCOMPARE(timer2->interval(), 50);
    QVERIFY(!timer1->isActive());
    QVERIFY(!timer2->isActive());
  }

  // A click on the banner turns the icon: Picture9 once, then Picture2 to Picture8 over and
  // over, one step every 130 ms of Timer1 and 50 ms of Timer2.
  void bannerClickTurnsTheIcon() {
    TitleMenuWindow menu;
    menu.show();
    const auto pictureShown = [&menu]() {
      const QImage shown = menu.windowIcon().pixmap(48, 48).toImage();
      for (int number = 2; number <= 9; ++number) {
        const QImage picture =
            menu.findChild<QLabel*>(QStringLiteral("Picture%1").arg(number))->pixmap().toImage();
        if (shown == picture) return number;
      }
      return 0;
    };
    QList<int> shown;
    QElapsedTimer clock;
    qint64 tenthChange = 0;
    menu.installEventFilter(this);
    connect(this, &TitleMenuTest::iconChanged, &menu, [&] {
      shown << pictureShown();
      if (shown.size() == 1) clock.start();
      if (shown.size() == 10) tenthChange = clock.elapsed();
    });

    QTest::mouseClick(menu.findChild<QLabel*>(QStringLiteral("Picture1")), Qt::LeftButton);
    QVERIFY(menu.findChild<QTimer*>(QStringLiteral("Timer1"))->isActive());
    QTRY_VERIFY_WITH_TIMEOUT(shown.size() >= 10, 10000);
    QCOMPARE(shown.mid(0, 10), QList<int>({9, 2, 3, 4, 5, 6, 7, 8, 2, 3}));
    // Timers may fire a twentieth early; without Timer2's pause nine steps would take 1170 ms.
    QVERIFY2(tenthChange >= 9 * 170, qPrintable(QString::number(tenthChange)));
  }

 signals:
  void iconChanged();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::WindowIconChange) emit iconChanged();
    return QObject::eventFilter(watched, event);
  }
};

QTEST_MAIN(TitleMenuTest)
#include "title_menu_test.moc"
