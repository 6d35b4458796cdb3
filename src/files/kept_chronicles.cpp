// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/kept_chronicles.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <system_error>

#include "files/decimal_text.h"
#include "files/file_lock.h"
#include "files/followed_links.h"
#include "files/game_files.h"

namespace velmoran {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kLastReignsKept = 10;
constexpr char kPrefix[] = "kronika-";
constexpr char kSuffix[] = ".dat";
// The numbers the game gives its chronicles: a reign a second would take thirty years to use
// them up. A file under a larger number is none of the game's.
constexpr long long kLargestSerial = 999'999'999;
// A number taken by a copy of the game that could not wait for the others is skipped for the
// next; past this many the chronicle is not kept.
constexpr int kMostNumbersTried = 100;
// The heading of a kept chronicle, its two names and the months, lies within its first bytes:
// a name has at most 255 characters, each written in at most ten bytes.
constexpr std::size_t kHeadingBytes = 16 * 1024;

bool fail(FileFault* fault, FileFault why) {
  if (fault) *fault = why;
  return false;
}

// The number in a kept file's name, "kronika-000012.dat"; empty for any other name.
std::optional<long long> serialOf(std::string_view name) {
  const std::string_view prefix = kPrefix, suffix = kSuffix;
  if (name.size() <= prefix.size() + suffix.size() || name.substr(0, prefix.size()) != prefix ||
      name.substr(name.size() - suffix.size()) != suffix) {
    return std::nullopt;
  }
  const std::string_view digits =
      name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
  if (digits.find_first_not_of("0123456789") != std::string_view::npos) return std::nullopt;
  const auto serial = strictWholeNumber(digits);
  return serial && *serial <= kLargestSerial ? serial : std::nullopt;
}

bool isChronicleName(std::string_view name) {
  return serialOf(name).has_value();
}

fs::path fileNumbered(const fs::path& folder, long long serial) {
  std::string digits = std::to_string(serial);
  digits.insert(0, digits.size() < 6 ? 6 - digits.size() : 0, '0');
  return folder / (kPrefix + digits + kSuffix);
}

// The folder of the kept chronicles where the game may use it: in the player's folder, or
// where a link of the player's own leads. A link of another user is never followed: the game
// would write, and remove, files of a folder the player never chose.
std::optional<fs::path> chronicleFolder(const fs::path& playerFolder, FileFault* fault) {
  const auto links = followLinks(playerFolder / kChronicleFolder);
  if (!links || !links->allOurs) {
    fail(fault, FileFault::LinkNotFollowed);
    return std::nullopt;
  }
  return links->target;
}

struct KeptFile {
  long long serial;
  fs::path path;
};

// The kept files, the newest first; empty with `fault` when the folder cannot be read (a folder
// that does not exist holds none).
std::optional<std::vector<KeptFile>> listFolder(const fs::path& folder, FileFault* fault) {
  std::vector<KeptFile> files;
  std::error_code ec;
  fs::directory_iterator it(folder, ec), end;
  for (; !ec && it != end; it.increment(ec)) {
    if (const auto serial = serialOf(it->path().filename().string())) {
      files.push_back({*serial, it->path()});
    }
  }
  if (ec && ec != std::errc::no_such_file_or_directory) {
    const int error = ec.value();
    fail(fault, error == EACCES    ? FileFault::NotReadable
                : error == ENOTDIR ? FileFault::NotAFile
                                   : faultOfError(error));
    return std::nullopt;
  }
  std::sort(files.begin(), files.end(),
            [](const KeptFile& a, const KeptFile& b) { return a.serial > b.serial; });
  return files;
}

std::vector<KeptFile> listKept(const fs::path& playerFolder) {
  const auto folder = chronicleFolder(playerFolder, nullptr);
  return folder ? listFolder(*folder, nullptr).value_or(std::vector<KeptFile>{})
                : std::vector<KeptFile>{};
}

// Whose reign a kept file holds, from its first bytes alone: a large file planted among the
// chronicles costs one small read. A heading the read cut off is no heading.
std::optional<ReignChronicle> headingOf(const fs::path& file) {
  const auto bytes = readFileStart(file, kHeadingBytes);
  if (!bytes) return std::nullopt;
  return parseChronicleHeadingOfStart(*bytes, bytes->size() == kHeadingBytes);
}

bool isReignOf(const ReignChronicle& heading, const std::string& ruler, long long months) {
  return heading.ruler == ruler && heading.months == months;
}

// Keeps the newest files, and the newest of each ruler in `best`; removes the rest.
void removeAllBut(const std::vector<KeptFile>& files, const std::optional<BestScores>& best) {
  std::array<bool, 3> rowKept{};
  for (std::size_t i = 0; i < files.size(); ++i) {
    bool kept = i < kLastReignsKept;
    const bool rowsLeft = best && std::find(rowKept.begin(), rowKept.end(), false) != rowKept.end();
    if (const auto heading = rowsLeft ? headingOf(files[i].path) : std::nullopt) {
      for (std::size_t row = 0; row < rowKept.size(); ++row) {
        if (!rowKept[row] && isReignOf(*heading, best->names[row], best->months[row])) {
          rowKept[row] = kept = true;
        }
      }
    }
    // unlink takes a file or a link away, never a folder nor what a link points to.
    if (!kept) ::unlink(files[i].path.c_str());
  }
}

KeptChronicle readKept(const fs::path& file) {
  const auto bytes = readGameFile(file);
  auto chronicle = bytes ? parseChronicle(*bytes) : std::nullopt;
  if (!chronicle) return {KeptChronicle::State::Damaged, std::nullopt};
  return {KeptChronicle::State::Found, std::move(chronicle)};
}

}  // namespace

std::vector<fs::path> keptChronicleFiles(const fs::path& playerFolder) {
  std::vector<fs::path> paths;
  for (KeptFile& file : listKept(playerFolder)) paths.push_back(std::move(file.path));
  return paths;
}

bool keepChronicle(const fs::path& playerFolder, const ReignChronicle& chronicle,
                   const std::optional<BestScores>& best, FileFault* fault) {
  const auto folder = chronicleFolder(playerFolder, fault);
  if (!folder) return false;
  std::error_code ec;
  fs::create_directory(*folder, ec);
  // Copies of the game that end reigns at the same moment take turns, on the lock of the game
  // over that the best scores take too ("best.dat.lock"), so that each numbers its chronicle
  // after the others' and none removes what another keeps.
  const FileLock lock(playerFolder / "best.dat");
  auto files = listFolder(*folder, fault);
  if (!files) return false;
  const std::string bytes = chronicleBytes(chronicle);
  long long serial = files->empty() ? 1 : files->front().serial + 1;
  for (int tried = 0;; ++tried, ++serial) {
    if (serial > kLargestSerial || tried == kMostNumbersTried) return fail(fault, FileFault::Other);
    FileFault why = FileFault::None;
    // A new file under a new number: nothing kept is ever written over.
    if (createFile(fileNumbered(*folder, serial), bytes, &why)) break;
    if (why != FileFault::Exists) return fail(fault, why);
  }
  files->insert(files->begin(), {serial, fileNumbered(*folder, serial)});
  removeAllBut(*files, best);
  return true;
}

void clearInterruptedChronicleWrites(const fs::path& playerFolder) {
  if (const auto folder = chronicleFolder(playerFolder, nullptr)) {
    clearInterruptedWritesIn(*folder, isChronicleName);
  }
}

KeptChronicle newestChronicle(const fs::path& playerFolder) {
  const auto files = listKept(playerFolder);
  if (files.empty()) return {};
  return readKept(files.front().path);
}

KeptChronicle chronicleOf(const fs::path& playerFolder, const std::string& ruler,
                          long long months) {
  for (const KeptFile& file : listKept(playerFolder)) {
    const auto heading = headingOf(file.path);
    if (heading && isReignOf(*heading, ruler, months)) return readKept(file.path);
  }
  return {};
}

}  // namespace velmoran
