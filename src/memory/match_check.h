#pragma once
// What a loaded match must hold before it is played on: it stands at a quiet
// moment, the cards of the hands, the table, the sides' piles and the undealt
// deck make the 40-card pack once each, and the sprites agree with those lists.

namespace verlano {

struct Game;

// A RecordError saying the first thing that does not hold.
void CheckMatchCards(const Game& game);

}  // namespace verlano
