#include "game/computer_turn.h"

#include "engine/match.h"
#include "game/engine_view.h"
#include "game/seat_search.h"
#include "rules/game.h"

namespace verlano {

namespace {

std::uint64_t NextSearchSeed(Game& game) {
  const std::uint64_t seed = game.searchSeed;
  game.searchSeed = engine::MixSeed(game.searchSeed);
  return seed;
}

PlayerLevel LevelOf(const Game& game, int seat) {
  return seat == 2 ? game.settings.PartnerLevel : game.settings.OpponentsLevel;
}

// Every level but Classic makes a seeded choice, on the worker where there is one.
bool Searches(PlayerLevel level) {
  return level != PlayerLevel::Classic;
}

std::optional<ComputerPlay> SearchedPlay(Game& game, int seat) {
  const engine::Position position = PositionOf(game, seat);
  const engine::Level level = EngineLevel(LevelOf(game, seat));
  SeatSearch* search = game.search;
  if (search == nullptr) {
    engine::LevelPlayer player(level, engine::ExpertSettings{});
    return PlayOf(player.Choose(position, NextSearchSeed(game)));
  }
  if (!search->IsFor(position, level)) {
    // A search started ahead for another position keeps its seed, so the
    // play is the one a search started now would find.
    search->Start(position, level, search->Started() ? search->Seed() : NextSearchSeed(game));
  }
  const std::optional<engine::Move> move = search->TakePlay();
  if (!move) return std::nullopt;
  return PlayOf(*move);
}

}  // namespace

std::optional<ComputerPlay> ChooseForSeat(Game& game, int seat) {
  if (Searches(LevelOf(game, seat))) return SearchedPlay(game, seat);
  return ClassicPlay(game, seat);
}

void SearchAhead(Game& game, int seat, const ComputerPlay& play) {
  const int next = seat + 1;
  if (game.search == nullptr || next >= engine::kSeats ||
      !Searches(LevelOf(game, next))) {
    return;
  }
  engine::Position position = PositionOf(game, seat);
  engine::ApplyMove(position, MoveOf(play));
  if (position.HandOver()) return;
  game.search->Start(position, EngineLevel(LevelOf(game, next)), NextSearchSeed(game));
}

}  // namespace verlano
