#include "test_session.h"

#include <QPushButton>
#include <QTest>

using velmoran::Screen;

TestSession::TestSession(const QByteArray& settings)
    : folder(settings), session(ui, folder.path()) {
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
  click(Screen::Menu, "Command1");
}
