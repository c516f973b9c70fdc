#include "game/engine_view.h"

#include "engine/captures.h"
#include "engine/hand_score.h"
#include "rules/game.h"

namespace verlano {

namespace {

engine::CardSet CardsOf(const SidePiles& side) {
  engine::CardSet cards = 0;
  for (int i = 0; i < side.CardCount; ++i) cards |= engine::Bit(side.Cards[i]);
  return cards;
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

void ScoreHand(Game& game) {
  HandScore& score = game.score;
  if (game.capture.WeSweep) score.We.Sweeps += 1;
  if (game.capture.TheySweep) score.They.Sweeps += 1;
  score = engine::ScoreSides(engine::RulesOf(game.settings.Rules), CardsOf(game.piles.Our),
                             CardsOf(game.piles.Their), score.We.Sweeps, score.They.Sweeps);
}

int FirstCaptureSize(const Game& game) {
  const Piles& piles = game.piles;
  const int before = piles.TableCount - 1;
  if (before < 0) return 0;
  std::array<std::int8_t, engine::kMaxTable> table{};
  for (int i = 0; i < before; ++i) table[i] = static_cast<std::int8_t>(piles.TablePile[i].Card);
  int size = -1;
  engine::ForEachCaptureOf(piles.TablePile[before].Card, 0, table.data(), before,
                           [&size](const engine::Move& move) {
                             if (size < 0) size = move.count;
                           });
  return size;
}

}  // namespace verlano
