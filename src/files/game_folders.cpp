// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/game_folders.h"

#include <cstdlib>
#include <system_error>

#include "files/game_files.h"

namespace velmoran {

namespace fs = std::filesystem;

namespace {

bool isDirectory(const fs::path& path) {
  std::error_code ec;
  return fs::is_directory(path, ec);
}

// The player's first start: the shipped best scores and settings become theirs. A failure
// leaves the file missing, which the game reports when it needs it.
void copyDefaults(const fs::path& shipped, const fs::path& player) {
  std::error_code ec;
  fs::create_directories(player, ec);
  for (const char* name : {"best.dat", "data.dat"}) {
    if (fs::exists(player / name, ec) || !fs::exists(shipped / name, ec)) continue;
    // Through the game's own writer: a first start killed halfway leaves no part of a file.
    if (const auto bytes = readGameFile(shipped / name)) replaceGameFile(player / name, *bytes);
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

GameFolders locateGameFolders(const fs::path& working, const std::optional<fs::path>& installed,
                              const fs::path& player) {
  std::error_code ec;
  if (fs::is_regular_file(working / "data" / "welcome.ini", ec) || !installed) {
    return GameFolders(working);
  }
  copyDefaults(*installed, player);
  const fs::path texts = isDirectory(player / "data") ? player / "data" : *installed / "data";
  return GameFolders(*installed, texts, player);
}

std::optional<fs::path> installedGameFolder(const fs::path& program) {
  const fs::path shipped = (program.parent_path() / VELMORAN_SHIPPED_FROM_BIN).lexically_normal();
  if (!isDirectory(shipped / "data")) return std::nullopt;
  return shipped;
}

GameFolders gameFoldersOfThisRun() {
  std::error_code noProgram, noWorkingFolder;
  const fs::path program = fs::read_symlink("/proc/self/exe", noProgram);
  const fs::path working = fs::current_path(noWorkingFolder);
  return locateGameFolders(working, noProgram ? std::nullopt : installedGameFolder(program),
                           playerFolder(std::getenv("HOME"), std::getenv("XDG_DATA_HOME")));
}

}  // namespace velmoran
