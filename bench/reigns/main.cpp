// SPDX-License-Identifier: GPL-3.0-or-later
// Plays many reigns of three scripted rulers on a game folder and tells how long they ruled
// and how their reigns ended, as a table and as a picture:
//
//   velmoran-reigns GAME_FOLDER [REIGNS] [PICTURE.png]
//
// The game folder is copied to a temporary folder first, so its best.dat stays as it is.
#include <QApplication>
#include <QTemporaryDir>
#include <filesystem>
#include <iostream>
#include <memory>

#include "balance_report.h"
#include "rulers.h"

int main(int argc, char** argv) {
  using namespace velmoran;
  QApplication app(argc, argv);
  if (argc < 2) {
    std::cerr << "použití: velmoran-reigns HERNÍ_SLOŽKA [POČET_VLÁD] [OBRÁZEK.png]\n";
    return 2;
  }
  const int count = argc > 2 ? std::stoi(argv[2]) : 1000;
  constexpr long long kLongestReign = 1200;

  QTemporaryDir scratch;
  const std::filesystem::path folder = std::filesystem::path(scratch.path().toStdString()) / "game";
  std::filesystem::copy(argv[1], folder, std::filesystem::copy_options::recursive);

  PassiveRuler passive;
  RandomRuler random;
  CarefulRuler careful;
  std::vector<RulerResult> results;
  for (Ruler* ruler : std::initializer_list<Ruler*>{&passive, &random, &careful}) {
    results.push_back({ruler->name(), playReigns(*ruler, folder, count, kLongestReign)});
  }
  std::cout << balanceTable(results);
  if (argc > 3 && !drawBalance(results, QString::fromLocal8Bit(argv[3]))) {
    std::cerr << "obrázek se nepodařilo uložit: " << argv[3] << '\n';
    return 1;
  }
  return 0;
}
