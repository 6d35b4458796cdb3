// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "files/file_fault.h"
#include "files/reign_chronicle.h"

namespace velmoran {

// The unfinished reign, kept in the player's folder beside "best.dat" while it is played, so
// that the next start of the game can go on with it exactly where it stopped.
inline constexpr char kKeptReignFile[] = "rozehrana.dat";
// The version of the file this game writes; a file of a later version is not read.
inline constexpr long long kKeptReignVersion = 1;

// The rebellion screen while it is open.
struct KeptRebellion {
  std::vector<std::string> stebou;
  std::vector<std::string> protitobe;
  std::string tvojes;
  std::string jejichs;
};

// Everything a reign needs to go on: the game screen, the working variables of the run, the
// random generator and the chronicle recorded so far. Texts are UTF-8.
struct KeptReign {
  // Every quantity by its name, with the text its control shows.
  std::vector<std::pair<std::string, std::string>> quantities;
  // The game screen.
  std::string info;
  bool okVisible = false;
  bool anoVisible = false;
  bool neVisible = false;
  bool reportVisible = false;
  bool monthBannerVisible = false;
  std::uint8_t partisanShare = 0;
  std::array<bool, 3> look{};  // bold panel text, white on black, bold buttons
  bool enabled = true;
  std::vector<std::string> withdrawn;  // menu entries, by their commands
  // The random generator's state.
  std::uint32_t random = 0;
  // The working variables.
  std::uint8_t drawRange = 0;
  std::uint8_t drawBase = 0;
  std::uint8_t drawnNumber = 0;
  bool mayAct = false;
  std::string textFileName;
  std::string infoText;
  std::int32_t questionCode = 0;
  std::uint8_t buttonMode = 0;
  std::int32_t moneyAmount = 0;
  std::uint8_t monthEnd = 0;
  std::string textBaseName;
  bool partner = false;
  bool sexChange = false;
  std::optional<KeptRebellion> rebellion;
  // The chronicle so far, and every how many months the recorder keeps a month's figures.
  long long chronicleStride = 1;
  ReignChronicle chronicle;
};

// The file's bytes: windows-1250 text, one record a line in the fields of the game's files,
// each led by its key; its first line names the format and its version, the chronicle
// follows in the format of the kept chronicles.
std::string keptReignBytes(const KeptReign& reign);

struct KeptReignReading {
  std::optional<KeptReign> reign;
  FileFault fault = FileFault::None;  // why there is no reign
  // A file of a later version of the game: its version, and the fault is Damaged.
  long long newerVersion = 0;
};

// Strict: a file that is truncated, damaged, not this file at all or of a later version is
// no reign.
KeptReignReading parseKeptReign(std::string_view bytes);
bool readsAsKeptReign(std::string_view bytes);

// Reads the file, never through another user's link and never waiting on what is no file.
// A missing file is no reign with the fault Missing.
KeptReignReading readKeptReign(const std::filesystem::path& path);

// Replaces the file whole, crash-safe like "best.dat". A reign too large for a file of the
// game is not written (TooLarge).
bool writeKeptReign(const std::filesystem::path& path, const KeptReign& reign,
                    FileFault* fault = nullptr);

// Removes the file (a link of the player's, not what it points to). False if something that
// is there stays.
bool removeKeptReign(const std::filesystem::path& path);

// Moves whatever lies under the file's name aside, under a new name beside it that nothing
// holds yet ("rozehrana-odlozena-1.dat"), so that the player can start anew and nothing is
// lost. The new name, or empty if nothing could be moved.
std::optional<std::filesystem::path> moveKeptReignAside(const std::filesystem::path& path);

}  // namespace velmoran
