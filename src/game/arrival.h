#pragma once
// Arrival of a flying card: the one place that decides a flight has ended.

namespace verlano {

struct Game;
struct CardSprite;

// True when a moving sprite has come within the arrival tolerance of its
// target; it then stops where it is (the position is not snapped). A sprite at
// rest never arrives.
bool CardArrived(Game& game, CardSprite& sprite);

}  // namespace verlano
