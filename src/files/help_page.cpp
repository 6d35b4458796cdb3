// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/help_page.h"

#include <system_error>

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

}  // namespace

std::string helpPageAddress(const std::filesystem::path& shipped) {
  std::error_code ec;
  const std::filesystem::path page = std::filesystem::absolute(shipped / "napoveda.html", ec);
  return "file://" + percentEncoded((ec ? shipped / "napoveda.html" : page).string());
}

}  // namespace velmoran
