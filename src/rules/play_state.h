#pragma once
// The play states of a hand, the changes between them, and the turn flags
// that go with them. Every change of state goes through `EnterState`, which
// holds it to the states listed as able to follow: the list is the hand's
// whole flow in one place. What each state does lives with the game flow.

#include <cstdint>

namespace verlano {

enum class PlayState {
  DealingCards,       // "DEALING CARDS": a card flies to a hand
  DealingToTable,     // "DEAL 2": the nine-card deal lays table cards between rounds
  RevealingTable,     // "REVEAL DEAL": the table cards turn face up, one a pause
  Paused,             // "PAUSED": the 700 ms wait, then back to the state it interrupted
  NormalPlay,         // "NORMAL PLAY": the seats play in turn
  WeGatherCapture,    // "WE ARE GETTING CARDS - GOTHERING": our taken cards fly onto the card played
  TheyGatherCapture,  // "THEY ARE GETTING CARDS - GOTHERING"
  WeGatherSweep,      // "WE ARE GETTING DREV - GOTHERING": the same for a capture that sweeps
  TheyGatherSweep,    // "THEY ARE GETTING DREV - GOTHERING"
  WeTakeCapture,      // "WE ARE GETTING CARDS": the gathered cards fly to our pile
  TheyTakeCapture,    // "THEY ARE GETTING CARDS"
  WeTakeSweep,        // "WE ARE GETTING DREV": the sweeping card flies to our sweep mark
  TheyTakeSweep,      // "THEY ARE GETTING DREV"
  WeTakeRemainder,    // "OUR REMAINDERS": after the last play, the table goes to us
  TheyTakeRemainder,  // "THEIR REMAINDERS"
  SortGatherHand,     // "GOTHER AROUND FIRST CARD": R gathers the hand to sort it
  SortSpreadHand,     // "SPREAD AHEAD FIRST CARD": the sorted hand spreads out again
  HandOver,           // "END OF MATCH": the hand is over and the score page shows
};

inline constexpr int kPlayStateCount = 18;

// The state's own text, as shown and compared: "DEALING CARDS", "NORMAL PLAY", ...
const char* StateName(PlayState state);

// Whether the flow may go from one state straight to the other.
bool MayFollow(PlayState from, PlayState to);

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

// The one way the state changes: staying in a state is no change, and a
// move the flow does not list stops a checked build on the spot.
void EnterState(TurnState& turn, PlayState next);

inline bool IsWeSeat(int seat) {
  return seat == 0 || seat == 2;
}

}  // namespace verlano
