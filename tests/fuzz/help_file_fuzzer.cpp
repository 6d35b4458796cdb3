// SPDX-License-Identifier: GPL-3.0-or-later
// The help window's reader on any name a page may give, in a game folder that holds a page, a
// picture, links out of it, a pipe, a device and a file above the limit: it never waits, and
// whatever it loads is a file of the game folder within the limit, never the file beside it.
#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

#include "files/help_page.h"
#include "fuzz_check.h"

namespace {

namespace fs = std::filesystem;

constexpr char kSecret[] = "not the game's";

struct Folders {
  fs::path root, game;
};

const Folders& folders() {
  static const Folders made = [] {
    std::string pattern = (fs::temp_directory_path() / "velmoran-help-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) std::abort();
    const Folders f{pattern, fs::path(pattern) / "game"};
    fs::create_directories(f.game / "obrazky");
    const auto write = [](const fs::path& file, const std::string& bytes) {
      const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
      if (fd < 0 || ::write(fd, bytes.data(), bytes.size()) < 0) std::abort();
      ::close(fd);
    };
    write(f.game / "napoveda.html", "<p>page</p>");
    write(f.game / "obrazky/hra.png", "png");
    write(f.root / "venku.png", kSecret);
    write(f.game / "velky.png", "");
    if (::truncate((f.game / "velky.png").c_str(), velmoran::kLargestHelpFile + 1) != 0) {
      std::abort();
    }
    ::mkfifo((f.game / "roura.png").c_str(), 0644);
    fs::create_symlink("../venku.png", f.game / "ven.png");
    fs::create_symlink("/dev/zero", f.game / "nula.png");
    fs::create_symlink("..", f.game / "nahoru");
    std::atexit([] { fs::remove_all(folders().root); });
    return f;
  }();
  return made;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Folders& f = folders();
  std::string name(reinterpret_cast<const char*>(data), size);
  name.erase(std::remove(name.begin(), name.end(), '\0'), name.end());
  for (const fs::path& file : {f.game / name, fs::path(name)}) {
    const auto bytes = velmoran::readHelpFile(file, {f.game});
    if (!bytes) continue;
    fuzzCheck(bytes->size() <= velmoran::kLargestHelpFile, "within the limit");
    fuzzCheck(*bytes != kSecret, "nothing from outside the game folder");
    std::error_code ec;
    const fs::path real = fs::canonical(file, ec);
    fuzzCheck(!ec && real.string().rfind(fs::canonical(f.game).string() + "/", 0) == 0,
              "a file of the game folder");
  }
  return 0;
}
