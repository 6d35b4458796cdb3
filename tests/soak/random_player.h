// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <random>
#include <string>

namespace velmoran::soak {

// Picks the soak's lines at random from a seed: commands from every menu entry of the game
// screen, the buttons, the report, the title menu and best-scores commands, settings of any
// quantity, and hostile names for the input boxes.
class RandomPlayer {
 public:
  explicit RandomPlayer(unsigned seed) : random_(seed) {}

  // A line for the console's top level; `buttons` are the answer buttons the game screen
  // shows, `gameOpen` whether there is a game screen, `rebellion` whether the rebellion screen
  // waits for its OK.
  std::string command(const std::string& buttons, bool gameOpen, bool rebellion);
  // A line that is no command: at the top level it only draws "neznámý příkaz", in an input
  // box it is the answer. Its first word starts with `~`.
  std::string stranger(long step);
  std::string yesOrNo() { return chance(0.5) ? "ano" : "ne"; }

 private:
  bool chance(double p) { return std::bernoulli_distribution(p)(random_); }
  template <typename List>
  const auto& oneOf(const List& list) {
    return list[std::uniform_int_distribution<std::size_t>(0, std::size(list) - 1)(random_)];
  }
  std::string hostileName();
  std::string setting();

  std::mt19937 random_;
};

}  // namespace velmoran::soak
