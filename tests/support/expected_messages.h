// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The game's own words that tests at every level expect, written out once.

#include <string>

namespace velmoran::testing {

inline constexpr char kFileError[] = "CHYBA";
inline constexpr char kDataTextMissing[] =
    "Bohužel hra nemůže najít část zdrojových souborů.\n"
    " Zkuste ji znovu nakopírovat, popřípadě nainstalovat.";
inline constexpr char kBestScoresMissing[] =
    "Bohužel hra nemůže najít soubor kde jsou uloženy výsledky nejlepších hráčů.";
inline constexpr char kSettingsMissing[] =
    "Bohužel hra nemůže najít soubor kde jse uloženo nastavení.";
// The causes that a file error's last line names.
inline constexpr char kCauseMissing[] = "soubor neexistuje.";
inline constexpr char kCauseNotAFile[] =
    "na místě souboru je složka nebo něco jiného, co není obyčejný soubor.";
inline constexpr char kCauseReadOnly[] = "soubor nebo jeho složka je jen pro čtení.";
inline constexpr char kCauseDamaged[] = "soubor je poškozený, jeho obsah nejde přečíst.";
inline constexpr char kCauseLink[] =
    "soubor je symbolický odkaz, který hra nenásleduje (patří jinému uživateli, nebo vede na "
    "soubor jiného druhu).";
inline constexpr char kCauseExists[] =
    "soubor tohoto jména už existuje a hra ho bez dovolení nepřepíše.";
inline constexpr char kCauseGameFile[] =
    "je to soubor hry (tabulka, nastavení, text, kronika, zvuk nebo nápověda), ten hra nepřepíše.";
inline constexpr char kCauseNoFolder[] = "složka, do které se má soubor zapsat, neexistuje.";
inline std::string withCause(const std::string& sentence, const std::string& cause) {
  return sentence + "\nPříčina: " + cause;
}

inline constexpr char kBankruptcyText[] = "Prohráls.\n Tvá zem zkrachovala.";
inline constexpr char kWonText[] = "GRATULUJI zničil jsi partyzány a ochránil jsi svoji zemi.";

}  // namespace velmoran::testing
