// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace velmoran {

// Every quantity of the country, named by the control of the game screen that shows it.
enum class Quantity {
  jmeno,
  stat,
  vlada,
  kasa,
  rozpocet2,
  rozpocet,
  zisk,
  Procentu,
  tp,
  os,
  pol,
  arm,
  del,
  rol,
  chu,
  inte,
  polo,
  armo,
  delo,
  rolo,
  chuo,
  into,
  rus,
  ruso,
  usa,
  usao,
  mak,
  moro,
  par,
  brd,
  brdo,
};

inline constexpr std::size_t kQuantityCount = static_cast<std::size_t>(Quantity::brdo) + 1;

struct QuantityInfo {
  Quantity quantity;
  std::string_view name;
  std::string_view designText;  // what the control shows when the game screen is created
};

extern const std::array<QuantityInfo, kQuantityCount> kQuantities;

inline std::size_t indexOf(Quantity q) {
  return static_cast<std::size_t>(q);
}
inline std::string_view nameOf(Quantity q) {
  return kQuantities[indexOf(q)].name;
}
std::optional<Quantity> quantityNamed(std::string_view name);

// The ruler's and the country's names are texts; every other quantity is a number.
inline bool isNameQuantity(Quantity q) {
  return q == Quantity::jmeno || q == Quantity::stat;
}

}  // namespace velmoran
