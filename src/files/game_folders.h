// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <optional>
#include <utility>

namespace velmoran {

// Where a run of the game finds its files.
struct GameFolders {
  // Everything in one game folder, such as the build's build/game. Implicit: wherever one
  // folder is given, it is the game folder.
  GameFolders(const std::filesystem::path& gameFolder)
      : shipped(gameFolder), texts(gameFolder / "data"), player(gameFolder) {}
  GameFolders(std::filesystem::path shipped, std::filesystem::path texts,
              std::filesystem::path player)
      : shipped(std::move(shipped)), texts(std::move(texts)), player(std::move(player)) {}

  std::filesystem::path shipped;  // what comes with the game: the sounds and the help page
  std::filesystem::path texts;    // the data texts
  std::filesystem::path player;   // the player's own files: best.dat and data.dat
};

// The per-user data folder of the game: $XDG_DATA_HOME/velmoran, or
// $HOME/.local/share/velmoran when XDG_DATA_HOME is unset, empty or not absolute.
std::filesystem::path playerFolder(const char* home, const char* xdgDataHome);

// The folders of a run. Started in a game folder (one holding data/welcome.ini), the game
// keeps everything there. Otherwise an installed game (`installed` names its shipped folder)
// keeps the player's best.dat and data.dat in `player`, copied there from the shipped ones on
// the first start, and reads the data texts from `player`/data when the player has made one
// (to change the game's texts), else from the shipped ones. Without an installation the
// working folder is the game folder.
GameFolders locateGameFolders(const std::filesystem::path& working,
                              const std::optional<std::filesystem::path>& installed,
                              const std::filesystem::path& player);

// The shipped folder of an installed program: share/velmoran beside its bin/ folder (as the
// installation places them), if there is one.
std::optional<std::filesystem::path> installedGameFolder(const std::filesystem::path& program);

// The folders of this process: its working folder, its program file and its environment.
GameFolders gameFoldersOfThisRun();

}  // namespace velmoran
