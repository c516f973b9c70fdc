#pragma once
// Lists what one hand card can capture on the table, in the fixed search order
// (sets of four, three, two table cards, then single equal cards, which
// replace every set), and fills the parts of each option that depend only on
// the cards taken: the seven-of-coins and sweep premium and the primiera sum.

#include <span>

#include "ai/analysis.h"
#include "rules/cards.h"
#include "rules/piles.h"

namespace verlano {

struct Game;

// Fills `analysis.Options` for `card` (one lay-down option when nothing can
// be taken), then calls `ScoreCaptureBasics`.
void EnumerateCaptures(const Game& game, HandAnalysis& analysis, int card,
                       std::span<const CardSprite> table);

// Premium +1 for a play that takes all `TableCardCount` table cards; the
// primiera sum of the cards taken plus that of the table's last card.
void ScoreCaptureBasics(const Game& game, HandAnalysis& analysis,
                        std::span<const CardSprite> table);

// 1 for the seven of coins, else 0.
int SettebelloFlag(int card);

// How many of the table cards the option takes are coins.
int CountCoins(const CardTables& cards, std::span<const CardSprite> table,
               const CaptureOption& option);

}  // namespace verlano
