// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "platform/wave_file.h"

namespace velmoran {

// The game's sound service: plays a wave file by name, relative to the working folder, in
// the background through ALSA (which reaches PipeWire or PulseAudio where the desktop has
// them). A sound started later replaces one still playing. A missing or unplayable file, or
// a machine without sound, stays silent.
class SoundPlayer {
 public:
  // The ALSA device the sounds go to: the desktop's default unless told otherwise.
  explicit SoundPlayer(std::string device = "default");
  ~SoundPlayer();
  SoundPlayer(const SoundPlayer&) = delete;
  SoundPlayer& operator=(const SoundPlayer&) = delete;

  void play(const std::filesystem::path& fileName);
  // Whether a sound is waiting for the speakers or on its way to them.
  bool isPlaying() const;

 private:
  void playInTurn();
  void playToTheEnd(const WaveSound& sound);
  // Whether the sound now playing should stop: a newer one waits or the player closes.
  bool interrupted();

  const std::string device_;
  std::mutex mutex_;
  std::condition_variable wake_;
  std::optional<WaveSound> next_;
  bool closing_ = false;
  std::atomic<bool> playing_{false};
  // Started last, once everything it uses is there.
  std::thread worker_;
};

}  // namespace velmoran
