#pragma once
// The engine checked against the game's own code on random positions: the
// capture options of a played card (the computer player's enumeration, and
// the human's selection rules and hints, which stay the game's own), the
// game's hand score (counted by the engine) item by item against a count of
// its own (score_reference.h), and the classic player's choice (the game's `ChooseComputerCard` on a `Game`
// built from the engine's position against the engine's rewrite). The
// positions play by every record of the variant table in turn, and by one
// record only the checks have, so no number of a record goes unread. Each run
// counts positions and disagreements and describes the first one.

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
