#pragma once
// Where the engine's answers meet code of the game's own, checked on random
// positions: the human's selection rules and hints (which stay the game's)
// against the engine's captures of a played card; the game's hand score
// (counted by the engine) item by item against a count of the checks' own
// (score_reference.h); and the classic player as the game asks it (its card
// memory and piles read through game/engine_view) against the engine on the
// position itself. The positions play by every record of the variant table in
// turn, and by one record only the checks have, with other item points and
// coin bonus, so no number of a record goes unread. Each run counts positions
// and disagreements and describes the first one.

#include <cstdint>
#include <string>
#include <vector>

#include "engine/position.h"
#include "rules/game.h"

namespace verlano::sim {

struct Agreement {
  long checked = 0;
  long disagreed = 0;
  std::string first;  // what the first disagreement was, empty when none
};

// Every record of the variant table, then the checks' own.
std::vector<VariantRules> CheckedRecords();

Agreement CheckCaptures(std::uint64_t seed, long positions);
Agreement CheckScores(std::uint64_t seed, long positions);
Agreement CheckClassic(std::uint64_t seed, long positions);

// Puts the engine's position into a fresh game of the same variant: hands,
// table, piles (a sweeping card on its sweep mark), card memory and turn.
void LoadIntoGame(const engine::Position& position, Game& game);

}  // namespace verlano::sim
