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
    if (!InPlay(cards_, card)) {
      throw RecordError("it has a card that is not in the pack in " + where);
    }
    if (!seen_[card].empty()) {
      throw RecordError("it has " + CardCode(cards_, card) + " twice: in " + seen_[card] +
                        " and in " + where);
    }
    seen_[card] = where;
    ++total_;
  }

  void NeedWholePack() const {
    if (total_ != kPackCards) {
      throw RecordError("it holds " + std::to_string(total_) + " cards, not the pack's 40");
    }
  }

 private:
  const CardTables& cards_;
  std::array<std::string, kCardIndexCount> seen_{};
  int total_ = 0;
};

void CheckHands(const Piles& p) {
  for (int seat = 0; seat < 4; ++seat) {
    int present = 0;
    for (int i = 0; i < kHandEntries; ++i) {
      if (!p.Hand[seat][i].Present) continue;
      if (present >= p.HandCount[seat] || p.HandCards[seat][present] != p.Hand[seat][i].Card) {
        throw RecordError("the cards shown in seat " + std::to_string(seat) +
                          "'s hand differ from its card list");
      }
      ++present;
    }
    if (present != p.HandCount[seat]) {
      throw RecordError("seat " + std::to_string(seat) + " shows " + std::to_string(present) +
                        " cards but lists " + std::to_string(p.HandCount[seat]));
    }
  }
  if (p.TableCount != p.TableCardCount) {
    throw RecordError("the table shows " + std::to_string(p.TableCount) + " cards but lists " +
                      std::to_string(p.TableCardCount));
  }
  for (int i = 0; i < p.TableCount; ++i) {
    if (p.TablePile[i].Card != p.TableCards[i]) {
      throw RecordError("the cards shown on the table differ from its card list");
    }
  }
  for (const SidePiles* side : {&p.Our, &p.Their}) {
    if (side->CardCount != side->PileCount + side->SweepCount) {
      throw RecordError("a side's card list differs from its pile and sweeps");
    }
  }
}

}  // namespace

void CheckMatchCards(const Game& game) {
  if (!IsQuietMoment(game)) {
    throw RecordError(std::string("it was not kept at a quiet moment (state ") +
                      StateName(game.turn.GameState) + ")");
  }
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
  CheckHands(p);
}

}  // namespace verlano
