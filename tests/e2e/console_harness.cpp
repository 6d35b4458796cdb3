// SPDX-License-Identifier: GPL-3.0-or-later
#include "console_harness.h"

#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "files/cp1250.h"

namespace velmoran::e2e {

namespace fs = std::filesystem;

const char kDefaultBestScores[] = "Ala\r\n30\r\nBob\r\n20\r\nCyril\r\n10\r\n";
const char kWelcome[] = "Vítejte, velmorane!";
const char kStart[] = "start\n\n\n";

namespace {

std::string quoted(const fs::path& path) {
  return "'" + path.string() + "'";
}

std::string readAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void writeAll(const fs::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

bool startsWith(const std::string& text, const std::string& prefix) {
  return text.compare(0, prefix.size(), prefix) == 0;
}

}  // namespace

std::size_t Transcript::find(const std::string& line, std::size_t from) const {
  for (std::size_t i = from; i < lines.size(); ++i) {
    if (lines[i] == line) return i;
  }
  return lines.size();
}

bool Transcript::hasPrefix(const std::string& prefix) const {
  return std::any_of(lines.begin(), lines.end(),
                     [&](const std::string& line) { return startsWith(line, prefix); });
}

std::vector<State> Transcript::states() const {
  std::vector<State> result;
  State* open = nullptr;
  for (const auto& line : lines) {
    if (startsWith(line, "jmeno=")) open = &result.emplace_back();
    if (!open) continue;
    const auto eq = line.find('=');
    (*open)[line.substr(0, eq)] = eq == std::string::npos ? "" : line.substr(eq + 1);
    if (startsWith(line, "withdrawn=")) open = nullptr;
  }
  return result;
}

Lines Transcript::slice(std::size_t from, std::size_t count) const {
  from = std::min(from, lines.size());
  return Lines(lines.begin() + from, lines.begin() + std::min(from + count, lines.size()));
}

Lines Transcript::between(std::size_t n) const {
  std::size_t block = 0, from = lines.size();
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (startsWith(lines[i], "withdrawn=") && block++ == n) from = i + 1;
    if (startsWith(lines[i], "jmeno=") && i >= from) return slice(from, i - from);
  }
  return slice(from);
}

std::string messageLine(const std::string& icon, const std::string& title,
                        const std::string& text) {
  std::string line = "MSG | " + icon + " | " + title + " | ";
  for (char c : text) line += c == '\n' ? std::string("\\n") : std::string(1, c);
  return line;
}

namespace {

Transcript readTranscript(const fs::path& transcriptFile, int status) {
  Transcript t;
  t.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  t.bytes = readAll(transcriptFile);
  std::size_t start = 0;
  while (start < t.bytes.size()) {
    const auto end = std::min(t.bytes.find('\n', start), t.bytes.size());
    t.lines.push_back(t.bytes.substr(start, end - start));
    start = end + 1;
  }
  // Every run opens with the splash screen; the lines read on from the title menu (the bytes
  // keep the whole transcript).
  const Lines splash = {"SCREEN | splash | open", "SCREEN | splash | closed"};
  if (t.slice(0, splash.size()) == splash) t.lines.erase(t.lines.begin(), t.lines.begin() + 2);
  return t;
}

}  // namespace

Transcript play(const TestGameFolder& folder, const std::string& script) {
  Transcript t = playKeepingReign(folder, script);
  for (const std::string name : {"rozehrana.dat", "rozehrana.dat.lock"}) {
    if (fs::exists(fs::symlink_status(folder / name))) folder.remove(name);
  }
  return t;
}

Transcript playKeepingReign(const TestGameFolder& folder, const std::string& script) {
  const fs::path scriptFile = folder.scratch() / "script";
  const fs::path transcriptFile = folder.scratch() / "transcript";
  writeAll(scriptFile, script);
  const std::string command = "cd " + quoted(folder.path()) + " && " + quoted(VELMORAN_CONSOLE) +
                              " < " + quoted(scriptFile) + " > " + quoted(transcriptFile);
  return readTranscript(transcriptFile, std::system(command.c_str()));
}

std::vector<Transcript> playAtOnce(const TestGameFolder& folder,
                                   const std::vector<std::string>& scripts) {
  std::string command = "cd " + quoted(folder.path()) + " || exit 1; ";
  std::string waits = "s=0; ";
  for (std::size_t i = 0; i < scripts.size(); ++i) {
    const fs::path scriptFile = folder.scratch() / ("script" + std::to_string(i));
    writeAll(scriptFile, scripts[i]);
    command += quoted(VELMORAN_CONSOLE) + " < " + quoted(scriptFile) + " > " +
               quoted(folder.scratch() / ("transcript" + std::to_string(i))) + " & p" +
               std::to_string(i) + "=$!; ";
    waits += "wait $p" + std::to_string(i) + " || s=1; ";
  }
  const int status = std::system((command + waits + "exit $s").c_str());
  std::vector<Transcript> transcripts;
  for (std::size_t i = 0; i < scripts.size(); ++i) {
    transcripts.push_back(
        readTranscript(folder.scratch() / ("transcript" + std::to_string(i)), status));
  }
  return transcripts;
}

void writeCraftedSet(const TestGameFolder& folder) {
  folder.writeText("data/welcome.ini", dataRecord(0, kWelcome, 1, 0, 0));
  for (const char* n : {"1", "2", "3", "4", "5", "6", "7", "77", "8", "9", "10"}) {
    const std::string event = std::string("nahoda") + n;
    folder.writeText("data/" + event + ".ini",
                     dataRecord(0, "Událost " + event, 1, craftedMoney("Událost " + event), 1));
  }
  for (int n = 1; n <= 10; ++n) {
    const std::string text = "Zpráva nahod" + std::to_string(n);
    folder.writeText("data/nahod" + std::to_string(n) + ".ini",
                     dataRecord(0, text, 1, craftedMoney(text), 1));
  }
  folder.writeText("data/seznameni.ini", dataRecord(0, "Seznámení s krásnou cizinkou", 1, 0, 0));
  for (const char* base : {"sesazeni", "atentat"}) {
    for (const char* n : {"1", "2"}) {
      folder.writeText(std::string("data/") + base + n + ".ini",
                       dataRecord(0, std::string("Spiknutí ") + base, 1, 0, 0));
    }
  }
  folder.writeBytes("best.dat", kDefaultBestScores);
  folder.writeBytes("data.dat", " 1 \r\n 1 \r\n 1 \r\n");
}

void writeReignSet(const TestGameFolder& folder) {
  writeCraftedSet(folder);
  for (const char* n : {"1", "2", "3", "4", "5", "6", "7", "77", "8", "9", "10"}) {
    const std::string event = std::string("nahoda") + n;
    folder.writeDataText(event + ".ini", 0, "Událost " + event, 1, 0, 0);
  }
  for (const char* command :
       {"d-armada",   "d-policie", "d-fbi",   "d-prumysl", "d-zemedelstvi", "d-chudina", "d-veda",
        "d-bg",       "utokbrd",   "utokpar", "divera",    "divern",        "otroci",    "povyseni",
        "cesta1",     "cesta2",    "cesta3",  "reklama1",  "reklama2",      "reklama3",  "reforma",
        "znarodneni", "park",      "rusa",    "rusn",      "usaa",          "usan",      "mora",
        "morn",       "pivo",      "svatba",  "neniskym",  "internet",      "pes",       "muz",
        "zena",       "nic"}) {
    folder.writeDataText(std::string(command) + ".ini", 0, std::string("Příkaz ") + command, 1, 0,
                         1);
  }
}

long long craftedMoney(const std::string& info) {
  const auto digits = info.find_first_of("0123456789");
  if (digits == std::string::npos) return 0;
  const long long n = std::stoll(info.substr(digits));
  if (startsWith(info, "Událost nahoda")) return -10 * n;
  if (startsWith(info, "Zpráva nahod")) return 5 * n;
  return 0;
}

long long number(const State& state, const std::string& name) {
  const auto it = state.find(name);
  if (it == state.end()) throw std::out_of_range("no quantity " + name);
  return std::stoll(it->second);
}

}  // namespace velmoran::e2e
