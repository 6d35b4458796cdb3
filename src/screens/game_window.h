// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <array>
#include <vector>

#include "state/game_screen.h"
#include "state/menu_entries.h"
#include "state/quantity.h"

namespace velmoran {

class Announcer;
class ReadableLabel;
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

  // A new text was written on the panel: it is announced with the answer buttons under it.
  void textWritten();

 signals:
  void menuEntryTriggered(velmoran::MenuEntry entry);
  void okClicked();
  void anoClicked();
  void neClicked();
  void reportBought();
  // "Kronika vlády" of the menu "Hra" (F3): the reign so far, read back.
  void chronicleAsked();

 protected:
  // Notes when an answer button takes the focus.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildHeader(QWidget* client);
  void buildInfoPanel(QWidget* client);
  void buildAccounts(QWidget* client);
  void buildTerritory(QWidget* client);
  void buildMenuBar();
  void showAnswerButtons(const GameScreen& screen);
  void showLook(const DisplaySettings& look);
  void showReadings(const GameScreen& screen);
  // What a screen reader says when a text appears on the panel: the text, and first the new
  // month when one has begun. The answer buttons carry it as their description, so that it is
  // heard when they take the focus; where the button that holds the focus keeps it, the text
  // is said as a notification. True when there is a new text to say.
  bool announce(const GameScreen& screen);
  void announceToAKeptFocus();
  // Where the keyboard goes when the menu bar gives it back: the answer button that shows,
  // else `before`, else the info panel.
  void giveBackFocus(QWidget* before);
  void setTabOrder();

  std::array<QWidget*, kQuantityCount> quantityControls_{};
  std::array<QAction*, kMenuEntryCount> menuActions_{};
  // At the top of every menu while its commands wait for an answer: why, and back to it.
  std::vector<QAction*> whyRefused_;
  ReadableLabel* info_ = nullptr;
  std::array<QLineEdit*, 3> accounts_{};  // vlada, kasa, rozpocet2
  ReadableLabel* procentu_ = nullptr;
  QPushButton* ano_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* ne_ = nullptr;
  ReportFrame* report_ = nullptr;
  TerritoryBar* territory_ = nullptr;
  QLabel* monthBanner_ = nullptr;
  Announcer* announcer_ = nullptr;
  QString announcement_;
  QString monthAnnounced_;      // the month the last announcement was made in
  bool textToAnnounce_ = true;  // the first text a window shows is announced too
  // An answer button took the focus since the player's last action, and was read with it.
  bool answerRefocused_ = false;
};

}  // namespace velmoran
