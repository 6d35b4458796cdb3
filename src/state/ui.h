// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "files/chronicle_texts.h"
#include "state/rebellion_screen.h"

namespace velmoran {

enum class Icon { None, Information, Warning, Critical };

// Every window of the program, by the name the game gives it.
enum class Screen { Menu, Main, Prohra, Vzpoura, Nastaveni, About, Splash };

const char* screenName(Screen screen);
const char* iconName(Icon icon);

// The only way the game's rules reach the player. The Qt screens implement it with real
// windows; the terminal edition and the tests implement it with a script.
class Ui {
 public:
  virtual ~Ui() = default;

  // Modal boxes: the rules wait for the player's answer.
  virtual void message(Icon icon, const std::string& title, const std::string& text) = 0;
  // A question before a step that cannot be undone: No is the answer the player gets unless
  // they choose Yes.
  virtual bool askYesNo(const std::string& title, const std::string& text) = 0;
  // Cancel gives the empty string.
  virtual std::string input(const std::string& title, const std::string& prompt,
                            const std::string& defaultAnswer) = 0;

  virtual void openScreen(Screen screen) = 0;
  virtual void closeScreen(Screen screen) = 0;
  // While the rebellion lasts the game screen takes no input.
  virtual void setGameScreenEnabled(bool enabled) = 0;
  virtual void playSound(const std::string& fileName) = 0;
  // Opens a web address in the player's browser; a failure is not reported.
  virtual void openLink(const std::string& address) = 0;

  // The info panel's text was written (every write counts, even an unchanged text).
  virtual void infoTextChanged(const std::string& text) = 0;
  // Something the game screen shows changed: a quantity, a button, the report, the banner,
  // the territory bar or a menu entry.
  virtual void gameScreenChanged() = 0;
  // The best-scores screen was filled from "best.dat".
  virtual void bestScoresChanged() = 0;
  // The rebellion screen was filled with the two sides.
  virtual void rebellionChanged(const RebellionScreen& sides) = 0;
  // The chronicle of a reign, shown beside the best-scores screen: at the end of a reign and
  // when the player opens a kept one. A front end without such a window leaves it out.
  virtual void showChronicle(const ReignChronicle&, const std::vector<ChronicleLine>&) {}
};

}  // namespace velmoran
