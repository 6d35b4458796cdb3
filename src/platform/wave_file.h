// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

namespace velmoran {

// The samples of a wave file, ready for the sound output.
struct WaveSound {
  enum class Encoding { UInt8, Int16, Int32, Float };
  Encoding encoding = Encoding::Int16;
  unsigned channels = 0;
  unsigned sampleRate = 0;
  unsigned frameBytes = 0;
  std::string samples;
};

// Reads a RIFF wave file with PCM samples of 8, 16 or 32 bits or with 32-bit float samples.
// A data chunk cut short keeps the whole frames it has. Empty when the bytes hold no such
// sound.
std::optional<WaveSound> parseWave(const std::string& bytes);

}  // namespace velmoran
