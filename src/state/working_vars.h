// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

namespace velmoran {

// The game screen's working variables. They live from the first "Start" to the end of the
// program and keep their values from one game to the next.
struct WorkingVars {
  // `nahoda`
  std::uint8_t drawRange = 0;
  std::uint8_t drawBase = 0;
  std::uint8_t drawnNumber = 0;

  bool mayAct = false;  // set by `Kontrola`

  // The info panel: the file to show next and the record of the file shown last.
  std::string textFileName;
  std::string infoText;
  std::int32_t questionCode = 0;
  std::uint8_t buttonMode = 0;
  std::int32_t moneyAmount = 0;
  std::uint8_t monthEnd = 0;

  // First part of a two-variant text name ("sesazeni", "atentat").
  std::string textBaseName;

  // Private life: a partner met, a sex change made; both carry over into later games.
  bool partner = false;
  bool sexChange = false;
};

}  // namespace velmoran
