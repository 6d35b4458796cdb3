// SPDX-License-Identifier: GPL-3.0-or-later
// On a desktop under a real window manager: the game window closed by the window manager (its
// close box) in the middle of a reign keeps the reign, and a new process of the game offers it
// on its title menu and brings the game screen back as it was.
//
//   close_box_test                      plays, closes, and starts the second process
//   close_box_test --resume FOLDER KASA the second process: goes on and checks the treasury
#include <xcb/xcb.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QWindow>
#include <cstdio>
#include <cstring>

#include "commands/command_table.h"
#include "files/kept_reign.h"
#include "scripted_ui.h"
#include "state/session.h"
#include "test_session.h"
#include "turn/turn_rules.h"

namespace {

using velmoran::Screen;

int fail(const char* what) {
  std::fprintf(stderr, "close_box_test: %s\n", what);
  return 1;
}

bool waitFor(const std::function<bool()>& done, int milliseconds = 10000) {
  const QDeadlineTimer deadline(milliseconds);
  while (!done() && !deadline.hasExpired()) {
    QApplication::processEvents(QEventLoop::AllEvents, 20);
  }
  return done();
}

// What the close box does: the window manager is asked to close the window, and it asks the
// program through WM_DELETE_WINDOW.
bool askWindowManagerToClose(QWidget* window) {
  xcb_connection_t* x = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(x)) return false;
  const char name[] = "_NET_CLOSE_WINDOW";
  xcb_intern_atom_reply_t* atom =
      xcb_intern_atom_reply(x, xcb_intern_atom(x, 0, sizeof name - 1, name), nullptr);
  xcb_client_message_event_t close{};
  close.response_type = XCB_CLIENT_MESSAGE;
  close.format = 32;
  close.window = xcb_window_t(window->winId());
  close.type = atom->atom;
  close.data.data32[1] = 2;  // sent by a pager, as a close box is
  xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(x)).data;
  xcb_send_event(x, 0, screen->root,
                 XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                 reinterpret_cast<const char*>(&close));
  // A round trip before the connection goes: the server has then taken the request, which a
  // connection closed at once often lost (the window manager never heard of it).
  std::free(xcb_get_input_focus_reply(x, xcb_get_input_focus(x), nullptr));
  std::free(atom);
  xcb_disconnect(x);
  return true;
}

QString treasury(QWidget* game) {
  if (auto* box = game->findChild<QLineEdit*>(QStringLiteral("kasa"))) return box->text();
  auto* label = game->findChild<QLabel*>(QStringLiteral("kasa"));
  return label ? label->text() : QString();
}

int resume(const char* folder, const char* kasa) {
  ScriptedUi ui;
  velmoran::Session session(ui, std::filesystem::path(folder), velmoran::turnRules(),
                            velmoran::runMenuCommand);
  ui.attach(session);
  session.openTitleMenu();
  QWidget* menu = ui.window(Screen::Menu);
  auto* resume = menu ? menu->findChild<QPushButton*>(QStringLiteral("Pokracovat")) : nullptr;
  if (!resume) return fail("the title menu offers no reign");
  if (!menu->findChild<QLabel*>(QStringLiteral("rozehranaVlada"))
           ->text()
           .startsWith("Jan, Lhota, ")) {
    return fail("the title menu does not name the reign");
  }
  resume->click();
  QWidget* game = ui.window(Screen::Main);
  if (!game || !waitFor([game] { return game->isVisible(); })) return fail("no game screen");
  if (treasury(game) != QString::fromLatin1(kasa)) return fail("the treasury did not come back");
  return 0;
}

int closeAndResume(const char* program) {
  TestSession run;
  run.session.setReignKeeping(velmoran::Session::ReignKeeping::EveryAction);
  run.start();
  run.click(Screen::Main, "ok");
  run.click(Screen::Main, "Command1");  // buys the report: the treasury moves
  QWidget* game = run.window(Screen::Main);
  if (!game || !waitFor([game] { return game->isVisible(); })) return fail("no game screen");
  const QString kasa = treasury(game);
  // A busy window manager may not have taken the window over yet when the request comes, and
  // then lets it pass: the request is made again until the window closes, as a player would
  // click the close box again.
  if (!waitFor([game] { return game->windowHandle() && game->windowHandle()->isExposed(); })) {
    return fail("the game window was never shown");
  }
  const auto closed = [&run] { return !run.session.isOpen(Screen::Main); };
  for (int attempt = 0; attempt < 20 && !closed(); ++attempt) {
    if (!askWindowManagerToClose(game)) return fail("no X display");
    waitFor(closed, 500);
  }
  if (!closed()) return fail("the window manager did not close the game window");
  if (!std::filesystem::exists(run.folder / velmoran::kKeptReignFile)) {
    return fail("the reign was not kept");
  }
  run.session.quit();  // this copy ends: the reign is free for the next
  const int status = QProcess::execute(
      QString::fromLocal8Bit(program),
      {QStringLiteral("--resume"), QString::fromStdString(run.folder.path().string()), kasa});
  return status == 0 ? 0 : fail("the new process did not go on with the reign");
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc == 4 && std::strcmp(argv[1], "--resume") == 0) return resume(argv[2], argv[3]);
  const int status = closeAndResume(argv[0]);
  std::puts(status == 0 ? "1 passed, 0 failed" : "0 passed, 1 failed");
  return status;
}
