// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/dialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <vector>

#include "screens/qt_ui.h"

using velmoran::Icon;

class DialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void messageBoxes_data() {
    QTest::addColumn<Icon>("icon");
    QTest::addColumn<QMessageBox::Icon>("shown");
    QTest::newRow("none") << Icon::None << QMessageBox::NoIcon;
    QTest::newRow("information") << Icon::Information << QMessageBox::Information;
    QTest::newRow("warning") << Icon::Warning << QMessageBox::Warning;
    QTest::newRow("critical") << Icon::Critical << QMessageBox::Critical;
  }

  void messageBoxes() {
    QFETCH(Icon, icon);
    QFETCH(QMessageBox::Icon, shown);
    const auto box =
        velmoran::messageBox(icon, QStringLiteral("Prohra"),
                             QStringLiteral("Prohráls.\n Tvá zem zkrachovala."), nullptr);
    QCOMPARE(box->icon(), shown);
    QCOMPARE(box->windowTitle(), QStringLiteral("Prohra"));
    QCOMPARE(box->text(), QStringLiteral("Prohráls.\n Tvá zem zkrachovala."));
    QCOMPARE(box->buttons().size(), 1);
    QCOMPARE(box->standardButtons(), QMessageBox::Ok);
  }

  void yesNoBoxAnswersInCzech() {
    const auto box =
        velmoran::yesNoBox(QStringLiteral("Sebevražda"), QStringLiteral("Opravdu?"), nullptr);
    QCOMPARE(box->icon(), QMessageBox::NoIcon);
    QCOMPARE(box->windowTitle(), QStringLiteral("Sebevražda"));
    QCOMPARE(box->text(), QStringLiteral("Opravdu?"));
    QCOMPARE(box->buttons().size(), 2);
    QCOMPARE(box->button(QMessageBox::Yes)->text(), QStringLiteral("Ano"));
    QCOMPARE(box->button(QMessageBox::No)->text(), QStringLiteral("Ne"));
    QCOMPARE(box->escapeButton(), box->button(QMessageBox::No));
    QCOMPARE(box->defaultButton(), box->button(QMessageBox::No));
  }

  void inputBoxOffersTheDefault() {
    const auto box =
        velmoran::inputBox(QStringLiteral("Jaké je vaše jméno?"),
                           QStringLiteral("Jak se jmenujete?"), QStringLiteral("No Name"), nullptr);
    QCOMPARE(box->windowTitle(), QStringLiteral("Jaké je vaše jméno?"));
    QCOMPARE(box->labelText(), QStringLiteral("Jak se jmenujete?"));
    QCOMPARE(box->textValue(), QStringLiteral("No Name"));
    QCOMPARE(box->inputMode(), QInputDialog::TextInput);
    QCOMPARE(box->cancelButtonText(), QStringLiteral("Zrušit"));
  }

  // The boxes of the real Ui, answered by keys as a player would.
  void playerAnswersTheBoxes() {
    velmoran::QtUi ui;
    // Enter and Esc answer "Ne"; "Ano" has to be chosen.
    answerWith(Qt::Key_Return);
    QCOMPARE(ui.askYesNo("Sebevražda", "Opravdu se chceš zabít?"), false);
    answerWith(Qt::Key_Escape);
    QCOMPARE(ui.askYesNo("Sebevražda", "Opravdu se chceš zabít?"), false);
    answerWith({Qt::Key_Tab, Qt::Key_Space});
    QCOMPARE(ui.askYesNo("Sebevražda", "Opravdu se chceš zabít?"), true);
    answerWith(Qt::Key_Return);
    QCOMPARE(ui.input("Jak se bude jmenovat vaše země?", "Jak nazvete svou zemi?", "Kačerov"),
             std::string("Kačerov"));
    answerWith(Qt::Key_Return, QStringLiteral("Žluťoučko"));
    QCOMPARE(ui.input("Titul", "Otázka", "Kačerov"), std::string("Žluťoučko"));
    answerWith(Qt::Key_Escape);
    QCOMPARE(ui.input("Titul", "Otázka", "Kačerov"), std::string());
    answerWith(Qt::Key_Return);
    ui.message(Icon::Critical, "CHYBA", "Zpráva");
    QVERIFY(!QApplication::activeModalWidget());
  }

 private:
  // Once the next modal box is up, types `text` over its answer and presses `key`.
  static void answerWith(Qt::Key key, const QString& text = QString()) {
    QTimer::singleShot(0, [key, text] {
      QWidget* box = QApplication::activeModalWidget();
      QVERIFY(box);
      if (!text.isEmpty()) {
        auto* line = box->findChild<QLineEdit*>();
        QVERIFY(line);
        line->setText(text);
      }
      QTest::keyClick(box, key);
    });
  }
  // Once the next modal box is up, presses `keys` one after the other where the focus is.
  static void answerWith(std::initializer_list<Qt::Key> keys) {
    QTimer::singleShot(0, [pressed = std::vector<Qt::Key>(keys)] {
      QWidget* box = QApplication::activeModalWidget();
      QVERIFY(box);
      for (const Qt::Key key : pressed) QTest::keyClick(box->focusWidget(), key);
    });
  }
};

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
