#include "engine/classic_policy.h"

#include "engine/captures.h"

namespace verlano::engine {

namespace {

constexpr int kHighestSum = 10;  // a table adding up to more cannot be swept

// What every option of one decision shares.
struct Shared {
  const CardFacts& facts = Facts();
  std::array<int, kHighestSum + 1> played{};  // the game's `PlayedByValue`
  std::array<int, kHighestSum + 1> inHand{};  // the hand's cards of each value
  int tableSum = 0;
  int lastPrimiera = 0;  // the game's player adds the table's last card to every capture
  bool settebelloOut = false;
  bool kingOut = false;
};

Shared ShareOf(const Position& p) {
  Shared s;
  const CardSet playedSet = p.PlayedSet();
  for (int v = 1; v <= kHighestSum; ++v) s.played[v] = Count(playedSet & s.facts.ofValue[v]);
  for (int i = 0; i < p.tableCount; ++i) s.tableSum += s.facts.value[p.table[i]];
  for (int i = 0; i < p.handCount[p.toPlay]; ++i) ++s.inHand[s.facts.value[p.hands[p.toPlay][i]]];
  if (p.tableCount > 0) s.lastPrimiera = s.facts.primiera[p.table[p.tableCount - 1]];
  // A sweeping card lies on a sweep mark, where the game's player does not look.
  const CardSet out = p.TableSet() | ((p.taken[0] | p.taken[1]) & ~p.sweepCards);
  s.settebelloOut = Has(out, kSettebello);
  s.kingOut = Has(out, kKingOfCoins);
  return s;
}

double KeepValue(const Position& p, const Shared& s, int card) {
  const CardFacts& f = s.facts;
  const int value = f.value[card];
  const bool coin = Has(f.coins, card);
  const bool kingScores = p.rules.points.KingOfCoins > 0;
  double keep = 0;
  if (card == kSettebello) keep -= 11;  // its flag and its own penalty
  if (card == kKingOfCoins && kingScores) keep -= 10;
  keep += s.played[value] + s.inHand[value];
  if (!s.settebelloOut && value == 7) keep -= 5;
  if (!s.kingOut && kingScores && value == 10) keep -= 5;
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
  scored.safe = empty || left > kHighestSum || s.played[left] > 3;
  float base = 2.0f * static_cast<float>(m.count);
  if (scored.safe) base += 50.0f;
  base += 20.0f * static_cast<float>(scored.premium);
  base += static_cast<float>(coins);
  base = static_cast<float>(static_cast<double>(base) + scored.primieraSum / 100.0);
  scored.score = m.count > 0 ? 10.0f * base : static_cast<float>(keep / 100.0 + 10.0f * base);
  return scored;
}

template <typename Visit>
void ScoreEach(const Position& p, Visit&& visit) {
  const Shared shared = ShareOf(p);
  for (int h = 0; h < p.handCount[p.toPlay]; ++h) {
    const int card = p.hands[p.toPlay][h];
    const double keep = KeepValue(p, shared, card);
    ForEachCapture(p, h, [&](const Move& m) { visit(Score(p, shared, card, keep, m)); });
  }
}

}  // namespace

ScoredMove ClassicMove(const Position& p, long* scored) {
  ScoredMove best;
  best.score = -100.0f;
  long count = 0;
  ScoreEach(p, [&](const ScoredMove& m) {
    ++count;
    if (m.score > best.score) best = m;
  });
  if (scored != nullptr) *scored += count;
  return best;
}

void ClassicScores(const Position& p, std::vector<ScoredMove>& out) {
  out.clear();
  ScoreEach(p, [&](const ScoredMove& m) { out.push_back(m); });
}

}  // namespace verlano::engine
