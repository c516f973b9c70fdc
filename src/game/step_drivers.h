#pragma once
// The per-frame movement of the cards in flight. The play state machine calls
// one driver per frame while something moves; each driver steps its group of
// sprites and tests exactly one of them for arrival, so a group ends on the
// frame its tested sprite lands.

namespace verlano {

struct Game;
struct CardSprite;

// Steps one sprite and tests it.
void StepSprite(Game& game, CardSprite& sprite);

// Gathering taken cards onto the played card: steps every moving table entry
// before the played card and tests the lowest-numbered moving one.
void StepGather(Game& game);

// Cards flying to a pile or a sweep mark: steps every moving table entry and
// tests the last entry, the played card, if it is moving.
void StepToPile(Game& game);

// The human's hand sort: steps the moving hand entries 1..12 and tests the
// highest-numbered moving one (entry 0 never moves in a sort).
void StepHandSort(Game& game);

}  // namespace verlano
