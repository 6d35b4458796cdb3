// SPDX-License-Identifier: GPL-3.0-or-later
// "Dotace": the subsidies. Each shows its text first, whose money is the subsidy's price, then
// raises the strength and popularity of its group; some anger the neighbours, and three raise
// the monthly budget for good.
#include <optional>
#include <string>

#include "commands/menu_commands.h"
#include "state/game.h"
#include "state/ui.h"

namespace velmoran {

namespace {

struct Draw {
  std::uint8_t base;
  std::uint8_t range;  // 0: no draw
};

struct Change {
  Quantity quantity;
  int delta;
};

struct Subsidy {
  const char* textFile;
  Quantity strength;
  Draw strengthDraw;
  Change changes[4];
  int changeCount;
  Draw budgetDraw;
};

constexpr Subsidy kArmy = {
    "d-armada.ini",
    Quantity::arm,
    {1, 4},
    {{Quantity::armo, 2}, {Quantity::brdo, -1}, {Quantity::moro, -1}, {Quantity::ruso, -1}},
    4,
    {0, 0}};
constexpr Subsidy kPolice = {"d-policie.ini", Quantity::pol, {1, 3}, {{Quantity::polo, 2}}, 1,
                             {0, 0}};
constexpr Subsidy kSecretPolice = {
    "d-fbi.ini", Quantity::tp,
    {1, 3},      {{Quantity::moro, -2}, {Quantity::ruso, -1}, {Quantity::usao, -2}},
    3,           {0, 0}};
constexpr Subsidy kIndustry = {"d-prumysl.ini", Quantity::del, {1, 4}, {{Quantity::delo, 2}}, 1,
                               {23, 30}};
constexpr Subsidy kFarming = {
    "d-zemedelstvi.ini", Quantity::rol, {1, 5}, {{Quantity::rolo, 2}}, 1, {11, 28}};
constexpr Subsidy kThePoor = {"d-chudina.ini", Quantity::chu, {0, 0}, {{Quantity::chuo, 3}}, 1,
                              {0, 0}};
constexpr Subsidy kScience = {"d-veda.ini", Quantity::inte, {1, 5}, {{Quantity::into, 2}}, 1,
                              {10, 50}};

void grant(Game& game, const Subsidy& subsidy) {
  game.vars().textFileName = subsidy.textFile;
  const bool shown = game.otevri();
  if (subsidy.strengthDraw.range > 0) {
    game.add(subsidy.strength, game.nahoda(subsidy.strengthDraw.range, subsidy.strengthDraw.base));
  }
  for (int i = 0; i < subsidy.changeCount; ++i) {
    game.add(subsidy.changes[i].quantity, subsidy.changes[i].delta);
  }
  if (subsidy.budgetDraw.range == 0) return;
  const int raise = game.nahoda(subsidy.budgetDraw.range, subsidy.budgetDraw.base);
  // The raise is named after the text; with no text of its own on the panel there is nothing
  // to name it after, and the panel's last text must not be paid for again.
  if (shown) game.appendAmount(raise, "$");
  game.add(Quantity::rozpocet, raise);
}

// The personal guard takes what the ruler gives them, at most 500$.
constexpr long long kMostForTheGuard = 500;

void refuse(Game& game, const char* why) {
  game.ui().message(Icon::Information, "Pozor", why);
}

// The answer as a whole number of dollars; empty if it is not a whole number at all. A number
// too long to hold counts as too much.
std::optional<double> wholeDollars(const std::string& answer) {
  std::size_t begin = answer.find_first_not_of(" \t");
  const std::size_t end = answer.find_last_not_of(" \t");
  if (begin == std::string::npos) return std::nullopt;
  const bool negative = answer[begin] == '-';
  if (answer[begin] == '+' || negative) ++begin;
  if (begin > end) return std::nullopt;
  double dollars = 0;
  for (std::size_t i = begin; i <= end; ++i) {
    if (answer[i] < '0' || answer[i] > '9') return std::nullopt;
    dollars = dollars * 10 + (answer[i] - '0');
  }
  return negative ? -dollars : dollars;
}

// Every hundred dollars buys one more guard, from 2 for 100$ up to 5 for 400$ and more.
int guardsFor(double dollars) {
  if (dollars >= 100 && dollars < 200) return 2;
  if (dollars >= 200 && dollars < 300) return 3;
  if (dollars >= 300 && dollars < 400) return 4;
  if (dollars >= 400 && dollars <= kMostForTheGuard) return 5;
  return 1;
}

}  // namespace

void army_Click(Game& game) {
  grant(game, kArmy);
}

void police_Click(Game& game) {
  grant(game, kPolice);
}

void fbi_Click(Game& game) {
  grant(game, kSecretPolice);
}

void prumysl_Click(Game& game) {
  grant(game, kIndustry);
}

void zeme_Click(Game& game) {
  grant(game, kFarming);
}

void chudi_Click(Game& game) {
  grant(game, kThePoor);
}

void veda_Click(Game& game) {
  grant(game, kScience);
}

// A refused amount takes nothing; the text stays up, so the guard waits for a later month.
void body_Click(Game& game) {
  game.vars().textFileName = "d-bg.ini";
  game.otevri();
  const std::string answer =
      game.ui().input("Kolik jim dáme", "Kolik jim teda chcete dát (100-500)", "500");
  if (answer.empty()) return refuse(game, "Musíte zadat částku");
  const std::optional<double> dollars = wholeDollars(answer);
  if (!dollars) return refuse(game, "Částku musíte zadat celým číslem");
  if (*dollars > kMostForTheGuard) return refuse(game, "Nejvíc jim můžete dát 500$");
  if (*dollars < 1) return refuse(game, "Musíte jim dát aspoň 1$");
  game.add(Quantity::os, guardsFor(*dollars));
  game.add(Quantity::kasa, -*dollars);
}

}  // namespace velmoran
