#include "sim/invariants.h"

#include <array>
#include <bit>
#include <cstdint>

#include "rules/game.h"

namespace verlano::sim {

namespace {

constexpr int kCardsInPlay = 40;
// A hand's card list follows the first 12 of its places; the last one is spare.
constexpr int kHandPlaces = 12;

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
    for (int i = 0; i < kHandPlaces; ++i) {
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
  // A card off balance is in one of the two lists, so only their cards are looked at.
  for (int i = 0; i < p.TableCount; ++i) {
    for (int card : {p.TableCards[i], p.TablePile[i].Card}) {
      if (InPlay(game.cards, card) && balance[card] != 0) {
        return "the table's card list disagrees with it";
      }
    }
  }
  for (const SidePiles* side : {&p.Our, &p.Their}) {
    if (side->CardCount != side->PileCount + side->SweepCount) {
      return "a side's card list does not match its pile and sweep marks";
    }
  }
  return "";
}

// Calls visit(card, where) for every card the piles hold, in flight or at rest.
template <typename Visit>
void VisitPlacedCards(const Piles& p, Visit&& visit) {
  for (int i = p.DeckTop; i < kCardsInPlay; ++i) visit(p.Deck[i].Card, "the deck");
  if (p.DeckTop > 0 && p.Deck[p.DeckTop - 1].Moving) {
    visit(p.Deck[p.DeckTop - 1].Card, "the deck (in flight)");
  }
  static const char* kHands[4] = {"hand 0", "hand 1", "hand 2", "hand 3"};
  for (int seat = 0; seat < 4; ++seat) {
    for (const CardSprite& s : p.Hand[seat]) {
      if (s.Present) visit(s.Card, kHands[seat]);
    }
  }
  for (int i = 0; i < p.TableCount; ++i) {
    if (p.TablePile[i].Present) visit(p.TablePile[i].Card, "the table");
  }
  for (const SidePiles* side : {&p.Our, &p.Their}) {
    const char* name = side == &p.Our ? "our pile" : "their pile";
    for (int i = 0; i < side->PileCount; ++i) visit(side->Pile[i].Card, name);
    for (int i = 0; i < side->SweepCount; ++i) visit(side->Sweeps[i].Card, name);
  }
}

// Card indices gathered without a branch a card: a card repeated or outside
// 0..63 shows once all are in.
struct CardSet {
  std::uint64_t bits = 0;
  int count = 0;
  unsigned all = 0;  // every index or-ed: a negative one or one past 63 sets a high bit

  void Add(int card) {
    all |= static_cast<unsigned>(card);
    bits |= std::uint64_t{1} << (card & 63);
    ++count;
  }
  bool Distinct() const { return all < 64 && std::popcount(bits) == count; }
};

// Every frame check at once, answering only whether the frame is sound. The
// simulator runs the checks on every frame it plays, so this pass keeps to
// bit sets; it may doubt a sound frame (a repeated entry in the table's
// lists), never pass a faulty one, and the full checks decide a doubt. Kept
// out of line: inlined into the simulator's loop, its sets lived in memory.
[[gnu::noinline]] bool LooksSound(const Game& game) {
  static_assert(kCardIndexCount <= 64);
  const Piles& p = game.piles;
  bool doubt =
      static_cast<unsigned>(game.turn.GameState) > static_cast<unsigned>(PlayState::HandOver);
  CardSet placed;
  for (int i = p.DeckTop; i < kCardsInPlay; ++i) placed.Add(p.Deck[i].Card);
  if (p.DeckTop > 0 && p.Deck[p.DeckTop - 1].Moving) placed.Add(p.Deck[p.DeckTop - 1].Card);
  for (int seat = 0; seat < 4; ++seat) {
    // The list may be read past its count here: the count test below fails then.
    int present = 0;
    for (int i = 0; i < kHandPlaces; ++i) {
      const CardSprite& s = p.Hand[seat][i];
      if (!s.Present) continue;
      placed.Add(s.Card);
      doubt |= p.HandCards[seat][present] != s.Card;
      ++present;
    }
    doubt |= present != p.HandCount[seat];
    for (int i = kHandPlaces; i < kHandEntries; ++i) {
      if (p.Hand[seat][i].Present) placed.Add(p.Hand[seat][i].Card);
    }
  }
  doubt |= p.TableCardCount != p.TableCount;
  CardSet listed, piled;
  for (int i = 0; i < p.TableCount; ++i) {
    if (p.TablePile[i].Present) placed.Add(p.TablePile[i].Card);
    listed.Add(p.TableCards[i]);
    piled.Add(p.TablePile[i].Card);
  }
  doubt |= !listed.Distinct() || !piled.Distinct() || listed.bits != piled.bits;
  for (const SidePiles* side : {&p.Our, &p.Their}) {
    doubt |= side->CardCount != side->PileCount + side->SweepCount;
    for (int i = 0; i < side->PileCount; ++i) placed.Add(side->Pile[i].Card);
    for (int i = 0; i < side->SweepCount; ++i) placed.Add(side->Sweeps[i].Card);
  }
  return !doubt && placed.Distinct() && placed.count == kCardsInPlay &&
         (placed.bits & ~game.cards.InPlaySet) == 0;
}

// The result in the match file's words, for a message.
const char* ResultWord(MatchResult result) {
  switch (result) {
    case MatchResult::Won:
      return "won";
    case MatchResult::Lost:
      return "lost";
    case MatchResult::TieOverTarget:
      return "tie";
    case MatchResult::None:
      break;
  }
  return "none";
}

}  // namespace

std::string CheckFrame(const Game& game) {
  return LooksSound(game) ? std::string() : CheckFrameInFull(game);
}

std::string CheckFrameInFull(const Game& game) {
  const int state = static_cast<int>(game.turn.GameState);
  if (state < 0 || state > static_cast<int>(PlayState::HandOver)) return "unknown play state";
  Census census(game);
  VisitPlacedCards(game.piles, [&](int card, const char* where) { census.Count(card, where); });
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
  // Every match of a variant, the first, a later one or one continued from a
  // kept file, is played to the variant's target.
  if (m.MatchTarget != game.settings.Rules.MatchTarget) {
    return "the match's target " + std::to_string(m.MatchTarget) + " is not the variant's " +
           std::to_string(game.settings.Rules.MatchTarget);
  }
  const bool won = m.OurMatchTotal > m.MatchTarget && m.OurMatchTotal > m.TheirMatchTotal;
  const bool lost = m.TheirMatchTotal > m.MatchTarget && m.TheirMatchTotal > m.OurMatchTotal;
  const std::string totals = std::to_string(m.OurMatchTotal) + " to " +
                             std::to_string(m.TheirMatchTotal) + " with the target " +
                             std::to_string(m.MatchTarget);
  if (!m.MatchOver) {
    if (won || lost) return "the match goes on at " + totals;
    return "";
  }
  if ((m.Result == MatchResult::Won && won) || (m.Result == MatchResult::Lost && lost)) return "";
  return std::string("the result '") + ResultWord(m.Result) + "' disagrees with " + totals;
}

}  // namespace verlano::sim
