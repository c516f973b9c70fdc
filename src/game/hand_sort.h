#pragma once
// The human's hand sort (the R key): the hand gathers onto its first card, is
// reordered from the highest capture value to the lowest, and spreads back to
// the places the cards had before. Only the cards' faces change places; the
// hand entries stay where they were.

namespace verlano {

struct Game;

// Every present hand entry 1..12 remembers its place and flies onto (x, y).
void GatherHand(Game& game, float x, float y);
// Every present hand entry 1..12 flies back to its remembered place.
void SpreadHand(Game& game);
// Gives the present entries their cards ordered by value (King first), ties
// by ascending suit code.
void SortHand(Game& game);
void StopHandSprites(Game& game);

}  // namespace verlano
