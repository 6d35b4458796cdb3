// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_session.h"

#include <QPushButton>
#include <QTest>

#include "commands/command_table.h"
#include "turn/turn_rules.h"

using velmoran::Screen;

namespace {

velmoran::testing::TestGameFolder& withSmallSet(velmoran::testing::TestGameFolder& folder,
                                                const std::string& settings) {
  folder.writeDataText("welcome.ini", 0, "Vítejte", 1, 0, 0);
  folder.writeBest("Karel\r\n30\r\nMarie\r\n20\r\nJosef\r\n10\r\n");
  folder.writeSettings(settings);
  return folder;
}

}  // namespace

TestSession::TestSession(const std::string& settings)
    : session(ui, withSmallSet(folder, settings).path(), velmoran::turnRules(),
              velmoran::runMenuCommand) {
  ui.attach(session);
  session.openTitleMenu();
}

void TestSession::click(Screen screen, const char* button) const {
  auto* pushButton = control<QPushButton>(screen, button);
  QVERIFY2(pushButton, button);
  QTest::mouseClick(pushButton, Qt::LeftButton);
}

void TestSession::start(const std::string& ruler, const std::string& country) {
  ui.inputs = {ruler, country};
  // A reign left on the way is replaced.
  if (session.reignOffer().state == velmoran::Session::ReignOffer::State::Offered) {
    ui.yesNo = {true};
  }
  click(Screen::Menu, "Command1");
}
