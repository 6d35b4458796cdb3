// SPDX-License-Identifier: GPL-3.0-or-later
// One write of the unfinished reign as a month ends: the reign made, its bytes written to a
// temporary file of their own, brought to the disk and put in the file's place. A reign of a
// careful player's 35 months, and one whose chronicle is full.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>

#include "files/kept_reign.h"

namespace {

namespace fs = std::filesystem;

velmoran::KeptReign reignOf(long long months) {
  velmoran::KeptReign r;
  for (const char* name :
       {"jmeno", "stat", "vlada", "kasa", "rozpocet2", "rozpocet", "zisk", "Procentu",
        "tp",    "os",   "pol",   "arm",  "del",       "rol",      "chu",  "inte",
        "polo",  "armo", "delo",  "rolo", "chuo",      "into",     "rus",  "ruso",
        "usa",   "usao", "mak",   "moro", "par",       "brd",      "brdo"}) {
    r.quantities.emplace_back(name, "12345");
  }
  r.info = r.infoText = "Armáda děkuje za dotaci, nové tanky už rezaví v garážích.";
  r.textFileName = "d-armada.ini";
  const long long rows = std::min<long long>(months, velmoran::kMostChronicleRows);
  for (long long m = 1; m <= rows; ++m) {
    r.chronicle.figures.push_back({m, 15000, -120, 35, 40, 12, 9, {3, 4, 5, 2, 1, 6}});
    r.chronicle.moments.push_back({m, velmoran::MomentKind::PartisansBeaten, {12, 40}});
  }
  return r;
}

void WriteAtMonthEnd(benchmark::State& state) {
  std::string pattern = (fs::temp_directory_path() / "velmoran-bench-XXXXXX").string();
  if (!::mkdtemp(pattern.data())) {
    state.SkipWithError("mkdtemp failed");
    return;
  }
  const fs::path file = fs::path(pattern) / velmoran::kKeptReignFile;
  const velmoran::KeptReign reign = reignOf(state.range(0));
  for (auto _ : state) {
    if (!velmoran::writeKeptReign(file, reign)) state.SkipWithError("the write failed");
  }
  state.counters["bytes"] = static_cast<double>(fs::file_size(file));
  fs::remove_all(pattern);
}
BENCHMARK(WriteAtMonthEnd)->Arg(35)->Arg(2048)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
