// SPDX-License-Identifier: GPL-3.0-or-later
// The data text reader on any bytes: it never crashes, and a text it accepts is valid UTF-8
// that windows-1250 can carry back.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "files/cp1250.h"
#include "files/data_text.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const auto record = velmoran::parseDataText(bytes);
  if (record) {
    fuzzCheck(velmoran::encodeCp1250(record->infoText).has_value(),
              "an accepted text is windows-1250 text");
  }
  return 0;
}
