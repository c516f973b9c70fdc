#pragma once
// What a loaded match must hold before it is played on: it stands at a quiet
// moment the game can reach. The 40 cards are each in one place; the deal,
// the hands and the cards played agree with the variant and with whose turn
// it is; the totals, the history and the hand's score are those the rules
// keep; every card shown is where its list puts it, at rest and of its size,
// so that every click the game needs can reach it; the hand's story, walked
// on the engine from the deal, ends in the cards kept. Each part lives in a
// file of its own; any of them refuses a match with a RecordError of one line.

#include <string>

#include "engine/position.h"

namespace verlano {

struct Game;

// All of the checks below, the cards' census first and the story last.
void CheckMatchPosition(const Game& game);

// The shuffle, the deal, the hand sizes, the card memory, the turn and the
// captures (deal_check.cpp).
void CheckDealAndPlay(const Game& game);

// The hand's story: each line a play the rules allow where it was made,
// from the deal on, ending in the hands, table, piles and sweeps kept; none
// in a file kept before the story was (story_check.cpp).
void CheckStory(const Game& game);

// The match totals, the score page's history, the result and the hand's
// score (score_check.cpp).
void CheckScores(const Game& game);

// Every sprite against the lists and the table's layout (sprite_check.cpp).
void CheckSprites(const Game& game);

// The hand as the kept shuffle deals it, as the engine deals a hand.
engine::Position DealtPosition(const Game& game);

// "seat N", as the reasons name a seat.
std::string SeatWord(int seat);

// A RecordError saying `why` unless `holds`.
void Require(bool holds, const std::string& why);

}  // namespace verlano
