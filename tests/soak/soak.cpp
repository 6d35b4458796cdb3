// SPDX-License-Identifier: GPL-3.0-or-later
// A long soak of the terminal edition: random games from fixed seeds, one line at a time.
// After every command it checks that every quantity is a number, that a game ends at most
// once, that best.dat and data.dat still read and that no temporary file lies in the game
// folder.
//
//   velmoran-soak --console PROGRAM --game FOLDER [--seconds N] [--first-seed N]
//
// It plays seed after seed (each a fixed number of commands, so a seed replays exactly)
// until the time is up, and stops at the first fault with the seed, the step and the last
// lines of the transcript.
#include <signal.h>
#include <stdlib.h>

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstring>
#include <deque>
#include <iostream>
#include <memory>
#include <stdexcept>

#include "console/line_source.h"
#include "console_process.h"
#include "files/best_scores.h"
#include "files/game_files.h"
#include "files/kept_chronicles.h"
#include "files/kept_reign.h"
#include "files/settings_file.h"
#include "random_player.h"
#include "state/quantity.h"

namespace velmoran::soak {

namespace {

namespace fs = std::filesystem;

constexpr long kStepsPerSeed = 1000;
constexpr std::size_t kLinesKept = 40;
constexpr char kAskAgain[] = "ERR | odpovězte ano, nebo ne";
constexpr char kReign[] = "MSG | none | Vaše vláda | Vládnul jste ";

struct Options {
  fs::path console, game;
  double seconds = 60;
  unsigned firstSeed = 1;
};

struct Totals {
  long seeds = 0, steps = 0, starts = 0, games = 0, ended = 0;
  long long longestReign = 0;
};

struct Fault : std::runtime_error {
  using std::runtime_error::runtime_error;
};

bool startsWith(const std::string& text, const std::string& prefix) {
  return text.compare(0, prefix.size(), prefix) == 0;
}

bool isNumber(const std::string& text) {
  double value = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  return !text.empty() && result.ec == std::errc() && result.ptr == text.data() + text.size() &&
         std::isfinite(value);
}

// The lock files that the first game over and the first reign make beside best.dat stay, as
// they should; the unfinished reign comes and goes.
std::vector<std::string> namesIn(const fs::path& folder) {
  const std::string reignLock = std::string(kKeptReignFile) + ".lock";
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    if (name != "best.dat.lock" && name != kKeptReignFile && name != reignLock) {
      names.push_back(name);
    }
  }
  std::sort(names.begin(), names.end());
  return names;
}

// One seed: a game folder of its own, the terminal edition started on it (again, whenever
// the player ends the program), and kStepsPerSeed commands.
class SeedRun {
 public:
  SeedRun(const Options& options, unsigned seed, Totals& totals)
      : options_(options), player_(seed), totals_(totals) {
    std::string pattern = (fs::temp_directory_path() / "velmoran-soak-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    folder_ = pattern;
    fs::copy(options.game, folder_, fs::copy_options::recursive);
    files_ = namesIn(folder_);
  }
  ~SeedRun() {
    console_.reset();
    std::error_code ec;
    fs::remove_all(folder_, ec);
  }

  void play() {
    for (long step = 0; step < kStepsPerSeed; ++step) {
      step_ = step;
      if (!console_) start();
      const std::string command = player_.command(buttons_, gameOpen_, rebellionOpen_);
      act(command);
      if (console_) checkState();
      checkFiles();
      ++totals_.steps;
    }
    if (console_) stop();
  }

  std::string lastLines() const {
    std::string text;
    for (const auto& line : recent_) text += "  " + transcriptField(line) + "\n";
    return text;
  }
  long step() const { return step_; }

 private:
  void start() {
    console_ = std::make_unique<ConsoleProcess>(options_.console, folder_);
    gameOpen_ = rebellionOpen_ = false;
    ++totals_.starts;
  }

  void stop() {
    const int status = console_->finish();
    console_.reset();
    if (status != 0)
      throw Fault("the terminal edition ended with status " + std::to_string(status));
  }

  // Gives the console one command at its top level and answers the boxes it opens, until a
  // line that is no command comes back as unknown: then the command is done.
  void act(const std::string& command) {
    console_->send(command);
    std::string pending = sendStranger();
    for (;;) {
      const auto line = console_->readLine();
      if (!line) {
        if (command != "konec") throw Fault("the terminal edition ended after: " + command);
        stop();
        return;
      }
      note(*line);
      if (*line == unknownCommand(pending)) return;
      if (startsWith(*line, "INPUT | ")) {
        pending = sendStranger();  // the box took the line that was waiting
      } else if (*line == kAskAgain) {
        console_->send(player_.yesOrNo());
        pending = sendStranger();
      }
    }
  }

  std::string sendStranger() {
    const std::string line = player_.stranger(step_);
    console_->send(line);
    return line;
  }

  static std::string unknownCommand(const std::string& line) {
    return "ERR | neznámý příkaz: " + transcriptField(line.substr(0, line.find(' ')));
  }

  void note(const std::string& line) {
    recent_.push_back(line);
    if (recent_.size() > kLinesKept) recent_.pop_front();
    if (line == "SCREEN | main | open") {
      if (gameOpen_) throw Fault("a second game screen opened");
      gameOpen_ = true;
      gameEnded_ = false;
      ++totals_.games;
    } else if (line == "SCREEN | main | closed") {
      gameOpen_ = false;
    } else if (startsWith(line, "SCREEN | vzpoura | ")) {
      rebellionOpen_ = line == "SCREEN | vzpoura | open";
    } else if (startsWith(line, kReign)) {
      if (!gameOpen_ || gameEnded_) throw Fault("a game ended twice");
      gameEnded_ = true;
      ++totals_.ended;
      totals_.longestReign =
          std::max(totals_.longestReign, std::atoll(line.c_str() + std::strlen(kReign)));
    } else if (startsWith(line, "MSG | critical | CHYBA")) {
      throw Fault("the game reported a damaged file");
    } else if (gameEnded_ && gameOpen_ &&
               (startsWith(line, "INFO | ") || startsWith(line, "MSG | "))) {
      throw Fault("the game went on after its end");
    }
  }

  // Every quantity the state shows is a number (the names aside). The state ends where a line
  // that is no command comes back as unknown, whatever lines later versions add to it.
  void checkState() {
    console_->send("state");
    const std::string end = unknownCommand(sendStranger());
    buttons_.clear();
    for (;;) {
      const auto line = console_->readLine();
      if (!line) throw Fault("the terminal edition ended on state");
      note(*line);
      if (*line == end) return;
      const auto eq = line->find('=');
      if (eq == std::string::npos) continue;
      const std::string name = line->substr(0, eq), value = line->substr(eq + 1);
      const auto quantity = quantityNamed(name);
      if (name == "buttons") {
        buttons_ = value;
      } else if ((quantity && !isNameQuantity(*quantity)) || name == "question" ||
                 name == "monthend") {
        if (!isNumber(value)) throw Fault(name + " is no number: " + transcriptField(value));
      }
    }
  }

  void checkFiles() {
    if (!readBestScores(folder_ / "best.dat").table) throw Fault("best.dat does not read");
    if (!readDisplaySettings(folder_ / "data.dat")) throw Fault("data.dat does not read");
    if (fs::exists(folder_ / kKeptReignFile) && !readKeptReign(folder_ / kKeptReignFile).reign) {
      throw Fault("the unfinished reign does not read");
    }
    auto names = namesIn(folder_);
    names.erase(std::remove(names.begin(), names.end(), kChronicleFolder), names.end());
    if (names != files_) throw Fault("the game folder holds other files now");
    checkKeptChronicles();
  }

  // The last ten reigns and the three best rulers' at most, every file a whole chronicle. The
  // files are read again only when a reign has ended since.
  void checkKeptChronicles() {
    const auto files = keptChronicleFiles(folder_);
    if (!files.empty() && files.front() == newestChecked_) return;
    newestChecked_ = files.empty() ? fs::path() : files.front();
    if (files.size() > 13) throw Fault("more than 13 chronicles are kept");
    const fs::path folder = folder_ / kChronicleFolder;
    if (fs::exists(folder) && namesIn(folder).size() != files.size()) {
      throw Fault("the chronicles' folder holds other files");
    }
    for (const fs::path& file : files) {
      const auto bytes = readGameFile(file);
      if (!bytes || !parseChronicle(*bytes)) throw Fault("a kept chronicle does not read");
    }
  }

  fs::path newestChecked_;
  const Options& options_;
  RandomPlayer player_;
  Totals& totals_;
  fs::path folder_;
  std::vector<std::string> files_;
  std::unique_ptr<ConsoleProcess> console_;
  std::deque<std::string> recent_;
  std::string buttons_;
  bool gameOpen_ = false, gameEnded_ = false, rebellionOpen_ = false;
  long step_ = 0;
};

Options parse(int argc, char** argv) {
  Options options;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string flag = argv[i], value = argv[i + 1];
    if (flag == "--console") {
      options.console = fs::absolute(value);
    } else if (flag == "--game") {
      options.game = fs::absolute(value);
    } else if (flag == "--seconds") {
      options.seconds = std::stod(value);
    } else if (flag == "--first-seed") {
      options.firstSeed = static_cast<unsigned>(std::stoul(value));
    } else {
      throw std::invalid_argument("unknown option " + flag);
    }
  }
  if (options.console.empty() || options.game.empty()) {
    throw std::invalid_argument(
        "usage: velmoran-soak --console PROGRAM --game FOLDER "
        "[--seconds N] [--first-seed N]");
  }
  return options;
}

}  // namespace

}  // namespace velmoran::soak

int main(int argc, char** argv) {
  using namespace velmoran::soak;
  using Clock = std::chrono::steady_clock;
  // A console that has ended reads no more lines: the write fails instead of ending the soak.
  ::signal(SIGPIPE, SIG_IGN);
  try {
    const Options options = parse(argc, argv);
    Totals totals;
    const auto started = Clock::now();
    for (unsigned seed = options.firstSeed;
         std::chrono::duration<double>(Clock::now() - started).count() < options.seconds; ++seed) {
      SeedRun run(options, seed, totals);
      try {
        run.play();
      } catch (const std::exception& fault) {
        std::cerr << "soak: seed " << seed << ", step " << run.step() << ": " << fault.what()
                  << "\nlast lines:\n"
                  << run.lastLines();
        return 1;
      }
      ++totals.seeds;
    }
    std::cout << "soak: " << totals.seeds << " seeds, " << totals.steps << " commands, "
              << totals.starts << " starts of the program, " << totals.games << " games, "
              << totals.ended << " ended by game over (the longest reign " << totals.longestReign
              << " months): no fault\n";
    return 0;
  } catch (const std::exception& error) {
    std::cerr << "soak: " << error.what() << "\n";
    return 2;
  }
}
