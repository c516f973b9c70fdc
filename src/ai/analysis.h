#pragma once
// The computer player's working records: one candidate play of a hand card
// (`CaptureOption`) and what is worked out about one hand card (`HandAnalysis`).
// Both live for one decision only; nothing carries over to the next.

#include <array>
#include <vector>

namespace verlano {

// The search tries sums of two, three or four table cards, so no option takes more.
inline constexpr int kMaxCaptureSet = 4;

// Most hand cards have a handful of options; reserving this many up front
// means typical tables never reallocate.
inline constexpr int kTypicalOptionCount = 21;

struct CaptureOption {
  std::array<int, kMaxCaptureSet> Positions{};  // table positions taken, first Count used
  bool Safe = false;  // the next player cannot sweep the table this play leaves
  int Count = 0;      // table cards taken; 0 lays the card down
  int Premium = 0;    // 1 for the seven of coins taken, plus 1 for a sweep
  int PrimieraSum = 0;
  float Score = 0;
};

struct HandAnalysis {
  // Every option in search order. A king over a table of small cards has up
  // to 1086 of them, so the list grows instead of dropping any.
  std::vector<CaptureOption> Options;
  int IsSettebello = 0;
  int KnownCount = 0;  // cards of this value seen on the table plus those in the hand
  int Value = 0;
  double KeepValue = 0;  // higher: the card is cheaper to lay down
};

}  // namespace verlano
