// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <random>
#include <string>

#include "state/menu_entries.h"

namespace velmoran {

class Game;

// One move of a ruler: a button of the game screen, or an entry of its menu bar.
struct Move {
  enum class Kind { Ok, Ano, Ne, Command } kind;
  MenuEntry entry = MenuEntry::noo;
};

// A way to rule, played by the simulator: it chooses the next move from what the game screen
// shows, and answers the boxes the commands open.
class Ruler {
 public:
  virtual ~Ruler() = default;
  virtual const char* name() const = 0;
  virtual Move next(Game& game) = 0;
  // The personal guard's amount.
  virtual std::string amountForTheGuard() { return "500"; }
  // "Opravdu se chceš zabít?"
  virtual bool killsHimself() { return false; }
};

// "Nic", Ok, and No to every question.
class PassiveRuler : public Ruler {
 public:
  const char* name() const override { return "pasivní"; }
  Move next(Game& game) override;
};

// Any command or answer the game allows, each as likely as the others.
class RandomRuler : public Ruler {
 public:
  const char* name() const override { return "náhodný"; }
  Move next(Game& game) override;
  std::string amountForTheGuard() override;
  bool killsHimself() override;

 private:
  std::mt19937 choices_{20261209};
};

// A short strategy of a ruler who reads the secret police's report (see rulers.cpp).
class CarefulRuler : public Ruler {
 public:
  const char* name() const override { return "opatrný"; }
  Move next(Game& game) override;
};

}  // namespace velmoran
