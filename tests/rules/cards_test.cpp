// The card tables: names, capture and primiera values and suit codes by card
// index, the 40-card pack within the 52 indices, the hand-sort key and the
// card memory the computer player reads.

#include "rules/cards.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "rules/table_builder.h"

namespace verlano {
namespace {

class CardsTest : public ::testing::Test {
 protected:
  CardsTest() { BuildCardNames(cards); }

  CardTables cards;
};

constexpr const char* kRankText[13] = {"A", "2", "3",  "4", "5", "6", "7",
                                       "8", "9", "10", "J", "Q", "K"};
constexpr char kImageSuit[4] = {'C', 'D', 'H', 'S'};

TEST_F(CardsTest, IndexIsFourTimesRankPlusImageSuit) {
  for (int rank = 0; rank < 13; ++rank) {
    for (int suit = 0; suit < 4; ++suit) {
      EXPECT_EQ(cards.CardFileName[4 * rank + suit],
                std::string(kRankText[rank]) + kImageSuit[suit] + ".BMP");
    }
  }
}

TEST_F(CardsTest, KingAndSevenOfCoins) {
  EXPECT_EQ(cards.CardFileName[49], "KD.BMP");
  EXPECT_EQ(cards.CardValue[49], 10);
  EXPECT_EQ(cards.CardPrimiera[49], 10);
  EXPECT_EQ(cards.CardSuit[49], 3);
  EXPECT_EQ(cards.CardFileName[25], "7D.BMP");
  EXPECT_EQ(cards.CardValue[25], 7);
  EXPECT_EQ(cards.CardPrimiera[25], 21);
  EXPECT_EQ(cards.CardSuit[25], 3);
  EXPECT_EQ(kKingOfCoins, 49);
  EXPECT_EQ(kSettebello, 25);
}

// Its suit letter stands third, yet it is out of play: no rule may count it as a coin.
TEST_F(CardsTest, TenOfCoinsHasTheCoinSuitButIsOutOfPlay) {
  EXPECT_EQ(cards.CardFileName[37], "10D.BMP");
  EXPECT_EQ(cards.CardSuit[37], 3);
  EXPECT_EQ(cards.CardValue[37], kOutOfPlayValue);
  EXPECT_FALSE(InPlay(cards, 37));
}

TEST_F(CardsTest, CaptureValueByRank) {
  const int byRank[13] = {1, 2, 3, 4, 5, 6, 7, 15, 15, 15, 8, 9, 10};
  for (int card = 0; card < kCardIndexCount; ++card) {
    EXPECT_EQ(cards.CardValue[card], byRank[card / 4]) << cards.CardFileName[card];
  }
}

TEST_F(CardsTest, PrimieraValueByRank) {
  const int byRank[13] = {16, 12, 13, 14, 15, 18, 21, 0, 0, 0, 10, 10, 10};
  for (int card = 0; card < kCardIndexCount; ++card) {
    EXPECT_EQ(cards.CardPrimiera[card], byRank[card / 4]) << cards.CardFileName[card];
  }
}

// The suit code runs C, H, S, D, unlike the image order C, D, H, S.
TEST_F(CardsTest, SuitCodeByImageSuit) {
  const int codeOfImageSuit[4] = {0, 3, 1, 2};
  for (int card = 0; card < kCardIndexCount; ++card) {
    EXPECT_EQ(cards.CardSuit[card], codeOfImageSuit[card % 4]) << cards.CardFileName[card];
  }
}

TEST_F(CardsTest, PackInPlayIsFortyCardsFourOfEachValueOneInEachSuit) {
  std::map<int, std::set<int>> suitsByValue;
  int inPlay = 0;
  for (int card = 0; card < kCardIndexCount; ++card) {
    if (!InPlay(cards, card)) continue;
    ++inPlay;
    EXPECT_GE(cards.CardValue[card], 1);
    EXPECT_LE(cards.CardValue[card], 10);
    suitsByValue[cards.CardValue[card]].insert(cards.CardSuit[card]);
  }
  EXPECT_EQ(inPlay, 40);
  ASSERT_EQ(suitsByValue.size(), 10u);
  for (const auto& [value, suits] : suitsByValue) EXPECT_EQ(suits.size(), 4u) << value;
}

TEST_F(CardsTest, SortRankPutsHigherValuesFirst) {
  for (int v = 0; v <= 13; ++v) EXPECT_EQ(cards.SortRank[v], 13 - v);
  EXPECT_EQ(cards.SortRank[14], 0);
  EXPECT_EQ(cards.SortRank[15], 0);
}

TEST_F(CardsTest, NoteCardPlayedCountsByCaptureValue) {
  CardMemory memory;
  NoteCardPlayed(memory, cards, CardFromCode(cards, "7D"));
  NoteCardPlayed(memory, cards, CardFromCode(cards, "7S"));
  NoteCardPlayed(memory, cards, CardFromCode(cards, "KC"));
  EXPECT_EQ(memory.PlayedByValue[7], 2);
  EXPECT_EQ(memory.PlayedByValue[10], 1);
  int total = 0;
  for (int count : memory.PlayedByValue) total += count;
  EXPECT_EQ(total, 3);
}

TEST_F(CardsTest, CodeAndIndexRoundTripForEveryCardInPlay) {
  for (int card = 0; card < kCardIndexCount; ++card) {
    if (!InPlay(cards, card)) continue;
    const std::string code = CardCode(cards, card);
    EXPECT_EQ(code + ".BMP", cards.CardFileName[card]);
    EXPECT_EQ(CardFromCode(cards, code), card) << code;
  }
}

TEST_F(CardsTest, CodesOutOfPlayOrUnknownNameNoCard) {
  for (const char* code : {"8C", "9D", "10D", "10S", "", "X", "7", "7DD", "kd"}) {
    EXPECT_EQ(CardFromCode(cards, code), -1) << code;
  }
}

}  // namespace
}  // namespace verlano
