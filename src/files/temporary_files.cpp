// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/temporary_files.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <exception>
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

bool startsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
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

// The writing process of a temporary file of `target` named `name`, or 0 if the name is not
// one of them.
pid_t writerOf(std::string_view name, std::string_view targetName) {
  const std::string prefix = std::string(targetName) + ".";
  const std::string_view end = kTemporaryEnd;
  // "best.dat.tmp" starts and ends like one, but the two overlap.
  if (name.size() < prefix.size() + end.size() || !startsWith(name, prefix) ||
      !endsWith(name, end)) {
    return 0;
  }
  name.remove_prefix(prefix.size());
  name.remove_suffix(end.size());
  const auto dash = name.find('-');
  if (dash == std::string_view::npos) return 0;
  const std::string_view pidText = name.substr(0, dash);
  if (!allDigits(pidText) || !allDigits(name.substr(dash + 1))) return 0;
  pid_t pid = 0;
  const auto result = std::from_chars(pidText.data(), pidText.data() + pidText.size(), pid);
  return result.ec == std::errc() && result.ptr == pidText.data() + pidText.size() ? pid : 0;
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

void removeLeftoverTemporaryFiles(const fs::path& target) {
  const std::string targetName = target.filename().string();
  const std::string earlierVersions = targetName + kTemporaryEnd;
  std::error_code ec;
  for (fs::directory_iterator it(folderOf(target), ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    const pid_t writer = writerOf(name, targetName);
    if (name == earlierVersions || (writer > 0 && !isRunningElsewhere(writer))) {
      // unlink removes a link itself, never what it points to.
      ::unlink(it->path().c_str());
    }
  }
}

}  // namespace velmoran
