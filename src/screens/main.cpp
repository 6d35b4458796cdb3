// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QIcon>

#include "commands/command_table.h"
#include "files/game_folders.h"
#include "screens/animation_icons.h"
#include "screens/qt_ui.h"
#include "state/session.h"
#include "turn/turn_rules.h"

// Started in a game folder, the game keeps its files there; installed, it keeps the player's
// files in the per-user data folder of the application named here.
int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("velmoran"));
  QGuiApplication::setDesktopFileName(QStringLiteral(VELMORAN_APP_ID));
  QApplication::setWindowIcon(QIcon(velmoran::animationFrame(0)));
  // The game ends when its last screen closes, not when a message box does.
  QApplication::setQuitOnLastWindowClosed(false);

  velmoran::QtUi ui;
  velmoran::Session session(ui, velmoran::gameFoldersOfThisRun(), velmoran::turnRules(),
                            velmoran::runMenuCommand);
  ui.attach(session);
  QObject::connect(&ui, &velmoran::QtUi::noScreenLeft, &app, &QApplication::quit);
  session.openSplash();
  return QApplication::exec();
}
