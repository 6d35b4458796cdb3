// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAudioSink>
#include <QBuffer>
#include <QString>
#include <memory>

namespace velmoran {

// The game's sound service: plays a wave file by name, relative to the working folder, in
// the background. A sound started later replaces one still playing. A missing or unplayable
// file, or a machine without sound, stays silent.
class SoundPlayer {
 public:
  SoundPlayer();
  ~SoundPlayer();
  SoundPlayer(const SoundPlayer&) = delete;
  SoundPlayer& operator=(const SoundPlayer&) = delete;

  void play(const QString& fileName);
  // Whether a sound is on its way to the speakers.
  bool isPlaying() const;

 private:
  void stop();

  QBuffer samples_;
  std::unique_ptr<QAudioSink> output_;
};

}  // namespace velmoran
