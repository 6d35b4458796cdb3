#include "script_ui.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "state/cp1250.h"

namespace velmoran::testing {

bool ScriptUi::askYesNo(const std::string& title, const std::string& text) {
  log.push_back("ASK " + title + " " + text);
  if (yesNo.empty()) {
    ADD_FAILURE() << "unscripted Yes/No box: " << title;
    return false;
  }
  const bool answer = yesNo.front();
  yesNo.pop_front();
  return answer;
}

std::string ScriptUi::input(const std::string& title, const std::string& prompt,
                            const std::string& defaultAnswer) {
  log.push_back("INPUT " + title + " | " + prompt + " | " + defaultAnswer);
  if (inputs.empty()) return defaultAnswer;
  std::string answer = inputs.front();
  inputs.pop_front();
  return answer;
}

std::vector<std::string> ScriptUi::linesStartingWith(const std::string& prefix) const {
  std::vector<std::string> lines;
  for (const auto& line : log) {
    if (line.compare(0, prefix.size(), prefix) == 0) lines.push_back(line);
  }
  return lines;
}

bool ScriptUi::has(const std::string& line) const {
  return std::find(log.begin(), log.end(), line) != log.end();
}

TempGameFolder::TempGameFolder() {
  // Test cases run as parallel processes: the process id keeps their folders apart.
  static int counter = 0;
  path_ = std::filesystem::temp_directory_path() /
          ("velmoran-core-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
  std::filesystem::remove_all(path_);
  std::filesystem::create_directories(path_ / "data");
}

TempGameFolder::~TempGameFolder() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

void TempGameFolder::writeBytes(const std::string& name, const std::string& bytes) const {
  std::ofstream out(path_ / name, std::ios::binary | std::ios::trunc);
  out << bytes;
  if (!out) throw std::runtime_error("cannot write " + name);
}

void TempGameFolder::writeText(const std::string& name, const std::string& utf8) const {
  const auto bytes = encodeCp1250(utf8);
  if (!bytes) throw std::invalid_argument("not windows-1250: " + utf8);
  writeBytes(name, *bytes);
}

void TempGameFolder::writeDataText(const std::string& name, std::int32_t questionCode,
                                   const std::string& text, int buttonMode, std::int32_t money,
                                   int monthEnd) const {
  writeText("data/" + name, std::to_string(questionCode) + "\r\n\"" + text + "\"\r\n" +
                                std::to_string(buttonMode) + ", " + std::to_string(money) + ", " +
                                std::to_string(monthEnd) + "\r\n");
}

std::string TempGameFolder::readBytes(const std::string& name) const {
  std::ifstream in(path_ / name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<std::string> namesIn(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace velmoran::testing
