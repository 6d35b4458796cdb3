// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/game_window.h"

#include <QAction>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include "state/game_screen.h"

using velmoran::GameScreen;
using velmoran::GameWindow;
using velmoran::MenuEntry;
using velmoran::Quantity;

namespace {

constexpr int kUnset = -1;

QColor backgroundOf(const QWidget* widget) {
  return widget->palette().color(QPalette::Window);
}

QColor textColourOf(const QWidget* widget) {
  return widget->palette().color(QPalette::WindowText);
}

}  // namespace

class GameWindowTest : public QObject {
  Q_OBJECT

  template <typename Control = QWidget>
  Control* control(const GameWindow& window, const QString& name) {
    auto* found = window.findChild<Control*>(name);
    if (!found) qWarning("no control %s", qPrintable(name));
    return found;
  }

 private slots:
  void windowHasCaptionAndClientArea() {
    GameWindow window;
    QCOMPARE(window.objectName(), QStringLiteral("main"));
    QCOMPARE(window.windowTitle(), QStringLiteral(" Velmoran"));
    QCOMPARE(window.centralWidget()->size(), QSize(567, 394));
    QCOMPARE(window.font().pointSizeF(), 8.25);
  }

  // Place and size in pixels of every control, in the parent named.
  void controlsStandInPlace_data() {
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("geometry");
    const auto row = [](const char* name, const char* parent, int x, int y, int w = kUnset,
                        int h = kUnset) {
      QTest::newRow(name) << QString::fromLatin1(parent) << QRect(x, y, w, h);
    };
    row("Label20", "client", 5, 5);
    row("jmeno", "client", 100, 5);
    row("Label25", "client", 5, 20);
    row("stat", "client", 80, 20);
    row("Label1", "client", 4, 40);
    row("p", "client", 0, 55, 49, 337);
    row("f", "p", 0, 0, 49);
    row("info", "client", 60, 55, 346, 96);
    row("ano", "client", 60, 155);
    row("ok", "client", 180, 155);
    row("ne", "client", 305, 155);
    row("zprava", "client", 60, 185, 346, 171);
    row("Label5", "client", 420, 5);
    row("vlada", "client", 505, 0);
    row("Label4", "client", 420, 25);
    row("kasa", "client", 505, 20);
    row("Label6", "client", 420, 45);
    row("rozpocet2", "client", 505, 40);
    row("Command1", "client", 415, 70);
    row("Picture1", "client", 10, 370);
    row("Procentu", "Picture1", 0, 0);
    row("Shape2", "client", 50, 365);
    row("Label3", "client", 65, 365);
    row("Shape1", "client", 50, 380);
    row("Label2", "client", 65, 380);
    row("month", "client", 170, 365);
    row("silaHeading", "zprava", 85, 30);
    row("oblibenostHeading", "zprava", 130, 30);
    row("tpCaption", "zprava", 5, 45);
    row("tp", "zprava", 85, 45);
    row("os", "zprava", 85, 60);
    row("pol", "zprava", 85, 75);
    row("polo", "zprava", 130, 75);
    row("arm", "zprava", 85, 90);
    row("armo", "zprava", 130, 90);
    row("inte", "zprava", 85, 150);
    row("into", "zprava", 130, 150);
    row("rusCaption", "zprava", 175, 45);
    row("rus", "zprava", 235, 45);
    row("ruso", "zprava", 255, 45);
    row("mak", "zprava", 235, 75);
    row("moro", "zprava", 255, 75);
    row("par", "zprava", 235, 105);
    row("brd", "zprava", 235, 120);
    row("brdo", "zprava", 255, 120);
    row("ziskCaption", "zprava", 177, 150);
    row("zisk", "zprava", 285, 150);
  }

  void controlsStandInPlace() {
    QFETCH(QString, parent);
    QFETCH(QRect, geometry);
    GameWindow window;
    QWidget* widget = control(window, QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(widget);
    QCOMPARE(widget->parentWidget()->objectName(), parent);
    QCOMPARE(widget->pos(), geometry.topLeft());
    if (geometry.width() != kUnset) QCOMPARE(widget->width(), geometry.width());
    if (geometry.height() != kUnset) QCOMPARE(widget->height(), geometry.height());
  }

  void captions_data() {
    QTest::addColumn<QString>("caption");
    const auto row = [](const char* name, const char* caption) {
      QTest::newRow(name) << QString::fromUtf8(caption);
    };
    row("Label20", "Jméno velmorana:");
    row("Label25", "Jméno státu:");
    row("Label1", "Území");
    row("ano", "Ano");
    row("ok", "Ok");
    row("ne", "Ne");
    row("Label5", "Vládnete již:");
    row("Label4", "Státní pokladna:");
    row("Label6", "Měsíční rozpočet:");
    row("Command1", "Zpráva Tajné policie - 20$");
    row("Label3", "Partyzánů");
    row("Label2", "Vaše");
    row("Label7", "Zpráva Tajné policie");
    row("silaHeading", "Síla");
    row("oblibenostHeading", "Oblíbenost");
    row("tpCaption", "Tajná policie");
    row("osCaption", "Osobní stráž");
    row("polCaption", "Policie");
    row("armCaption", "Armáda");
    row("delCaption", "Dělníci");
    row("rolCaption", "Rolníci");
    row("chuCaption", "Chudina");
    row("inteCaption", "Inteligence");
    row("rusCaption", "Rusko");
    row("usaCaption", "USA");
    row("makCaption", "Morava");
    row("parCaption", "Partyzáni");
    row("brdCaption", "Bordánie");
    row("ziskCaption", "Zisk z 1% území");
  }

  void captions() {
    QFETCH(QString, caption);
    GameWindow window;
    const QString name = QString::fromLatin1(QTest::currentDataTag());
    if (auto* button = window.findChild<QPushButton*>(name)) {
      QCOMPARE(button->text(), caption);
    } else {
      auto* label = control<QLabel>(window, name);
      QVERIFY(label);
      QCOMPARE(label->text(), caption);
    }
  }

  // No caption runs under its neighbour or out of its place.
  void captionsFitTheirPlaces() {
    GameWindow window;
    for (const QLabel* label : window.centralWidget()->findChildren<QLabel*>()) {
      if (label->text().isEmpty() || label->wordWrap()) continue;
      const int needed = QFontMetrics(label->font()).horizontalAdvance(label->text());
      QVERIFY2(needed <= label->contentsRect().width(), qPrintable(label->objectName()));
    }
    for (const QPushButton* button : window.centralWidget()->findChildren<QPushButton*>()) {
      QVERIFY2(button->sizeHint().width() <= button->width() + 8, qPrintable(button->objectName()));
    }
  }

  // "Vládnete již:", "Státní pokladna:" and "Měsíční rozpočet:" in one font at the screen's
  // size, each ending before its box; the numbers in the boxes in their middle.
  void accountsLineUp() {
    GameWindow window;
    GameScreen screen;
    screen.texts[velmoran::indexOf(Quantity::kasa)] = "18581";
    window.showState(screen);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QFont font = control(window, "Label5")->font();
    QCOMPARE(font.pointSizeF(), 8.25);
    const std::pair<const char*, const char*> rows[] = {
        {"Label5", "vlada"}, {"Label4", "kasa"}, {"Label6", "rozpocet2"}};
    for (const auto& [caption, box] : rows) {
      auto* label = control<QLabel>(window, caption);
      QCOMPARE(label->font(), font);
      const int end = label->x() + QFontMetrics(font).horizontalAdvance(label->text());
      QVERIFY2(end + 3 <= control(window, box)->x(), caption);
      // The rows of ink of the number, inside the frame.
      const QImage shown = control(window, box)->grab().toImage();
      int top = -1, bottom = -1;
      for (int y = 2; y < shown.height() - 2; ++y) {
        for (int x = 3; x < shown.width() - 3; ++x) {
          if (shown.pixelColor(x, y).lightness() >= 100) continue;
          if (top < 0) top = y;
          bottom = y;
        }
      }
      QVERIFY2(top > 0, box);
      QVERIFY2(qAbs(top - (shown.height() - 1 - bottom)) <= 1, box);
    }
  }

  void fontsAndColours() {
    GameWindow window;
    QCOMPARE(control(window, "Label1")->font().pointSizeF(), 9.75);
    QVERIFY(control(window, "Label1")->font().bold());
    QWidget* percent = control(window, "Procentu");
    QCOMPARE(percent->font().pointSizeF(), 12.0);
    QVERIFY(percent->font().bold());
    QCOMPARE(textColourOf(percent), QColor(Qt::white));
    QVERIFY(control(window, "tpCaption")->font().bold());

    const QFont title = control(window, "Label7")->font();
    QCOMPARE(title.pointSizeF(), 15.75);
    QCOMPARE(title.families().value(0), QStringLiteral("Arial Black"));
    QVERIFY(QFontInfo(title).weight() >= QFont::Bold);

    const QColor blue(65, 153, 250), red(253, 90, 55), green(60, 183, 53), purple(192, 0, 192);
    QCOMPARE(backgroundOf(control(window, "p")), blue);
    QCOMPARE(backgroundOf(control(window, "f")), red);
    QCOMPARE(backgroundOf(control(window, "Picture1")), blue);
    QCOMPARE(backgroundOf(control(window, "Shape2")), red);
    QCOMPARE(backgroundOf(control(window, "Shape1")), blue);
    for (const char* strength : {"tp", "os", "pol", "arm", "del", "rol", "chu", "inte"}) {
      QCOMPARE(textColourOf(control(window, strength)), blue);
    }
    for (const char* opinion :
         {"polo", "armo", "delo", "rolo", "chuo", "into", "ruso", "usao", "moro", "brdo"}) {
      QCOMPARE(textColourOf(control(window, opinion)), green);
    }
    for (const char* foreign : {"rus", "usa", "mak", "par", "brd"}) {
      QCOMPARE(textColourOf(control(window, foreign)), red);
    }
    QCOMPARE(textColourOf(control(window, "zisk")), purple);
  }

  void accountsAreReadOnlyTextBoxes() {
    GameWindow window;
    for (const char* name : {"vlada", "kasa", "rozpocet2", "rozpocet"}) {
      auto* box = control<QLineEdit>(window, name);
      QVERIFY2(box, name);
      QVERIFY(box->isReadOnly());
    }
  }

  void menuBarHoldsTheMenus() {
    GameWindow window;
    QStringList titles;
    QStringList names;
    for (QAction* action : window.menuBar()->actions()) {
      titles << QString(action->text()).remove(QLatin1Char('&'));
      names << (action->menu() ? action->menu()->objectName() : action->objectName());
    }
    QCOMPARE(titles, QStringList({"Hra", "Soukromý život", "Dotace", "Války", "Politika",
                                  "Ekonomika", "Jiné", "Nic"}));
    QCOMPARE(names,
             QStringList({"mhra", "mzivot", "dotace", "valky", "politika", "ek", "jine", "noo"}));
    QVERIFY(!window.menuBar()->actions().last()->menu());
  }

  void menuEntries_data() {
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QKeySequence>("shortcut");
    const auto row = [](const char* name, const char* menu, const char* caption,
                        const char* shortcut = "") {
      QTest::newRow(name) << QString::fromLatin1(menu) << QString::fromUtf8(caption)
                          << QKeySequence(QString::fromLatin1(shortcut));
    };
    row("mnewgame", "mhra", "Nová hra", "F2");
    row("mkonec", "mhra", "Konec", "Ctrl+K");
    row("mpivo", "mzivot", "Jít na pivo");
    row("psesbuy", "mzivot", "Koupit si psa");
    row("army", "dotace", "Dotace pro armádu    600$");
    row("body", "dotace", "Dotace pro bodyguardy");
    row("brda", "valky", "Vyhlásit válku Bordánii");
    row("diver", "valky", "Poslat diverzanta");
    row("povýšení", "politika", "Povýšení velitele armády");
    row("kampaň", "politika", "Reklamní kampaň");
    row("reforma", "ek", "Ekonomická reforma");
    row("morpu", "ek", "Půjčka od Moravy");
    row("zpht", "jine", "Změna pohlaví");
    row("sebekill", "jine", "Sebevražda");
  }

  void menuEntries() {
    QFETCH(QString, menu);
    QFETCH(QString, caption);
    QFETCH(QKeySequence, shortcut);
    GameWindow window;
    auto* owner = control<QMenu>(window, menu);
    QVERIFY(owner);
    QAction* found = nullptr;
    for (QAction* action : owner->actions()) {
      if (action->objectName() == QString::fromUtf8(QTest::currentDataTag())) found = action;
    }
    QVERIFY(found);
    QCOMPARE(found->text(), caption);
    QCOMPARE(found->shortcut(), shortcut);
  }

  void menuEntryCountsPerMenu() {
    GameWindow window;
    // "Hra" has its two entries and the chronicle of the reign so far.
    const QList<QPair<QString, int>> counts = {{"mhra", 3},  {"mzivot", 4},   {"dotace", 8},
                                               {"valky", 3}, {"politika", 4}, {"ek", 6},
                                               {"jine", 2}};
    for (const auto& [menu, count] : counts) {
      int entries = 0;
      for (const QAction* action : control<QMenu>(window, menu)->actions()) {
        entries += !action->objectName().startsWith(QLatin1String("proc_"));
      }
      QCOMPARE(entries, count);
    }
  }

  void triggeredEntriesAreReported() {
    GameWindow window;
    QList<MenuEntry> reported;
    connect(&window, &GameWindow::menuEntryTriggered, this,
            [&reported](MenuEntry entry) { reported << entry; });
    for (const char* name : {"mnewgame", "veda", "noo"}) {
      QAction* action = window.findChild<QAction*>(QString::fromLatin1(name));
      QVERIFY2(action, name);
      action->trigger();
    }
    QCOMPARE(reported, QList<MenuEntry>({MenuEntry::mnewgame, MenuEntry::veda, MenuEntry::noo}));
  }

  void showsTheQuantities() {
    GameWindow window;
    GameScreen screen;
    screen.texts[velmoran::indexOf(Quantity::jmeno)] = "Jan";
    screen.texts[velmoran::indexOf(Quantity::kasa)] = "-1500";
    screen.texts[velmoran::indexOf(Quantity::Procentu)] = "37";
    screen.texts[velmoran::indexOf(Quantity::brdo)] = "-2";
    screen.texts[velmoran::indexOf(Quantity::zisk)] = "3";
    screen.info = "Text <b>se</b> & značkami";
    window.showState(screen);
    QCOMPARE(control<QLabel>(window, "jmeno")->text(), QStringLiteral("Jan"));
    QCOMPARE(control<QLineEdit>(window, "kasa")->text(), QStringLiteral("-1500"));
    QCOMPARE(control<QLineEdit>(window, "vlada")->text(), QStringLiteral("1"));
    QCOMPARE(control<QLineEdit>(window, "rozpocet")->text(), QStringLiteral("0"));
    QCOMPARE(control<QLabel>(window, "Procentu")->text(), QStringLiteral("37"));
    QCOMPARE(control<QLabel>(window, "brdo")->text(), QStringLiteral("-2"));
    QCOMPARE(control<QLabel>(window, "moro")->text(), QStringLiteral("8"));
    QCOMPARE(control<QLabel>(window, "zisk")->text(), QStringLiteral("3"));
    auto* info = control<QLabel>(window, "info");
    QCOMPARE(info->text(), QStringLiteral("Text <b>se</b> & značkami"));
    QCOMPARE(info->textFormat(), Qt::PlainText);
  }

  void visibilityFollowsTheScreen_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("field");
    const char* names[] = {"ok", "ano", "ne", "zprava", "month"};
    for (int field = 0; field < 5; ++field) QTest::newRow(names[field]) << names[field] << field;
  }

  void visibilityFollowsTheScreen() {
    QFETCH(QString, name);
    QFETCH(int, field);
    GameWindow window;
    window.show();
    GameScreen screen;
    bool* flags[] = {&screen.okVisible, &screen.anoVisible, &screen.neVisible,
                     &screen.reportVisible, &screen.monthBannerVisible};
    window.showState(screen);
    QWidget* widget = control(window, name);
    QVERIFY(!widget->isVisible());
    *flags[field] = true;
    window.showState(screen);
    QVERIFY(widget->isVisible());
    for (const char* other : {"ok", "ano", "ne", "zprava", "month"}) {
      if (name != QLatin1String(other)) QVERIFY(!control(window, other)->isVisible());
    }
    *flags[field] = false;
    window.showState(screen);
    QVERIFY(!widget->isVisible());
  }

  void territoryBarShowsThePartisansOnTop_data() {
    QTest::addColumn<int>("share");
    QTest::addColumn<int>("height");
    QTest::newRow("start") << 80 << 270;
    QTest::newRow("none") << 0 << 0;
    QTest::newRow("half") << 50 << 169;
    QTest::newRow("all") << 100 << 337;
  }

  void territoryBarShowsThePartisansOnTop() {
    QFETCH(int, share);
    QFETCH(int, height);
    GameWindow window;
    GameScreen screen;
    screen.partisanShare = static_cast<std::uint8_t>(share);
    window.showState(screen);
    QWidget* partisans = control(window, "f");
    QCOMPARE(partisans->geometry(), QRect(0, 0, 49, height));
  }

  void lookFromTheSettings_data() {
    QTest::addColumn<bool>("boldText");
    QTest::addColumn<bool>("whiteOnBlack");
    QTest::addColumn<bool>("boldButtons");
    QTest::newRow("plain") << false << false << false;
    QTest::newRow("bold text") << true << false << false;
    QTest::newRow("white on black") << false << true << false;
    QTest::newRow("bold buttons") << false << false << true;
    QTest::newRow("all") << true << true << true;
  }

  void lookFromTheSettings() {
    QFETCH(bool, boldText);
    QFETCH(bool, whiteOnBlack);
    QFETCH(bool, boldButtons);
    GameWindow window;
    GameScreen screen;
    screen.look = {true, true, true};
    window.showState(screen);
    screen.look = {boldText, whiteOnBlack, boldButtons};
    window.showState(screen);
    QWidget* info = control(window, "info");
    QCOMPARE(info->font().bold(), boldText);
    QCOMPARE(info->autoFillBackground(), true);
    QCOMPARE(backgroundOf(info) == QColor(Qt::black), whiteOnBlack);
    QCOMPARE(textColourOf(info) == QColor(Qt::white), whiteOnBlack);
    if (!whiteOnBlack) QCOMPARE(backgroundOf(info), backgroundOf(&window));
    for (const char* button : {"ok", "ano", "ne"}) {
      QCOMPARE(control(window, button)->font().bold(), boldButtons);
    }
    QVERIFY(!control(window, "Command1")->font().bold());
  }

  void menuEntriesSwitchedOff() {
    GameWindow window;
    GameScreen screen;
    screen.menuEnabled[velmoran::indexOf(MenuEntry::bordo)] = false;
    window.showState(screen);
    QVERIFY(!control<QAction>(window, "bordo")->isEnabled());
    QVERIFY(control<QAction>(window, "cesta")->isEnabled());
    screen.menuEnabled.fill(true);
    window.showState(screen);
    QVERIFY(control<QAction>(window, "bordo")->isEnabled());
  }

  void bannerIsDrawn() {
    GameWindow window;
    auto* banner = control<QLabel>(window, "month");
    QCOMPARE(banner->size(), QSize(185, 27));
    const QImage picture = banner->pixmap().toImage();
    QCOMPARE(picture.size(), QSize(185, 27));
    int white = 0;
    int darkRed = 0;
    for (int y = 0; y < picture.height(); ++y) {
      for (int x = 0; x < picture.width(); ++x) {
        const QColor c = picture.pixelColor(x, y);
        if (c.red() > 240 && c.green() > 240 && c.blue() > 240) ++white;
        if (c.red() >= 100 && c.red() <= 170 && c.green() < 30 && c.blue() < 30) ++darkRed;
      }
    }
    QVERIFY(white > 200);
    QVERIFY(darkRed > picture.width() * picture.height() / 2);
  }
};

QTEST_MAIN(GameWindowTest)
#include "game_window_test.moc"
