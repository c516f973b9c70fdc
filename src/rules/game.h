#pragma once
// One game: the settings of the run and every piece of state the rules, the
// computer player and the game flow share, each module's in a plain struct.
// A test makes a fresh one with a fixed seed and a sound recorder.

#include <cstdint>

#include "rules/capture.h"
#include "rules/cards.h"
#include "rules/deal.h"
#include "rules/piles.h"
#include "rules/play_log.h"
#include "rules/play_state.h"
#include "rules/random.h"
#include "rules/scoring.h"
#include "rules/settings.h"
#include "rules/sound.h"

namespace verlano {

class SeatSearch;

struct Game {
  // Applies the options, builds the card tables; `sound` must outlive the game
  // (null plays nothing).
  Game(const Options& options, std::uint64_t seed, SoundOut* sound = nullptr);

  Game(const Game&) = delete;
  Game& operator=(const Game&) = delete;
  // A match loaded into a fresh game takes the place of the one in play.
  Game& operator=(Game&&) = default;

  Settings settings;
  Layout layout;
  CardTables cards;
  CardMemory memory;
  Piles piles;
  DealState deal;
  CaptureState capture;
  HandScore score;
  MatchState match;
  TurnState turn;
  PlayLog playLog;  // the hand's story, for the player to read
  Random rng;
  // The expert player's searches draw their seeds from here, not from `rng`,
  // so the deal's random sequence is the same whoever plays.
  std::uint64_t searchSeed;
  SoundOut* sound;
  // Where the expert searches off the frame loop; null: each search runs at
  // its seat's turn, in the step that asks (the run owns the searcher).
  SeatSearch* search = nullptr;

  double Rnd() { return rng.Rnd(); }
};

// One of the three card flips, chosen at random (one draw).
void PlayFlipSound(Game& game);

// One of the three signals, chosen at random (one draw).
void PlaySignSound(Game& game);

}  // namespace verlano
