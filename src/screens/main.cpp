#include <QApplication>
#include <QIcon>
#include <filesystem>

#include "commands/command_table.h"
#include "screens/animation_icons.h"
#include "screens/qt_ui.h"
#include "state/session.h"
#include "turn/turn_rules.h"

// The game runs in its game folder: data/, best.dat, data.dat and the sounds lie in the
// working folder.
int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Velmoran"));
  QApplication::setWindowIcon(QIcon(velmoran::animationFrame(0)));
  // The game ends when its last screen closes, not when a message box does.
  QApplication::setQuitOnLastWindowClosed(false);

  velmoran::QtUi ui;
  velmoran::Session session(ui, std::filesystem::current_path(), velmoran::turnRules(),
                            velmoran::runMenuCommand);
  ui.attach(session);
  QObject::connect(&ui, &velmoran::QtUi::noScreenLeft, &app, &QApplication::quit);
  session.openTitleMenu();
  return QApplication::exec();
}
