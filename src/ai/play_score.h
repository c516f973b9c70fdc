#pragma once
// How the computer player rates a play. A capture is worth its cards, coins,
// premiums and primiera, and far more when it leaves no sweep; a lay-down is
// worth its safety plus a small keep value that prefers to give up the card
// that matters least. Scores are single precision and the keep value double,
// so that equal plays tie exactly and the first one found wins.

#include <span>

#include "ai/analysis.h"
#include "rules/piles.h"

namespace verlano {

struct Game;

// 2 per card taken, 50 if safe, 20 per premium, 1 per coin taken, primiera / 100.
float BaseScore(const Game& game, std::span<const CardSprite> table, const CaptureOption& option);

// Higher for a card that is cheaper to give away: values already seen count
// for it; the seven of coins, a scoring King of Coins, sevens and kings while
// those are unseen, coins and high primiera count against it.
double KeepValue(const Game& game, const HandAnalysis& analysis, int card);

// Captures weigh ten times their base score; lay-downs add keep value / 100.
float FinalScore(const CaptureOption& option, double keepValue);

}  // namespace verlano
