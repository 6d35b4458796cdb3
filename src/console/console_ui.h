// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ostream>

#include "console/line_source.h"
#include "state/ui.h"

namespace velmoran {

class Session;

// The screens of the terminal edition: every box and screen becomes a transcript line, and
// the answers to input and Yes/No boxes come from the next lines of input.
class ConsoleUi : public Ui {
 public:
  ConsoleUi(LineSource& lines, std::ostream& out) : lines_(lines), out_(out) {}
  void attach(const Session& session) { session_ = &session; }

  void message(Icon icon, const std::string& title, const std::string& text) override;
  bool askYesNo(const std::string& title, const std::string& text) override;
  std::string input(const std::string& title, const std::string& prompt,
                    const std::string& defaultAnswer) override;
  void openScreen(Screen screen) override;
  void closeScreen(Screen screen) override;
  void setGameScreenEnabled(bool) override {}
  void playSound(const std::string&) override {}
  void openLink(const std::string& address) override;
  void infoTextChanged(const std::string& text) override;
  void gameScreenChanged() override {}
  void bestScoresChanged() override;
  void rebellionChanged(const RebellionScreen& sides) override;

  void error(const std::string& reason);

 private:
  LineSource& lines_;
  std::ostream& out_;
  const Session* session_ = nullptr;
};

}  // namespace velmoran
