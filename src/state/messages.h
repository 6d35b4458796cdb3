// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace velmoran {

// What the game says when one of its files lets it down: a box with the critical icon under
// this title.
inline constexpr char kFileErrorTitle[] = "CHYBA";

// A data text of data/ is missing or cannot be read.
inline constexpr char kMissingDataText[] =
    "Bohužel hra nemůže najít část zdrojových souborů.\n"
    " Zkuste ji znovu nakopírovat, popřípadě nainstalovat.";
// "best.dat" is missing, cannot be read or cannot be written.
inline constexpr char kMissingBestScores[] =
    "Bohužel hra nemůže najít soubor kde jsou uloženy výsledky nejlepších hráčů.";
// "data.dat" is missing or cannot be read.
inline constexpr char kMissingSettings[] =
    "Bohužel hra nemůže najít soubor kde jse uloženo nastavení.";

}  // namespace velmoran
