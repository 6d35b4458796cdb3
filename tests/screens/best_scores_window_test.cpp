// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/best_scores_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using velmoran::BestScoresWindow;

class BestScoresWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void windowHasCaptionAndClientArea() {
    BestScoresWindow window;
    QCOMPARE(window.objectName(), QStringLiteral("prohra"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Nejlepší skóre"));
    QCOMPARE(window.size(), QSize(295, 227));
  }

  void layout_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QPoint>("position");
    QTest::newRow("Label1") << "Jméno" << QPoint(20, 85);
    QTest::newRow("Label2") << "Měsíců" << QPoint(195, 85);
    QTest::newRow("jm0") << "" << QPoint(15, 105);
    QTest::newRow("jm1") << "" << QPoint(15, 130);
    QTest::newRow("jm2") << "" << QPoint(15, 155);
    QTest::newRow("sc0") << "" << QPoint(195, 105);
    QTest::newRow("sc1") << "" << QPoint(195, 130);
    QTest::newRow("sc2") << "" << QPoint(195, 155);
    QTest::newRow("Command1") << "Ok" << QPoint(120, 200);
  }

  void layout() {
    QFETCH(QString, caption);
    QFETCH(QPoint, position);
    BestScoresWindow window;
    auto* control = window.findChild<QWidget*>(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(control);
    QCOMPARE(control->pos(), position);
    QVERIFY(window.rect().contains(control->geometry()));
    if (auto* label = qobject_cast<QLabel*>(control)) QCOMPARE(label->text(), caption);
    if (auto* button = qobject_cast<QPushButton*>(control)) QCOMPARE(button->text(), caption);
    if (auto* field = qobject_cast<QLineEdit*>(control)) QVERIFY(field->isReadOnly());
  }

  void bannerSaysTopScore() {
    BestScoresWindow window;
    auto* banner = window.findChild<QLabel*>(QStringLiteral("Picture1"));
    QVERIFY(banner);
    QCOMPARE(banner->pos(), QPoint(5, 5));
    QVERIFY(banner->geometry().bottom() < 85);
    QCOMPARE(banner->pixmap().size(), banner->size());
  }

  void fieldsFilledInFileOrder() {
    BestScoresWindow window;
    window.showScores({"Karel", "30", "Marie", "20", "Josef", "10"});
    const QStringList names = {"jm0", "sc0", "jm1", "sc1", "jm2", "sc2"};
    const QStringList expected = {"Karel", "30", "Marie", "20", "Josef", "10"};
    for (int i = 0; i < names.size(); ++i) {
      QCOMPARE(window.findChild<QLineEdit*>(names[i])->text(), expected[i]);
    }
  }

  // A long name keeps its beginning and ends in "…", the whole name in its tooltip.
  void longNamesEndInAnEllipsis() {
    BestScoresWindow window;
    const QString ruler = QStringLiteral("Jan Nepomuk Maria Josef z Horních Dolních a Dolních");
    window.showScores({ruler.toStdString(), "30", "Marie", "20", "Josef", "10"});
    auto* first = window.findChild<QLineEdit*>(QStringLiteral("jm0"));
    QVERIFY(first->text().startsWith(QStringLiteral("Jan ")));
    QVERIFY(first->text().endsWith(QChar(0x2026)));
    QVERIFY(first->fontMetrics().horizontalAdvance(first->text()) < first->width() - 4);
    QCOMPARE(first->toolTip(), ruler);
    auto* second = window.findChild<QLineEdit*>(QStringLiteral("jm1"));
    QCOMPARE(second->text(), QStringLiteral("Marie"));
    QVERIFY(second->toolTip().isEmpty());
  }

  void okIsReported() {
    BestScoresWindow window;
    QSignalSpy ok(&window, &BestScoresWindow::okClicked);
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    QCOMPARE(ok.count(), 1);
  }
};

QTEST_MAIN(BestScoresWindowTest)
#include "best_scores_window_test.moc"
