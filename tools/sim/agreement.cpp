#include "sim/agreement.h"

#include <algorithm>
#include <array>
#include <bit>
#include <vector>

#include "engine/captures.h"
#include "engine/classic_policy.h"
#include "engine/deal_position.h"
#include "game/engine_view.h"
#include "rules/legal_captures.h"
#include "sim/score_reference.h"

namespace verlano::sim {

namespace {

using engine::CardSet;
using engine::Position;

// A row no variant has: items worth two or three points and a coin bonus of
// three, over the nine-card deal. An engine that read a flag or a constant
// where the record has a number would disagree with the game here.
constexpr ItemPoints kOddPoints = {.Settebello = 2,
                                   .KingOfCoins = 3,
                                   .MostCoins = 2,
                                   .PerCoin = 2,
                                   .Primiera = 3,
                                   .MostCards = 2,
                                   .PerSweep = 2};
constexpr VariantRules kTestOnly = {.CardsPerHand = 9,
                                    .DealPacketSize = 3,
                                    .TableCardsAtDeal = 4,
                                    .MatchTarget = 30,
                                    .Points = kOddPoints,
                                    .MostHandPoints = 40,
                                    .CoinKeepBonus = 3,
                                    .ScoreRows = {},
                                    .HistoryRows = 5};
constexpr int kMostTableCards = 16;
constexpr int kMostSweeps = 6;

// Position `index` of a run plays by the records in turn, so every one is checked.
const VariantRules& RecordFor(long index) {
  static const std::vector<VariantRules> records = CheckedRecords();
  return records[static_cast<std::size_t>(index) % records.size()];
}

int UnusedCard(Random& rng, CardSet& used) {
  while (true) {
    const int card = rng.Below(kCardIndexCount);
    if (!engine::Has(engine::Facts().inPlay, card) || engine::Has(used, card)) continue;
    used |= engine::Bit(card);
    return card;
  }
}

void Disagree(Agreement& result, const std::string& what) {
  if (result.disagreed++ == 0) result.first = what;
}

void PutTableCard(Piles& piles, int card) {
  piles.TablePile[piles.TableCount].Card = card;
  piles.TablePile[piles.TableCount++].Present = true;
  piles.TableCards[piles.TableCardCount++] = card;
}

std::vector<engine::Move> EngineCaptures(const Position& p, int handIndex,
                                         engine::CaptureReach reach) {
  std::vector<engine::Move> moves;
  engine::ForEachCapture(
      p, handIndex, [&](const engine::Move& m) { moves.push_back(m); }, reach);
  return moves;
}

bool SamePositions(const engine::Move& move, std::span<const int> positions) {
  if (move.count != std::ssize(positions)) return false;
  for (int k = 0; k < move.count; ++k) {
    if (move.positions[k] != positions[k]) return false;
  }
  return true;
}

TableSet MaskOf(const engine::Move& move) {
  TableSet mask = 0;
  for (int k = 0; k < move.count; ++k) mask |= TableSet{1} << move.positions[k];
  return mask;
}

void MarkChosen(Piles& piles, TableSet mask, bool chosen) {
  for (TableSet rest = mask; rest != 0; rest &= rest - 1) {
    piles.TablePile[std::countr_zero(rest)].Chosen = chosen;
  }
}

// The choices of one to `most` table cards `CheckSelection` accepts, as sorted masks.
std::vector<TableSet> AcceptedChoices(Game& game, int most) {
  const int n = game.piles.TableCount - 1;
  std::vector<TableSet> accepted;
  for (int size = 1; size <= std::min(n, most); ++size) {
    // Every mask of `size` bits below bit n, each from the last (Gosper's step).
    for (TableSet mask = (TableSet{1} << size) - 1; mask < (TableSet{1} << n);) {
      MarkChosen(game.piles, mask, true);
      if (CheckSelection(game)) accepted.push_back(mask);
      MarkChosen(game.piles, mask, false);
      const TableSet low = mask & (~mask + 1);
      const TableSet ripple = mask + low;
      mask = (((ripple ^ mask) >> 2) / low) | ripple;
    }
  }
  std::ranges::sort(accepted);
  return accepted;
}

// The human's rules against the engine's captures of the card just played:
// where the card must take (the game asks the engine's first capture), the
// choices `CheckSelection` accepts are the engine's lawful captures, and
// where it is laid it accepts none of up to four cards; the hint lights each
// of their cards and counts no fewer.
bool RulesAgree(Game& game, int card, const std::vector<engine::Move>& searched,
                const std::vector<engine::Move>& lawful) {
  PutTableCard(game.piles, card);
  std::vector<TableSet> captures;
  TableSet lit = 0;
  for (const engine::Move& move : lawful) {
    if (move.count == 0) continue;
    captures.push_back(MaskOf(move));
    lit |= captures.back();
  }
  std::ranges::sort(captures);
  const LegalCaptures legal = FindLegalCaptures(game);
  const bool hintHolds =
      (legal.cards & lit) == lit && legal.count >= std::min<int>(2, std::ssize(captures));
  const bool mustTake = searched.front().count > 0;
  return AcceptedChoices(game, mustTake ? engine::kMaxTaken : engine::kMostSummed) == captures &&
         hintHolds && FirstCaptureSize(game) == searched.front().count;
}

// A position of a real hand: a deal, then some random legal plays.
Position PlayedPosition(Random& rng, const engine::EngineRules& rules) {
  Position p = engine::DealPosition(rules, rng.Below(engine::kSeats), rng);
  const int plays = rng.Below(engine::kSeats * rules.cardsPerHand);
  std::vector<engine::ScoredMove> moves;
  for (int i = 0; i < plays; ++i) {
    engine::ClassicScores(p, engine::MemoryOf(p), moves);
    engine::ApplyMove(p, moves[static_cast<std::size_t>(rng.Below(std::ssize(moves)))].move);
  }
  return p;
}

std::string Describe(const Position& p) {
  std::string text = "seat " + std::to_string(p.toPlay) + " hand";
  for (int i = 0; i < p.handCount[p.toPlay]; ++i)
    text += " " + std::to_string(p.hands[p.toPlay][i]);
  text += " table";
  for (int i = 0; i < p.tableCount; ++i) text += " " + std::to_string(p.table[i]);
  return text;
}

}  // namespace

std::vector<VariantRules> CheckedRecords() {
  const std::span<const VariantRules> table = AllVariantRules();
  std::vector<VariantRules> records(table.begin(), table.end());
  records.push_back(kTestOnly);
  return records;
}

void LoadIntoGame(const Position& p, Game& game) {
  Piles& piles = game.piles;
  for (int seat = 0; seat < engine::kSeats; ++seat) {
    piles.HandCount[seat] = p.handCount[seat];
    for (int i = 0; i < p.handCount[seat]; ++i) piles.HandCards[seat][i] = p.hands[seat][i];
  }
  for (int i = 0; i < p.tableCount; ++i) PutTableCard(piles, p.table[i]);
  for (SidePiles* side : {&piles.Our, &piles.Their}) {
    const CardSet taken = p.taken[side == &piles.Our ? 0 : 1];
    for (CardSet rest = taken; rest != 0; rest &= rest - 1) {
      const int card = engine::Lowest(rest);
      side->Cards[side->CardCount++] = card;
      if (engine::Has(p.sweepCards, card)) continue;
      side->Pile[side->PileCount].Card = card;
      side->Pile[side->PileCount++].Present = true;
    }
  }
  const CardSet played = p.PlayedSet();
  for (CardSet rest = played; rest != 0; rest &= rest - 1) {
    NoteCardPlayed(game.memory, game.cards, engine::Lowest(rest));
  }
  game.score.We.Sweeps = p.sweeps[0];
  game.score.They.Sweeps = p.sweeps[1];
  piles.CardsPlayed = p.cardsPlayed;
  game.capture.LastCapturer = p.lastCapturer;
  game.turn.CurrentSeat = p.toPlay;
}

Agreement CheckCaptures(std::uint64_t seed, long positions) {
  Random rng(seed);
  Agreement result;
  for (; result.checked < positions; ++result.checked) {
    Game game(Options{}, seed);
    game.settings.Rules = RecordFor(result.checked);
    Position p;
    CardSet used = 0;
    p.handCount[0] = 1;
    p.hands[0][0] = static_cast<std::int8_t>(UnusedCard(rng, used));
    p.tableCount = static_cast<std::int8_t>(rng.Below(kMostTableCards + 1));
    for (int i = 0; i < p.tableCount; ++i) {
      p.table[i] = static_cast<std::int8_t>(UnusedCard(rng, used));
      PutTableCard(game.piles, p.table[i]);
    }
    if (!RulesAgree(game, p.hands[0][0], EngineCaptures(p, 0, engine::CaptureReach::Searched),
                    EngineCaptures(p, 0, engine::CaptureReach::Lawful))) {
      Disagree(result, Describe(p));
    }
  }
  return result;
}

Agreement CheckScores(std::uint64_t seed, long positions) {
  Random rng(seed);
  Agreement result;
  for (; result.checked < positions; ++result.checked) {
    Game game(Options{}, seed);
    game.settings.Rules = RecordFor(result.checked);
    // Each card goes to WE, to THEY or stays out, with a random lean per position.
    const double weShare = rng.Rnd();
    const double outShare = rng.Rnd() * 0.5;
    for (CardSet rest = engine::Facts().inPlay; rest != 0; rest &= rest - 1) {
      const int card = engine::Lowest(rest);
      if (rng.Rnd() < outShare) continue;
      SidePiles& side = rng.Rnd() < weShare ? game.piles.Our : game.piles.Their;
      side.Cards[side.CardCount++] = card;
    }
    game.score.We.Sweeps = rng.Below(kMostSweeps);
    game.score.They.Sweeps = rng.Below(kMostSweeps);
    const Piles& piles = game.piles;
    const SideScore we = ReferenceScore(game, piles.Our, piles.Their, game.score.We.Sweeps);
    const SideScore they = ReferenceScore(game, piles.Their, piles.Our, game.score.They.Sweeps);
    ScoreHand(game);
    for (const auto& [a, b] : {std::pair{we, game.score.We}, {they, game.score.They}}) {
      const bool same = a.Total == b.Total && a.Sweeps == b.Sweeps &&
                        a.PrimieraPoint == b.PrimieraPoint && a.PrimieraSum == b.PrimieraSum &&
                        a.Settebello == b.Settebello && a.KingOfCoins == b.KingOfCoins &&
                        a.MostCoins == b.MostCoins && a.Coins == b.Coins &&
                        a.CoinPoints == b.CoinPoints && a.MostCards == b.MostCards;
      if (!same) {
        Disagree(result, "score of position " + std::to_string(result.checked));
        break;
      }
    }
  }
  return result;
}

Agreement CheckClassic(std::uint64_t seed, long positions) {
  Random rng(seed);
  Agreement result;
  for (; result.checked < positions; ++result.checked) {
    Game game(Options{}, seed);
    game.settings.Rules = RecordFor(result.checked);
    const Position p = PlayedPosition(rng, engine::RulesOf(game.settings.Rules));
    LoadIntoGame(p, game);
    const ComputerPlay theirs = ClassicPlay(game, p.toPlay);
    const engine::ScoredMove mine = engine::ClassicMove(p);
    const CaptureChoice& c = theirs.Capture;
    const bool same = theirs.HandPosition == mine.move.handIndex &&
                      SamePositions(mine.move, std::span<const int>(c.Positions).first(c.Count)) &&
                      c.Safe == mine.safe && c.Premium == mine.premium &&
                      c.PrimieraSum == mine.primieraSum && c.Score == mine.score;
    if (!same) Disagree(result, Describe(p));
  }
  return result;
}

}  // namespace verlano::sim
