#pragma once
// A game set up by card codes for the computer player's tests: a hand for seat
// 1, a table, the card memory and the cards already in the piles.

#include <initializer_list>
#include <string_view>
#include <vector>

#include "rules/game.h"

namespace verlano::test {

inline int Card(const Game& game, std::string_view code) {
  return CardFromCode(game.cards, code);
}

class AiPosition {
 public:
  explicit AiPosition(Variant variant = Variant::Nine, bool extraCoinPoints = false)
      : game_(Options{.variant = variant, .extraCoinPoints = extraCoinPoints}, 1) {}

  Game& game() { return game_; }

  AiPosition& Hand(std::initializer_list<std::string_view> codes) {
    Piles& piles = game_.piles;
    piles.HandCount[kSeat] = 0;
    for (std::string_view code : codes) {
      piles.HandCards[kSeat][piles.HandCount[kSeat]++] = Card(game_, code);
    }
    return *this;
  }

  AiPosition& Table(const std::vector<std::string_view>& codes) {
    Piles& piles = game_.piles;
    piles.TableCount = 0;
    for (std::string_view code : codes) {
      piles.TablePile[piles.TableCount].Card = Card(game_, code);
      piles.TablePile[piles.TableCount].Present = true;
      piles.TableCards[piles.TableCount++] = Card(game_, code);
    }
    piles.TableCardCount = piles.TableCount;
    return *this;
  }

  AiPosition& Played(int value, int count) {
    game_.memory.PlayedByValue[value] = count;
    return *this;
  }

  // Cards taken earlier this hand, in our pile.
  AiPosition& Out(std::initializer_list<std::string_view> codes) {
    SidePiles& ours = game_.piles.Our;
    for (std::string_view code : codes) ours.Pile[ours.PileCount++].Card = Card(game_, code);
    return *this;
  }

  static constexpr int kSeat = 1;

 private:
  Game game_;
};

}  // namespace verlano::test
