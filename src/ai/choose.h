#pragma once
// The computer player's decision for seats 1, 2 and 3: every hand card, every
// capture it allows (or laying it down), one score each; the best pair wins,
// the first in hand and option order on equal scores. Stateless: each call
// works from the hand, the table, the piles and `PlayedByValue`, writes
// nothing, and returns its decision for the caller to apply.

#include <span>

#include "ai/analysis.h"
#include "rules/capture.h"
#include "rules/piles.h"

namespace verlano {

struct Game;

// A decision: the hand position (from 0) to play, -1 for an empty hand, and
// the capture it makes (Count 0 for none).
struct ComputerPlay {
  int HandPosition = -1;
  CaptureChoice Capture;
};

// Plays from `HandCards[seat]` on the current table.
ComputerPlay ChooseComputerCard(const Game& game, int seat);

// The same for a given hand and table.
ComputerPlay ChooseBestPlay(const Game& game, std::span<const int> hand,
                            std::span<const CardSprite> table);

// Options of one hand card with their safety, and its memory counts.
void AnalyseHandCard(const Game& game, HandAnalysis& analysis, int card,
                     std::span<const CardSprite> table, std::span<const int> hand);

}  // namespace verlano
