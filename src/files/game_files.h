// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "files/file_fault.h"

namespace velmoran {

// No file of the game is larger; a reader takes no more.
inline constexpr std::size_t kLargestGameFile = 1 << 20;

// Whole content of a file, or empty if it is missing, unreadable (a folder) or larger than any
// file of the game can be; then `fault`, when given, says why. Never waits on what lies in a
// file's place (a FIFO reads empty).
std::optional<std::string> readGameFile(const std::filesystem::path& path,
                                        FileFault* fault = nullptr);

// The same for a path already written out as text: the data texts are read every month, and
// building a path object costs more than the work of reading one.
std::optional<std::string> readGameFileAt(const std::string& path, FileFault* fault = nullptr);

// What a file's status tells of its content without reading it: the file, its size and the
// moments of its last write and its last change. The moment of change is the system's own (no
// program can set it back), so a file whose stamp is the same has not changed since, but for
// changes made within one tick of the system's clock.
struct FileStamp {
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  std::uint64_t size = 0;
  std::int64_t modifiedNs = 0;
  std::int64_t changedNs = 0;

  bool operator==(const FileStamp& other) const {
    return device == other.device && inode == other.inode && size == other.size &&
           modifiedNs == other.modifiedNs && changedNs == other.changedNs;
  }
};

// readGameFileAt, for a reader that keeps what it read: `stamp` gets the file's stamp, and a file
// whose stamp equals `known` is not read again (its bytes come back as an empty string).
std::optional<std::string> readGameFileUnlessKnown(const std::string& path, const FileStamp* known,
                                                   FileStamp& stamp, FileFault* fault = nullptr);

// The same for a file that may be up to `largest` bytes, such as a sound.
std::optional<std::string> readRegularFile(const std::filesystem::path& path, std::size_t largest,
                                           FileFault* fault = nullptr);

// The first `count` bytes of a regular file (all of a shorter one), however large the file is.
std::optional<std::string> readFileStart(const std::filesystem::path& path, std::size_t count,
                                         FileFault* fault = nullptr);

// Whether bytes read as a file of one kind (a best-scores table, the settings).
using FileKindCheck = bool (*)(std::string_view bytes);

// Replaces the file whole. The bytes go to a temporary file of this write's own beside the
// file, reach the disk, and the temporary file then takes the file's place; so a reader, a
// second copy of the game or a crash finds the old file or the new one, never a part of one.
// A symbolic link stays a link and the file it points to is replaced, but only a link of the
// player running the game, to a file that does not exist yet or that `readsAsKind` accepts
// (any file, without a check): a link planted by someone else never makes the game overwrite
// their choice of file. The file keeps its owner, group and permissions where the game may
// set them, and a file the player may not write (read-only) is left alone. False on any
// failure, with the file as it was; then `fault`, when given, says why.
// Before the write, the temporary files that killed writes of this file left beside it are
// removed.
bool replaceGameFile(const std::filesystem::path& path, const std::string& bytes,
                     FileKindCheck readsAsKind = nullptr, FileFault* fault = nullptr);

// The same write for a file the player names, such as an export of figures: nothing beside the
// file is removed, whatever its name.
bool replaceFile(const std::filesystem::path& path, const std::string& bytes,
                 FileFault* fault = nullptr);

// Writes a new file whole, as the replacement above does, but never in the place of anything
// already there under its name (a file, a folder, a link, even one to nothing): then false, with
// `fault` Exists. Of two writes of one name at the same moment exactly one succeeds.
bool createFile(const std::filesystem::path& path, const std::string& bytes,
                FileFault* fault = nullptr);

// Removes what writes of this file left behind when their copy of the game was killed in the
// middle of one. Harmless to a copy of the game that is writing the file at the same moment.
void clearInterruptedWrites(const std::filesystem::path& path);
// The same for every file of `folder` whose name `isGameFile` accepts.
void clearInterruptedWritesIn(const std::filesystem::path& folder,
                              bool (*isGameFile)(std::string_view name));

}  // namespace velmoran
