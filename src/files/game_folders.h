// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <utility>

#include "files/file_fault.h"

namespace velmoran {

// Where a run of the game finds its files.
struct GameFolders {
  // Everything in one game folder, such as the build's build/game. Implicit: wherever one
  // folder is given, it is the game folder.
  GameFolders(const std::filesystem::path& gameFolder)
      : shipped(gameFolder), texts(gameFolder / "data"), player(gameFolder) {}
  GameFolders(std::filesystem::path shipped, std::filesystem::path texts,
              std::filesystem::path player, std::filesystem::path installedTexts)
      : shipped(std::move(shipped)),
        texts(std::move(texts)),
        player(std::move(player)),
        installedTexts(std::move(installedTexts)) {}

  // The file the game reads for the data text `name`: the one in `texts` when it is there
  // (a damaged one included, so that the player hears of it), else the installation's.
  std::filesystem::path textFile(const std::string& name) const;
  // The bytes of that file, read with as few calls to the system as one bare read: the game
  // reads a text every month. Empty when it cannot be read, and then `fault` says why.
  std::optional<std::string> readText(const std::string& name, FileFault* fault = nullptr) const;

  // Whether `file`, where its links lead, is one of the game's own files: a data text or anything
  // else in a folder of texts, a sound, the help page, a kept chronicle, the player's best
  // scores and settings and their locks, or the installation's defaults. A file the player
  // names, such as an export of figures, never takes the place of one of them.
  bool holds(const std::filesystem::path& file) const;

  std::filesystem::path shipped;  // what comes with the game: the sounds and the help page
  std::filesystem::path texts;    // the data texts
  std::filesystem::path player;   // the player's own files: best.dat and data.dat
  // The installation's data texts, for those a player's own data/ lacks; empty in a game
  // folder, which has to hold every text itself.
  std::filesystem::path installedTexts;
};

// The per-user data folder of the game: $XDG_DATA_HOME/velmoran, or
// $HOME/.local/share/velmoran when XDG_DATA_HOME is unset, empty or not absolute.
std::filesystem::path playerFolder(const char* home, const char* xdgDataHome);

// The folders of a run started in `working`. A game folder (one holding data/welcome.ini)
// keeps everything there. Otherwise, and always in the installation's own folder or the
// player's, an installed game (`installed` names its shipped folder) keeps the player's
// best.dat and data.dat in `player` and reads each data text from `player`/data when the
// player has put it there (to change the game's texts), else from the installation's. Without
// an installation the working folder is the game folder.
GameFolders findGameFolders(const std::filesystem::path& working,
                            const std::optional<std::filesystem::path>& installed,
                            const std::filesystem::path& player);

// The same, and on the player's first start their best.dat and data.dat are copied from the
// installation's defaults.
GameFolders locateGameFolders(const std::filesystem::path& working,
                              const std::optional<std::filesystem::path>& installed,
                              const std::filesystem::path& player);

// The shipped folder of an installed program: share/velmoran beside its bin/ folder (as the
// installation places them), if there is one. Its defaults/ holds the best.dat and data.dat a
// new player starts with, under a folder of their own so that installing into the player's
// folder (a prefix of ~/.local) never replaces the player's files.
std::optional<std::filesystem::path> installedGameFolder(const std::filesystem::path& program);

// The installation of this process's program file, and the per-user folder its environment
// names.
std::optional<std::filesystem::path> installationOfThisRun();
std::filesystem::path playerFolderOfThisRun();

// The folders of this process: its working folder, its program file and its environment.
GameFolders gameFoldersOfThisRun();

}  // namespace velmoran
