#pragma once
// The per-frame movement of the cards in flight. The play state machine calls
// one driver per frame while something moves; each driver steps its group of
// sprites and tests exactly one of them for arrival, so a group ends on the
// frame its tested sprite lands. A driver only moves and stops cards: it hands
// the card that arrived back, and the play state decides what its landing does.

namespace verlano {

struct CardSprite;
struct Game;
struct Layout;

// True when a moving sprite has come within the arrival tolerance of its
// target; it then stops where it is (the position is not snapped). A sprite
// at rest never arrives.
bool Arrives(const Layout& layout, CardSprite& sprite);

// Steps one sprite and tests it; the sprite when it arrived, else nullptr.
CardSprite* StepSprite(Game& game, CardSprite& sprite);

// Gathering taken cards onto the played card: steps every moving table entry
// before the played card and tests the lowest-numbered moving one.
CardSprite* StepGather(Game& game);

// Cards flying to a pile or a sweep mark: steps every moving table entry and
// tests the last entry, the played card, if it is moving.
CardSprite* StepToPile(Game& game);

// The human's hand sort: steps the moving hand entries 1..12 and tests the
// highest-numbered moving one (entry 0 never moves in a sort).
CardSprite* StepHandSort(Game& game);

}  // namespace verlano
