// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace velmoran::testing {

// A game folder of its own in the temporary directory, with an empty data/ folder, removed
// again with the object. Beside it lies a scratch folder for whatever a test needs outside the
// game folder. Texts are given in UTF-8 and stored in windows-1250.
class TestGameFolder {
 public:
  TestGameFolder();
  ~TestGameFolder();
  TestGameFolder(const TestGameFolder&) = delete;
  TestGameFolder& operator=(const TestGameFolder&) = delete;

  const std::filesystem::path& path() const { return game_; }
  const std::filesystem::path& scratch() const { return root_; }
  std::filesystem::path operator/(const std::string& relative) const { return game_ / relative; }

  void writeBytes(const std::string& relative, const std::string& bytes) const;
  void writeText(const std::string& relative, const std::string& utf8) const;
  // data/<name>: the record of one data text.
  void writeDataText(const std::string& name, std::int32_t questionCode, const std::string& text,
                     int buttonMode, long long money, int monthEnd) const;
  // data/kronika.ini with every moment's text, each its key and the numbers it takes.
  void writeChronicleTexts() const;
  // Copies a folder's files and folders over this one's (the shipped game's data/ into data/).
  void copyIn(const std::filesystem::path& from, const std::string& relative = "") const;
  void writeBest(const std::string& utf8) const { writeText("best.dat", utf8); }
  void writeSettings(const std::string& utf8) const { writeText("data.dat", utf8); }
  std::string readBytes(const std::string& relative) const;
  void remove(const std::string& relative) const;
  // The names at the top of the game folder, sorted.
  std::vector<std::string> fileNames() const;

 private:
  std::filesystem::path root_, game_;
};

// One data text record in UTF-8: the question code, the quoted text, then the button mode,
// the money and the month-end flag on one line, with CR LF line ends.
std::string dataRecord(std::int32_t questionCode, const std::string& text, int buttonMode,
                       long long money, int monthEnd);

// UTF-8 as windows-1250 bytes; throws if the text has a character the code page lacks.
std::string cp1250Bytes(const std::string& utf8);

}  // namespace velmoran::testing
