// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/game_folders.h"

#include <cstdlib>
#include <system_error>

#include "files/followed_links.h"
#include "files/game_files.h"
#include "files/kept_chronicles.h"
#include "files/kept_reign.h"

namespace velmoran {

namespace fs = std::filesystem;

namespace {

bool isDirectory(const fs::path& path) {
  std::error_code ec;
  return fs::is_directory(path, ec);
}

bool sameFolder(const fs::path& a, const fs::path& b) {
  std::error_code ec;
  return fs::equivalent(a, b, ec);
}

// The files of the game beside its texts: in the game folder, the player's or the installation's.
constexpr const char* kOwnFiles[] = {"best.dat", "best.dat.lock", "data.dat",  "data.dat.lock",
                                     "top.dat",  "sound.dat",     "about.dat", "napoveda.html"};

bool startsAndEnds(const std::string& name, const std::string& start, const std::string& end) {
  return name.size() >= start.size() + end.size() && name.compare(0, start.size(), start) == 0 &&
         name.compare(name.size() - end.size(), end.size(), end) == 0;
}

bool isOwnName(const std::string& name) {
  for (const char* own : kOwnFiles) {
    if (name == own) return true;
  }
  // The unfinished reign and its lock, the reigns set aside, and the help page's pictures.
  const std::string reign = kKeptReignFile;
  return name == reign || name == reign + ".lock" ||
         startsAndEnds(name, "rozehrana-odlozena-", ".dat") ||
         startsAndEnds(name, "napoveda-", ".png");
}

// The player's first start: the shipped best scores and settings become theirs. A failure
// leaves the file missing, which the game reports when it needs it.
void copyDefaults(const fs::path& defaults, const fs::path& player) {
  std::error_code ec;
  fs::create_directories(player, ec);
  for (const char* name : {"best.dat", "data.dat"}) {
    if (fs::exists(player / name, ec) || !fs::exists(defaults / name, ec)) continue;
    // Through the game's own writer: a first start killed halfway leaves no part of a file.
    if (const auto bytes = readGameFile(defaults / name)) replaceGameFile(player / name, *bytes);
  }
}

}  // namespace

fs::path playerFolder(const char* home, const char* xdgDataHome) {
  if (xdgDataHome && fs::path(xdgDataHome).is_absolute()) {
    return fs::path(xdgDataHome) / "velmoran";
  }
  const fs::path homeFolder = home && *home ? fs::path(home) : fs::path("/");
  return homeFolder / ".local" / "share" / "velmoran";
}

fs::path GameFolders::textFile(const std::string& name) const {
  std::error_code ec;
  const bool there = fs::exists(fs::symlink_status(texts / name, ec));
  return there || installedTexts.empty() ? texts / name : installedTexts / name;
}

std::optional<std::string> GameFolders::readText(const std::string& name, FileFault* fault) const {
  std::string path = texts.native();
  path += '/';
  path += name;
  FileFault own = FileFault::None;
  auto bytes = readGameFileAt(path, &own);
  if (!bytes && own == FileFault::Missing && !installedTexts.empty()) {
    return readGameFileAt((installedTexts / name).native(), fault);
  }
  if (!bytes && fault) *fault = own;
  return bytes;
}

bool GameFolders::holds(const fs::path& file) const {
  const auto links = followLinks(file);
  if (!links) return false;
  std::error_code ec;
  const fs::path target = fs::absolute(links->target, ec);
  const fs::path folder = target.parent_path();
  const auto in = [&](const fs::path& ours) { return !ours.empty() && sameFolder(folder, ours); };
  if (in(texts) || in(installedTexts) || in(player / kChronicleFolder) ||
      in(shipped / "defaults")) {
    return true;
  }
  return (in(player) || in(shipped)) && isOwnName(target.filename().string());
}

GameFolders findGameFolders(const fs::path& working, const std::optional<fs::path>& installed,
                            const fs::path& player) {
  if (!installed) return GameFolders(working);
  // Neither the installation's folder nor the player's is a game folder of its own, though
  // both hold data/: the game would then write into the package, or miss the installation's
  // texts beside the one the player changed.
  std::error_code ec;
  if (fs::is_regular_file(working / "data" / "welcome.ini", ec) &&
      !sameFolder(working, *installed) && !sameFolder(working, player)) {
    return GameFolders(working);
  }
  const fs::path texts = isDirectory(player / "data") ? player / "data" : *installed / "data";
  return GameFolders(*installed, texts, player, *installed / "data");
}

GameFolders locateGameFolders(const fs::path& working, const std::optional<fs::path>& installed,
                              const fs::path& player) {
  GameFolders folders = findGameFolders(working, installed, player);
  // What the installation gives a new player lies under a folder no player's file shares.
  if (installed && folders.player == player) copyDefaults(*installed / "defaults", player);
  return folders;
}

std::optional<fs::path> installedGameFolder(const fs::path& program) {
  const fs::path shipped = (program.parent_path() / VELMORAN_SHIPPED_FROM_BIN).lexically_normal();
  if (!isDirectory(shipped / "data")) return std::nullopt;
  return shipped;
}

std::optional<fs::path> installationOfThisRun() {
  std::error_code ec;
  const fs::path program = fs::read_symlink("/proc/self/exe", ec);
  return ec ? std::nullopt : installedGameFolder(program);
}

fs::path playerFolderOfThisRun() {
  return playerFolder(std::getenv("HOME"), std::getenv("XDG_DATA_HOME"));
}

GameFolders gameFoldersOfThisRun() {
  std::error_code ec;
  const fs::path working = fs::current_path(ec);
  return locateGameFolders(working, installationOfThisRun(), playerFolderOfThisRun());
}

}  // namespace velmoran
