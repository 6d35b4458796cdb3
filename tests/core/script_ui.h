#pragma once

#include <cstdint>
#include <deque>
#include <filesystem>
#include <string>
#include <vector>

#include "state/ui.h"

namespace velmoran::testing {

// A player who follows a script: every call of the game's rules becomes one readable line
// ("MSG critical CHYBA ...", "SCREEN main open", "INFO text", "SOUND top.dat"), and the input
// and Yes/No boxes are answered from queues (an empty input queue takes the default answer).
class ScriptUi : public Ui {
 public:
  void message(Icon icon, const std::string& title, const std::string& text) override {
    log.push_back(std::string("MSG ") + iconName(icon) + " " + title + " " + text);
  }
  bool askYesNo(const std::string& title, const std::string& text) override;
  std::string input(const std::string& title, const std::string& prompt,
                    const std::string& defaultAnswer) override;
  void openScreen(Screen screen) override {
    log.push_back(std::string("SCREEN ") + screenName(screen) + " open");
  }
  void closeScreen(Screen screen) override {
    log.push_back(std::string("SCREEN ") + screenName(screen) + " closed");
  }
  void setGameScreenEnabled(bool on) override { log.push_back(on ? "ENABLED" : "DISABLED"); }
  void playSound(const std::string& fileName) override { log.push_back("SOUND " + fileName); }
  void openLink(const std::string& address) override { log.push_back("LINK " + address); }
  void infoTextChanged(const std::string& text) override { log.push_back("INFO " + text); }
  void gameScreenChanged() override {}
  void bestScoresChanged() override { log.push_back("BEST"); }

  std::vector<std::string> linesStartingWith(const std::string& prefix) const;
  bool has(const std::string& line) const;

  std::vector<std::string> log;
  std::deque<std::string> inputs;  // "" stands for a cancelled box
  std::deque<bool> yesNo;
};

// A game folder of its own in the temporary directory, with a data/ folder; removed again
// when the helper goes away. Texts are given in UTF-8 and stored in windows-1250.
class TempGameFolder {
 public:
  TempGameFolder();
  ~TempGameFolder();
  TempGameFolder(const TempGameFolder&) = delete;
  TempGameFolder& operator=(const TempGameFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

  void writeBytes(const std::string& name, const std::string& bytes) const;
  void writeText(const std::string& name, const std::string& utf8) const;
  // data/<name>: the record of one data text.
  void writeDataText(const std::string& name, std::int32_t questionCode, const std::string& text,
                     int buttonMode, std::int32_t money, int monthEnd) const;
  void writeBest(const std::string& utf8) const { writeText("best.dat", utf8); }
  void writeSettings(const std::string& utf8) const { writeText("data.dat", utf8); }
  std::string readBytes(const std::string& name) const;

 private:
  std::filesystem::path path_;
};

}  // namespace velmoran::testing
