// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <unordered_map>

#include "files/data_text.h"
#include "files/file_fault.h"
#include "files/game_files.h"
#include "files/game_folders.h"

namespace velmoran {

// The data texts as the game reads them, every time it shows one, so that a text edited while
// the game runs shows as edited. Each record read is kept with its file's stamp: while the stamp
// stays the same the file is only looked at, not read and decoded again, and a month costs
// hardly more than a bare read of its text. A file changed within the last moments is read
// every time, as a change in the same tick of the clock would not show in its stamp.
class DataTextShelf {
 public:
  explicit DataTextShelf(const GameFolders& folders,
                         std::chrono::nanoseconds settled = std::chrono::seconds(2))
      : folders_(folders), settled_(settled) {}

  // The record of the data text `name`: the player's own text where there is one, else the
  // installation's. Empty when it cannot be read or holds no record; then `fault` says why
  // (a file that holds no record is damaged).
  std::optional<DataText> read(const std::string& name, FileFault* fault = nullptr);

 private:
  struct Kept {
    FileStamp stamp;
    DataText record;
  };
  std::optional<DataText> readAt(const std::string& path, FileFault* fault);

  const GameFolders& folders_;
  std::chrono::nanoseconds settled_;
  std::unordered_map<std::string, Kept> kept_;
};

}  // namespace velmoran
