// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The game's own words that tests at every level expect, written out once.

namespace velmoran::testing {

inline constexpr char kFileError[] = "CHYBA";
inline constexpr char kDataTextMissing[] =
    "Bohužel hra nemůže najít část zdrojových souborů.\n"
    " Zkuste ji znovu nakopírovat, popřípadě nainstalovat.";
inline constexpr char kBestScoresMissing[] =
    "Bohužel hra nemůže najít soubor kde jsou uloženy výsledky nejlepších hráčů.";
inline constexpr char kSettingsMissing[] =
    "Bohužel hra nemůže najít soubor kde jse uloženo nastavení.";
inline constexpr char kBankruptcyText[] = "Prohráls.\n Tvá zem zkrachovala.";
inline constexpr char kWonText[] = "GRATULUJI zničil jsi partyzány a ochránil jsi svoji zemi.";

}  // namespace velmoran::testing
