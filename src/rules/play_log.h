#pragma once
// The hand's story as the table tells it: one line for each card played, with
// the seat that played it, what it took and whether that swept the table.
// A line starts where the played card lands and gets its capture where the
// taken cards reach the side; the deal clears it. No rule reads it. A hand
// has at most 40 plays; should more ever come, the oldest lines give way,
// so the log never grows or allocates.

#include <array>

#include "rules/piles.h"

namespace verlano {

inline constexpr int kLoggedPlays = 40;

struct PlayLine {
  int Seat = 0;
  LastCapture Cards;  // `Taker` is the card played, `Taken` what it took
  bool Sweep = false;
};

struct PlayLog {
  std::array<PlayLine, kLoggedPlays> Lines{};
  int Count = 0;  // lines written this hand, the ones given way included
};

// Starts the line of `card`, played by `seat`.
void LogPlay(PlayLog& log, int seat, int card);
// The line of the last card played; null before the hand's first play.
PlayLine* NewestPlay(PlayLog& log);
// How many lines the log holds.
int LoggedPlays(const PlayLog& log);
// The k-th line, newest first: 0 <= k < LoggedPlays(log).
const PlayLine& PlayFromNewest(const PlayLog& log, int k);

}  // namespace verlano
