// SPDX-License-Identifier: GPL-3.0-or-later
// The settings reader on any content of data.dat: it never crashes. It reads a file, so every
// input is written to data.dat in a folder of the run's own first.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "files/settings_file.h"
#include "fuzz_check.h"

namespace {

const std::filesystem::path& folder() {
  static const std::filesystem::path made = [] {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "velmoran-fuzz-XXXXXX").string();
    fuzzCheck(::mkdtemp(pattern.data()) != nullptr, "a folder for data.dat");
    std::atexit([] { std::filesystem::remove_all(folder()); });
    return std::filesystem::path(pattern);
  }();
  return made;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto path = folder() / "data.dat";
  {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  velmoran::readDisplaySettings(path);
  return 0;
}
