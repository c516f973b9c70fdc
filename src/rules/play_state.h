#pragma once
// The play states of a hand and the turn flags that go with them. The state
// machine that moves between them lives with the game flow; the rules set some
// of them too (the deal starts "DEALING CARDS", a capture picks a gathering state).

#include <cstdint>

namespace verlano {

enum class PlayState {
  DealingCards,
  Deal2,
  RevealDeal,
  Paused,
  NormalPlay,
  WeGettingCardsGathering,
  TheyGettingCardsGathering,
  WeGettingDrevGathering,
  TheyGettingDrevGathering,
  WeGettingCards,
  TheyGettingCards,
  WeGettingDrev,
  TheyGettingDrev,
  OurRemainders,
  TheirRemainders,
  GatherAroundFirstCard,
  SpreadAheadFirstCard,
  EndOfMatch,
};

// The state's own text, as shown and compared: "DEALING CARDS", "NORMAL PLAY", ...
const char* StateName(PlayState state);

struct TurnState {
  PlayState GameState = PlayState::DealingCards;
  PlayState ResumeState = PlayState::DealingCards;
  PlayState StateBeforeSort = PlayState::NormalPlay;
  std::uint64_t TickNow = 0;     // the clock of the frame being stepped, in milliseconds
  std::uint64_t PauseStart = 0;  // the clock when the pause began
  std::uint32_t PauseLength = 0;
  bool PauseJustEnded = false;
  int CurrentSeat = 0;
  bool WaitingForHuman = false;
  bool HumanPicked = false;
  bool HumanPlayed = false;
  int AIPlaySlot = 0;
  bool SeatThinking = false;  // a computer seat's turn waits for its search
  int RevealCount = 0;
  int PickedHandSlot = -1;
};

inline bool IsWeSeat(int seat) {
  return seat == 0 || seat == 2;
}

}  // namespace verlano
