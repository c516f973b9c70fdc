// The hand's story, played again on the engine: from the kept shuffle's deal,
// each line must be a play the rules allow where it was made (the seat to
// play, a card it holds, exactly a capture its card may make, a sweep marked
// where it swept), and the walk must end in the hands, table, piles and
// sweeps the file keeps. The record of the match is made from these lines,
// so a story the rules would not replay is refused here, before any play.

#include <bit>

#include "engine/find_play.h"
#include "game/engine_view.h"
#include "memory/match_check.h"
#include "memory/records.h"
#include "rules/game.h"

namespace verlano {

namespace {

std::string Play(int n) {
  return "its story's play " + std::to_string(n + 1);
}

// Plays line `n` on `p`, or refuses it.
void WalkLine(engine::Position& p, const PlayLine& line, int n) {
  engine::CardSet taken = 0;
  for (int t = 0; t < line.Cards.TakenCount; ++t) taken |= engine::Bit(line.Cards.Taken[t]);
  Require(std::popcount(taken) == line.Cards.TakenCount, Play(n) + " names a taken card twice");
  engine::Move move;
  switch (engine::FindPlay(p, line.Seat, line.Cards.Taker, taken, move)) {
    case engine::PlayFault::None:
      break;
    case engine::PlayFault::NotItsTurn:
      throw RecordError(Play(n) + " is " + SeatWord(line.Seat) + "'s where " + SeatWord(p.toPlay) +
                        " is to play");
    case engine::PlayFault::NotHeld:
      throw RecordError(Play(n) + " is a card " + SeatWord(line.Seat) + " does not hold there");
    case engine::PlayFault::NotLegal:
      throw RecordError(Play(n) + " takes other cards than the rules allow there");
  }
  const int side = engine::SideOf(line.Seat);
  const int sweeps = p.sweeps[side];
  engine::ApplyMove(p, move);
  Require(line.Sweep == (p.sweeps[side] > sweeps),
          Play(n) + (line.Sweep ? " is marked as a sweep but does not sweep"
                                : " sweeps but is not marked as a sweep"));
}

// The walk's end against the cards as the file keeps them.
void CheckEnd(const engine::Position& walked, const Game& game) {
  const engine::Position kept = PositionOf(game, walked.toPlay);
  for (int seat = 0; seat < engine::kSeats; ++seat) {
    Require(walked.HandSet(seat) == kept.HandSet(seat),
            "its story leaves " + SeatWord(seat) + " other cards than it holds");
  }
  Require(walked.TableSet() == kept.TableSet(),
          "its story leaves other cards on the table than it shows");
  Require(walked.taken == kept.taken, "its story gives the sides other cards than their piles");
  Require(walked.sweeps == kept.sweeps && walked.sweepCards == kept.sweepCards,
          "its story's sweeps differ from its sweep marks");
  Require(walked.lastCapturer == kept.lastCapturer,
          "its story's last capture is not its last capturer's");
}

}  // namespace

void CheckStory(const Game& game) {
  const PlayLog& log = game.playLog;
  // A file kept before the story was has none, and nothing past its end.
  for (int n = log.Count; n < kLoggedPlays; ++n) {
    const PlayLine& line = log.Lines[static_cast<std::size_t>(n)];
    Require(line.Seat == 0 && line.Cards.Taker == -1 && line.Cards.TakenCount == 0 && !line.Sweep,
            "its story has lines past its end");
  }
  if (log.Count == 0 && game.piles.CardsPlayed > 0) return;
  Require(log.Count == game.piles.CardsPlayed, "its story tells " + std::to_string(log.Count) +
                                                   " plays where the hand has had " +
                                                   std::to_string(game.piles.CardsPlayed));
  engine::Position p = DealtPosition(game);
  for (int n = 0; n < log.Count; ++n) WalkLine(p, log.Lines[static_cast<std::size_t>(n)], n);
  CheckEnd(p, game);
}

}  // namespace verlano
