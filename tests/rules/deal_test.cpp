// The start of a hand: what `DealHand` clears and lays out, the shuffle, the
// choice of the leading seat, and the shape of the deal for each variant.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <set>
#include <vector>

#include "rules/table_builder.h"

namespace verlano {
namespace {

using test::DealtGame;
using test::RecordingSound;
using test::VariantOptions;

// What the arrival of a dealt card does to the piles; the arrival itself
// belongs to the game flow, so the deal tests land the card by hand.
void LandDealtCard(Game& game) {
  Piles& p = game.piles;
  CardSprite& flown = p.Deck[p.DeckTop - 1];
  flown.Moving = false;
  const int seat = game.deal.DealSeat;
  int& count = p.HandCount[seat];
  p.Hand[seat][count].Card = flown.Card;
  p.Hand[seat][count].Present = true;
  p.Hand[seat][count].FaceUp = flown.FaceUp;
  p.HandCards[seat][count] = flown.Card;
  count += 1;
}

// Deals the next card and lands it; returns the seat it went to.
int DealAndLand(Game& game) {
  DealStep(game);
  LandDealtCard(game);
  return game.deal.DealSeat;
}

// Where the n-th card dealt to a seat flies, by the table design.
std::pair<float, float> HandPlace(int seat, int n) {
  switch (seat) {
    case 0:
      return {5.0f + 57 * n, 420.0f};
    case 1:
      return {610.0f + 6 * n, 420.0f};
    case 2:
      return {610.0f + 6 * n, 5.0f};
    default:
      return {5.0f + 6 * n, 5.0f};
  }
}

bool IsFlipSound(int slot) {
  return slot >= kCardFlipSound && slot < kCardFlipSound + 3;
}

TEST(DealHandTest, PlaysTheShuffleSoundAndStartsDealing) {
  RecordingSound sound;
  auto game = DealtGame(Options{}, &sound);
  EXPECT_EQ(sound.slots, std::vector<int>{kShuffleSound});
  EXPECT_EQ(game->turn.GameState, PlayState::DealingCards);
  EXPECT_STREQ(StateName(game->turn.GameState), "DEALING CARDS");
  EXPECT_EQ(game->piles.DeckTop, 0);
  EXPECT_EQ(game->deal.CardsDealtToHands, 0);
  EXPECT_EQ(game->deal.DealTurn, 0);
  EXPECT_EQ(game->deal.PacketCount, 0);
}

TEST(DealHandTest, ClearsEverythingThePreviousHandLeft) {
  auto game = DealtGame(VariantOptions(Variant::Romane));
  Game& g = *game;
  Piles& p = g.piles;
  // Leave the traces of a finished hand everywhere.
  p.Our.CardCount = 23;
  p.Their.CardCount = 17;
  p.Our.SweepCount = 2;
  p.Their.SweepCount = 1;
  p.Our.PileCount = 23;
  p.Their.PileCount = 17;
  p.Our.Pile[50].Present = true;
  p.Their.Pile[0].Present = true;
  p.HandCount = {3, 1, 4, 1};
  p.TableCount = 5;
  p.TableCardCount = 5;
  p.CardsPlayed = 40;
  p.TablePile[20].Present = true;
  p.TablePile[3].FaceUp = false;
  p.TableSlots[29].Occupied = true;
  g.memory.PlayedByValue.fill(4);
  g.capture.LastCapturer = 3;
  g.capture.CaptureResult = 2;
  g.capture.WeSweep = true;
  g.capture.TheySweep = true;
  g.score.We.Sweeps = 2;
  g.score.They.Sweeps = 1;
  g.turn.PickedHandSlot = 4;
  g.turn.HumanPlayed = true;
  g.turn.HumanPicked = true;
  g.turn.WaitingForHuman = true;
  g.turn.RevealCount = 4;
  g.turn.GameState = PlayState::HandOver;

  DealHand(g);

  EXPECT_EQ(p.Our.CardCount, 0);
  EXPECT_EQ(p.Their.CardCount, 0);
  EXPECT_EQ(p.Our.SweepCount, 0);
  EXPECT_EQ(p.Their.SweepCount, 0);
  EXPECT_EQ(p.Our.PileCount, 0);
  EXPECT_EQ(p.Their.PileCount, 0);
  for (int i = 0; i <= 50; ++i) {
    EXPECT_FALSE(p.Our.Pile[i].Present) << i;
    EXPECT_FALSE(p.Their.Pile[i].Present) << i;
  }
  EXPECT_EQ(p.HandCount, (std::array<int, 4>{0, 0, 0, 0}));
  EXPECT_EQ(p.TableCount, 0);
  EXPECT_EQ(p.TableCardCount, 0);
  EXPECT_EQ(p.CardsPlayed, 0);
  for (int i = 0; i <= 20; ++i) {
    EXPECT_FALSE(p.TablePile[i].Present) << i;
    EXPECT_TRUE(p.TablePile[i].FaceUp) << i;
  }
  for (int i = 0; i < 30; ++i) EXPECT_FALSE(p.TableSlots[i].Occupied) << i;
  for (int v = 1; v <= 13; ++v) EXPECT_EQ(g.memory.PlayedByValue[v], 0) << v;
  EXPECT_EQ(g.capture.LastCapturer, 0);
  EXPECT_EQ(g.capture.CaptureResult, -1);
  EXPECT_FALSE(g.capture.WeSweep);
  EXPECT_FALSE(g.capture.TheySweep);
  EXPECT_EQ(g.score.We.Sweeps, 0);
  EXPECT_EQ(g.score.They.Sweeps, 0);
  EXPECT_EQ(g.turn.PickedHandSlot, -1);
  EXPECT_FALSE(g.turn.HumanPlayed);
  EXPECT_FALSE(g.turn.HumanPicked);
  EXPECT_FALSE(g.turn.WaitingForHuman);
  EXPECT_EQ(g.turn.RevealCount, 0);
  EXPECT_EQ(g.turn.GameState, PlayState::DealingCards);
}

TEST(DealHandTest, LaysOutTheHandPlacesAndTheTableCardSize) {
  Options options;
  options.deck = DeckChoice::Royal;
  auto game = DealtGame(options);
  const Piles& p = game->piles;
  for (int i = 0; i < 12; ++i) {
    const CardSprite& human = p.Hand[0][i];
    EXPECT_EQ(human.HomeX, 5 + 57 * i);
    EXPECT_EQ(human.X, 5.0f + 57 * i);
    EXPECT_EQ(human.HomeY, 420);
    EXPECT_EQ(human.Y, 420.0f);
    EXPECT_EQ(human.Width, 100);
    EXPECT_EQ(human.Height, 153);
    EXPECT_EQ(human.Card, 1);
    EXPECT_FALSE(human.Present);
    const int restX[4] = {0, 400, 200 + 8 * i, 10};
    const int restY[4] = {0, 260 + 8 * i, 15, 260 + 8 * i};
    for (int seat = 1; seat < 4; ++seat) {
      const CardSprite& hidden = p.Hand[seat][i];
      EXPECT_FALSE(hidden.Present);
      EXPECT_FALSE(hidden.FaceUp);
      EXPECT_EQ(hidden.Card, 1);
      EXPECT_EQ(hidden.HomeX, restX[seat]) << "seat " << seat << " slot " << i;
      EXPECT_EQ(hidden.HomeY, restY[seat]) << "seat " << seat << " slot " << i;
    }
  }
  for (int j = 0; j < 30; ++j) {
    EXPECT_EQ(p.TablePile[j].Width, 100);
    EXPECT_EQ(p.TablePile[j].Height, 153);
  }
}

TEST(DeckStackTest, SevenFaceDownCardsFromTheNextToDeal) {
  auto game = DealtGame(Options{});
  Piles& p = game->piles;
  for (int top : {0, 13, 39, 46}) {
    p.DeckTop = top;
    LayOutDeckStack(*game);
    for (int i = top; i < top + 7; ++i) {
      const CardSprite& s = p.Deck[i];
      EXPECT_EQ(s.X, static_cast<float>(13 - (i - top))) << "top " << top << " entry " << i;
      EXPECT_EQ(s.Y, 240.0f);
      EXPECT_EQ(s.HomeX, 13 - (i - top));
      EXPECT_EQ(s.HomeY, 240);
      EXPECT_TRUE(s.Present);
      EXPECT_FALSE(s.FaceUp);
    }
  }
}

TEST(ShuffleTest, FillsTheDeckWithFortyDistinctCardsInPlay) {
  for (std::uint64_t seed : {1u, 2u, 99u, 12345u}) {
    auto game = DealtGame(Options{}, nullptr, seed);
    const auto& shuffled = game->deal.ShuffledCards;
    std::set<int> seen;
    for (int n = 0; n < 40; ++n) {
      const int card = shuffled[n];
      EXPECT_TRUE(InPlay(game->cards, card)) << "seed " << seed << " entry " << n;
      EXPECT_EQ(game->piles.Deck[n].Card, card);
      seen.insert(card);
    }
    EXPECT_EQ(seen.size(), 40u) << "seed " << seed;
    for (int n = 40; n < 53; ++n) EXPECT_EQ(shuffled[n], -1);
  }
}

TEST(ShuffleTest, SameSeedSameDeckOtherSeedOtherDeck) {
  auto first = DealtGame(Options{}, nullptr, 7);
  auto again = DealtGame(Options{}, nullptr, 7);
  auto other = DealtGame(Options{}, nullptr, 8);
  EXPECT_EQ(first->deal.ShuffledCards, again->deal.ShuffledCards);
  EXPECT_NE(first->deal.ShuffledCards, other->deal.ShuffledCards);
}

TEST(ShuffleTest, NextHandIsShuffledAnew) {
  auto game = DealtGame(Options{});
  const auto firstHand = game->deal.ShuffledCards;
  DealHand(*game);
  EXPECT_NE(game->deal.ShuffledCards, firstHand);
}

TEST(LeaderTest, FirstHandOfARunIsLedByARandomSeat) {
  std::set<int> leaders;
  for (std::uint64_t seed = 1; seed <= 40; ++seed) {
    auto game = DealtGame(Options{}, nullptr, seed);
    const int leader = game->turn.CurrentSeat;
    ASSERT_GE(leader, 0);
    ASSERT_LE(leader, 3);
    EXPECT_TRUE(game->deal.FirstDealDone);
    EXPECT_EQ(game->deal.DealOrder[0], leader);
    leaders.insert(leader);
  }
  EXPECT_EQ(leaders.size(), 4u);
}

// A hand ends with the seat before its leader having played last, so the
// next hand is led by the seat after the previous leader.
TEST(LeaderTest, EachFollowingHandIsLedByTheNextSeat) {
  auto game = DealtGame(Options{}, nullptr, 3);
  int leader = game->turn.CurrentSeat;
  for (int hand = 0; hand < 6; ++hand) {
    game->turn.CurrentSeat = (leader + 3) % 4;
    DealHand(*game);
    EXPECT_EQ(game->turn.CurrentSeat, (leader + 1) % 4) << "hand " << hand + 2;
    leader = game->turn.CurrentSeat;
  }
}

TEST(DealOrderTest, StartsWithTheLeaderAndGoesRound) {
  auto game = DealtGame(Options{});
  for (int d = 0; d < 4; ++d) {
    game->turn.CurrentSeat = d;
    BuildDealOrder(*game);
    for (int k = 0; k < 4; ++k) EXPECT_EQ(game->deal.DealOrder[k], (d + k) % 4);
  }
}

// Seats served card by card, from a deal led by seat `leader`.
std::vector<int> DealHands(Game& game, int leader) {
  game.turn.CurrentSeat = leader;
  BuildDealOrder(game);
  std::vector<int> seats;
  for (int c = 0; c < 4 * game.settings.Rules.CardsPerHand; ++c) seats.push_back(DealAndLand(game));
  return seats;
}

// The packet order the design gives: whole packets, seat after seat from the leader.
std::vector<int> PacketOrder(int leader, int packet, int packets) {
  std::vector<int> seats;
  for (int k = 0; k < packets; ++k) seats.insert(seats.end(), packet, (leader + k) % 4);
  return seats;
}

TEST(DealShapeTest, TenCardsGoInPacketsOfFiveFromSeatTwo) {
  for (Variant variant : {Variant::Romane, Variant::Napoletane, Variant::UmbriaMarche}) {
    auto game = DealtGame(VariantOptions(variant));
    EXPECT_EQ(DealHands(*game, 2), PacketOrder(2, 5, 8));
    EXPECT_EQ(game->piles.HandCount, (std::array<int, 4>{10, 10, 10, 10}));
    EXPECT_EQ(game->deal.CardsDealtToHands, 40);
    EXPECT_EQ(game->piles.DeckTop, 40);
  }
}

TEST(DealShapeTest, NineCardsGoInPacketsOfThree) {
  for (int leader = 0; leader < 4; ++leader) {
    auto game = DealtGame(Options{});
    EXPECT_EQ(DealHands(*game, leader), PacketOrder(leader, 3, 12));
    EXPECT_EQ(game->piles.HandCount, (std::array<int, 4>{9, 9, 9, 9}));
  }
}

// Every hand gets the deck's cards in dealing order, none twice.
TEST(DealShapeTest, HandsHoldTheShuffledCardsInDealingOrder) {
  auto game = DealtGame(VariantOptions(Variant::Romane));
  const std::vector<int> seats = DealHands(*game, 1);
  std::array<int, 4> next{};
  for (int c = 0; c < 40; ++c) {
    const int seat = seats[c];
    EXPECT_EQ(game->piles.HandCards[seat][next[seat]++], game->deal.ShuffledCards[c]);
  }
}

// Nine-card deal: two table cards after the 12th and the 24th card to the seats.
TEST(DealShapeTest, NineCardDealLeavesFourCardsFaceDownOnTheTable) {
  auto game = DealtGame(Options{});
  Game& g = *game;
  Piles& p = g.piles;
  std::set<int> dealt;
  for (int turn = 0; turn < 3; ++turn) {
    for (int c = 0; c < 12; ++c) {
      dealt.insert(p.Deck[p.DeckTop].Card);
      DealAndLand(g);
    }
    if (turn == 2) break;
    for (int t = 0; t < 2; ++t) {
      CardSprite& s = p.Deck[p.DeckTop];
      DealCardToTable(g, s);
      EXPECT_FALSE(s.FaceUp);
      EXPECT_EQ(s.Slot, 2 * turn + t);
      s.Moving = false;
      dealt.insert(s.Card);
      p.DeckTop += 1;
    }
  }
  EXPECT_EQ(g.deal.CardsDealtToHands, 36);
  EXPECT_EQ(p.DeckTop, 40);
  EXPECT_EQ(dealt.size(), 40u);
  for (int a = 0; a < 4; ++a) EXPECT_TRUE(p.TableSlots[a].Occupied);
  EXPECT_FALSE(p.TableSlots[4].Occupied);
}

TEST(DealTargetTest, EachCardFliesToTheSeatsNextPlaceFaceUpOnlyForTheHuman) {
  RecordingSound sound;
  auto game = DealtGame(VariantOptions(Variant::Napoletane), &sound);
  Game& g = *game;
  sound.slots.clear();
  g.turn.CurrentSeat = 3;
  BuildDealOrder(g);
  for (int c = 0; c < 40; ++c) {
    CardSprite& s = g.piles.Deck[g.piles.DeckTop];
    const float startX = s.X;
    const float startY = s.Y;
    DealStep(g);
    const int seat = g.deal.DealSeat;
    const auto [tx, ty] = HandPlace(seat, g.piles.HandCount[seat]);
    EXPECT_TRUE(s.Moving);
    EXPECT_EQ(s.TargetX, tx) << "card " << c;
    EXPECT_EQ(s.TargetY, ty) << "card " << c;
    EXPECT_EQ(s.FaceUp, seat == 0);
    EXPECT_FLOAT_EQ(s.StepX, std::fabs(tx - startX) / g.layout.DealFrames);
    EXPECT_FLOAT_EQ(s.StepY, std::fabs(ty - startY) / g.layout.DealFrames);
    LandDealtCard(g);
  }
  ASSERT_EQ(sound.slots.size(), 40u);
  EXPECT_TRUE(std::all_of(sound.slots.begin(), sound.slots.end(), IsFlipSound));
}

TEST(DealTargetTest, NoFlightAndNoSoundWhileACardIsMoving) {
  RecordingSound sound;
  auto game = DealtGame(Options{}, &sound);
  sound.slots.clear();
  Piles& p = game->piles;
  p.Deck[0].Moving = true;
  CardSprite& next = p.Deck[1];
  DealCardToSeat(*game, next, 2);
  EXPECT_FALSE(next.Moving);
  EXPECT_TRUE(sound.slots.empty());
}

TEST(TableDealTest, TakesTheLowestFreePlaceWithASmallOffset) {
  RecordingSound sound;
  auto game = DealtGame(Options{}, &sound);
  Game& g = *game;
  TableSlot* slots = g.piles.TableSlots.data();
  slots[0].Occupied = true;
  slots[2].Occupied = true;
  CardSprite& s = g.piles.Deck[0];
  // Repeated, so that the random offsets cover their range.
  for (int k = 0; k < 30; ++k) {
    sound.slots.clear();
    slots[1].Occupied = false;
    s.Moving = false;
    DealCardToTable(g, s);
    EXPECT_EQ(s.Slot, 1);
    EXPECT_TRUE(slots[1].Occupied);
    EXPECT_FALSE(slots[3].Occupied);
    EXPECT_TRUE(s.Moving);
    EXPECT_GE(s.TargetX, 336.0f);
    EXPECT_LT(s.TargetX, 336.0f + 12);
    EXPECT_GE(s.TargetY, 39.0f);
    EXPECT_LT(s.TargetY, 39.0f + 8);
    EXPECT_EQ(s.TargetX, std::floor(s.TargetX));
    EXPECT_EQ(s.TargetY, std::floor(s.TargetY));
    ASSERT_EQ(sound.slots.size(), 1u);
    EXPECT_TRUE(IsFlipSound(sound.slots[0]));
  }
}

TEST(TableDealTest, FifteenthTableCardGoesToPlaceFourteenAtTheCorner) {
  auto game = DealtGame(Options{});
  for (int a = 0; a < kTablePlaces; ++a) game->piles.TableSlots[a].Occupied = true;
  CardSprite& s = game->piles.Deck[0];
  DealCardToTable(*game, s);
  EXPECT_EQ(s.Slot, 14);
  EXPECT_LT(s.TargetX, 12.0f);
  EXPECT_LT(s.TargetY, 8.0f);
  EXPECT_GE(s.TargetX, 0.0f);
  EXPECT_GE(s.TargetY, 0.0f);
}

TEST(TableDealTest, WithEveryPlaceTakenThePlaceIsZero) {
  auto game = DealtGame(Options{});
  for (auto& slot : game->piles.TableSlots) slot.Occupied = true;
  CardSprite& s = game->piles.Deck[0];
  DealCardToTable(*game, s);
  EXPECT_EQ(s.Slot, 0);
  EXPECT_GE(s.TargetX, 230.0f);
  EXPECT_LT(s.TargetX, 230.0f + 12);
}

}  // namespace
}  // namespace verlano
