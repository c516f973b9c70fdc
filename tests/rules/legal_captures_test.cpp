// The captures a played card may make, against the capture rules themselves:
// on random tables every choice of table cards is put to `CheckSelection`,
// and the cards a hint lights and the count of captures must agree with it.

#include "rules/legal_captures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "rules/table_builder.h"

namespace verlano {
namespace {

// Lays `table` and then `played` as the card just played, face up at rest.
void Lay(Game& g, const std::vector<int>& table, int played) {
  Piles& p = g.piles;
  p.TableCount = 0;
  for (const int card : table) {
    p.TablePile[p.TableCount++] = CardSprite{.Card = card, .Present = true, .FaceUp = true};
  }
  p.TablePile[p.TableCount++] = CardSprite{.Card = played, .Present = true, .FaceUp = true};
  p.TableCardCount = p.TableCount;
}

// What the rules accept, choice by choice.
LegalCaptures ByTheRules(Game& g) {
  const int n = g.piles.TableCount - 1;
  LegalCaptures legal;
  for (unsigned mask = 1; mask < (1U << n); ++mask) {
    for (int i = 0; i < n; ++i) g.piles.TablePile[i].Chosen = (mask >> i & 1U) != 0;
    if (!CheckSelection(g)) continue;
    legal.cards |= mask;
    legal.count = std::min(2, legal.count + 1);
  }
  for (int i = 0; i < n; ++i) g.piles.TablePile[i].Chosen = false;
  return legal;
}

TEST(LegalCaptures, AgreeWithTheCaptureRulesOnRandomTables) {
  Game g(test::VariantOptions(Variant::Romane), 1);
  std::vector<int> cards = test::CardsInPlay(g);
  std::vector<int> small;
  for (const int card : cards) {
    if (g.cards.CardValue[card] <= 4) small.push_back(card);
  }
  std::mt19937 random(2026);
  int seen[3] = {};
  for (int round = 0; round < 1500; ++round) {
    // Every other table of small cards only, where sums of many cards abound.
    std::vector<int>& pack = round % 2 == 0 ? cards : small;
    std::shuffle(pack.begin(), pack.end(), random);
    const int n = static_cast<int>(random() % 11);
    const std::vector<int> table(pack.begin(), pack.begin() + n);
    const int played = round % 2 == 0 ? pack[n] : cards[random() % cards.size()];
    if (std::find(table.begin(), table.end(), played) != table.end()) continue;
    Lay(g, table, played);
    const LegalCaptures want = ByTheRules(g);
    const LegalCaptures got = FindLegalCaptures(g);
    EXPECT_EQ(got.cards, want.cards) << "round " << round;
    EXPECT_EQ(got.count, want.count) << "round " << round;
    ++seen[want.count];
  }
  // Tables with no capture, with one and with several all came up.
  for (const int times : seen) EXPECT_GT(times, 100);
}

}  // namespace
}  // namespace verlano
