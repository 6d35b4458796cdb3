// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sound.h"

#include <alsa/asoundlib.h>

#include <algorithm>
#include <chrono>

#include "platform/sound_file.h"

namespace velmoran {

namespace {

// How far ahead of the speakers the samples go: short enough for a newer sound to take over
// at once, long enough for a busy machine not to stutter.
constexpr unsigned kLatencyMicroseconds = 100'000;
constexpr unsigned kWritesPerSecond = 20;
constexpr auto kDrainCheck = std::chrono::milliseconds(10);

snd_pcm_format_t alsaFormat(WaveSound::Encoding encoding) {
  switch (encoding) {
    case WaveSound::Encoding::UInt8:
      return SND_PCM_FORMAT_U8;
    case WaveSound::Encoding::Int16:
      return SND_PCM_FORMAT_S16_LE;
    case WaveSound::Encoding::Int32:
      return SND_PCM_FORMAT_S32_LE;
    case WaveSound::Encoding::Float:
      return SND_PCM_FORMAT_FLOAT_LE;
  }
  return SND_PCM_FORMAT_UNKNOWN;
}

// ALSA tells its troubles on standard error; a machine without sound must stay silent.
void saySilently(const char*, int, const char*, int, const char*, ...) {}

// The device is closed however the playing ends.
class OpenDevice {
 public:
  explicit OpenDevice(const std::string& name) {
    if (snd_pcm_open(&pcm_, name.c_str(), SND_PCM_STREAM_PLAYBACK, 0) < 0) pcm_ = nullptr;
  }
  ~OpenDevice() {
    if (pcm_) snd_pcm_close(pcm_);
  }
  OpenDevice(const OpenDevice&) = delete;
  OpenDevice& operator=(const OpenDevice&) = delete;

  snd_pcm_t* pcm() const { return pcm_; }

 private:
  snd_pcm_t* pcm_ = nullptr;
};

}  // namespace

SoundPlayer::SoundPlayer(std::string device)
    : device_(std::move(device)), worker_([this] { playInTurn(); }) {
  snd_lib_error_set_handler(saySilently);
}

SoundPlayer::~SoundPlayer() {
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    closing_ = true;
  }
  wake_.notify_one();
  worker_.join();
}

void SoundPlayer::play(const std::filesystem::path& fileName) {
  // The game's sound files carry the ending ".dat"; the file itself tells it is a wave.
  const std::optional<std::string> bytes = readSoundFile(fileName);
  std::optional<WaveSound> sound = bytes ? parseWave(*bytes) : std::nullopt;
  if (sound && sound->samples.empty()) sound.reset();
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    next_ = std::move(sound);
    if (next_) playing_ = true;
  }
  wake_.notify_one();
}

bool SoundPlayer::isPlaying() const {
  return playing_;
}

void SoundPlayer::playInTurn() {
  std::unique_lock<std::mutex> lock(mutex_);
  while (true) {
    wake_.wait(lock, [this] { return closing_ || next_; });
    if (closing_) return;
    const WaveSound sound = std::move(*next_);
    next_.reset();
    lock.unlock();
    playToTheEnd(sound);
    lock.lock();
    if (!next_) playing_ = false;
  }
}

bool SoundPlayer::interrupted() {
  const std::lock_guard<std::mutex> lock(mutex_);
  return closing_ || next_;
}

void SoundPlayer::playToTheEnd(const WaveSound& sound) {
  const OpenDevice device(device_);
  if (!device.pcm() ||
      snd_pcm_set_params(device.pcm(), alsaFormat(sound.encoding), SND_PCM_ACCESS_RW_INTERLEAVED,
                         sound.channels, sound.sampleRate, 1, kLatencyMicroseconds) < 0) {
    return;
  }
  const std::size_t frames = sound.samples.size() / sound.frameBytes;
  const std::size_t framesPerWrite = std::max(1u, sound.sampleRate / kWritesPerSecond);
  for (std::size_t done = 0; done < frames;) {
    if (interrupted()) return;
    const std::size_t count = std::min(framesPerWrite, frames - done);
    snd_pcm_sframes_t written =
        snd_pcm_writei(device.pcm(), sound.samples.data() + done * sound.frameBytes, count);
    // A late write (the machine was busy) starts the device again; anything else ends the sound.
    if (written < 0) written = snd_pcm_recover(device.pcm(), static_cast<int>(written), 1);
    if (written < 0) return;
    done += static_cast<std::size_t>(written);
  }
  // The last samples are still on their way; a newer sound need not wait for them.
  snd_pcm_sframes_t waiting = 0;
  while (!interrupted() && snd_pcm_delay(device.pcm(), &waiting) == 0 && waiting > 0) {
    std::this_thread::sleep_for(kDrainCheck);
  }
}

}  // namespace velmoran
