#pragma once
// A quiet moment of a match: the human's turn with nothing moving, or a
// hand's end on the score page. Nothing is in flight and no timed wait runs,
// so a match kept there goes on exactly from its piles and places.

namespace verlano {

struct Game;

bool IsQuietMoment(const Game& game);

}  // namespace verlano
