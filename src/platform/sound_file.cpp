// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sound_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace velmoran {

namespace {

// Closes the file however the reading ends.
class OpenFile {
 public:
  explicit OpenFile(const std::filesystem::path& path)
      : descriptor_(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC)) {}
  ~OpenFile() {
    if (descriptor_ >= 0) ::close(descriptor_);
  }
  OpenFile(const OpenFile&) = delete;
  OpenFile& operator=(const OpenFile&) = delete;

  int descriptor() const { return descriptor_; }

 private:
  int descriptor_;
};

}  // namespace

std::optional<std::string> readSoundFile(const std::filesystem::path& path) {
  const OpenFile file(path);
  struct stat status {};
  if (file.descriptor() < 0 || ::fstat(file.descriptor(), &status) != 0 ||
      !S_ISREG(status.st_mode) || static_cast<std::size_t>(status.st_size) > kLargestSoundFile) {
    return std::nullopt;
  }
  // One byte more than its size tells a file that grew while it was read.
  const auto size = static_cast<std::size_t>(status.st_size);
  std::string bytes(size + 1, '\0');
  std::size_t filled = 0;
  while (filled < bytes.size()) {
    const ssize_t got = ::read(file.descriptor(), bytes.data() + filled, bytes.size() - filled);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return std::nullopt;
    if (got == 0) break;
    filled += static_cast<std::size_t>(got);
  }
  if (filled > size) return std::nullopt;
  bytes.resize(filled);
  return bytes;
}

}  // namespace velmoran
