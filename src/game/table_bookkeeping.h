#pragma once
// What happens to the piles when a flying card lands: a dealt card joins a hand
// or the table, a played card joins the table and leaves its hand, taken cards
// join a side's pile and card list, and the table is closed up again. The
// arrival actions call these; so does the end of a hand whose table is empty.

namespace verlano {

struct Game;
struct CardSprite;
struct SidePiles;

// Appends the landed card to the table (entry, place, card list, card memory).
void PutOnTable(Game& game, const CardSprite& sprite);
// Appends a dealt card to the hand of the seat its flight was started for.
void PutInHand(Game& game, const CardSprite& sprite);
// The deck entry goes back to its stack place, hidden.
void ParkDeckSprite(CardSprite& sprite);
// The played hand entry goes back to its rest place, hidden, and the playing
// seat's card list is rebuilt from the entries still present.
void ParkPlayedSprite(Game& game, CardSprite& sprite);

// Stops every table entry but the last one.
void StopTableMoves(Game& game);

// The played card and every table card marked to capture go to the side.
void TakeCards(Game& game, SidePiles& side);
void TakeCardsOurs(Game& game);
void TakeCardsTheirs(Game& game);
// As `TakeCards`, but the sweeping card goes onto the side's next sweep mark.
void TakeSweep(Game& game, SidePiles& side);
void TakeSweepOurs(Game& game);
void TakeSweepTheirs(Game& game);

// Drops the played card and the taken cards, keeps the rest in order, frees
// and re-marks the places, rebuilds the card list and scores the hand again.
void CompactTable(Game& game);

// Keeps the capture whose cards are reaching a side's pile or sweep mark as
// that side's last capture and as the hand's story's newest line (before
// they are booked).
void NoteLastCapture(Game& game);

// The taken cards are booked with `take` (one of the four above) and the table
// is compacted; the cards in flight are stopped first.
void BookTakenCards(Game& game, void (*take)(Game&));

// The last cards of a hand go to a side: booked, then "END OF MATCH" and the
// hand's score added to the match.
void EndHandWithRemainder(Game& game, void (*take)(Game&));

// The hand slot of the n-th (from 0) present card among slots 0..11 of a
// seat's hand; 0 when there is none.
int SlotOfNthCard(const Game& game, int n, int seat);

// After the last play of the hand: the remainder goes to the side that
// captured last (ours when nobody captured).
void CheckHandEnd(Game& game);

}  // namespace verlano
