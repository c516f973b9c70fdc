#include "sim/invariants.h"

#include <array>

#include "rules/game.h"

namespace verlano::sim {

namespace {

constexpr int kCardsInPlay = 40;

class Census {
 public:
  explicit Census(const Game& game) : game_(game) {}

  void Count(int card, const char* where) {
    if (!problem_.empty()) return;
    if (!InPlay(game_.cards, card)) {
      problem_ = std::string("a card out of play (index ") + std::to_string(card) + ") in " + where;
      return;
    }
    if (seen_[card] != nullptr) {
      problem_ = CardCode(game_.cards, card) + " is both in " + seen_[card] + " and in " + where;
      return;
    }
    seen_[card] = where;
    ++total_;
  }

  std::string Result() const {
    if (!problem_.empty()) return problem_;
    if (total_ != kCardsInPlay) return std::to_string(total_) + " cards in place, not 40";
    return "";
  }

 private:
  const Game& game_;
  std::array<const char*, kCardIndexCount> seen_{};
  int total_ = 0;
  std::string problem_;
};

std::string CheckCounts(const Game& game) {
  const Piles& p = game.piles;
  for (int seat = 0; seat < 4; ++seat) {
    int present = 0;
    for (int i = 0; i < 12; ++i) {
      if (!p.Hand[seat][i].Present) continue;
      if (present >= p.HandCount[seat] || p.HandCards[seat][present] != p.Hand[seat][i].Card) {
        return "the card list of seat " + std::to_string(seat) + " disagrees with its hand";
      }
      ++present;
    }
    if (present != p.HandCount[seat]) {
      return "seat " + std::to_string(seat) + " holds " + std::to_string(present) +
             " cards but counts " + std::to_string(p.HandCount[seat]);
    }
  }
  if (p.TableCardCount != p.TableCount) return "the table's card list and pile differ in length";
  // The same cards, though not always in the same order: a sweep's flight
  // swaps two entries of the pile but not of the list.
  std::array<int, kCardIndexCount> balance{};
  for (int i = 0; i < p.TableCount; ++i) {
    if (InPlay(game.cards, p.TableCards[i])) ++balance[p.TableCards[i]];
    if (InPlay(game.cards, p.TablePile[i].Card)) --balance[p.TablePile[i].Card];
  }
  for (int b : balance) {
    if (b != 0) return "the table's card list disagrees with it";
  }
  for (const SidePiles* side : {&p.Our, &p.Their}) {
    if (side->CardCount != side->PileCount + side->SweepCount) {
      return "a side's card list does not match its pile and sweep marks";
    }
  }
  return "";
}

}  // namespace

std::string CheckFrame(const Game& game) {
  const int state = static_cast<int>(game.turn.GameState);
  if (state < 0 || state > static_cast<int>(PlayState::EndOfMatch)) return "unknown play state";
  const Piles& p = game.piles;
  Census census(game);
  for (int i = p.DeckTop; i < kCardsInPlay; ++i) census.Count(p.Deck[i].Card, "the deck");
  if (p.DeckTop > 0 && p.Deck[p.DeckTop - 1].Moving) {
    census.Count(p.Deck[p.DeckTop - 1].Card, "the deck (in flight)");
  }
  static const char* kHands[4] = {"hand 0", "hand 1", "hand 2", "hand 3"};
  for (int seat = 0; seat < 4; ++seat) {
    for (const CardSprite& s : p.Hand[seat]) {
      if (s.Present) census.Count(s.Card, kHands[seat]);
    }
  }
  for (int i = 0; i < p.TableCount; ++i) {
    if (p.TablePile[i].Present) census.Count(p.TablePile[i].Card, "the table");
  }
  for (const SidePiles* side : {&p.Our, &p.Their}) {
    const char* name = side == &p.Our ? "our pile" : "their pile";
    for (int i = 0; i < side->PileCount; ++i) census.Count(side->Pile[i].Card, name);
    for (int i = 0; i < side->SweepCount; ++i) census.Count(side->Sweeps[i].Card, name);
  }
  std::string problem = census.Result();
  if (problem.empty()) problem = CheckCounts(game);
  return problem;
}

std::string CheckHandEnd(const Game& game) {
  const Piles& p = game.piles;
  if (p.Our.CardCount + p.Their.CardCount != kCardsInPlay) {
    return "the sides took " + std::to_string(p.Our.CardCount + p.Their.CardCount) +
           " cards, not 40";
  }
  Census census(game);
  for (const SidePiles* side : {&p.Our, &p.Their}) {
    for (int i = 0; i < side->CardCount; ++i) census.Count(side->Cards[i], "a side's card list");
  }
  if (std::string problem = census.Result(); !problem.empty()) return problem;
  const int most = game.settings.Rules.MostHandPoints;
  const struct {
    const SideScore& score;
    const SidePiles& piles;
    const char* name;
  } sides[] = {{game.score.We, p.Our, "WE"}, {game.score.They, p.Their, "THEY"}};
  for (const auto& side : sides) {
    const SideScore& s = side.score;
    const int sweeps = SweepPoints(game, s);
    const int items = s.PrimieraPoint + s.MostCards + s.MostCoins + s.CoinPoints + s.Settebello +
                      s.KingOfCoins + sweeps;
    if (s.Total != items) return std::string(side.name) + "'s total is not the sum of its items";
    if (s.Total - sweeps < 0 || s.Total - sweeps > most) {
      return std::string(side.name) + "'s hand total " + std::to_string(s.Total) +
             " is outside the variant's points plus its sweeps";
    }
    if (s.Sweeps != side.piles.SweepCount) {
      return std::string(side.name) + " scored " + std::to_string(s.Sweeps) + " sweeps but laid " +
             std::to_string(side.piles.SweepCount) + " sweep marks";
    }
  }
  return "";
}

std::string CheckMatchEnd(const Game& game) {
  const MatchState& m = game.match;
  const bool won = m.OurMatchTotal > m.MatchTarget && m.OurMatchTotal > m.TheirMatchTotal;
  const bool lost = m.TheirMatchTotal > m.MatchTarget && m.TheirMatchTotal > m.OurMatchTotal;
  const std::string totals = std::to_string(m.OurMatchTotal) + " to " +
                             std::to_string(m.TheirMatchTotal) + " with the target " +
                             std::to_string(m.MatchTarget);
  if (!m.MatchOver) {
    if (won || lost) return "the match goes on at " + totals;
    return "";
  }
  if ((m.MatchResultText == "We Won!" && won) || (m.MatchResultText == "We lost!" && lost)) {
    return "";
  }
  return "the result '" + m.MatchResultText + "' disagrees with " + totals;
}

}  // namespace verlano::sim
