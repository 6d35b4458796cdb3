// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QIcon>
#include <QSessionManager>
#include <QSocketNotifier>
#include <QTimer>
#include <iostream>

#include "commands/command_table.h"
#include "files/game_folders.h"
#include "program/command_line.h"
#include "program/stop_signals.h"
#include "screens/animation_icons.h"
#include "screens/qt_ui.h"
#include "state/session.h"
#include "turn/turn_rules.h"

// Started in a game folder, the game keeps its files there; installed, it keeps the player's
// files in the per-user data folder of the application named here.
int main(int argc, char** argv) {
  // Answered before any window: --help must work where there is no desktop.
  const velmoran::ProgramTexts program{
      "velmoran",
      "Použití: velmoran [--help | --version]\n"
      "Satirická tahová strategie: vládněte malé zemi měsíc po měsíci. Bez voleb spustí hru.\n"
      "Viz man velmoran.\n"};
  if (const auto status =
          velmoran::answerCommandLine({argv + 1, argv + argc}, program, std::cout, std::cerr)) {
    return *status;
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("velmoran"));
  QGuiApplication::setDesktopFileName(QStringLiteral(VELMORAN_APP_ID));
  // The game ends when its last screen closes, not when a message box does.
  QApplication::setQuitOnLastWindowClosed(false);

  velmoran::QtUi ui;
  velmoran::Session session(ui, velmoran::gameFoldersOfThisRun(), velmoran::turnRules(),
                            velmoran::runMenuCommand);
  ui.attach(session);
  ui.loadWindowSize();
  QObject::connect(&ui, &velmoran::QtUi::noScreenLeft, &app, &QApplication::quit);

  // The reign is kept after every action, and once more whenever the program is asked to end:
  // by the desktop's session at a logout, or by SIGTERM or SIGHUP.
  session.setReignKeeping(velmoran::Session::ReignKeeping::EveryAction);
  QObject::connect(&app, &QGuiApplication::commitDataRequest, &app,
                   [&session](QSessionManager&) { session.keepReign(); });
  velmoran::catchStopSignals();
  QSocketNotifier stopSignal(velmoran::stopSignalDescriptor(), QSocketNotifier::Read);
  QObject::connect(&stopSignal, &QSocketNotifier::activated, &app, [&session] {
    session.keepReign();
    velmoran::endBySignal(velmoran::caughtStopSignal());
  });
  session.openSplash();
  // The splash screen has no frame to show an icon in: the game's icon is drawn once it is up,
  // for the windows that follow, rather than before it.
  QTimer::singleShot(0, &app,
                     [] { QApplication::setWindowIcon(QIcon(velmoran::animationFrame(0))); });
  return QApplication::exec();
}
