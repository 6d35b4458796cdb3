// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAudioFormat>
#include <QByteArray>
#include <optional>

namespace velmoran {

// The samples of a wave file, ready for the sound output.
struct WaveSound {
  QAudioFormat format;
  QByteArray samples;
};

// Reads a RIFF wave file with PCM samples of 8, 16 or 32 bits or with 32-bit float samples.
// A data chunk cut short keeps the whole frames it has. Empty when the bytes hold no such
// sound.
std::optional<WaveSound> parseWave(const QByteArray& bytes);

}  // namespace velmoran
