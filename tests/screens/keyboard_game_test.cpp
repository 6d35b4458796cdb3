// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <deque>
#include <filesystem>

#include "commands/command_table.h"
#include "screens/qt_ui.h"
#include "state/session.h"
#include "test_game_folder.h"
#include "turn/turn_rules.h"

using velmoran::Quantity;
using velmoran::Screen;

namespace {

// A player without a mouse: looks at what the screens show and presses the keys one at a
// time, as a player would. Where the desktop gives the keyboard back to a window after a box
// closes, the player's window manager is played too: the window in front is activated.
class KeyboardPlayer : public QObject {
 public:
  KeyboardPlayer(velmoran::QtUi& ui, velmoran::Session& session) : ui_(ui), session_(session) {}

  void play() {
    // The next step is due before this one acts: the key may open a modal box, whose own
    // event loop then runs the following steps.
    if (finished) return;
    QTimer::singleShot(5, this, &KeyboardPlayer::play);
    if (++steps_ > kMostSteps) return fail("too many steps");
    if (keys_.empty()) decide();
    if (keys_.empty()) return;
    const Qt::Key key = keys_.front();
    keys_.pop_front();
    QWidget* target = keyboardTarget();
    if (!target) return fail("the keyboard went nowhere");
    pressed_ << QKeySequence(key).toString() + QLatin1Char('>') + target->objectName();
    QTest::keyClick(target, key);
  }

  bool finished = false;
  QString failure;
  int months = 0;
  int questionsAnswered = 0;
  int reportsBought = 0;
  bool reportCostTwenty = false;
  bool gameOver = false;
  QStringList boxes;  // the titles of the modal boxes answered

 private:
  static constexpr int kMostSteps = 3000;
  static constexpr int kMonthsOfNic = 4;

  void press(Qt::Key key) { keys_.push_back(key); }

  void fail(const char* why) {
    failure = QString::fromLatin1(why) + QStringLiteral("; boxes: ") +
              boxes.mid(boxes.size() - 5).join(QLatin1Char(',')) +
              QStringLiteral("; months %1; last keys: ").arg(months) +
              pressed_.mid(pressed_.size() - 30).join(' ');
    finished = true;
  }

  // Where a key goes: the open menu, else the focused control of the box or window in front.
  static QWidget* keyboardTarget() {
    if (QWidget* popup = QApplication::activePopupWidget()) return popup;
    QWidget* front = QApplication::activeModalWidget();
    if (!front) front = QApplication::activeWindow();
    if (!front) return nullptr;
    return front->focusWidget() ? front->focusWidget() : front;
  }

  template <typename Control>
  Control* control(Screen screen, const char* name) const {
    QWidget* open = ui_.window(screen);
    return open ? open->findChild<Control*>(QString::fromLatin1(name)) : nullptr;
  }

  bool visible(const char* button) const {
    auto* found = control<QPushButton>(Screen::Main, button);
    return found && found->isVisible();
  }

  void decide() {
    if (QApplication::activePopupWidget()) return fail("a menu was left open");
    if (QWidget* box = QApplication::activeModalWidget()) return answer(box);
    for (const Screen front : {Screen::Vzpoura, Screen::Prohra, Screen::Main, Screen::Menu}) {
      QWidget* window = ui_.window(front);
      if (!window) continue;
      if (QApplication::activeWindow() != window) return window->activateWindow();
      return act(front);
    }
    fail("no window left");
  }

  void answer(QWidget* box) {
    boxes << box->windowTitle();
    if (auto* input = qobject_cast<QInputDialog*>(box)) {
      // The ruler's name is typed, the country keeps its default.
      if (input->textValue() == QStringLiteral("No Name")) {
        input->findChild<QLineEdit*>()->selectAll();
        QTest::keyClicks(input->findChild<QLineEdit*>(), QStringLiteral("Klavesa"));
      }
      return press(Qt::Key_Return);
    }
    auto* message = qobject_cast<QMessageBox*>(box);
    if (message && message->text() == QStringLiteral("Opravdu se chceš zabít?")) {
      // Enter would answer "Ne": "Ano" is chosen on purpose.
      press(Qt::Key_Tab);
      return press(Qt::Key_Space);
    }
    press(Qt::Key_Return);
  }

  void act(Screen front) {
    switch (front) {
      case Screen::Vzpoura:
        return press(Qt::Key_Return);
      case Screen::Prohra:
        gameOver = true;
        return press(Qt::Key_Return);
      case Screen::Menu:
        if (gameOver) {
          finished = true;
          return;
        }
        return press(Qt::Key_Return);  // "Start" is the default button
      case Screen::Main:
        return actOnGameScreen();
      default:
        return fail("an unexpected window");
    }
  }

  void actOnGameScreen() {
    const velmoran::Game* game = session_.game();
    if (!game) return fail("a game screen without a game");
    months = std::stoi(game->text(Quantity::vlada));
    if (visible("ano")) {
      ++questionsAnswered;
      return press(Qt::Key_Return);
    }
    if (visible("ok")) {
      if (reportsBought == 0 && months >= 2) return buyReport(*game);
      return press(Qt::Key_Return);
    }
    // F10, then the arrows: "Nic" stands last on the bar, "Jiné" before it.
    press(Qt::Key_F10);
    press(Qt::Key_Left);
    if (months <= kMonthsOfNic || questionsAnswered == 0) return press(Qt::Key_Return);
    press(Qt::Key_Left);
    press(Qt::Key_Down);  // "Sebevražda", under "Změna pohlaví"
    press(Qt::Key_Return);
  }

  // Tab leads from Ok over its text to the report's button; Space buys it, and the focus is
  // on Ok again.
  void buyReport(const velmoran::Game& game) {
    const int before = std::stoi(game.text(Quantity::kasa));
    QTest::keyClick(keyboardTarget(), Qt::Key_Tab);
    if (QApplication::focusWidget() != control<QWidget>(Screen::Main, "info")) {
      return fail("Tab did not lead to the info panel");
    }
    QTest::keyClick(keyboardTarget(), Qt::Key_Tab);
    if (QApplication::focusWidget() != control<QWidget>(Screen::Main, "Command1")) {
      return fail("Tab did not lead to the report");
    }
    QTest::keyClick(keyboardTarget(), Qt::Key_Space);
    ++reportsBought;
    reportCostTwenty = std::stoi(session_.game()->text(Quantity::kasa)) == before - 20;
    if (QApplication::focusWidget() != control<QWidget>(Screen::Main, "ok")) {
      fail("the focus did not go back to Ok");
    }
  }

  velmoran::QtUi& ui_;
  velmoran::Session& session_;
  std::deque<Qt::Key> keys_;
  QStringList pressed_;  // every key, and where it went
  int steps_ = 0;
};

}  // namespace

class KeyboardGameTest : public QObject {
  Q_OBJECT

 private slots:
  // Start, the two names, months passed with F10 and "Nic", a question answered, the report
  // bought once, suicide, the best scores left with Enter: back on the title menu, all without
  // a mouse.
  void aWholeGameWithoutAMouse() {
    velmoran::testing::TestGameFolder folder;
    folder.copyIn(VELMORAN_GAME_SOURCE "/data", "data");
    folder.writeBest("Karel\r\n30\r\nMarie\r\n20\r\nJosef\r\n2\r\n");
    folder.writeSettings("1,1,1\r\n");
    velmoran::QtUi ui;
    velmoran::Session session(ui, folder.path(), velmoran::turnRules(), velmoran::runMenuCommand);
    ui.attach(session);
    session.openTitleMenu();

    KeyboardPlayer player(ui, session);
    QTimer::singleShot(0, &player, &KeyboardPlayer::play);
    QTRY_VERIFY_WITH_TIMEOUT(player.finished, 60000);
    QVERIFY2(player.failure.isEmpty(), qPrintable(player.failure));

    QCOMPARE(player.boxes.mid(0, 2),
             QStringList({"Jaké je vaše jméno?", "Jak se bude jmenovat vaše země?"}));
    QVERIFY(player.months > 4);
    QVERIFY(player.questionsAnswered > 0);
    QCOMPARE(player.reportsBought, 1);
    QVERIFY(player.reportCostTwenty);
    QVERIFY(player.boxes.contains(QStringLiteral("Sebevražda")));
    QVERIFY(player.boxes.contains(QStringLiteral("Vaše vláda")));
    QVERIFY(!session.game());
    QVERIFY(ui.window(Screen::Menu) && ui.window(Screen::Menu)->isVisible());
    QVERIFY(!ui.window(Screen::Prohra));
    QVERIFY(folder.readBytes("best.dat").find("Klavesa") != std::string::npos);
  }
};

QTEST_MAIN(KeyboardGameTest)
#include "keyboard_game_test.moc"
