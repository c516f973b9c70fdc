#include "rules/variant_rules.h"

#include <array>

namespace verlano {

namespace {

constexpr int kSeats = 4;

// Only the extra coin points show the majority of coins; they and Umbria and
// Marche show the king of coins.
constexpr ScoreRow kPlainRows[] = {ScoreRow::Cards, ScoreRow::Coins, ScoreRow::Settebello,
                                   ScoreRow::Primiera, ScoreRow::Sweeps};
constexpr ScoreRow kExtraCoinRows[] = {
    ScoreRow::Cards,       ScoreRow::Coins,    ScoreRow::MostCoins, ScoreRow::Settebello,
    ScoreRow::KingOfCoins, ScoreRow::Primiera, ScoreRow::Sweeps};
constexpr ScoreRow kKingRows[] = {ScoreRow::Cards,       ScoreRow::Coins,    ScoreRow::Settebello,
                                  ScoreRow::KingOfCoins, ScoreRow::Primiera, ScoreRow::Sweeps};

// What each variant's items are worth: the seven of coins, primiera, most cards
// and every sweep count everywhere; the coins and their king differ.
constexpr ItemPoints kMostCoinsCount = {
    .Settebello = 1, .MostCoins = 1, .Primiera = 1, .MostCards = 1, .PerSweep = 1};
constexpr ItemPoints kEveryCoinCounts = {
    .Settebello = 1, .PerCoin = 1, .Primiera = 1, .MostCards = 1, .PerSweep = 1};
constexpr ItemPoints kEveryCoinAndTheKing = {.Settebello = 1,
                                             .KingOfCoins = 1,
                                             .MostCoins = 1,
                                             .PerCoin = 1,
                                             .Primiera = 1,
                                             .MostCards = 1,
                                             .PerSweep = 1};
constexpr ItemPoints kMostCoinsAndTheKing = {.Settebello = 1,
                                             .KingOfCoins = 1,
                                             .MostCoins = 1,
                                             .Primiera = 1,
                                             .MostCards = 1,
                                             .PerSweep = 1};

// clang-format off
// Read across: the choice, hand, packet, table cards, target, points, the
// simulator's bound, the computer player's coin weight, page rows, history rows.
constexpr std::array<VariantRules, 5> kVariants = {{
    {Variant::Nine,         false,  9, 3, 4, 20, kMostCoinsCount,       5, 0, kPlainRows,     5},
    {Variant::Romane,       false, 10, 5, 0, 40, kEveryCoinCounts,     15, 5, kPlainRows,     5},
    {Variant::Romane,       true,  10, 5, 0, 40, kEveryCoinAndTheKing, 15, 5, kExtraCoinRows, 3},
    {Variant::Napoletane,   false, 10, 5, 0, 20, kMostCoinsCount,       5, 0, kPlainRows,     5},
    {Variant::UmbriaMarche, false, 10, 5, 0, 20, kMostCoinsAndTheKing,  5, 5, kKingRows,      4},
}};
// clang-format on

}  // namespace

std::span<const VariantRules> AllVariantRules() {
  return kVariants;
}

const VariantRules& RulesFor(Variant variant, bool extraCoinPoints) {
  const VariantRules* plain = &kVariants.front();
  for (const VariantRules& rules : kVariants) {
    if (rules.Choice != variant) continue;
    if (rules.ExtraCoinPoints == extraCoinPoints) return rules;
    if (!rules.ExtraCoinPoints) plain = &rules;
  }
  return *plain;
}

bool TableBreakAfter(const VariantRules& rules, int cardsDealtToHands) {
  const int round = kSeats * rules.DealPacketSize;
  return rules.TableCardsAtDeal > 0 && cardsDealtToHands > 0 && cardsDealtToHands % round == 0 &&
         cardsDealtToHands < kSeats * rules.CardsPerHand;
}

int TableCardsPerBreak(const VariantRules& rules) {
  const int breaks = rules.CardsPerHand / rules.DealPacketSize - 1;
  return breaks > 0 ? rules.TableCardsAtDeal / breaks : 0;
}

}  // namespace verlano
