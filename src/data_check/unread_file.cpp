// SPDX-License-Identifier: GPL-3.0-or-later
#include "data_check/unread_file.h"

#include <system_error>

namespace velmoran {

std::string whyNotRead(const std::filesystem::path& file, FileFault fault) {
  std::error_code ec;
  switch (fault) {
    case FileFault::Missing:
      return "soubor chybí";
    case FileFault::NotAFile:
      return std::filesystem::is_directory(file, ec) ? "místo souboru je tu složka"
                                                     : "není to obyčejný soubor";
    default:
      return std::string("soubor nejde přečíst: ") + faultCause(fault);
  }
}

}  // namespace velmoran
