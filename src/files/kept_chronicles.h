// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "files/best_scores.h"
#include "files/file_fault.h"
#include "files/reign_chronicle.h"

namespace velmoran {

// The chronicles of the player's reigns, one file each in the folder "kroniky" of the player's
// folder: the last ten reigns, and the reigns of the three rulers of the best-scores table.
inline constexpr char kChronicleFolder[] = "kroniky";

// Writes the chronicle of the reign just ended, crash-safe like "best.dat", as a new file
// numbered after the newest, and removes the kept files that are neither of the last ten reigns
// nor of a ruler in `best`. False if the chronicle could not be written, with `fault` saying
// why; the files kept before are then left as they were. The folder may be a link of the
// player's own, never another user's.
bool keepChronicle(const std::filesystem::path& playerFolder, const ReignChronicle& chronicle,
                   const std::optional<BestScores>& best, FileFault* fault = nullptr);

// Removes what chronicle writes of copies of the game that were killed left behind.
void clearInterruptedChronicleWrites(const std::filesystem::path& playerFolder);

// The kept chronicle files, the newest first.
std::vector<std::filesystem::path> keptChronicleFiles(const std::filesystem::path& playerFolder);

struct KeptChronicle {
  enum class State { Found, None, Damaged };
  State state = State::None;
  std::optional<ReignChronicle> chronicle;
};

// The newest kept chronicle: damaged if its file cannot be read as a chronicle.
KeptChronicle newestChronicle(const std::filesystem::path& playerFolder);
// The newest kept chronicle of the ruler who ruled `months` months: damaged if its file can
// be told to be that reign's yet cannot be read whole.
KeptChronicle chronicleOf(const std::filesystem::path& playerFolder, const std::string& ruler,
                          long long months);

}  // namespace velmoran
