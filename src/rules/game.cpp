#include "rules/game.h"

namespace verlano {

namespace {

SilentSound g_silence;  // stateless, so one instance serves every silent game

}  // namespace

Game::Game(const Options& options, std::uint64_t seed, SoundOut* soundOut)
    : rng(seed), searchSeed(seed), sound(soundOut != nullptr ? soundOut : &g_silence) {
  ApplyOptions(options, settings, layout);
  BuildCardNames(cards);
}

void PlayFlipSound(Game& game) {
  game.sound->PlaySound(kCardFlipSound + game.rng.Below(3));
}

void PlaySignSound(Game& game) {
  game.sound->PlaySound(kSignSound + game.rng.Below(3));
}

}  // namespace verlano
