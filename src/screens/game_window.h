// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <array>

#include "state/game_screen.h"
#include "state/menu_entries.h"
#include "state/quantity.h"

namespace velmoran {

class ReportFrame;
class TerritoryBar;

// The game screen `main`: the country's state, the info panel with its answer buttons, the
// secret police report and the command menus.
class GameWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit GameWindow(QWidget* parent = nullptr);

  // Shows everything the game screen holds.
  void showState(const GameScreen& screen);

 signals:
  void menuEntryTriggered(velmoran::MenuEntry entry);
  void okClicked();
  void anoClicked();
  void neClicked();
  void reportBought();

 private:
  void buildHeader(QWidget* client);
  void buildInfoPanel(QWidget* client);
  void buildAccounts(QWidget* client);
  void buildTerritory(QWidget* client);
  void buildMenuBar();
  void showAnswerButtons(const GameScreen& screen);
  void showLook(const DisplaySettings& look);

  std::array<QWidget*, kQuantityCount> quantityControls_{};
  std::array<QAction*, kMenuEntryCount> menuActions_{};
  QLabel* info_ = nullptr;
  QPushButton* ano_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* ne_ = nullptr;
  ReportFrame* report_ = nullptr;
  TerritoryBar* territory_ = nullptr;
  QLabel* monthBanner_ = nullptr;
};

}  // namespace velmoran
