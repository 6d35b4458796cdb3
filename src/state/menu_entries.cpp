// SPDX-License-Identifier: GPL-3.0-or-later
#include "state/menu_entries.h"

namespace velmoran {

const std::array<MenuInfo, 8> kMenus = {{
    {"mhra", "Hra"},
    {"mzivot", "Soukromý život"},
    {"dotace", "Dotace"},
    {"valky", "Války"},
    {"politika", "Politika"},
    {"ek", "Ekonomika"},
    {"jine", "Jiné"},
    {"noo", "Nic"},
}};

// The runs of blanks in the subsidies' captions set their prices in a column.
const std::array<MenuEntryInfo, kMenuEntryCount> kMenuEntries = {{
    {MenuEntry::mnewgame, "mhra", "mnewgame", "mnewgame", "Nová hra", "F2"},
    {MenuEntry::mkonec, "mhra", "mkonec", "mkonec", "Konec", "Ctrl+K"},
    {MenuEntry::mpivo, "mzivot", "mpivo", "mpivo", "Jít na pivo", ""},
    {MenuEntry::msvatba, "mzivot", "msvatba", "msvatba", "Oženit se", ""},
    {MenuEntry::internet, "mzivot", "internet", "internet", "Zajít si na Internet", ""},
    {MenuEntry::psesbuy, "mzivot", "psesbuy", "psesbuy", "Koupit si psa", ""},
    {MenuEntry::army, "dotace", "army", "army", "Dotace pro armádu    600$", ""},
    {MenuEntry::police, "dotace", "police", "police", "Dotace pro policii       500$", ""},
    {MenuEntry::fbi, "dotace", "fbi", "fbi", "Dotace tajné policii     500$", ""},
    {MenuEntry::prumysl, "dotace", "prumysl", "prumysl", "Dotace průmyslu         500$", ""},
    {MenuEntry::zeme, "dotace", "zeme", "zeme", "Dotace zemědělství    500$", ""},
    {MenuEntry::chudi, "dotace", "chudi", "chudi", "Příspěvek na chudé   500$", ""},
    {MenuEntry::veda, "dotace", "veda", "veda", "Dotace na vědu          500$", ""},
    {MenuEntry::body, "dotace", "body", "body", "Dotace pro bodyguardy", ""},
    {MenuEntry::brda, "valky", "brda", "brda", "Vyhlásit válku Bordánii", ""},
    {MenuEntry::atakk, "valky", "atakk", "atakk", "Útok na partyzány", ""},
    {MenuEntry::diver, "valky", "diver", "diver", "Poslat diverzanta", ""},
    {MenuEntry::bordo, "politika", "bordo", "bordo", "Prodat Bordány do otroctví", ""},
    {MenuEntry::povyseni, "politika", "povýšení", "povyseni", "Povýšení velitele armády", ""},
    {MenuEntry::cesta, "politika", "cesta", "cesta", "Mírová cesta po světě", ""},
    {MenuEntry::kampan, "politika", "kampaň", "kampan", "Reklamní kampaň", ""},
    {MenuEntry::reforma, "ek", "reforma", "reforma", "Ekonomická reforma", ""},
    {MenuEntry::ztph, "ek", "ztph", "ztph", "Znárodnění těžkého průmyslu", ""},
    {MenuEntry::strojparko, "ek", "strojparko", "strojparko", "Obnovení strojového parku", ""},
    {MenuEntry::pr, "ek", "pr", "pr", "Půjčka od Ruska", ""},
    {MenuEntry::usap, "ek", "usap", "usap", "Půjčka od USA", ""},
    {MenuEntry::morpu, "ek", "morpu", "morpu", "Půjčka od Moravy", ""},
    {MenuEntry::zpht, "jine", "zpht", "zpht", "Změna pohlaví", ""},
    {MenuEntry::sebekill, "jine", "sebekill", "sebekill", "Sebevražda", ""},
    {MenuEntry::noo, "noo", "noo", "noo", "Nic", ""},
}};

std::optional<MenuEntry> menuEntryForCommand(std::string_view command) {
  for (const auto& info : kMenuEntries) {
    if (info.command == command) return info.entry;
  }
  return std::nullopt;
}

}  // namespace velmoran
