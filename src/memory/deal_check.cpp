// The deal and the play so far: the shuffle is the pack, dealt whole as the
// variant deals it; each seat holds what the deal gave it less one card for
// each of its turns so far, counted from the leader; the card memory counts
// the cards that reached the table; the turn and the captures stand as they
// do at a quiet moment.

#include <array>
#include <bit>
#include <cstdint>

#include "engine/deal_position.h"
#include "memory/match_check.h"
#include "rules/game.h"

namespace verlano {

namespace {

std::uint64_t Bit(int card) {
  return std::uint64_t{1} << card;
}

// The shuffle holds the pack once, in the deck's order, and the deal is over.
void CheckShuffle(const Game& game) {
  const DealState& d = game.deal;
  const Piles& p = game.piles;
  std::uint64_t seen = 0;
  for (int i = 0; i < kDeckEntries; ++i) {
    const int card = d.ShuffledCards[i];
    if (i >= engine::kPackCards) {
      Require(card == -1, "its shuffle lists more than the pack");
      continue;
    }
    Require(InPlay(game.cards, card) && (seen & Bit(card)) == 0,
            "its shuffle is not the pack once over");
    seen |= Bit(card);
    Require(p.Deck[i].Card == card, "its deck's cards differ from its shuffle");
  }
  const VariantRules& rules = game.settings.Rules;
  const int leader = d.DealOrder[0];
  for (int k = 0; k < 4; ++k) {
    Require(d.DealOrder[k] == (leader + k) % 4, "its deal order is not the seats in turn");
  }
  Require(d.DealOrder[4] == 0, "its deal order has a fifth seat");
  Require(p.DeckTop == engine::kPackCards && d.CardsDealtToHands == 4 * rules.CardsPerHand &&
              d.DealTurn == 0 && d.PacketCount == 0 && d.TableDealCount == 0 && d.DeckTaken == 0 &&
              d.FirstDealDone && d.DealSeat == d.DealOrder[3],
          "its deal is not the whole deal of " + std::to_string(rules.CardsPerHand) +
              " cards a seat that the variant makes");
}

// Each seat has played once a turn from the leader on, and holds the rest of
// what it was dealt; the card memory counts what reached the table.
void CheckHands(const Game& game) {
  const Piles& p = game.piles;
  const int perHand = game.settings.Rules.CardsPerHand;
  const int leader = game.deal.DealOrder[0];
  const bool handOver = game.turn.GameState == PlayState::HandOver;
  const int played = p.CardsPlayed;
  Require(handOver ? played == 4 * perHand : played < 4 * perHand && (leader + played) % 4 == 0,
          "its " + std::to_string(played) + " cards played do not bring the turn to " +
              (handOver ? std::string("the hand's end") : "seat 0"));
  std::array<int, 4> turns{};
  for (int k = 0; k < played; ++k) ++turns[(leader + k) % 4];
  const engine::Position dealt = DealtPosition(game);
  std::uint64_t landed = dealt.TableSet();
  for (int seat = 0; seat < 4; ++seat) {
    Require(p.HandCount[seat] == perHand - turns[seat],
            SeatWord(seat) + " holds " + std::to_string(p.HandCount[seat]) + " cards where the " +
                std::to_string(perHand) + "-card deal and " + std::to_string(turns[seat]) +
                " turns leave " + std::to_string(perHand - turns[seat]));
    std::uint64_t held = 0;
    for (int i = 0; i < p.HandCount[seat]; ++i) held |= Bit(p.HandCards[seat][i]);
    Require((held & ~dealt.HandSet(seat)) == 0, SeatWord(seat) + " holds a card dealt elsewhere");
    landed |= dealt.HandSet(seat) & ~held;
  }
  std::array<int, 15> byValue{};
  for (int card = 0; card < kCardIndexCount; ++card) {
    if ((landed & Bit(card)) != 0) ++byValue[game.cards.CardValue[card]];
  }
  Require(byValue == game.memory.PlayedByValue,
          "its card memory differs from the cards that reached the table");
}

// The turn as a quiet moment leaves it: the human's turn with nothing picked,
// or a hand's end after the last seat's play.
void CheckTurn(const Game& game) {
  const TurnState& t = game.turn;
  Require(t.StateBeforeSort == PlayState::NormalPlay && t.RevealCount == 0 &&
              t.PickedHandSlot == -1 && !t.SeatThinking,
          "its turn is not one of a quiet moment");
  if (t.GameState == PlayState::HandOver) {
    Require(t.CurrentSeat == (game.deal.DealOrder[0] + 3) % 4,
            "its hand ends at another seat than the last to play");
  } else {
    Require(!t.HumanPlayed && !t.PauseJustEnded, "its turn is not one of a quiet moment");
  }
}

// A side's last capture: none before it took a card, else cards it took.
void CheckLastCapture(const Game& game, const SidePiles& side, const char* name) {
  const LastCapture& last = side.Last;
  const std::string what = std::string(name) + " last capture";
  if (last.Taker == -1) {
    Require(last.TakenCount == 0, what + " lists cards but no taker");
    return;
  }
  std::uint64_t taken = 0;
  for (int i = 0; i < side.CardCount; ++i) taken |= Bit(side.Cards[i]);
  std::uint64_t shown = Bit(last.Taker);
  for (int i = 0; i < last.TakenCount; ++i) shown |= Bit(last.Taken[i]);
  Require(last.TakenCount > 0 && std::popcount(shown) == last.TakenCount + 1 &&
              (shown & ~taken) == 0 && InPlay(game.cards, last.Taker),
          what + " is not cards the side took");
}

void CheckCaptures(const Game& game) {
  const CaptureState& c = game.capture;
  const Piles& p = game.piles;
  Require(!c.CaptureReady && !c.WeSweep && !c.TheySweep, "it keeps a capture under way");
  const SidePiles& lastSide = IsWeSeat(c.LastCapturer) ? p.Our : p.Their;
  Require(lastSide.CardCount > 0 ||
              (c.LastCapturer == 0 && p.Our.CardCount == 0 && p.Their.CardCount == 0),
          "its last capturer's side took no card");
  CheckLastCapture(game, p.Our, "our");
  CheckLastCapture(game, p.Their, "their");
}

}  // namespace

engine::Position DealtPosition(const Game& game) {
  engine::Pack pack{};
  for (int i = 0; i < engine::kPackCards; ++i) {
    pack[i] = static_cast<std::int8_t>(game.deal.ShuffledCards[i]);
  }
  return engine::DealFrom(engine::RulesOf(game.settings.Rules), game.deal.DealOrder[0], pack);
}

void CheckDealAndPlay(const Game& game) {
  CheckShuffle(game);
  CheckHands(game);
  CheckTurn(game);
  CheckCaptures(game);
}

}  // namespace verlano
