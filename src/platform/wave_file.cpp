// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/wave_file.h"

#include <QtEndian>

namespace velmoran {

namespace {

constexpr quint16 kPcm = 1;
constexpr quint16 kFloat = 3;
constexpr quint16 kExtensible = 0xFFFE;
constexpr qsizetype kChunkHeader = 8;

quint16 word(const QByteArray& bytes, qsizetype at) {
  return qFromLittleEndian<quint16>(bytes.constData() + at);
}

quint32 dword(const QByteArray& bytes, qsizetype at) {
  return qFromLittleEndian<quint32>(bytes.constData() + at);
}

struct Format {
  quint16 encoding = 0;
  quint16 channels = 0;
  quint32 sampleRate = 0;
  quint16 blockAlign = 0;
  quint16 bits = 0;
};

std::optional<Format> readFormat(const QByteArray& bytes, qsizetype at, qsizetype size) {
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

QAudioFormat::SampleFormat sampleFormat(const Format& format) {
  if (format.encoding == kFloat && format.bits == 32) return QAudioFormat::Float;
  if (format.encoding != kPcm) return QAudioFormat::Unknown;
  switch (format.bits) {
    case 8:
      return QAudioFormat::UInt8;
    case 16:
      return QAudioFormat::Int16;
    case 32:
      return QAudioFormat::Int32;
    default:
      return QAudioFormat::Unknown;
  }
}

}  // namespace

std::optional<WaveSound> parseWave(const QByteArray& bytes) {
  if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE") {
    return std::nullopt;
  }
  std::optional<Format> format;
  std::optional<QByteArray> samples;
  for (qsizetype at = 12; at + kChunkHeader <= bytes.size();) {
    const QByteArray id = bytes.mid(at, 4);
    const qsizetype size = dword(bytes, at + 4);
    const qsizetype body = at + kChunkHeader;
    const qsizetype present = qMin(size, bytes.size() - body);
    if (id == "fmt ") {
      format = readFormat(bytes, body, present);
      if (!format) return std::nullopt;
    } else if (id == "data") {
      samples = bytes.mid(body, present);
    }
    // Chunks start on even offsets.
    at = body + size + (size % 2);
  }
  if (!format || !samples) return std::nullopt;

  const QAudioFormat::SampleFormat kind = sampleFormat(*format);
  if (kind == QAudioFormat::Unknown || format->channels == 0 || format->sampleRate == 0 ||
      format->blockAlign != format->channels * format->bits / 8) {
    return std::nullopt;
  }
  WaveSound sound;
  sound.format.setSampleFormat(kind);
  sound.format.setChannelCount(format->channels);
  sound.format.setSampleRate(static_cast<int>(format->sampleRate));
  sound.samples = samples->left(samples->size() - samples->size() % format->blockAlign);
  return sound;
}

}  // namespace velmoran
