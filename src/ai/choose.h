#pragma once
// The computer player's decision for seats 1, 2 and 3: every hand card, every
// capture it allows (or laying it down), one score each; the best pair wins,
// the first in hand and option order on equal scores. Stateless: each call
// works from the hand, the table, the piles and `PlayedByValue`, and writes
// nothing but `CaptureChoice`.

#include <span>

#include "ai/analysis.h"
#include "rules/piles.h"

namespace verlano {

struct Game;

// Plays from `HandCards[seat]` on the current table. Returns the chosen hand
// position (from 0), or -1 for an empty hand; the capture is left in
// `game.capture.Choice`.
int ChooseComputerCard(Game& game, int seat);

// The same for a given hand and table.
int ChooseBestPlay(Game& game, std::span<const int> hand, std::span<const CardSprite> table);

// Options of one hand card with their safety, and its memory counts.
void AnalyseHandCard(const Game& game, HandAnalysis& analysis, int card,
                     std::span<const CardSprite> table, std::span<const int> hand);

}  // namespace verlano
