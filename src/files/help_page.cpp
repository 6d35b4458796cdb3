// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/help_page.h"

#include <algorithm>
#include <system_error>

#include "files/game_files.h"

namespace velmoran {

namespace {

// Every byte but the letters, digits, "-._~" and the slashes between folders is written as
// %XX, so that blanks and Czech letters in a folder's name survive in the address.
std::string percentEncoded(const std::string& path) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (const char c : path) {
    const auto byte = static_cast<unsigned char>(c);
    const bool letterOrDigit =
        (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    if (letterOrDigit || c == '-' || c == '.' || c == '_' || c == '~' || c == '/') {
      out += c;
    } else {
      out += '%';
      out += kHex[byte >> 4];
      out += kHex[byte & 0xF];
    }
  }
  return out;
}

// Whether `file` lies within `folder`, both without links or dots.
bool isWithin(const std::filesystem::path& file, const std::filesystem::path& folder) {
  const auto end = std::find_if(folder.begin(), folder.end(),
                                [](const std::filesystem::path& part) { return part.empty(); });
  return std::distance(folder.begin(), end) < std::distance(file.begin(), file.end()) &&
         std::equal(folder.begin(), end, file.begin());
}

}  // namespace

std::optional<std::string> readHelpFile(const std::filesystem::path& file,
                                        const std::vector<std::filesystem::path>& folders) {
  std::error_code ec;
  const std::filesystem::path real = std::filesystem::weakly_canonical(file, ec);
  if (ec) return std::nullopt;
  for (const std::filesystem::path& folder : folders) {
    const std::filesystem::path realFolder = std::filesystem::canonical(folder, ec);
    if (!ec && isWithin(real, realFolder)) return readRegularFile(real, kLargestHelpFile);
  }
  return std::nullopt;
}

std::string helpPageAddress(const std::filesystem::path& shipped) {
  std::error_code ec;
  const std::filesystem::path page = std::filesystem::absolute(shipped / "napoveda.html", ec);
  return "file://" + percentEncoded((ec ? shipped / "napoveda.html" : page).string());
}

}  // namespace velmoran
