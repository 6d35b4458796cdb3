// SPDX-License-Identifier: GPL-3.0-or-later
#include "state/data_files.h"

#include <iterator>

namespace velmoran {

namespace {

constexpr int kMonthlyEvents = 10;

std::vector<DataFile> catalogue() {
  using R = DataFileRole;
  using M = MenuEntry;
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
      {"pivo.ini", R::Command, M::mpivo, ""},
      {"svatba.ini", R::Command, M::msvatba, ""},
      {"neniskym.ini", R::Refusal, M::msvatba, ""},
      {"internet.ini", R::Command, M::internet, ""},
      {"pes.ini", R::Command, M::psesbuy, ""},
      {"d-armada.ini", R::Errand, M::army, ""},
      {"d-policie.ini", R::Errand, M::police, ""},
      {"d-fbi.ini", R::Errand, M::fbi, ""},
      {"d-prumysl.ini", R::Command, M::prumysl, "52$"},
      {"d-zemedelstvi.ini", R::Command, M::zeme, "38$"},
      {"d-chudina.ini", R::Errand, M::chudi, ""},
      {"d-veda.ini", R::Command, M::veda, "59$"},
      {"d-bg.ini", R::Errand, M::body, ""},
      {"utokbrd.ini", R::Command, M::brda, ""},
      {"utokpar.ini", R::Command, M::atakk, ""},
      {"divera.ini", R::Command, M::diver, ""},
      {"divern.ini", R::Command, M::diver, ""},
      {"otroci.ini", R::Command, M::bordo, "3400"},
      {"povyseni.ini", R::Command, M::povyseni, "6800"},
      {"cesta1.ini", R::Command, M::cesta, ""},
      {"cesta2.ini", R::Command, M::cesta, ""},
      {"cesta3.ini", R::Command, M::cesta, ""},
      {"reklama1.ini", R::Command, M::kampan, ""},
      {"reklama2.ini", R::Command, M::kampan, ""},
      {"reklama3.ini", R::Command, M::kampan, ""},
      {"reforma.ini", R::Command, M::reforma, "34$"},
      {"znarodneni.ini", R::Command, M::ztph, "34$"},
      {"park.ini", R::Command, M::strojparko, "34$"},
      {"rusa.ini", R::Command, M::pr, "4$"},
      {"rusn.ini", R::Refusal, M::pr, ""},
      {"usaa.ini", R::Command, M::usap, "5100$"},
      {"usan.ini", R::Refusal, M::usap, ""},
      {"mora.ini", R::Command, M::morpu, "2000$"},
      {"morn.ini", R::Refusal, M::morpu, ""},
      {"muz.ini", R::Command, M::zpht, ""},
      {"zena.ini", R::Command, M::zpht, ""},
      {"nic.ini", R::Command, M::noo, ""},
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
