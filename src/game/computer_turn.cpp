#include "game/computer_turn.h"

#include "engine/expert.h"
#include "engine/match.h"
#include "rules/game.h"

namespace verlano {

engine::Position PositionOf(const Game& game, int seat) {
  const Piles& piles = game.piles;
  engine::Position p;
  p.rules = engine::RulesFromSettings(game.settings);
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

namespace {

ComputerPlay ExpertPlay(Game& game, int seat) {
  const std::uint64_t seed = game.searchSeed;
  game.searchSeed = engine::MixSeed(game.searchSeed);
  engine::ExpertPlayer expert;
  const engine::Move move = expert.Choose(PositionOf(game, seat), seed);
  ComputerPlay play;
  play.HandPosition = move.handIndex;
  play.Capture.Count = move.count;
  for (int k = 0; k < move.count; ++k) play.Capture.Positions[k] = move.positions[k];
  return play;
}

}  // namespace

ComputerPlay ChooseForSeat(Game& game, int seat) {
  const PlayerLevel level = seat == 2 ? game.settings.PartnerLevel : game.settings.OpponentsLevel;
  return level == PlayerLevel::Expert ? ExpertPlay(game, seat) : ChooseComputerCard(game, seat);
}

}  // namespace verlano
