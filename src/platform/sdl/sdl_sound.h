#pragma once
// Sound effects on SDL_mixer: each loaded WAV gets a mixer channel of its own,
// so asking for a sound that is still playing lets it play on rather than
// cutting it off. Without an audio device everything here is silent.

#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/sdl/sdl_handles.h"

namespace verlano::sdl {

// The mixer's audio device: open for this object's lifetime.
class AudioDevice {
 public:
  AudioDevice() = default;
  ~AudioDevice();
  AudioDevice(const AudioDevice&) = delete;
  AudioDevice& operator=(const AudioDevice&) = delete;
  // False (and silent) when no device can be opened.
  bool Open();

 private:
  std::optional<Subsystem> audio_;
  bool open_ = false;
};

class SdlSound {
 public:
  ~SdlSound() { Close(); }
  // Opens the device if there is one; without it every other call does nothing.
  void Init();
  // 0 without a device; 0 with the reason in `error` for a file that is
  // missing or not a readable WAV.
  SoundId Load(const std::string& path, std::string& error);
  void Play(SoundId sound);
  void Release(SoundId sound);
  // Every channel's loudness, 0 to 100 percent.
  void SetVolume(int percent);
  void Close();
  bool Available() const { return device_.has_value(); }

 private:
  Mix_Chunk* Chunk(SoundId sound) const;

  // The chunks go before the device closes.
  std::optional<AudioDevice> device_;
  std::vector<ChunkPtr> chunks_;  // sound id - 1 is both the index and the channel
};

}  // namespace verlano::sdl
