#pragma once
// The score of the hand under way, recomputed from both sides' taken cards
// after every capture, and the match: totals, the score page's history, the
// target and the won / lost / tie-above-target decision at each hand's end.

#include <array>
#include <string>

namespace verlano {

struct Game;

struct SideScore {
  int Total = 0;
  int Sweeps = 0;  // sweeps made, the one item that accumulates during a hand
  int PrimieraPoint = 0;
  int PrimieraSum = 0;
  int Settebello = 0;
  int KingOfCoins = 0;
  int MostCoins = 0;
  int Coins = 0;
  int CoinPoints = 0;
  int MostCards = 0;
};

struct HandScore {
  SideScore We;
  SideScore They;
};

struct MatchState {
  int OurMatchTotal = 0;
  int TheirMatchTotal = 0;
  int MatchTarget = 20;  // a side wins with more than this
  std::array<int, 41> OurHistory{};
  std::array<int, 41> TheirHistory{};
  int HistoryCount = 0;
  // "", "We Won!" or "We lost!": the English the simulator reads; the score
  // page shows it in the player's language.
  std::string MatchResultText;
  bool MatchOver = false;
  bool TieOverTarget = false;
};

void ScoreHand(Game& game);
void RecordHandScore(Game& game);
void SetMatchTarget(Game& game);

// Score-page rows before the history restarts: 3, 4 or 5 by variant.
int HistoryRowsPerPage(const Game& game);

// What a side's sweeps so far are worth in the variant played.
int SweepPoints(const Game& game, const SideScore& score);

}  // namespace verlano
