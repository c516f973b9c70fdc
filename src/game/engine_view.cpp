#include "game/engine_view.h"

#include <algorithm>
#include <span>

#include "engine/captures.h"
#include "engine/classic_policy.h"
#include "engine/hand_score.h"
#include "rules/game.h"

namespace verlano {

namespace {

engine::CardSet CardsOf(const SidePiles& side) {
  engine::CardSet cards = 0;
  for (int i = 0; i < side.CardCount; ++i) cards |= engine::Bit(side.Cards[i]);
  return cards;
}

// The used entries of one of the game's fixed piles, held to the array's size.
template <typename T, std::size_t N>
std::span<const T> Used(const std::array<T, N>& entries, int count) {
  return std::span<const T>(entries).first(static_cast<std::size_t>(std::clamp<int>(count, 0, N)));
}

// The card lies in either side's pile or on the table, where the classic
// player looks; a sweeping card on its sweep mark is not looked at.
bool CardIsOut(const Piles& piles, int card) {
  const auto holds = [card](std::span<const CardSprite> sprites) {
    return std::ranges::any_of(sprites, [card](const CardSprite& s) { return s.Card == card; });
  };
  return holds(Used(piles.Our.Pile, piles.Our.PileCount)) ||
         holds(Used(piles.Their.Pile, piles.Their.PileCount)) ||
         holds(Used(piles.TablePile, piles.TableCount));
}

// The classic player's memory as the game keeps it: `PlayedByValue` and the piles.
engine::ClassicMemory MemoryOf(const Game& game) {
  engine::ClassicMemory memory;
  for (int v = 1; v <= engine::kHighestValue; ++v) memory.played[v] = game.memory.PlayedByValue[v];
  memory.settebelloOut = CardIsOut(game.piles, kSettebello);
  memory.kingOut = CardIsOut(game.piles, kKingOfCoins);
  return memory;
}

}  // namespace

engine::Position PositionOf(const Game& game, int seat) {
  const Piles& piles = game.piles;
  engine::Position p;
  p.rules = engine::RulesOf(game.settings.Rules);
  for (int s = 0; s < engine::kSeats; ++s) {
    p.handCount[s] = static_cast<std::int8_t>(piles.HandCount[s]);
    for (int i = 0; i < piles.HandCount[s]; ++i) {
      p.hands[s][i] = static_cast<std::int8_t>(piles.HandCards[s][i]);
    }
  }
  p.tableCount = static_cast<std::int8_t>(piles.TableCount);
  for (int i = 0; i < piles.TableCount; ++i) {
    p.table[i] = static_cast<std::int8_t>(piles.TablePile[i].Card);
  }
  const SidePiles* sides[2] = {&piles.Our, &piles.Their};
  for (int side = 0; side < 2; ++side) {
    p.taken[side] = CardsOf(*sides[side]);
    for (int i = 0; i < sides[side]->SweepCount; ++i) {
      p.sweepCards |= engine::Bit(sides[side]->Sweeps[i].Card);
    }
  }
  p.sweeps = {static_cast<std::int8_t>(game.score.We.Sweeps),
              static_cast<std::int8_t>(game.score.They.Sweeps)};
  p.toPlay = static_cast<std::int8_t>(seat);
  p.lastCapturer = static_cast<std::int8_t>(game.capture.LastCapturer);
  p.cardsPlayed = static_cast<std::int8_t>(piles.CardsPlayed);
  return p;
}

ComputerPlay ClassicPlay(const Game& game, int seat) {
  if (game.piles.HandCount[seat] <= 0) return {};
  const engine::ScoredMove best = engine::ClassicMove(PositionOf(game, seat), MemoryOf(game));
  ComputerPlay play = PlayOf(best.move);
  play.Capture.Safe = best.safe;
  play.Capture.Premium = best.premium;
  play.Capture.PrimieraSum = best.primieraSum;
  play.Capture.Score = best.score;
  return play;
}

engine::Level EngineLevel(PlayerLevel level) {
  // Both ladders run weakest first, so a level's place names it in either.
  return engine::kLevels[static_cast<std::size_t>(level)];
}

ComputerPlay PlayOf(const engine::Move& move) {
  ComputerPlay play;
  play.HandPosition = move.handIndex;
  play.Capture.Count = move.count;
  for (int k = 0; k < move.count; ++k) play.Capture.Positions[k] = move.positions[k];
  return play;
}

engine::Move MoveOf(const ComputerPlay& play) {
  engine::Move move;
  move.handIndex = static_cast<std::int8_t>(play.HandPosition);
  move.count = static_cast<std::int8_t>(play.Capture.Count);
  for (int k = 0; k < move.count && k < engine::kMaxTaken; ++k) {
    move.positions[k] = static_cast<std::int8_t>(play.Capture.Positions[k]);
  }
  return move;
}

void ScoreHand(Game& game) {
  HandScore& score = game.score;
  if (game.capture.WeSweep) score.We.Sweeps += 1;
  if (game.capture.TheySweep) score.They.Sweeps += 1;
  score = engine::ScoreSides(engine::RulesOf(game.settings.Rules), CardsOf(game.piles.Our),
                             CardsOf(game.piles.Their), score.We.Sweeps, score.They.Sweeps);
}

std::vector<std::vector<int>> CapturesOfPlayedCard(const Game& game) {
  const Piles& piles = game.piles;
  const int before = piles.TableCount - 1;
  std::vector<std::vector<int>> captures;
  if (before < 0) return captures;
  std::array<std::int8_t, engine::kMaxTable> table{};
  for (int i = 0; i < before; ++i) table[i] = static_cast<std::int8_t>(piles.TablePile[i].Card);
  engine::ForEachCaptureOf(piles.TablePile[before].Card, 0, table.data(), before,
                           [&captures](const engine::Move& move) {
                             if (move.count == 0) return;
                             captures.emplace_back(move.positions.begin(),
                                                   move.positions.begin() + move.count);
                           });
  return captures;
}

int FirstCaptureSize(const Game& game) {
  const std::vector<std::vector<int>> captures = CapturesOfPlayedCard(game);
  return captures.empty() ? 0 : static_cast<int>(captures.front().size());
}

}  // namespace verlano
