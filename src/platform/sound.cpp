// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sound.h"

#include <QAudioDevice>
#include <QFile>
#include <QMediaDevices>

#include "platform/wave_file.h"

namespace velmoran {

namespace {

// Far more than any sound of the game; a larger file is not read at all.
constexpr qint64 kLargestSound = 32 * 1024 * 1024;

}  // namespace

SoundPlayer::SoundPlayer() = default;

SoundPlayer::~SoundPlayer() {
  stop();
}

void SoundPlayer::play(const QString& fileName) {
  stop();
  // The game's sound files carry the ending ".dat"; the file itself tells it is a wave.
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly) || file.size() > kLargestSound) return;
  const std::optional<WaveSound> sound = parseWave(file.readAll());
  if (!sound || sound->samples.isEmpty()) return;
  const QAudioDevice speakers = QMediaDevices::defaultAudioOutput();
  if (speakers.isNull()) return;

  samples_.setData(sound->samples);
  samples_.open(QIODevice::ReadOnly);
  output_ = std::make_unique<QAudioSink>(speakers, sound->format);
  output_->start(&samples_);
}

bool SoundPlayer::isPlaying() const {
  return output_ && output_->state() == QAudio::ActiveState;
}

void SoundPlayer::stop() {
  if (output_) output_->stop();
  output_.reset();
  samples_.close();
}

}  // namespace velmoran
