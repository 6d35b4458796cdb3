// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/temporary_files.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstring>
#include <exception>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <system_error>

namespace velmoran {

namespace {

namespace fs = std::filesystem;

constexpr char kTemporaryEnd[] = ".tmp";
// A name taken by whatever was planted there is skipped for another; past this many the write
// gives up.
constexpr int kMostAttempts = 100;

fs::path folderOf(const fs::path& target) {
  return target.has_parent_path() ? target.parent_path() : fs::path(".");
}

std::string temporaryName(const fs::path& target, pid_t pid, unsigned long long draw) {
  return target.filename().string() + "." + std::to_string(pid) + "-" + std::to_string(draw) +
         kTemporaryEnd;
}

bool endsWith(std::string_view text, std::string_view suffix) {
  return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

bool allDigits(std::string_view text) {
  if (text.empty()) return false;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

// A temporary file's name split into the name of the file it was to replace and the process
// that wrote it: "best.dat.4711-8015.tmp" is best.dat's, written by process 4711. Empty for
// any other name.
struct TemporaryName {
  std::string_view target;
  pid_t writer = 0;
};

std::optional<TemporaryName> splitTemporaryName(std::string_view name) {
  if (!endsWith(name, kTemporaryEnd)) return std::nullopt;
  name.remove_suffix(std::string_view(kTemporaryEnd).size());
  const auto dot = name.rfind('.');
  if (dot == std::string_view::npos || dot == 0) return std::nullopt;
  const std::string_view numbers = name.substr(dot + 1);
  const auto dash = numbers.find('-');
  if (dash == std::string_view::npos) return std::nullopt;
  const std::string_view pidText = numbers.substr(0, dash);
  if (!allDigits(pidText) || !allDigits(numbers.substr(dash + 1))) return std::nullopt;
  pid_t pid = 0;
  const auto result = std::from_chars(pidText.data(), pidText.data() + pidText.size(), pid);
  if (result.ec != std::errc() || result.ptr != pidText.data() + pidText.size() || pid <= 0) {
    return std::nullopt;
  }
  return TemporaryName{name.substr(0, dot), pid};
}

bool isRunningElsewhere(pid_t pid) {
  if (pid == ::getpid()) return false;
  return ::kill(pid, 0) == 0 || errno == EPERM;
}

// The name's second number comes from the system's own source of chance, never from the game's
// generator (whose sequence every start replays), so that no one can plant a folder under the
// name a write will take. A system without one falls back on a count.
unsigned long long nameDraw() {
  static unsigned long long count = 0;
  try {
    std::random_device chance;
    return std::uniform_int_distribution<unsigned long long>()(chance);
  } catch (const std::exception&) {
    return count++;
  }
}

}  // namespace

int createTemporaryFile(const fs::path& target, fs::path& temporary) {
  for (int attempt = 0; attempt < kMostAttempts; ++attempt) {
    temporary = folderOf(target) / temporaryName(target, ::getpid(), nameDraw());
    const int fd =
        ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

void removeLeftoverTemporaryFilesIn(const fs::path& folder,
                                    const std::function<bool(std::string_view)>& isTarget) {
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    const auto temporary = splitTemporaryName(name);
    const bool earlierVersion =
        endsWith(name, kTemporaryEnd) &&
        isTarget(std::string_view(name).substr(0, name.size() - std::strlen(kTemporaryEnd)));
    if (earlierVersion ||
        (temporary && isTarget(temporary->target) && !isRunningElsewhere(temporary->writer))) {
      // unlink removes a link itself, never what it points to.
      ::unlink(it->path().c_str());
    }
  }
}

void removeLeftoverTemporaryFiles(const fs::path& target) {
  const std::string targetName = target.filename().string();
  removeLeftoverTemporaryFilesIn(folderOf(target),
                                 [&](std::string_view name) { return name == targetName; });
}

}  // namespace velmoran
