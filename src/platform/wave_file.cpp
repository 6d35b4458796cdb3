// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/wave_file.h"

#include <algorithm>
#include <cstdint>

namespace velmoran {

namespace {

constexpr std::uint16_t kPcm = 1;
constexpr std::uint16_t kFloat = 3;
constexpr std::uint16_t kExtensible = 0xFFFE;
constexpr std::size_t kChunkHeader = 8;

std::uint32_t littleEndian(const std::string& bytes, std::size_t at, int width) {
  std::uint32_t value = 0;
  for (int i = width - 1; i >= 0; --i) {
    value = (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
  }
  return value;
}

std::uint16_t word(const std::string& bytes, std::size_t at) {
  return static_cast<std::uint16_t>(littleEndian(bytes, at, 2));
}

std::uint32_t dword(const std::string& bytes, std::size_t at) {
  return littleEndian(bytes, at, 4);
}

struct Format {
  std::uint16_t encoding = 0;
  std::uint16_t channels = 0;
  std::uint32_t sampleRate = 0;
  std::uint16_t blockAlign = 0;
  std::uint16_t bits = 0;
};

std::optional<Format> readFormat(const std::string& bytes, std::size_t at, std::size_t size) {
  if (size < 16) return std::nullopt;
  Format format{word(bytes, at), word(bytes, at + 2), dword(bytes, at + 4), word(bytes, at + 12),
                word(bytes, at + 14)};
  // The extensible layout names its true encoding in the first two bytes of its subformat.
  if (format.encoding == kExtensible) {
    if (size < 26) return std::nullopt;
    format.encoding = word(bytes, at + 24);
  }
  return format;
}

std::optional<WaveSound::Encoding> encodingOf(const Format& format) {
  if (format.encoding == kFloat && format.bits == 32) return WaveSound::Encoding::Float;
  if (format.encoding != kPcm) return std::nullopt;
  switch (format.bits) {
    case 8:
      return WaveSound::Encoding::UInt8;
    case 16:
      return WaveSound::Encoding::Int16;
    case 32:
      return WaveSound::Encoding::Int32;
    default:
      return std::nullopt;
  }
}

}  // namespace

std::optional<WaveSound> parseWave(const std::string& bytes) {
  if (bytes.size() < 12 || bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(8, 4, "WAVE") != 0) {
    return std::nullopt;
  }
  std::optional<Format> format;
  std::optional<std::string> samples;
  for (std::size_t at = 12; at + kChunkHeader <= bytes.size();) {
    const std::string id = bytes.substr(at, 4);
    const std::size_t size = dword(bytes, at + 4);
    const std::size_t body = at + kChunkHeader;
    const std::size_t present = std::min(size, bytes.size() - body);
    if (id == "fmt ") {
      format = readFormat(bytes, body, present);
      if (!format) return std::nullopt;
    } else if (id == "data") {
      samples = bytes.substr(body, present);
    }
    // Chunks start on even offsets.
    at = body + size + (size % 2);
  }
  if (!format || !samples) return std::nullopt;

  const std::optional<WaveSound::Encoding> encoding = encodingOf(*format);
  if (!encoding || format->channels == 0 || format->sampleRate == 0 ||
      format->blockAlign != format->channels * format->bits / 8) {
    return std::nullopt;
  }
  WaveSound sound;
  sound.encoding = *encoding;
  sound.channels = format->channels;
  sound.sampleRate = format->sampleRate;
  sound.frameBytes = format->blockAlign;
  sound.samples = samples->substr(0, samples->size() - samples->size() % format->blockAlign);
  return sound;
}

}  // namespace velmoran
