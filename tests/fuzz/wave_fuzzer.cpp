// SPDX-License-Identifier: GPL-3.0-or-later
// The wave reader on any content of a sound file (a modder may put anything there): it never
// crashes, and what it accepts is whole frames of samples the output can be set up for.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_check.h"
#include "platform/wave_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const auto sound = velmoran::parseWave(bytes);
  if (!sound) return 0;
  fuzzCheck(sound->channels > 0 && sound->sampleRate > 0, "a sound has channels and a rate");
  fuzzCheck(sound->frameBytes > 0 && sound->frameBytes % sound->channels == 0,
            "a frame holds one sample of every channel");
  fuzzCheck(sound->samples.size() % sound->frameBytes == 0, "the samples are whole frames");
  fuzzCheck(sound->samples.size() + 12 <= bytes.size(), "the samples come from the file");
  return 0;
}
