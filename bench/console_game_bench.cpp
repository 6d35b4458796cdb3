// SPDX-License-Identifier: GPL-3.0-or-later
// The terminal edition playing one long scripted game in a copy of the shipped game folder:
// months ruled per second, start of the program included.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>

namespace {

namespace fs = std::filesystem;

constexpr int kMonths = 5000;

// Every month the ruler tops up the treasury, the army and the people's favour, so that no
// bankruptcy, war or rebellion ends the game, lets the month pass and answers what comes.
std::string script() {
  std::string lines = "start\n\n\n";
  const std::string keepStanding =
      "set kasa 5000\nset arm 100000\nset polo 10\nset armo 10\nset delo 10\nset rolo 10\n"
      "set chuo 10\nset into 10\n";
  for (int month = 0; month < kMonths; ++month) {
    lines += keepStanding + "noo\nok\nne\nok\nok\nvzpoura-ok\n";
  }
  return lines + "state\n";
}

// The months of the last state or of the reign's end in a transcript.
double monthsRuled(const fs::path& transcript) {
  std::ifstream in(transcript);
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  static const std::regex months("(?:\\nvlada=|Vládnul jste )([0-9]+)");
  double last = 0;
  for (std::sregex_iterator it(text.begin(), text.end(), months), end; it != end; ++it) {
    last = std::stod((*it)[1].str());
  }
  return last;
}

void LongGame(benchmark::State& state) {
  std::string pattern = (fs::temp_directory_path() / "velmoran-bench-XXXXXX").string();
  if (!::mkdtemp(pattern.data())) {
    state.SkipWithError("mkdtemp failed");
    return;
  }
  const fs::path root = pattern;
  std::ofstream(root / "script") << script();
  const std::string play = "cd '" + (root / "game").string() + "' && '" VELMORAN_CONSOLE "' < '" +
                           (root / "script").string() + "' > '" + (root / "transcript").string() +
                           "'";
  double months = 0;
  for (auto _ : state) {
    state.PauseTiming();
    fs::remove_all(root / "game");
    fs::copy(VELMORAN_SOURCE_GAME_FOLDER, root / "game", fs::copy_options::recursive);
    state.ResumeTiming();
    if (std::system(play.c_str()) != 0) state.SkipWithError("the terminal edition failed");
    state.PauseTiming();
    months += monthsRuled(root / "transcript");
    state.ResumeTiming();
  }
  state.counters["months"] = benchmark::Counter(months, benchmark::Counter::kIsRate);
  fs::remove_all(root);
}
BENCHMARK(LongGame)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
