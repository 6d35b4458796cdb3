// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "files/kept_chronicles.h"
#include "screens/text_conversion.h"
#include "test_session.h"

using velmoran::Icon;
using velmoran::Quantity;
using velmoran::Screen;

// "Kronika vlády": after the months message beside the best scores, and again from a ruler's
// name on the table.
class ChronicleWindowTest : public QObject {
  Q_OBJECT

  // Jan rules 40 months and goes bankrupt: first in the table.
  static void bankruptAfterForty(TestSession& run) {
    run.folder.writeChronicleTexts();
    run.start("Jan", "Lhota");
    run.session.play([](velmoran::Game& game) {
      game.set(Quantity::vlada, 40);
      game.set(Quantity::kasa, -20000);
    });
  }

  static QString heading(const TestSession& run) {
    return run.ui.chronicleWindow()->findChild<QLabel*>(QStringLiteral("vladce"))->text();
  }

 private slots:
  void opensAfterTheReignBesideTheTable() {
    TestSession run;
    bankruptAfterForty(run);
    QWidget* chronicle = run.ui.chronicleWindow();
    QVERIFY(chronicle && chronicle->isVisible());
    QCOMPARE(chronicle->windowTitle(), QStringLiteral("Kronika vlády"));
    QWidget* table = run.window(Screen::Prohra);
    QVERIFY(table && table->isVisible());
    // Beside the table where the screen has room for both, and whole on the screen always.
    const QRect desktop = chronicle->screen()->availableGeometry();
    QVERIFY(desktop.contains(chronicle->frameGeometry()));
    if (desktop.width() > table->frameGeometry().width() + chronicle->frameGeometry().width()) {
      QVERIFY(!chronicle->frameGeometry().intersects(table->frameGeometry()));
    }
    QVERIFY(heading(run).startsWith(QStringLiteral("Jan, vládce země Lhota: 40")));
    auto* lines = chronicle->findChild<QListWidget*>(QStringLiteral("zapisy"));
    QCOMPARE(lines->count(), 1);
    QCOMPARE(lines->item(0)->text(), QStringLiteral("40. měsíc: bankrot -20000"));
    // Esc closes it and changes nothing; the table's Ok still leads to the title menu.
    QTest::keyClick(chronicle, Qt::Key_Escape);
    QVERIFY(!run.ui.chronicleWindow() || !run.ui.chronicleWindow()->isVisible());
    QVERIFY(run.window(Screen::Prohra));
    run.click(Screen::Prohra, "Command1");
    QVERIFY(run.window(Screen::Menu));
  }

  // "Kronika vlády" of the menu "Hra" reads the running reign back and changes nothing of it.
  void theReignSoFarOpensDuringPlay() {
    TestSession run;
    run.folder.writeChronicleTexts();
    run.start("Jan", "Lhota");
    run.session.play([](velmoran::Game& game) { game.set(Quantity::vlada, 7); });
    const velmoran::GameScreen before = run.session.game()->screen();
    run.window(Screen::Main)->findChild<QAction*>(QStringLiteral("kronika"))->trigger();
    QVERIFY(run.ui.chronicleWindow() && run.ui.chronicleWindow()->isVisible());
    QCOMPARE(heading(run), QStringLiteral("Jan, vládce země Lhota: 7 měsíců"));
    // The chart's figures, month by month, in the table beside it: the last row is this month.
    auto* table = run.ui.chronicleWindow()->findChild<QTableWidget*>(QStringLiteral("cisla"));
    QVERIFY(table && table->rowCount() > 0 && table->columnCount() == 13);
    const int last = table->rowCount() - 1;
    QCOMPARE(table->item(last, 0)->text(), QStringLiteral("7"));
    QCOMPARE(table->item(last, 1)->text(),
             velmoran::qtText(run.session.game()->text(Quantity::kasa)));
    QVERIFY(run.session.game());
    QCOMPARE(run.session.game()->screen().texts, before.texts);
    QCOMPARE(run.session.game()->screen().info, before.info);
  }

  void aNameOnTheTableOpensItsKeptChronicle() {
    TestSession run;
    bankruptAfterForty(run);
    run.ui.chronicleWindow()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!run.ui.chronicleWindow());
    // Karel's reign is kept, but its file is damaged; Marie's was never kept.
    run.folder.writeText(std::string(velmoran::kChronicleFolder) + "/kronika-000000.dat",
                         "\"KRONIKA VLÁDY 1\"\r\n\"Karel\"\r\n\"Lhota\"\r\n30, 5, 0\r\n1, 2\r\n");
    const struct {
      const char* field;
      bool doubleClick;
      std::string message;  // empty: the chronicle opens
    } cases[] = {{"jm0", false, ""},
                 {"jm1", true, "CHYBA"},
                 {"jm2", false, "Kronika této vlády se nedochovala."}};
    for (const auto& c : cases) {
      run.ui.messages.clear();
      auto* name = run.control<QLineEdit>(Screen::Prohra, c.field);
      if (c.doubleClick) {
        QTest::mouseDClick(name, Qt::LeftButton);
      } else {
        QTest::keyClick(name, Qt::Key_Return);
      }
      if (c.message.empty()) {
        QVERIFY(run.ui.messages.empty());
        QVERIFY(run.ui.chronicleWindow() && run.ui.chronicleWindow()->isVisible());
        QVERIFY(heading(run).startsWith(QStringLiteral("Jan")));
      } else {
        QCOMPARE(run.ui.messages.size(), std::size_t{1});
        const auto& box = run.ui.messages.front();
        QVERIFY(box.title == c.message || box.text == c.message);
      }
      QVERIFY(run.window(Screen::Prohra));
    }
    // The keyboard reaches a name too: Up from "Ok" is the third ruler, Down goes back to "Ok".
    QWidget* table = run.window(Screen::Prohra);
    QWidget* ok = run.control<QPushButton>(Screen::Prohra, "Command1");
    ok->setFocus();
    QTest::keyClick(table, Qt::Key_Up);
    QCOMPARE(table->focusWidget(), run.control<QLineEdit>(Screen::Prohra, "jm2"));
    QTest::keyClick(table, Qt::Key_Down);
    QCOMPARE(table->focusWidget(), ok);
  }
};

QTEST_MAIN(ChronicleWindowTest)
#include "chronicle_window_test.moc"
