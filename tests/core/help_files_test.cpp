// SPDX-License-Identifier: GPL-3.0-or-later
// What the help window may load: regular files of the game's folders within a size limit, and
// nothing else, however the page names it.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>

#include "files/help_page.h"
#include "test_game_folder.h"

namespace velmoran {
namespace {

namespace fs = std::filesystem;

TEST(HelpFiles, OnlyRegularFilesOfTheGamesFoldersWithinTheLimit) {
  testing::TestGameFolder folder;
  const fs::path installed = folder.scratch() / "installed";
  fs::create_directories(installed / "obrazky");
  fs::create_directory(folder / "obrazky");
  folder.writeBytes("napoveda.html", "<p>page</p>");
  folder.writeBytes("obrazky/hra.png", "png");
  folder.writeBytes("../installed/obrazky/menu.png", "png");
  folder.writeBytes("../outside.png", "secret");
  ASSERT_EQ(::mkfifo((folder / "fifo.png").c_str(), 0644), 0);
  fs::create_symlink(folder.scratch() / "outside.png", folder / "link-out.png");
  fs::create_symlink("/dev/zero", folder / "zero.png");
  fs::create_symlink("obrazky/hra.png", folder / "link-in.png");
  const int big = ::open((folder / "big.png").c_str(), O_WRONLY | O_CREAT, 0644);
  ASSERT_EQ(::ftruncate(big, kLargestHelpFile + 1), 0);
  ::close(big);
  const std::vector<fs::path> folders = {folder.path(), installed};
  const struct {
    fs::path file;
    const char* loaded;  // null: nothing
  } cases[] = {
      {folder / "napoveda.html", "<p>page</p>"},
      {folder / "obrazky/hra.png", "png"},
      {folder / "link-in.png", "png"},
      {installed / "obrazky/menu.png", "png"},
      {folder / "obrazky/../napoveda.html", "<p>page</p>"},
      {folder / "../outside.png", nullptr},
      {folder.scratch() / "outside.png", nullptr},
      {folder / "link-out.png", nullptr},
      {folder / "zero.png", nullptr},
      {folder / "fifo.png", nullptr},
      {folder / "obrazky", nullptr},
      {folder / "big.png", nullptr},
      {folder / "missing.png", nullptr},
      {"/etc/passwd", nullptr},
  };
  const auto started = std::chrono::steady_clock::now();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    const auto bytes = readHelpFile(c.file, folders);
    EXPECT_EQ(bytes.has_value(), c.loaded != nullptr);
    if (bytes && c.loaded) {
      EXPECT_EQ(*bytes, c.loaded);
    }
  }
  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(2));
  // A device in a folder the page may read is no file either.
  EXPECT_FALSE(readHelpFile("/dev/zero", {"/dev"}).has_value());
}

}  // namespace
}  // namespace velmoran
