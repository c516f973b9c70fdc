#pragma once
// The match file: everything a match in play needs to go on exactly as it
// would have, as records (see records.h): the options, every seat's hand, the
// table, the piles and sweeps, the card memory, the totals and history, whose
// turn it is, the random generator's seed and draws, every card's place on
// the screen, and, last, the hand's story. A file is only loaded into a fresh game, and only once
// every value and the whole pack have been checked.

#include <string>
#include <string_view>

#include "game/take_backs.h"
#include "rules/game.h"

namespace verlano {

inline constexpr std::string_view kMatchHeader = "verlano-match 1";

std::string WriteMatch(const Game& game);

// The match as kept the moment the player's play from it is made, before the
// next quiet moment keeps the play: marked "left after a play", so that a
// match continued from it, which goes back before that play, is taken back.
std::string WriteMatchLeftAfterPlay(const Game& game);

// Whether the match file was kept so; a RecordError when it is not a match
// file.
bool LeftAfterPlay(std::string_view text);

// The options the match was started with, to make the game it is loaded
// into; a RecordError when the file is not a match file of this version.
Options MatchOptions(std::string_view text);

// Loads the match into `game`, made fresh with `MatchOptions(text)`; a
// RecordError with the reason when any value is out of range or the cards do
// not make one whole pack.
void ReadMatch(std::string_view text, Game& game);

// The file's text as the table's take-backs keep a turn: `Read` refuses
// (false) where `ReadMatch` would throw.
MatchText MatchFileText();

}  // namespace verlano
