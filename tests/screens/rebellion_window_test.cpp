// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "test_session.h"
#include "turn/rebellion.h"

using velmoran::Game;
using velmoran::Quantity;
using velmoran::Screen;

// The rebellion screen on the real windows: it opens filled over the game screen, which stays
// in sight but takes no input until the rebellion is decided.
class RebellionWindowTest : public QObject {
  Q_OBJECT

  static void breakOut(TestSession& run) {
    run.start();
    run.click(Screen::Main, "ok");
    run.session.play([](Game& g) {
      g.set(Quantity::polo, 0);
      g.set(Quantity::delo, -1);
      velmoran::vzpoura_Form_Load(g);
    });
  }

  static QStringList entries(const TestSession& run, const char* list) {
    QStringList shown;
    const auto* box = run.control<QListWidget>(Screen::Vzpoura, list);
    for (int i = 0; box && i < box->count(); ++i) shown << box->item(i)->text();
    return shown;
  }

 private slots:
  void opensFilledOverTheSwitchedOffGameScreen() {
    TestSession run;
    breakOut(run);
    QWidget* rebellion = run.window(Screen::Vzpoura);
    QVERIFY(rebellion && rebellion->isVisible());
    QCOMPARE(rebellion->windowTitle(), QStringLiteral("Velká národní vzpoura!"));
    QVERIFY(run.window(Screen::Main)->isVisible());
    QVERIFY(!run.window(Screen::Main)->isEnabled());

    const std::pair<const char*, const char*> captions[] = {{"Label1", "Kdo bojuje s tebou"},
                                                            {"Label2", "Kdo bojuje proti tobě"},
                                                            {"Label3", "Vaše síla"},
                                                            {"Label4", "Jejich síla"}};
    for (const auto& [name, caption] : captions) {
      QCOMPARE(run.control<QLabel>(Screen::Vzpoura, name)->text(), QString::fromUtf8(caption));
    }
    QVERIFY(!run.control<QLabel>(Screen::Vzpoura, "Picture1")->pixmap().isNull());
    QCOMPARE(entries(run, "stebou"), QStringList({"Tajná policie", "Osobní stráž", "Armáda",
                                                  "Rolníci", "Chudina", "Inteligence"}));
    QCOMPARE(entries(run, "protitobe"), QStringList({"Policie", "Dělníci"}));
    auto* ours = run.control<QLineEdit>(Screen::Vzpoura, "tvojes");
    auto* theirs = run.control<QLineEdit>(Screen::Vzpoura, "jejichs");
    QCOMPARE(ours->text(), QStringLiteral("8"));
    QCOMPARE(theirs->text(), QStringLiteral("4"));
    QCOMPARE(ours->palette().color(QPalette::Base), QColor(65, 153, 250));
    QCOMPARE(theirs->palette().color(QPalette::Base), QColor(253, 90, 55));
    auto* ok = run.control<QPushButton>(Screen::Vzpoura, "ok");
    QCOMPARE(ok->text(), QStringLiteral("OK"));
    QVERIFY(ok->isDefault());
  }

  void okWinsAndSwitchesTheGameBackOn() {
    TestSession run;
    breakOut(run);
    run.click(Screen::Vzpoura, "ok");
    QVERIFY(!run.window(Screen::Vzpoura));
    QVERIFY(run.window(Screen::Main)->isEnabled());
    QCOMPARE(run.session.game()->text(Quantity::arm), std::string("2"));
  }

  void theCloseBoxDecidesAsOkDoes() {
    TestSession run;
    breakOut(run);
    QCloseEvent close;
    QCoreApplication::sendEvent(run.window(Screen::Vzpoura), &close);
    QVERIFY(!run.window(Screen::Vzpoura));
    QVERIFY(run.window(Screen::Main)->isEnabled());
  }

  void aLostRebellionEndsTheGame() {
    TestSession run;
    run.start();
    run.click(Screen::Main, "ok");
    run.session.play([](Game& g) {
      for (Quantity q : {Quantity::polo, Quantity::armo, Quantity::delo, Quantity::rolo,
                         Quantity::chuo, Quantity::into}) {
        g.set(q, 0);
      }
      velmoran::vzpoura_Form_Load(g);
    });
    run.click(Screen::Vzpoura, "ok");
    QVERIFY(!run.window(Screen::Vzpoura));
    QVERIFY(!run.window(Screen::Main));
    QVERIFY(run.window(Screen::Prohra));
    QCOMPARE(run.ui.messages.at(0).title, std::string("Vzpoura"));
    QCOMPARE(run.ui.messages.at(0).text, std::string("Byl jste poražen!"));
  }
};

QTEST_MAIN(RebellionWindowTest)
#include "rebellion_window_test.moc"
