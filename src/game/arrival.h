#pragma once
// Arrival of a flying card: the one place that decides a flight has ended, and
// what its landing does, chosen by the play state at that moment: a dealt card
// joins a hand or the table, a played card joins the table and is handed to
// the capture decision, taken cards join a side, and the state moves on.

namespace verlano {

struct Game;
struct CardSprite;

// True when a moving sprite has come within the arrival tolerance of its
// target; it then stops where it is (the position is not snapped) and the
// arrival actions of the current state run. A sprite at rest never arrives.
bool CardArrived(Game& game, CardSprite& sprite);

}  // namespace verlano
