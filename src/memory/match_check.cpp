#include "memory/match_check.h"

#include <array>
#include <string>

#include "game/quiet_moment.h"
#include "memory/records.h"
#include "rules/game.h"

namespace verlano {

namespace {

constexpr int kPackCards = 40;

class Census {
 public:
  explicit Census(const CardTables& cards) : cards_(cards) {}

  void Count(int card, const std::string& where) {
    Require(InPlay(cards_, card), "it has a card that is not in the pack in " + where);
    Require(seen_[card].empty(),
            "it has " + CardCode(cards_, card) + " twice: in " + seen_[card] + " and in " + where);
    seen_[card] = where;
    ++total_;
  }

  void NeedWholePack() const {
    Require(total_ == kPackCards,
            "it holds " + std::to_string(total_) + " cards, not the pack's 40");
  }

 private:
  const CardTables& cards_;
  std::array<std::string, kCardIndexCount> seen_{};
  int total_ = 0;
};

void CheckLists(const Piles& p) {
  for (int seat = 0; seat < 4; ++seat) {
    int present = 0;
    for (int i = 0; i < kHandEntries; ++i) {
      if (!p.Hand[seat][i].Present) continue;
      Require(
          present < p.HandCount[seat] && p.HandCards[seat][present] == p.Hand[seat][i].Card,
          "the cards shown in seat " + std::to_string(seat) + "'s hand differ from its card list");
      ++present;
    }
    Require(present == p.HandCount[seat], "seat " + std::to_string(seat) + " shows " +
                                              std::to_string(present) + " cards but lists " +
                                              std::to_string(p.HandCount[seat]));
  }
  Require(p.TableCount == p.TableCardCount, "the table shows " + std::to_string(p.TableCount) +
                                                " cards but lists " +
                                                std::to_string(p.TableCardCount));
  for (int i = 0; i < p.TableCount; ++i) {
    Require(p.TablePile[i].Card == p.TableCards[i],
            "the cards shown on the table differ from its card list");
  }
  for (const SidePiles* side : {&p.Our, &p.Their}) {
    Require(side->CardCount == side->PileCount + side->SweepCount,
            "a side's card list differs from its pile and sweeps");
  }
}

}  // namespace

std::string SeatWord(int seat) {
  return "seat " + std::to_string(seat);
}

void Require(bool holds, const std::string& why) {
  if (!holds) throw RecordError(why);
}

void CheckMatchPosition(const Game& game) {
  Require(IsQuietMoment(game), std::string("it was not kept at a quiet moment (state ") +
                                   StateName(game.turn.GameState) + ")");
  const Piles& p = game.piles;
  Census census(game.cards);
  for (int seat = 0; seat < 4; ++seat) {
    for (int i = 0; i < p.HandCount[seat]; ++i) {
      census.Count(p.HandCards[seat][i], "seat " + std::to_string(seat) + "'s hand");
    }
  }
  for (int i = 0; i < p.TableCardCount; ++i) census.Count(p.TableCards[i], "the table");
  for (int i = 0; i < p.Our.CardCount; ++i) census.Count(p.Our.Cards[i], "our pile");
  for (int i = 0; i < p.Their.CardCount; ++i) census.Count(p.Their.Cards[i], "their pile");
  for (int i = p.DeckTop; i < kPackCards; ++i) census.Count(p.Deck[i].Card, "the deck");
  census.NeedWholePack();
  CheckLists(p);
  CheckDealAndPlay(game);
  CheckScores(game);
  CheckSprites(game);
  CheckStory(game);
}

}  // namespace verlano
