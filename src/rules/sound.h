#pragma once
// The sounds the rules and the game flow ask for, by resource slot. The game
// plays them through the platform; tests record them.

namespace verlano {

enum SoundSlot : int {
  kCardFlipSound = 18,  // 18, 19, 20: three card flips
  kSignSound = 21,      // 21, 22, 23: three signals
  kShuffleSound = 24,
  kHandEndSound = 25,
  kMatchLostSound = 26,
  kMatchWonSound = 27,
};

class SoundOut {
 public:
  virtual ~SoundOut() = default;
  virtual void PlaySound(int slot) = 0;
};

// Plays nothing: a game without sound, or a test that does not listen.
class SilentSound final : public SoundOut {
 public:
  void PlaySound(int) override {}
};

}  // namespace verlano
