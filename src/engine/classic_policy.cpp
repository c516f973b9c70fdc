#include "engine/classic_policy.h"

#include "engine/captures.h"

namespace verlano::engine {

namespace {

// What every option of one decision shares.
struct Shared {
  const CardFacts& facts = Facts();
  ClassicMemory memory;
  std::array<int, kHighestValue + 1> inHand{};  // the hand's cards of each value
  int tableSum = 0;
  int lastPrimiera = 0;  // the player adds the table's last card to every capture
};

void Remember(const Position& p, const CardFacts& facts, ClassicMemory& memory) {
  const CardSet played = p.PlayedSet();
  for (int v = 1; v <= kHighestValue; ++v) memory.played[v] = Count(played & facts.ofValue[v]);
  // A sweeping card lies on a sweep mark, where the player does not look.
  const CardSet out = p.TableSet() | ((p.taken[0] | p.taken[1]) & ~p.sweepCards);
  memory.settebelloOut = Has(out, kSettebello);
  memory.kingOut = Has(out, kKingOfCoins);
}

// The rest of what the decision shares, its memory already in place.
void Share(const Position& p, Shared& s) {
  for (int i = 0; i < p.tableCount; ++i) s.tableSum += s.facts.value[p.table[i]];
  for (int i = 0; i < p.handCount[p.toPlay]; ++i) ++s.inHand[s.facts.value[p.hands[p.toPlay][i]]];
  if (p.tableCount > 0) s.lastPrimiera = s.facts.primiera[p.table[p.tableCount - 1]];
}

Shared ShareOf(const Position& p, const ClassicMemory& memory) {
  Shared s{.memory = memory};
  Share(p, s);
  return s;
}

double KeepOf(const Position& p, const Shared& s, int card) {
  const CardFacts& f = s.facts;
  const ClassicMemory& m = s.memory;
  const int value = f.value[card];
  const bool coin = Has(f.coins, card);
  const bool kingScores = p.rules.points.KingOfCoins > 0;
  double keep = 0;
  if (card == kSettebello) keep -= 11;  // its flag and its own penalty
  if (card == kKingOfCoins && kingScores) keep -= 10;
  keep += m.played[value] + s.inHand[value];
  // Any seven (or king) may be what lets the other side take the unseen one.
  if (!m.settebelloOut && value == 7) keep -= 5;
  if (!m.kingOut && kingScores && value == 10) keep -= 5;
  if (coin) keep -= 1;
  if (coin) keep -= p.rules.coinKeepBonus;
  keep -= f.primieraTwentyFirsts[card];
  return keep;
}

ScoredMove Score(const Position& p, const Shared& s, int card, double keep, const Move& m) {
  const CardFacts& f = s.facts;
  ScoredMove scored;
  scored.move = m;
  int takenSum = 0;
  int coins = 0;
  for (int k = 0; k < m.count; ++k) {
    const int taken = p.table[m.positions[k]];
    takenSum += f.value[taken];
    scored.primieraSum += f.primiera[taken];
    coins += Has(f.coins, taken) ? 1 : 0;
    scored.premium += taken == kSettebello ? 1 : 0;
  }
  int left = s.tableSum + f.value[card];
  bool empty = false;
  if (m.count > 0) {
    if (m.count == p.tableCount) scored.premium += 1;
    scored.primieraSum += s.lastPrimiera;
    left = s.tableSum - takenSum;
    empty = m.count == p.tableCount;
  }
  // Safe: no card could sweep what the play leaves, as far as the memory tells.
  scored.safe = empty || left > kHighestValue || s.memory.played[left] > 3;
  float base = 2.0f * static_cast<float>(m.count);
  if (scored.safe) base += 50.0f;
  base += 20.0f * static_cast<float>(scored.premium);
  base += static_cast<float>(coins);
  // An integer divided by 100 is a double: the sum is made in double, then stored as single.
  base = static_cast<float>(static_cast<double>(base) + scored.primieraSum / 100.0);
  scored.score = m.count > 0 ? 10.0f * base : static_cast<float>(keep / 100.0 + 10.0f * base);
  return scored;
}

template <typename Visit>
void ScoreEach(const Position& p, const Shared& shared, Visit&& visit,
               CaptureReach reach = CaptureReach::Searched) {
  for (int h = 0; h < p.handCount[p.toPlay]; ++h) {
    const int card = p.hands[p.toPlay][h];
    const double keep = KeepOf(p, shared, card);
    ForEachCapture(
        p, h, [&](const Move& m) { visit(Score(p, shared, card, keep, m)); }, reach);
  }
}

ScoredMove Best(const Position& p, const Shared& shared, long* scored) {
  ScoredMove best;
  best.score = -100.0f;
  long count = 0;
  // Strictly greater only, so on equal scores the first card and capture stay.
  ScoreEach(p, shared, [&](const ScoredMove& m) {
    ++count;
    if (m.score > best.score) best = m;
  });
  if (scored != nullptr) *scored += count;
  return best;
}

}  // namespace

ClassicMemory MemoryOf(const Position& p) {
  ClassicMemory memory;
  Remember(p, Facts(), memory);
  return memory;
}

ScoredMove ClassicMove(const Position& p, long* scored) {
  Shared s;
  Remember(p, s.facts, s.memory);
  Share(p, s);
  return Best(p, s, scored);
}

ScoredMove ClassicMove(const Position& p, const ClassicMemory& memory) {
  return Best(p, ShareOf(p, memory), nullptr);
}

void ClassicScores(const Position& p, const ClassicMemory& memory, std::vector<ScoredMove>& out,
                   CaptureReach reach) {
  out.clear();
  ScoreEach(
      p, ShareOf(p, memory), [&](const ScoredMove& m) { out.push_back(m); }, reach);
}

double KeepValue(const Position& p, const ClassicMemory& memory, int handIndex) {
  return KeepOf(p, ShareOf(p, memory), p.hands[p.toPlay][handIndex]);
}

}  // namespace verlano::engine
