// SPDX-License-Identifier: GPL-3.0-or-later
#include "state/quantity.h"

namespace velmoran {

const std::array<QuantityInfo, kQuantityCount> kQuantities = {{
    {Quantity::jmeno, "jmeno", ""},
    {Quantity::stat, "stat", ""},
    {Quantity::vlada, "vlada", "1"},
    {Quantity::kasa, "kasa", "0"},
    {Quantity::rozpocet2, "rozpocet2", "0"},
    {Quantity::rozpocet, "rozpocet", "0"},
    {Quantity::zisk, "zisk", "1.20"},
    {Quantity::Procentu, "Procentu", "20"},
    {Quantity::tp, "tp", "1"},
    {Quantity::os, "os", "1"},
    {Quantity::pol, "pol", "2"},
    {Quantity::arm, "arm", "3"},
    {Quantity::del, "del", "2"},
    {Quantity::rol, "rol", "1"},
    {Quantity::chu, "chu", "1"},
    {Quantity::inte, "inte", "1"},
    {Quantity::polo, "polo", "5"},
    {Quantity::armo, "armo", "6"},
    {Quantity::delo, "delo", "6"},
    {Quantity::rolo, "rolo", "5"},
    {Quantity::chuo, "chuo", "3"},
    {Quantity::into, "into", "4"},
    {Quantity::rus, "rus", "1"},
    {Quantity::ruso, "ruso", "1"},
    {Quantity::usa, "usa", "2"},
    {Quantity::usao, "usao", "5"},
    {Quantity::mak, "mak", "3"},
    {Quantity::moro, "moro", "8"},
    {Quantity::par, "par", "0"},
    {Quantity::brd, "brd", "1"},
    {Quantity::brdo, "brdo", "1"},
}};

std::optional<Quantity> quantityNamed(std::string_view name) {
  for (const auto& info : kQuantities) {
    if (info.name == name) return info.quantity;
  }
  return std::nullopt;
}

}  // namespace velmoran
