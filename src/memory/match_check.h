#pragma once
// What a loaded match must hold before it is played on: it stands at a quiet
// moment the game can reach. The 40 cards are each in one place; the deal,
// the hands and the cards played agree with the variant and with whose turn
// it is; the totals, the history and the hand's score are those the rules
// keep; every card shown is where its list puts it, at rest and of its size,
// so that every click the game needs can reach it. Each part lives in a file
// of its own; any of them refuses a match with a RecordError of one line.

#include <string>

namespace verlano {

struct Game;

// All of the checks below, the cards' census first.
void CheckMatchPosition(const Game& game);

// The shuffle, the deal, the hand sizes, the card memory, the turn and the
// captures (deal_check.cpp).
void CheckDealAndPlay(const Game& game);

// The match totals, the score page's history, the result and the hand's
// score (score_check.cpp).
void CheckScores(const Game& game);

// Every sprite against the lists and the table's layout (sprite_check.cpp).
void CheckSprites(const Game& game);

// A RecordError saying `why` unless `holds`.
void Require(bool holds, const std::string& why);

}  // namespace verlano
