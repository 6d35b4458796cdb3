// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/data_files.h"

#include <iterator>

namespace velmoran {

namespace {

constexpr int kMonthlyEvents = 10;

std::vector<DataFile> catalogue() {
  using R = DataFileRole;
  std::vector<DataFile> files = {{"welcome.ini", R::Welcome, {}, ""}};
  for (int n = 1; n <= kMonthlyEvents; ++n) {
    files.push_back({"nahoda" + std::to_string(n) + ".ini", R::Event, {}, ""});
  }
  files.push_back({"nahoda77.ini", R::Event, {}, ""});
  for (int n = 1; n <= kMonthlyEvents; ++n) {
    files.push_back({"nahod" + std::to_string(n) + ".ini", R::Event, {}, ""});
  }
  for (const char* name :
       {"seznameni.ini", "sesazeni1.ini", "sesazeni2.ini", "atentat1.ini", "atentat2.ini"}) {
    files.push_back({name, R::FollowUp, {}, ""});
  }
  // The widest amounts follow from the commands' draws: the budget raises up to 52, 38, 59
  // and 34 dollars a month, the sale up to 34 hundreds, the promotion 68, the loans 4 dollars
  // a month, 51 and 20 hundreds.
  const DataFile commands[] = {
      {"pivo.ini", R::Command, "Jít na pivo", ""},
      {"svatba.ini", R::Command, "Oženit se", ""},
      {"neniskym.ini", R::Refusal, "Oženit se", ""},
      {"internet.ini", R::Command, "Zajít si na Internet", ""},
      {"pes.ini", R::Command, "Koupit si psa", ""},
      {"d-armada.ini", R::Errand, "Dotace pro armádu    600$", ""},
      {"d-policie.ini", R::Errand, "Dotace pro policii       500$", ""},
      {"d-fbi.ini", R::Errand, "Dotace tajné policii     500$", ""},
      {"d-prumysl.ini", R::Command, "Dotace průmyslu         500$", "52$"},
      {"d-zemedelstvi.ini", R::Command, "Dotace zemědělství    500$", "38$"},
      {"d-chudina.ini", R::Errand, "Příspěvek na chudé   500$", ""},
      {"d-veda.ini", R::Command, "Dotace na vědu          500$", "59$"},
      {"d-bg.ini", R::Errand, "Dotace pro bodyguardy", ""},
      {"utokbrd.ini", R::Command, "Vyhlásit válku Bordánii", ""},
      {"utokpar.ini", R::Command, "Útok na partyzány", ""},
      {"divera.ini", R::Command, "Poslat diverzanta", ""},
      {"divern.ini", R::Command, "Poslat diverzanta", ""},
      {"otroci.ini", R::Command, "Prodat Bordány do otroctví", "3400"},
      {"povyseni.ini", R::Command, "Povýšení velitele armády", "6800"},
      {"cesta1.ini", R::Command, "Mírová cesta po světě", ""},
      {"cesta2.ini", R::Command, "Mírová cesta po světě", ""},
      {"cesta3.ini", R::Command, "Mírová cesta po světě", ""},
      {"reklama1.ini", R::Command, "Reklamní kampaň", ""},
      {"reklama2.ini", R::Command, "Reklamní kampaň", ""},
      {"reklama3.ini", R::Command, "Reklamní kampaň", ""},
      {"reforma.ini", R::Command, "Ekonomická reforma", "34$"},
      {"znarodneni.ini", R::Command, "Znárodnění těžkého průmyslu", "34$"},
      {"park.ini", R::Command, "Obnovení strojového parku", "34$"},
      {"rusa.ini", R::Command, "Půjčka od Ruska", "4$"},
      {"rusn.ini", R::Refusal, "Půjčka od Ruska", ""},
      {"usaa.ini", R::Command, "Půjčka od USA", "5100$"},
      {"usan.ini", R::Refusal, "Půjčka od USA", ""},
      {"mora.ini", R::Command, "Půjčka od Moravy", "2000$"},
      {"morn.ini", R::Refusal, "Půjčka od Moravy", ""},
      {"muz.ini", R::Command, "Změna pohlaví", ""},
      {"zena.ini", R::Command, "Změna pohlaví", ""},
      {"nic.ini", R::Command, "Nic", ""},
  };
  files.insert(files.end(), std::begin(commands), std::end(commands));
  return files;
}

}  // namespace

const std::vector<DataFile>& dataFiles() {
  static const std::vector<DataFile> files = catalogue();
  return files;
}

const DataFile* findDataFile(std::string_view name) {
  for (const DataFile& file : dataFiles()) {
    if (file.name == name) return &file;
  }
  return nullptr;
}

}  // namespace velmoran
