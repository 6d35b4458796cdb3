// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_game_folder.h"

#include <stdlib.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "files/chronicle_texts.h"
#include "files/cp1250.h"

namespace velmoran::testing {

namespace fs = std::filesystem;

TestGameFolder::TestGameFolder() {
  std::string pattern = (fs::temp_directory_path() / "velmoran-test-XXXXXX").string();
  if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
  root_ = pattern;
  game_ = root_ / "game";
  fs::create_directories(game_ / "data");
}

TestGameFolder::~TestGameFolder() {
  std::error_code ec;
  fs::remove_all(root_, ec);
}

void TestGameFolder::writeBytes(const std::string& relative, const std::string& bytes) const {
  std::ofstream out(game_ / relative, std::ios::binary | std::ios::trunc);
  out << bytes;
  if (!out) throw std::runtime_error("cannot write " + relative);
}

void TestGameFolder::writeText(const std::string& relative, const std::string& utf8) const {
  writeBytes(relative, cp1250Bytes(utf8));
}

void TestGameFolder::writeDataText(const std::string& name, std::int32_t questionCode,
                                   const std::string& text, int buttonMode, long long money,
                                   int monthEnd) const {
  writeText("data/" + name, dataRecord(questionCode, text, buttonMode, money, monthEnd));
}

std::string TestGameFolder::readBytes(const std::string& relative) const {
  std::ifstream in(game_ / relative, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void TestGameFolder::remove(const std::string& relative) const {
  fs::remove_all(game_ / relative);
}

void TestGameFolder::copyIn(const fs::path& from, const std::string& relative) const {
  fs::copy(from, game_ / relative,
           fs::copy_options::recursive | fs::copy_options::overwrite_existing);
}

void TestGameFolder::writeChronicleTexts() const {
  std::string texts;
  for (const MomentKindInfo& info : momentKinds()) {
    const char* numbers[] = {"", " %1", " %1 %2"};
    texts += std::string(info.key) + ", \"" + info.key + numbers[info.numbers] + "\"\r\n";
  }
  writeBytes(std::string("data/") + kChronicleTextsFile, texts);
}

std::vector<std::string> TestGameFolder::fileNames() const {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(game_)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::string dataRecord(std::int32_t questionCode, const std::string& text, int buttonMode,
                       long long money, int monthEnd) {
  return std::to_string(questionCode) + "\r\n\"" + text + "\"\r\n" + std::to_string(buttonMode) +
         ", " + std::to_string(money) + ", " + std::to_string(monthEnd) + "\r\n";
}

std::string cp1250Bytes(const std::string& utf8) {
  const auto bytes = encodeCp1250(utf8);
  if (!bytes) throw std::invalid_argument("not windows-1250 text: " + utf8);
  return *bytes;
}

}  // namespace velmoran::testing
