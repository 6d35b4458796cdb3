// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/qt_ui.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPushButton>
#include <QShortcut>

#include "platform/link.h"
#include "screens/about_window.h"
#include "screens/best_scores_window.h"
#include "screens/dialogs.h"
#include "screens/game_window.h"
#include "screens/rebellion_window.h"
#include "screens/settings_window.h"
#include "screens/splash_window.h"
#include "screens/text_conversion.h"
#include "screens/title_menu_window.h"
#include "state/session.h"

namespace velmoran {

namespace {

std::size_t slot(Screen screen) {
  return static_cast<std::size_t>(screen);
}

QWidget* dialogParent() {
  return QApplication::activeWindow();
}

}  // namespace

QtUi::QtUi() = default;

QtUi::~QtUi() {
  for (const QPointer<QWidget>& window : windows_) delete window.data();
}

void QtUi::attach(Session& session) {
  session_ = &session;
}

QWidget* QtUi::window(Screen screen) const {
  return windows_[slot(screen)];
}

void QtUi::message(Icon icon, const std::string& title, const std::string& text) {
  messageBox(icon, qtText(title), qtText(text), dialogParent())->exec();
}

bool QtUi::askYesNo(const std::string& title, const std::string& text) {
  return yesNoBox(qtText(title), qtText(text), dialogParent())->exec() == QMessageBox::Yes;
}

std::string QtUi::input(const std::string& title, const std::string& prompt,
                        const std::string& defaultAnswer) {
  const auto box = inputBox(qtText(title), qtText(prompt), qtText(defaultAnswer), dialogParent());
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
  window->show();
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

void QtUi::openLink(const std::string& address) {
  otevriOdkaz(qtText(address));
}

void QtUi::infoTextChanged(const std::string&) {
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
      connect(settings, &SettingsWindow::checkToggled, this, [this](int box, bool ticked) {
        drive([box, ticked](Session& s) { s.setSettingsCheck(std::size_t(box), ticked); });
      });
      connect(settings, &SettingsWindow::saveClicked, this,
              [this] { drive([](Session& s) { s.saveSettings(); }); });
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
          [this] { drive([](Session& s) { s.openHelpPage(); }); });
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
