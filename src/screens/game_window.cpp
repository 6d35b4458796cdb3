// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/game_window.h"

#include <QEvent>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QShortcut>
#include <QTimer>

#include "screens/announcer.h"
#include "screens/banner_pictures.h"
#include "screens/game_menu_bar.h"
#include "screens/keyboard_menu_bar.h"
#include "screens/readable_label.h"
#include "screens/report_frame.h"
#include "screens/screen_colours.h"
#include "screens/screen_fonts.h"
#include "screens/sharp_picture.h"
#include "screens/territory_bar.h"
#include "screens/text_conversion.h"
#include "screens/twips.h"
#include "screens/window_scale.h"

namespace velmoran {

namespace {

constexpr int kClientWidth = 8505;
constexpr int kClientHeight = 5910;
constexpr int kLineHeight = 225;
// The menu "Hra": its entries are no commands of the game and never refused.
constexpr std::string_view kGameMenu = "mhra";

QLabel* addLabel(QWidget* parent, const char* name, const QString& text, int left, int top,
                 int width, int height = kLineHeight) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setTextFormat(Qt::PlainText);
  placeAt(label, left, top, width, height);
  shrinkToFit(label);
  return label;
}

ReadableLabel* addReadable(QWidget* parent, const char* name, int left, int top, int width,
                           int height = kLineHeight) {
  auto* label = new ReadableLabel(parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setTextFormat(Qt::PlainText);
  placeAt(label, left, top, width, height);
  return label;
}

// A read-only text box of the accounts, named by its caption. Tab reaches it to read it.
QLineEdit* addTextBox(QWidget* parent, Quantity q, const QString& caption, int left, int top) {
  auto* box = new ReadOnlyField(parent);
  box->setObjectName(qtText(nameOf(q)));
  box->setFocusPolicy(Qt::TabFocus);
  box->setAccessibleName(caption);
  placeAt(box, left, top, 855, 285);
  return box;
}

// The reason every refused command waits, and where the player goes on.
QString whyRefused(const GameScreen& screen) {
  return screen.okVisible ? QStringLiteral("Nejdřív potvrďte text v info okně tlačítkem Ok")
                          : QStringLiteral("Nejdřív odpovězte na otázku v info okně: Ano, nebo Ne");
}

QPushButton* addButton(QWidget* parent, const char* name, const QString& caption, int left, int top,
                       int width) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  placeAt(button, left, top, width, 375);
  return button;
}

// A square of the legend under the territory bar.
void addShape(QWidget* parent, const char* name, const QColor& colour, int left, int top) {
  auto* shape = new QFrame(parent);
  shape->setObjectName(QString::fromLatin1(name));
  shape->setFrameStyle(QFrame::Box | QFrame::Plain);
  QPalette palette = shape->palette();
  palette.setColor(QPalette::Window, colour);
  palette.setColor(QPalette::WindowText, Qt::black);
  shape->setPalette(palette);
  shape->setAutoFillBackground(true);
  placeAt(shape, left, top, 195, 195);
  shape->setAccessibleName(QStringLiteral("Barva území"));
}

void setControlText(QWidget* control, const QString& text) {
  if (auto* label = qobject_cast<QLabel*>(control)) {
    label->setText(text);
  } else if (auto* box = qobject_cast<QLineEdit*>(control); box && box->text() != text) {
    box->setText(text);
  }
}

// A ruler's or country's name that does not fit its label ends in "…" on the screen; the
// whole name shows as the label's tooltip.
void setNameText(QLabel* label, const QString& name) {
  const QString shown =
      label->fontMetrics().elidedText(name, Qt::ElideRight, label->contentsRect().width());
  label->setText(shown);
  label->setToolTip(shown == name ? QString() : name);
}

// The screen is shown again after every change of the game; fonts are set only when the look
// really changes.
void setBold(QWidget* widget, bool bold) {
  if (widget->font().bold() == bold) return;
  QFont font = widget->font();
  font.setBold(bold);
  widget->setFont(font);
}

}  // namespace

GameWindow::GameWindow(QWidget* parent) : QMainWindow(parent) {
  setObjectName(QStringLiteral("main"));
  setWindowTitle(QStringLiteral(" Velmoran"));
  setFont(screenFont());

  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("client"));
  client->setAccessibleName(QStringLiteral("Velmoran"));
  client->setFixedSize(twipsSize(kClientWidth, kClientHeight));
  setCentralWidget(client);

  buildHeader(client);
  buildTerritory(client);
  buildInfoPanel(client);
  buildAccounts(client);
  buildMenuBar();
  setTabOrder();
  announcer_ = new Announcer(client);
  // Every control stands at a fixed place: the window has the size of its menu bar and client
  // area, no more.
  layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void GameWindow::buildHeader(QWidget* client) {
  addLabel(client, "Label20", QStringLiteral("Jméno velmorana:"), 75, 75, 1425);
  quantityControls_[indexOf(Quantity::jmeno)] = addReadable(client, "jmeno", 1500, 75, 4800);
  addLabel(client, "Label25", QStringLiteral("Jméno státu:"), 75, 300, 1125);
  quantityControls_[indexOf(Quantity::stat)] = addReadable(client, "stat", 1200, 300, 5100);
}

void GameWindow::buildTerritory(QWidget* client) {
  QLabel* heading = addLabel(client, "Label1", QStringLiteral("Území"), 60, 600, 840, 255);
  heading->setFont(sizedFont(9.75, true));

  territory_ = new TerritoryBar(client, QRect(0, px(825), px(735), px(5055)));
  territory_->setAccessibleName(QStringLiteral("Území"));

  auto* percentBox = new QWidget(client);
  percentBox->setObjectName(QStringLiteral("Picture1"));
  QPalette blue = percentBox->palette();
  blue.setColor(QPalette::Window, kRulerBlue);
  blue.setColor(QPalette::WindowText, Qt::white);
  percentBox->setPalette(blue);
  percentBox->setAutoFillBackground(true);
  percentBox->setAccessibleName(QStringLiteral("Území"));
  placeAt(percentBox, 150, 5550, 495, 285);
  auto* percent = new ReadableLabel(percentBox);
  percent->setObjectName(QStringLiteral("Procentu"));
  percent->setFont(sizedFont(12, true));
  percent->setAlignment(Qt::AlignCenter);
  percent->setGeometry(percentBox->rect());
  quantityControls_[indexOf(Quantity::Procentu)] = percent;
  procentu_ = percent;

  addShape(client, "Shape2", kPartisanRed, 750, 5475);
  addLabel(client, "Label3", QStringLiteral("Partyzánů"), 975, 5475, 1500);
  addShape(client, "Shape1", kRulerBlue, 750, 5700);
  addLabel(client, "Label2", QStringLiteral("Vaše"), 975, 5700, 1500);

  monthBanner_ = new QLabel(client);
  monthBanner_->setObjectName(QStringLiteral("month"));
  placeAt(monthBanner_, 2550, 5475, 2775, 405);
  monthBanner_->setAccessibleName(QStringLiteral("NOVÝ MĚSÍC"));
  showSharpPicture(monthBanner_, monthBanner);
  monthBanner_->hide();
}

void GameWindow::buildInfoPanel(QWidget* client) {
  info_ = addReadable(client, "info", 900, 825, 5190, 1440);
  info_->setWordWrap(true);
  info_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  info_->setMargin(scaled(2));
  info_->setAutoFillBackground(true);

  ano_ = addButton(client, "ano", QStringLiteral("Ano"), 900, 2325, 1515);
  ok_ = addButton(client, "ok", QStringLiteral("Ok"), 2700, 2325, 1515);
  ne_ = addButton(client, "ne", QStringLiteral("Ne"), 4575, 2325, 1515);
  for (QPushButton* button : {ano_, ok_, ne_}) button->hide();
  for (QPushButton* button : {ano_, ok_, ne_}) {
    button->installEventFilter(this);
    connect(button, &QPushButton::clicked, this, [this] { answerRefocused_ = false; });
  }
  connect(ano_, &QPushButton::clicked, this, &GameWindow::anoClicked);
  connect(ok_, &QPushButton::clicked, this, &GameWindow::okClicked);
  connect(ne_, &QPushButton::clicked, this, &GameWindow::neClicked);

  report_ = new ReportFrame(client);
  report_->move(px(900), px(2775));
  report_->hide();
  for (const auto& info : kQuantities) {
    if (QLabel* label = report_->valueLabel(info.quantity)) {
      quantityControls_[indexOf(info.quantity)] = label;
    }
  }
}

void GameWindow::buildAccounts(QWidget* client) {
  const int kGapBeforeBox = scaled(4);
  const struct {
    const char* name;
    const char* caption;
    Quantity quantity;
    int top;
  } accounts[] = {{"Label5", "Vládnete již:", Quantity::vlada, 0},
                  {"Label4", "Státní pokladna:", Quantity::kasa, 300},
                  {"Label6", "Měsíční rozpočet:", Quantity::rozpocet2, 600}};
  std::vector<QLabel*> captions;
  for (std::size_t i = 0; i < std::size(accounts); ++i) {
    const QString caption = QString::fromUtf8(accounts[i].caption);
    captions.push_back(
        addLabel(client, accounts[i].name, caption, 6300, accounts[i].top + 75, 1275));
    accounts_[i] = addTextBox(client, accounts[i].quantity, caption, 7575, accounts[i].top);
    quantityControls_[indexOf(accounts[i].quantity)] = accounts_[i];
  }
  // The three captions stand one under the other: one size for all, none touching its box.
  condenseTogether(captions, kGapBeforeBox);

  QLineEdit* hiddenBudget = addTextBox(client, Quantity::rozpocet, QString(), 7575, 900);
  hiddenBudget->hide();
  quantityControls_[indexOf(Quantity::rozpocet)] = hiddenBudget;

  QPushButton* buyReport =
      addButton(client, "Command1", QStringLiteral("Zpráva Tajné policie - 20$"), 6225, 1050, 2205);
  // A click buys the report without taking the focus from the answer buttons.
  buyReport->setFocusPolicy(Qt::TabFocus);
  connect(buyReport, &QPushButton::clicked, this, &GameWindow::reportBought);
}

void GameWindow::buildMenuBar() {
  auto* bar = new KeyboardMenuBar(this);
  bar->setAccessibleName(QStringLiteral("Nabídky"));
  setMenuBar(bar);
  menuActions_ = buildGameMenuBar(bar);
  for (const auto& info : kMenuEntries) {
    const MenuEntry entry = info.entry;
    connect(menuActions_[indexOf(entry)], &QAction::triggered, this, [this, entry] {
      answerRefocused_ = false;
      emit menuEntryTriggered(entry);
    });
  }
  auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), this);
  connect(f10, &QShortcut::activated, bar, &KeyboardMenuBar::takeKeyboard);
  connect(bar, &KeyboardMenuBar::left, this, &GameWindow::giveBackFocus);
  // Beside the game's two entries: the running reign's chronicle, which changes nothing.
  auto* gameMenu = findChild<QMenu*>(qtText(kGameMenu));
  auto* chronicle = new QAction(QStringLiteral("Kronika vlády"), gameMenu);
  chronicle->setObjectName(QStringLiteral("kronika"));
  chronicle->setShortcut(QKeySequence(Qt::Key_F3));
  gameMenu->insertAction(gameMenu->actions().value(1), chronicle);
  connect(chronicle, &QAction::triggered, this, &GameWindow::chronicleAsked);
  for (QAction* menu : bar->actions()) {
    if (!menu->menu() || menu->menu()->objectName() == qtText(kGameMenu)) continue;
    auto* why = new QAction(menu->menu());
    why->setObjectName(QStringLiteral("proc_") + menu->menu()->objectName());
    why->setVisible(false);
    menu->menu()->insertAction(menu->menu()->actions().value(0), why);
    connect(why, &QAction::triggered, this, [this] { giveBackFocus(nullptr); });
    whyRefused_.push_back(why);
  }
}

// A button that takes the focus is read with its description; one that keeps it is not read
// again, so its new text is said as a notification. A button that took the focus since the
// player's last action (after a message box, or appearing) has been read already.
void GameWindow::announceToAKeptFocus() {
  const bool answerFocused = focusWidget() == ano_ || focusWidget() == ok_ || focusWidget() == ne_;
  if (answerFocused && focusWidget()->isVisible() && isActiveWindow() && !answerRefocused_) {
    announcer_->say(announcement_);
  }
}

bool GameWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn) answerRefocused_ = true;
  return QMainWindow::eventFilter(watched, event);
}

void GameWindow::setTabOrder() {
  // From the answer to its text, the report's purchase and the report's rows, then the state
  // of the country from the top.
  std::vector<QWidget*> order = {ano_, ok_, ne_, info_,
                                 findChild<QPushButton*>(QStringLiteral("Command1"))};
  for (QWidget* row : report_->readableRows()) order.push_back(row);
  for (QWidget* control :
       {quantityControls_[indexOf(Quantity::jmeno)], quantityControls_[indexOf(Quantity::stat)]}) {
    order.push_back(control);
  }
  for (QLineEdit* account : accounts_) order.push_back(account);
  order.push_back(procentu_);
  for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

void GameWindow::giveBackFocus(QWidget* before) {
  for (QPushButton* answer : {ano_, ok_, ne_}) {
    if (answer->isVisible()) {
      answer->setFocus(Qt::MenuBarFocusReason);
      return;
    }
  }
  if (before && before->isVisible() && before->isEnabled()) {
    before->setFocus(Qt::MenuBarFocusReason);
  } else {
    info_->setFocus(Qt::MenuBarFocusReason);
  }
}

void GameWindow::showState(const GameScreen& screen) {
  for (const auto& info : kQuantities) {
    QWidget* control = quantityControls_[indexOf(info.quantity)];
    const QString text = qtText(screen.texts[indexOf(info.quantity)]);
    if (isNameQuantity(info.quantity)) {
      setNameText(static_cast<QLabel*>(control), text);
    } else if (control) {
      setControlText(control, text);
    }
  }
  info_->setText(qtText(screen.info));
  showReadings(screen);
  // Once the player's action is done and the buttons are as it left them.
  if (announce(screen)) QTimer::singleShot(0, this, &GameWindow::announceToAKeptFocus);
  showAnswerButtons(screen);
  report_->setVisible(screen.reportVisible);
  monthBanner_->setVisible(screen.monthBannerVisible);
  territory_->setPartisanShare(screen.partisanShare);
  // While an answer button shows, every command but those of "Hra" would be refused: they are
  // shown switched off, so that the player sees why nothing happens.
  const bool answerPending = screen.anyAnswerButtonVisible();
  for (const auto& info : kMenuEntries) {
    const bool refused = answerPending && info.menu != kGameMenu;
    menuActions_[indexOf(info.entry)]->setEnabled(screen.menuEnabled[indexOf(info.entry)] &&
                                                  !refused);
  }
  for (QAction* why : whyRefused_) {
    why->setText(whyRefused(screen));
    why->setVisible(answerPending);
  }
  showLook(screen.look);
}

// Each quantity is read with its caption, as the screen shows them side by side.
void GameWindow::showReadings(const GameScreen& screen) {
  const auto text = [&screen](Quantity q) { return qtText(screen.texts[indexOf(q)]); };
  static_cast<ReadableLabel*>(quantityControls_[indexOf(Quantity::jmeno)])
      ->setReading(QStringLiteral("Jméno velmorana: ") + text(Quantity::jmeno));
  static_cast<ReadableLabel*>(quantityControls_[indexOf(Quantity::stat)])
      ->setReading(QStringLiteral("Jméno státu: ") + text(Quantity::stat));
  procentu_->setReading(QStringLiteral("Území: %1 %").arg(text(Quantity::Procentu)));
  info_->setReading(screen.info.empty() ? QStringLiteral("Info okno je prázdné")
                                        : QStringLiteral("Info okno: ") + qtText(screen.info));
  report_->showReadings();
}

void GameWindow::textWritten() {
  textToAnnounce_ = true;
}

// A text is announced once an answer button shows under it; the first after a month turn
// tells of the new month, which the banner NOVÝ MĚSÍC shows.
bool GameWindow::announce(const GameScreen& screen) {
  if (!textToAnnounce_ || !screen.anyAnswerButtonVisible()) return false;
  textToAnnounce_ = false;
  // A cleared panel has nothing to say; its buttons are about to go.
  if (screen.info.empty()) return false;
  const QString month = qtText(screen.texts[indexOf(Quantity::vlada)]);
  QString said = qtText(screen.info);
  if (!monthAnnounced_.isEmpty() && month != monthAnnounced_) {
    said = QStringLiteral("Nový měsíc. Vládnete již: %1. %2").arg(month, said);
  }
  monthAnnounced_ = month;
  announcement_ = said;
  for (QPushButton* answer : {ano_, ok_, ne_}) {
    if (answer->accessibleDescription() != said) answer->setAccessibleDescription(said);
  }
  return true;
}

void GameWindow::showAnswerButtons(const GameScreen& screen) {
  const std::pair<QPushButton*, bool> buttons[] = {
      {ano_, screen.anoVisible}, {ok_, screen.okVisible}, {ne_, screen.neVisible}};
  QPushButton* appearing = nullptr;
  QPushButton* firstShown = nullptr;
  bool answerFocused = false;
  for (const auto& [button, visible] : buttons) {
    if (visible && button->isHidden() && !appearing) appearing = button;
    if (visible && !firstShown) firstShown = button;
    if (visible && focusWidget() == button) answerFocused = true;
    // A button going away hands the focus to the info panel, not on to the report button,
    // which a second press of Space would buy.
    if (!visible && focusWidget() == button) info_->setFocus();
  }
  for (const auto& [button, visible] : buttons) button->setVisible(visible);
  // While an answer button shows, it holds the keyboard focus, whatever was clicked or tabbed
  // to before: Enter or Space answers and never buys the report again. A button that has just
  // appeared takes it.
  if (appearing) {
    appearing->setFocus();
  } else if (firstShown && !answerFocused) {
    firstShown->setFocus();
  }
}

void GameWindow::showLook(const DisplaySettings& look) {
  setBold(info_, look.boldInfoText);
  QPalette palette = this->palette();
  if (look.whiteOnBlackInfo) {
    palette.setColor(QPalette::Window, Qt::black);
    palette.setColor(QPalette::WindowText, Qt::white);
  }
  if (info_->palette() != palette) info_->setPalette(palette);
  for (QPushButton* button : {ano_, ok_, ne_}) setBold(button, look.boldButtons);
}

}  // namespace velmoran
