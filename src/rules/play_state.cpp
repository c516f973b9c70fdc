#include "rules/play_state.h"

#include <array>
#include <cassert>
#include <cstdint>

namespace verlano {

namespace {

using S = PlayState;

constexpr std::uint32_t Set(std::initializer_list<PlayState> states) {
  std::uint32_t set = 0;
  for (const PlayState s : states) set |= 1u << static_cast<int>(s);
  return set;
}

// The states a pause may interrupt: the reveal and every landing of a played card.
constexpr std::uint32_t kPausable =
    Set({S::RevealingTable, S::NormalPlay, S::WeGatherCapture, S::TheyGatherCapture,
         S::WeGatherSweep, S::TheyGatherSweep, S::WeTakeRemainder, S::TheyTakeRemainder});

struct StateRow {
  PlayState state;
  const char* text;
  std::uint32_t next;  // the states that may follow
};

constexpr std::array<StateRow, kPlayStateCount> kStates = {{
    {S::DealingCards, "DEALING CARDS", Set({S::DealingToTable, S::RevealingTable, S::NormalPlay})},
    {S::DealingToTable, "DEAL 2", Set({S::DealingCards})},
    {S::RevealingTable, "REVEAL DEAL", Set({S::NormalPlay, S::Paused})},
    {S::Paused, "PAUSED", kPausable},
    {S::NormalPlay, "NORMAL PLAY",
     Set({S::WeGatherCapture, S::TheyGatherCapture, S::WeGatherSweep, S::TheyGatherSweep,
          S::WeTakeRemainder, S::TheyTakeRemainder, S::SortGatherHand, S::Paused})},
    {S::WeGatherCapture, "WE ARE GETTING CARDS - GOTHERING",
     Set({S::WeTakeCapture, S::WeTakeSweep, S::Paused})},
    {S::TheyGatherCapture, "THEY ARE GETTING CARDS - GOTHERING",
     Set({S::TheyTakeCapture, S::Paused})},
    {S::WeGatherSweep, "WE ARE GETTING DREV - GOTHERING", Set({S::WeTakeSweep, S::Paused})},
    {S::TheyGatherSweep, "THEY ARE GETTING DREV - GOTHERING", Set({S::TheyTakeSweep, S::Paused})},
    {S::WeTakeCapture, "WE ARE GETTING CARDS", Set({S::NormalPlay})},
    {S::TheyTakeCapture, "THEY ARE GETTING CARDS", Set({S::NormalPlay})},
    {S::WeTakeSweep, "WE ARE GETTING DREV", Set({S::NormalPlay})},
    {S::TheyTakeSweep, "THEY ARE GETTING DREV", Set({S::NormalPlay})},
    {S::WeTakeRemainder, "OUR REMAINDERS", Set({S::HandOver, S::Paused})},
    {S::TheyTakeRemainder, "THEIR REMAINDERS", Set({S::HandOver, S::Paused})},
    {S::SortGatherHand, "GOTHER AROUND FIRST CARD", Set({S::SortSpreadHand})},
    {S::SortSpreadHand, "SPREAD AHEAD FIRST CARD", Set({S::NormalPlay})},
    {S::HandOver, "END OF MATCH", Set({S::DealingCards})},
}};

constexpr bool RowsInStateOrder() {
  for (std::size_t i = 0; i < kStates.size(); ++i) {
    if (static_cast<std::size_t>(kStates[i].state) != i) return false;
  }
  return true;
}
static_assert(RowsInStateOrder(), "one row per play state, in the enum's order");

bool Known(PlayState state) {
  return static_cast<unsigned>(state) < kStates.size();
}

}  // namespace

const char* StateName(PlayState state) {
  return Known(state) ? kStates[static_cast<std::size_t>(state)].text : "";
}

bool MayFollow(PlayState from, PlayState to) {
  if (!Known(from) || !Known(to)) return false;
  return from == to || (kStates[static_cast<std::size_t>(from)].next >> static_cast<int>(to)) & 1u;
}

void EnterState(TurnState& turn, PlayState next) {
  assert(MayFollow(turn.GameState, next) && "a play-state change the flow does not list");
  turn.GameState = next;
}

}  // namespace verlano
