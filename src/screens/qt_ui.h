// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <QUrl>
#include <QWidget>
#include <array>
#include <functional>

#include "files/file_fault.h"
#include "files/window_size_file.h"
#include "platform/sound.h"
#include "state/ui.h"

namespace velmoran {

class Session;
class GameWindow;
class TitleMenuWindow;

// The game's windows on the desktop: opens and closes the screens the session asks for,
// passes the player's clicks to the session and shows the modal boxes.
class QtUi : public QObject, public Ui {
  Q_OBJECT

 public:
  QtUi();
  ~QtUi() override;

  // The session to drive; set once, before the session opens its first screen.
  void attach(Session& session);

  // The open window of `screen`, or null.
  QWidget* window(Screen screen) const;

  // Reads the size of the windows the player keeps in "velikost.dat" (by the screen when it
  // has none) and draws the windows at it.
  void loadWindowSize();
  // Draws every window at `percent` (0: by the screen), the open ones at once.
  void useWindowSize(int percent);
  int windowSize() const { return windowSize_; }

  void message(Icon icon, const std::string& title, const std::string& text) override;
  bool askYesNo(const std::string& title, const std::string& text) override;
  std::string input(const std::string& title, const std::string& prompt,
                    const std::string& defaultAnswer) override;

  void openScreen(Screen screen) override;
  void closeScreen(Screen screen) override;
  void setGameScreenEnabled(bool enabled) override;
  void playSound(const std::string& fileName) override;
  void openLink(const std::string& address) override;

  void infoTextChanged(const std::string& text) override;
  void gameScreenChanged() override;
  void bestScoresChanged() override;
  void rebellionChanged(const RebellionScreen& sides) override;
  void showChronicle(const ReignChronicle& chronicle,
                     const std::vector<ChronicleLine>& lines) override;

  // The chronicle window, while it is open.
  QWidget* chronicleWindow() const { return chronicle_; }

 signals:
  // The player's last action left no screen open: the program is over.
  void noScreenLeft();

 protected:
  // Catches the close box of every window.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Passes one action of the player to the session.
  void drive(const std::function<void(Session&)>& action);
  QWidget* createWindow(Screen screen);
  // Ties an opening screen to the window it belongs to and centres it over that window.
  void place(Screen screen, QWidget* opening) const;
  // The window the modal boxes belong to and open over.
  QWidget* boxOwner() const;
  // F1: the help page in the game's own help window, over the window the player is in.
  void showHelp(const QUrl& page);
  QWidget* createShellWindow(Screen screen);
  // The unfinished reign, on the title menu that is opening.
  void offerReignOn(TitleMenuWindow* menu) const;
  // What every window does for the keyboard: Enter presses the focused button, F1 opens the
  // help window.
  void prepareForKeyboard(QWidget* window);
  // Draws the open windows anew at the window size, each where it stood.
  void rebuildOpenWindows();
  // "Uložit" of the settings screen: the window size, then the options of "data.dat".
  void saveSettings(int windowSize);
  void takeToChronicle();
  GameWindow* gameWindow() const;
  void refreshGameWindow();
  void refreshBestScores();

  Session* session_ = nullptr;
  std::array<QPointer<QWidget>, 7> windows_;
  QPointer<QWidget> help_;
  SoundPlayer sound_;
  QPointer<QWidget> chronicle_;
  int windowSize_ = kSizeByTheScreen;
  // Why "velikost.dat" could not be read at the start, told on the settings screen.
  FileFault sizeFault_ = FileFault::None;
};

}  // namespace velmoran
