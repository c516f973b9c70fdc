#pragma once
// What a flying card's landing does, one routine per kind of flight: a dealt
// card joins a hand or the table, a played card joins the table and is handed
// to the capture decision, gathered cards start for a side, taken cards join
// it, a sorted hand settles; each moves the play state on. The state machine's
// table says which landing belongs to which state.

namespace verlano {

struct Game;
struct CardSprite;
enum class PlayState;

// "NORMAL PLAY": the played card lands on the table and the capture is decided.
void PlayedCardLands(Game& game, CardSprite& sprite);
// "DEALING CARDS": a dealt card joins its hand.
void DealtCardLands(Game& game, CardSprite& sprite);
// "DEAL 2": a dealt card joins the table.
void TableDealtCardLands(Game& game, CardSprite& sprite);
// The human's gathering ends: its capture is committed, a sweep told.
void HumanGatherLands(Game& game);
// A computer seat's gathering ends: the cards start for the side (`next`).
void GatherLands(Game& game, PlayState next);
// Taken cards reach a side, booked with `take`; play goes on.
void TakenCardsLand(Game& game, void (*take)(Game&));
// The hand sort: the gathered hand is sorted, then spread; then play resumes.
void SortGatherLands(Game& game);
void SortSpreadLands(Game& game);

}  // namespace verlano
