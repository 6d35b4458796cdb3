// SPDX-License-Identifier: GPL-3.0-or-later
#include "state/file_messages.h"

namespace velmoran {

std::string withCause(const std::string& sentence, FileFault fault) {
  const char* cause = faultCause(fault);
  return cause ? sentence + "\nPříčina: " + cause : sentence;
}

}  // namespace velmoran
