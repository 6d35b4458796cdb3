// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <string>

#include "scripted_ui.h"
#include "state/session.h"
#include "test_game_folder.h"

// A run of the game on the real windows, in a small game folder of its own (a welcome text,
// best.dat and data.dat), with the title menu open.
class TestSession {
 public:
  explicit TestSession(const std::string& settings = "1,1,1\r\n");

  QWidget* window(velmoran::Screen screen) const { return ui.window(screen); }
  // The control `name` of the open window of `screen`, or null.
  template <typename Control>
  Control* control(velmoran::Screen screen, const char* name) const {
    QWidget* open = window(screen);
    return open ? open->findChild<Control*>(QString::fromLatin1(name)) : nullptr;
  }

  // Clicks a button of an open window.
  void click(velmoran::Screen screen, const char* button) const;
  // Clicks "Start" on the title menu and answers the two names (and Yes to replacing a left
  // reign).
  void start(const std::string& ruler = "Jan", const std::string& country = "Lhota");

  velmoran::testing::TestGameFolder folder;
  ScriptedUi ui;
  velmoran::Session session;
};
