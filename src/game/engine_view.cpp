#include "game/engine_view.h"

#include "engine/captures.h"
#include "rules/game.h"

namespace verlano {

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
    for (int i = 0; i < sides[side]->CardCount; ++i) {
      p.taken[side] |= engine::Bit(sides[side]->Cards[i]);
    }
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
