// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/qt_ui.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLayout>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QUrl>

#include "files/game_files.h"
#include "platform/link.h"
#include "screens/about_window.h"
#include "screens/accessible_roles.h"
#include "screens/best_scores_window.h"
#include "screens/chronicle_window.h"
#include "screens/dialogs.h"
#include "screens/game_window.h"
#include "screens/help_window.h"
#include "screens/rebellion_window.h"
#include "screens/settings_window.h"
#include "screens/splash_window.h"
#include "screens/text_conversion.h"
#include "screens/title_menu_window.h"
#include "screens/window_placement.h"
#include "screens/window_scale.h"
#include "state/file_messages.h"
#include "state/messages.h"
#include "state/session.h"

namespace velmoran {

namespace {

std::size_t slot(Screen screen) {
  return static_cast<std::size_t>(screen);
}

constexpr char kSizeUnreadable[] =
    "Bohužel hra nemůže přečíst soubor, kde je uložena velikost oken; okna mají velikost podle "
    "obrazovky.";
constexpr char kSizeUnsaved[] = "Bohužel při ukládání velikosti oken nastala chyba.";

}  // namespace

QtUi::QtUi() {
  installAccessibleRoles();
}

QtUi::~QtUi() {
  for (const QPointer<QWidget>& window : windows_) delete window.data();
  delete help_.data();
}

void QtUi::attach(Session& session) {
  session_ = &session;
}

void QtUi::loadWindowSize() {
  const auto path = session_->folders().player / kWindowSizeFile;
  clearInterruptedWrites(path);
  sizeFault_ = FileFault::None;
  useWindowSize(readWindowSize(path, &sizeFault_).value_or(kSizeByTheScreen));
}

void QtUi::useWindowSize(int percent) {
  windowSize_ = percent;
  applyWindowScale(scaleOf(percent, QGuiApplication::primaryScreen()));
  rebuildOpenWindows();
}

// The help and chronicle windows only show what the player can open again; they close.
void QtUi::rebuildOpenWindows() {
  for (QWidget* shown : {help_.data(), chronicle_.data()}) {
    if (shown) shown->close();
  }
  const QWidget* active = QApplication::activeWindow();
  Screen activeScreen = Screen::Menu;
  for (std::size_t i = 0; i < windows_.size(); ++i) {
    if (!windows_[i]) continue;
    const auto screen = static_cast<Screen>(i);
    if (windows_[i] == active) activeScreen = screen;
    const QPoint centre = windows_[i]->geometry().center();
    const QMargins frame = frameOf(windows_[i]);
    closeScreen(screen);
    openScreen(screen);
    QWidget* rebuilt = windows_[i];
    QRect place(QPoint(), rebuilt->size());
    place.moveCenter(centre);
    rebuilt->setGeometry(onTheScreen(place, frame, rebuilt->screen()));
  }
  if (QWidget* again = window(activeScreen)) again->activateWindow();
}

void QtUi::saveSettings(int windowSize) {
  if (windowSize != windowSize_) {
    FileFault fault = FileFault::None;
    if (!writeWindowSize(session_->folders().player / kWindowSizeFile, windowSize, &fault)) {
      message(Icon::Critical, kFileErrorTitle, withCause(kSizeUnsaved, fault));
      return;
    }
    sizeFault_ = FileFault::None;
  }
  drive([](Session& s) { s.saveSettings(); });
  if (windowSize != windowSize_) useWindowSize(windowSize);
}

QWidget* QtUi::window(Screen screen) const {
  return windows_[slot(screen)];
}

QWidget* QtUi::boxOwner() const {
  // The rebellion screen first: while it lasts the game screen is switched off, and so would
  // be a box that belonged to it.
  for (const Screen screen : {Screen::Vzpoura, Screen::Main}) {
    if (QWidget* open = window(screen)) return open;
  }
  if (QWidget* active = QApplication::activeWindow()) return active;
  return window(Screen::Menu);
}

void QtUi::message(Icon icon, const std::string& title, const std::string& text) {
  messageBox(icon, qtText(title), qtText(text), boxOwner())->exec();
}

bool QtUi::askYesNo(const std::string& title, const std::string& text) {
  return yesNoBox(qtText(title), qtText(text), boxOwner())->exec() == QMessageBox::Yes;
}

std::string QtUi::input(const std::string& title, const std::string& prompt,
                        const std::string& defaultAnswer) {
  const auto box = inputBox(qtText(title), qtText(prompt), qtText(defaultAnswer), boxOwner());
  if (box->exec() != QDialog::Accepted) return std::string();
  return gameText(box->textValue());
}

void QtUi::openScreen(Screen screen) {
  if (windows_[slot(screen)]) return;
  QWidget* window = createWindow(screen);
  if (!window) return;
  windows_[slot(screen)] = window;
  window->installEventFilter(this);
  prepareForKeyboard(window);
  // A window sized by its layout (the game screen's menu bar) takes its size now, to be placed.
  if (QLayout* layout = window->layout()) layout->activate();
  place(screen, window);
  window->show();
  // The screen just opened is where the player goes on: it takes the keyboard.
  window->activateWindow();
  if (screen == Screen::Nastaveni && sizeFault_ != FileFault::None &&
      sizeFault_ != FileFault::Missing) {
    message(Icon::Critical, kFileErrorTitle, withCause(kSizeUnreadable, sizeFault_));
    sizeFault_ = FileFault::None;
  }
}

void QtUi::place(Screen screen, QWidget* opening) const {
  switch (screen) {
    case Screen::Vzpoura:
      if (QWidget* game = window(Screen::Main)) {
        tieTo(opening, game);
        centreOver(opening, game);
      }
      return;
    case Screen::Prohra:
    case Screen::Nastaveni:
    case Screen::About:
      if (QWidget* menu = window(Screen::Menu)) {
        tieTo(opening, menu);
        centreOver(opening, menu);
      } else if (QWidget* game = window(Screen::Main)) {
        centreOver(opening, game);  // the best scores at the end of a reign
      }
      return;
    case Screen::Main:
    case Screen::Menu:
      // Each takes the place of the other, or of the best scores or the splash screen.
      for (const Screen before : {Screen::Menu, Screen::Main, Screen::Prohra, Screen::Splash}) {
        if (QWidget* open = window(before); open && open != opening) {
          centreOver(opening, open);
          return;
        }
      }
      return;
    case Screen::Splash:
      return;
  }
}

void QtUi::closeScreen(Screen screen) {
  QPointer<QWidget>& window = windows_[slot(screen)];
  if (!window) return;
  QWidget* closing = window;
  window = nullptr;
  // The window may be the one whose click or close box is being handled: it only goes out of
  // sight now and is deleted once that handler has returned.
  closing->removeEventFilter(this);
  closing->disconnect(this);
  closing->hide();
  closing->deleteLater();
}

void QtUi::setGameScreenEnabled(bool enabled) {
  if (QWidget* game = window(Screen::Main)) game->setEnabled(enabled);
}

void QtUi::playSound(const std::string& fileName) {
  sound_.play(session_->folders().shipped / fileName);
}

// Without a browser to start, the page opens in the game's own help window, not in nothing.
void QtUi::openLink(const std::string& address) {
  if (!otevriOdkaz(qtText(address))) showHelp(QUrl(qtText(address)));
}

void QtUi::showHelp(const QUrl& page) {
  if (!help_) {
    help_ = new HelpWindow(page);
    help_->setAttribute(Qt::WA_DeleteOnClose);
    if (QWidget* from = QApplication::activeWindow()) {
      tieTo(help_, from);
      fitTheScreen(help_, frameOf(from), from->screen());
      centreOver(help_, from);
    }
  }
  help_->show();
  help_->raise();
  help_->activateWindow();
}

void QtUi::infoTextChanged(const std::string&) {
  if (GameWindow* game = gameWindow()) game->textWritten();
  refreshGameWindow();
}

void QtUi::gameScreenChanged() {
  refreshGameWindow();
}

void QtUi::bestScoresChanged() {
  refreshBestScores();
}

void QtUi::rebellionChanged(const RebellionScreen& sides) {
  if (auto* rebellion = static_cast<RebellionWindow*>(window(Screen::Vzpoura))) {
    rebellion->showSides(sides);
  }
}

// Beside the best-scores screen, or during play beside the game screen, so that their buttons
// stay in reach.
void QtUi::showChronicle(const ReignChronicle& chronicle, const std::vector<ChronicleLine>& lines) {
  if (!chronicle_) {
    auto* window = new ChronicleWindow;
    window->setAttribute(Qt::WA_DeleteOnClose);
    chronicle_ = window;
  }
  static_cast<ChronicleWindow*>(chronicle_.data())->showChronicle(chronicle, lines);
  if (QWidget* scores = window(Screen::Prohra)) {
    placeBeside(chronicle_, scores);
  } else if (QWidget* game = window(Screen::Main)) {
    placeBeside(chronicle_, game);
  }
  chronicle_->show();
}

// A chronicle the player asked for takes the keyboard, to be read; Esc gives it back.
void QtUi::takeToChronicle() {
  if (!chronicle_ || !chronicle_->isVisible()) return;
  chronicle_->raise();
  chronicle_->activateWindow();
}

bool QtUi::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::Close) return QObject::eventFilter(watched, event);
  for (std::size_t i = 0; i < windows_.size(); ++i) {
    if (windows_[i] != watched) continue;
    const auto screen = static_cast<Screen>(i);
    drive([screen](Session& session) { session.closedByPlayer(screen); });
    // The window goes away only when the session has closed its screen.
    event->setAccepted(windows_[i] != watched);
    return true;
  }
  return QObject::eventFilter(watched, event);
}

void QtUi::drive(const std::function<void(Session&)>& action) {
  action(*session_);
  if (!session_->anyScreenOpen()) emit noScreenLeft();
}

QWidget* QtUi::createWindow(Screen screen) {
  switch (screen) {
    case Screen::Menu: {
      auto* menu = new TitleMenuWindow;
      offerReignOn(menu);
      connect(menu, &TitleMenuWindow::continueClicked, this,
              [this] { drive([](Session& s) { s.resume(); }); });
      connect(menu, &TitleMenuWindow::startClicked, this,
              [this] { drive([](Session& s) { s.start(); }); });
      connect(menu, &TitleMenuWindow::settingsClicked, this,
              [this] { drive([](Session& s) { s.openSettings(); }); });
      connect(menu, &TitleMenuWindow::bestScoresClicked, this,
              [this] { drive([](Session& s) { s.showBestScores(); }); });
      connect(menu, &TitleMenuWindow::quitClicked, this,
              [this] { drive([](Session& s) { s.quit(); }); });
      connect(menu, &TitleMenuWindow::aboutClicked, this,
              [this] { drive([](Session& s) { s.openAbout(); }); });
      return menu;
    }
    case Screen::Main: {
      auto* game = new GameWindow;
      connect(game, &GameWindow::menuEntryTriggered, this,
              [this](MenuEntry entry) { drive([entry](Session& s) { s.menuCommand(entry); }); });
      connect(game, &GameWindow::okClicked, this, [this] { drive([](Session& s) { s.ok(); }); });
      connect(game, &GameWindow::anoClicked, this, [this] { drive([](Session& s) { s.ano(); }); });
      connect(game, &GameWindow::neClicked, this, [this] { drive([](Session& s) { s.ne(); }); });
      connect(game, &GameWindow::reportBought, this,
              [this] { drive([](Session& s) { s.buyReport(); }); });
      connect(game, &GameWindow::chronicleAsked, this, [this] {
        drive([this](Session& s) {
          if (const auto sofar = s.reignSoFar()) showChronicle(sofar->chronicle, sofar->lines);
        });
        takeToChronicle();
      });
      if (const Game* running = session_->game()) {
        game->showState(running->screen());
        game->setEnabled(running->screen().enabled);
      }
      return game;
    }
    case Screen::Prohra: {
      auto* scores = new BestScoresWindow;
      connect(scores, &BestScoresWindow::okClicked, this,
              [this] { drive([](Session& s) { s.closeBestScores(); }); });
      connect(scores, &BestScoresWindow::rulerChosen, this, [this](int row) {
        drive([row](Session& s) { s.openChronicleOfRow(std::size_t(row)); });
        takeToChronicle();
      });
      scores->showScores(session_->bestScoresShown());
      return scores;
    }
    case Screen::Vzpoura: {
      auto* rebellion = new RebellionWindow;
      connect(rebellion, &RebellionWindow::okClicked, this,
              [this] { drive([](Session& s) { s.vzpouraOk(); }); });
      if (const Game* running = session_->game()) rebellion->showSides(running->rebellion());
      return rebellion;
    }
    case Screen::Nastaveni:
    case Screen::About:
    case Screen::Splash:
      return createShellWindow(screen);
  }
  return nullptr;
}

void QtUi::offerReignOn(TitleMenuWindow* menu) const {
  using Offer = Session::ReignOffer;
  const Offer& offer = session_->reignOffer();
  if (offer.state == Offer::State::Offered) {
    menu->offerReign(qtText(offer.ruler + ", " + offer.country + ", " +
                            std::to_string(offer.month) + ". měsíc"));
  } else if (offer.state == Offer::State::Elsewhere) {
    menu->noteReignElsewhere(
        QStringLiteral("Rozehranou vládu hraje jiná spuštěná kopie hry; tato ji nepřepíše."));
  }
}

QWidget* QtUi::createShellWindow(Screen screen) {
  switch (screen) {
    case Screen::Splash: {
      auto* splash = new SplashWindow;
      connect(splash, &SplashWindow::timerFired, this,
              [this] { drive([](Session& s) { s.splashTimer(); }); });
      return splash;
    }
    case Screen::Nastaveni: {
      auto* settings = new SettingsWindow;
      settings->showChecks(session_->settingsChecks());
      settings->showWindowSize(windowSize_);
      connect(settings, &SettingsWindow::checkToggled, this, [this](int box, bool ticked) {
        drive([box, ticked](Session& s) { s.setSettingsCheck(std::size_t(box), ticked); });
      });
      connect(settings, &SettingsWindow::saveClicked, this,
              [this, settings] { saveSettings(settings->chosenWindowSize()); });
      return settings;
    }
    case Screen::About: {
      auto* about = new AboutWindow(qtText(session_->helpPageAddress()));
      connect(about, &AboutWindow::backgroundClicked, this,
              [this] { drive([](Session& s) { s.aboutBackgroundClicked(); }); });
      connect(about, &AboutWindow::linkClicked, this,
              [this] { drive([](Session& s) { s.openHelpPage(); }); });
      return about;
    }
    default:
      return nullptr;
  }
}

void QtUi::prepareForKeyboard(QWidget* window) {
  // Outside dialogs Qt presses a button with Enter only if it is the default one.
  for (QPushButton* button : window->findChildren<QPushButton*>()) button->setAutoDefault(true);
  auto* help = new QShortcut(QKeySequence(Qt::Key_F1), window);
  connect(help, &QShortcut::activated, this,
          [this] { showHelp(QUrl(qtText(session_->helpPageAddress()))); });
}

GameWindow* QtUi::gameWindow() const {
  return static_cast<GameWindow*>(window(Screen::Main));
}

void QtUi::refreshGameWindow() {
  GameWindow* game = gameWindow();
  const Game* running = session_->game();
  if (game && running) game->showState(running->screen());
}

void QtUi::refreshBestScores() {
  if (auto* scores = static_cast<BestScoresWindow*>(window(Screen::Prohra))) {
    scores->showScores(session_->bestScoresShown());
  }
}

}  // namespace velmoran
