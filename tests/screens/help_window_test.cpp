// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/help_window.h"

#include <QApplication>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>

#include "screens/qt_ui.h"

using velmoran::HelpWindow;

// The game's own help window, on the help page that comes with the game.
class HelpWindowTest : public QObject {
  Q_OBJECT

  static QUrl shippedPage() {
    return QUrl::fromLocalFile(QStringLiteral(VELMORAN_GAME_SOURCE "/napoveda.html"));
  }

  static QPushButton* button(const HelpWindow& help, const char* name) {
    return help.findChild<QPushButton*>(QString::fromLatin1(name));
  }

 private slots:
  void showsThePageWithItsPictures() {
    HelpWindow help(shippedPage());
    QCOMPARE(help.windowTitle(), QStringLiteral("Velmoran – nápověda"));
    QTextBrowser* page = help.browser();
    QCOMPARE(page->documentTitle(), QStringLiteral("Velmoran – nápověda"));
    QVERIFY(page->toPlainText().contains(QStringLiteral("Jak plyne měsíc")));
    QVERIFY(page->toPlainText().contains(QStringLiteral("nechají otevřený")));
    for (const char* picture : {"napoveda-menu.png", "napoveda-hra.png"}) {
      const QVariant loaded =
          page->loadResource(QTextDocument::ImageResource, QUrl(QString::fromLatin1(picture)));
      QVERIFY2(!loaded.toByteArray().isEmpty(), picture);
    }
  }

  // A link inside the page, then back and forward with the buttons and with Alt and the arrows.
  void followsItsLinksBackAndForward() {
    HelpWindow help(shippedPage());
    help.show();
    QVERIFY(QTest::qWaitForWindowExposed(&help));
    QTextBrowser* page = help.browser();
    QVERIFY(!button(help, "zpet")->isEnabled());
    page->setSource(QUrl(QStringLiteral("#klavesy")));
    QCOMPARE(page->source().fragment(), QStringLiteral("klavesy"));
    QVERIFY(button(help, "zpet")->isEnabled());
    QTest::mouseClick(button(help, "zpet"), Qt::LeftButton);
    QVERIFY(page->source().fragment().isEmpty());
    QVERIFY(button(help, "vpred")->isEnabled());
    QTest::keyClick(page, Qt::Key_Right, Qt::AltModifier);
    QCOMPARE(page->source().fragment(), QStringLiteral("klavesy"));
  }

  // Vpřed comes back to the very place Zpět left: the link's target, scrolled as it was.
  void forwardReturnsToWhereBackCameFrom() {
    HelpWindow help(shippedPage());
    help.resize(500, 300);
    help.show();
    QVERIFY(QTest::qWaitForWindowExposed(&help));
    QTextBrowser* page = help.browser();
    QScrollBar* scroll = page->verticalScrollBar();
    // The link "Klávesnice" of the contents, reached by Tab and followed by Enter.
    page->setFocus();
    while (page->textCursor().selectedText() != QStringLiteral("Klávesnice")) {
      QTest::keyClick(page, Qt::Key_Tab);
    }
    QCOMPARE(page->accessibleDescription(), QStringLiteral("Odkaz: Klávesnice"));
    QTest::keyClick(page, Qt::Key_Return);
    QCOMPARE(page->source().fragment(), QStringLiteral("klavesy"));
    const int atTheLink = scroll->value();
    QVERIFY(atTheLink > 0);
    QTest::mouseClick(button(help, "zpet"), Qt::LeftButton);
    QCOMPARE(scroll->value(), 0);
    QTest::mouseClick(button(help, "vpred"), Qt::LeftButton);
    QCOMPARE(page->source().fragment(), QStringLiteral("klavesy"));
    QCOMPARE(scroll->value(), atTheLink);
  }

  // The caret on a picture tells its alternative text, as a screen reader reads it.
  void picturesAreToldByTheirText() {
    HelpWindow help(shippedPage());
    QTextBrowser* page = help.browser();
    QStringList told;
    for (QTextBlock block = page->document()->begin(); block.isValid(); block = block.next()) {
      for (auto part = block.begin(); !part.atEnd(); ++part) {
        if (!part.fragment().charFormat().isImageFormat()) continue;
        QTextCursor caret(page->document());
        caret.setPosition(part.fragment().position());
        page->setTextCursor(caret);
        told << page->accessibleDescription();
      }
    }
    QCOMPARE(told,
             QStringList({QStringLiteral("Obrázek: Hlavní nabídka hry Velmoran"),
                          QStringLiteral("Obrázek: Herní obrazovka se zprávou tajné policie")}));
  }

  void escCloses() {
    HelpWindow help(shippedPage());
    help.show();
    QVERIFY(QTest::qWaitForWindowExposed(&help));
    QTest::keyClick(help.browser(), Qt::Key_Escape);
    QVERIFY(!help.isVisible());
  }

  void aMissingPageIsSaidInCzech() {
    HelpWindow help(QUrl::fromLocalFile(QStringLiteral("/nikde/napoveda.html")));
    QCOMPARE(help.browser()->toPlainText(),
             QStringLiteral("Stránka nápovědy chybí: /nikde/napoveda.html"));
  }

  // On a machine where no browser can be started, the about box's address opens the help
  // window instead of nothing.
  void withoutABrowserTheLinkOpensTheHelpWindow() {
    qputenv("PATH", "");
    qunsetenv("BROWSER");
    velmoran::QtUi ui;
    ui.openLink(shippedPage().toString().toStdString());
    QWidget* help = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (window->objectName() == QStringLiteral("napoveda") && window->isVisible()) help = window;
    }
    QVERIFY(help);
  }
};

QTEST_MAIN(HelpWindowTest)
#include "help_window_test.moc"
