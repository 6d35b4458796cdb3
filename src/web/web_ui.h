// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "state/ui.h"

namespace velmoran {

class Session;

// The screens of the browser's edition. The page draws them; the boxes wait for the player
// without blocking the page: the call into the game is suspended (Asyncify) until the page's
// box is answered, and the rules never know. Every box and screen is also kept as a line of
// the terminal edition's transcript, so that the tests can compare a game played in the page
// with the same game played in the terminal.
class WebUi : public Ui {
 public:
  void attach(Session& session) { session_ = &session; }

  void message(Icon icon, const std::string& title, const std::string& text) override;
  bool askYesNo(const std::string& title, const std::string& text) override;
  std::string input(const std::string& title, const std::string& prompt,
                    const std::string& defaultAnswer) override;
  void openScreen(Screen screen) override;
  void closeScreen(Screen screen) override;
  void setGameScreenEnabled(bool) override { changed_ = true; }
  void playSound(const std::string& fileName) override;
  void openLink(const std::string& address) override;
  void infoTextChanged(const std::string& text) override;
  void gameScreenChanged() override { changed_ = true; }
  void bestScoresChanged() override;
  void rebellionChanged(const RebellionScreen& sides) override;
  void showChronicle(const ReignChronicle& chronicle,
                     const std::vector<ChronicleLine>& lines) override;

  // Hands the page what the screens show, if anything changed since it last had it: before
  // every wait for the player and at the end of every call from the page.
  void showState();
  // The transcript lines kept since the page last took them, each ending in a line feed.
  std::string takeTranscript();

 private:
  void keep(const std::string& lines);

  Session* session_ = nullptr;
  std::string transcript_;
  bool changed_ = true;
  // Every text written to the info panel is read out, the same text again too.
  unsigned infoWrites_ = 0;
};

}  // namespace velmoran
