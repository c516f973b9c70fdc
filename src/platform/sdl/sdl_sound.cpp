#include "platform/sdl/sdl_sound.h"

#include <algorithm>

#include "i18n/translate.h"
#include "platform/wav_header.h"

namespace verlano::sdl {

namespace {

// The format the game's sounds are made in: 22050 Hz, 16-bit, stereo.
constexpr int kRate = 22050;
constexpr int kChannels = 2;
constexpr int kBufferFrames = 1024;

}  // namespace

AudioDevice::~AudioDevice() {
  if (open_) Mix_CloseAudio();
}

bool AudioDevice::Open() {
  audio_.emplace(SDL_INIT_AUDIO);
  if (!audio_->Started()) return false;
  open_ = Mix_OpenAudio(kRate, AUDIO_S16SYS, kChannels, kBufferFrames) == 0;
  return open_;
}

void SdlSound::Init() {
  if (device_) return;
  device_.emplace();
  if (!device_->Open()) device_.reset();
}

SoundId SdlSound::Load(const std::string& path, std::string& error) {
  if (!device_) return 0;
  // The sizes first: the mixer takes the memory a damaged header claims.
  std::string problem;
  if (!CheckWavHeader(path, problem)) {
    error = Format(_("Cannot read the sound %s: %s"), path.c_str(), problem.c_str());
    return 0;
  }
  // The file is closed here, not by the mixer: SDL_mixer 2.6 leaves it open
  // when the file is not a WAV it can read.
  const RwPtr file(SDL_RWFromFile(path.c_str(), "rb"));
  ChunkPtr chunk(file ? Mix_LoadWAV_RW(file.get(), 0) : nullptr);
  if (!chunk) {
    error = Format(_("Cannot read the sound %s: %s"), path.c_str(), Mix_GetError());
    return 0;
  }
  chunks_.push_back(std::move(chunk));
  Mix_AllocateChannels(static_cast<int>(chunks_.size()));
  return static_cast<SoundId>(chunks_.size());
}

Mix_Chunk* SdlSound::Chunk(SoundId sound) const {
  if (sound <= 0 || static_cast<std::size_t>(sound) > chunks_.size()) return nullptr;
  return chunks_[sound - 1].get();
}

void SdlSound::Play(SoundId sound) {
  Mix_Chunk* chunk = Chunk(sound);
  const int channel = sound - 1;
  if (chunk == nullptr || Mix_Playing(channel) != 0) return;
  Mix_PlayChannel(channel, chunk, 0);
}

void SdlSound::Release(SoundId sound) {
  if (Chunk(sound) == nullptr) return;
  // The mixer may still be reading it.
  Mix_HaltChannel(sound - 1);
  chunks_[sound - 1].reset();
}

void SdlSound::Close() {
  if (device_) Mix_HaltChannel(-1);
  chunks_.clear();
  device_.reset();
}

void SdlSound::SetVolume(int percent) {
  if (!Available()) return;
  Mix_Volume(-1, std::clamp(percent, 0, 100) * MIX_MAX_VOLUME / 100);
}

}  // namespace verlano::sdl
