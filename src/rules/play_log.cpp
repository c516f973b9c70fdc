#include "rules/play_log.h"

#include <algorithm>

namespace verlano {

namespace {

std::size_t Ring(int n) {
  return static_cast<std::size_t>(n % kLoggedPlays);
}

}  // namespace

void LogPlay(PlayLog& log, int seat, int card) {
  log.Lines[Ring(log.Count)] = PlayLine{.Seat = seat, .Cards = LastCapture{.Taker = card}};
  log.Count += 1;
}

PlayLine* NewestPlay(PlayLog& log) {
  return log.Count == 0 ? nullptr : &log.Lines[Ring(log.Count - 1)];
}

int LoggedPlays(const PlayLog& log) {
  return std::min(log.Count, kLoggedPlays);
}

const PlayLine& PlayFromNewest(const PlayLog& log, int k) {
  return log.Lines[Ring(log.Count - 1 - k)];
}

}  // namespace verlano
