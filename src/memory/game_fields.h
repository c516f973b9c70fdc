#pragma once
// Every member of a game's state, named as the match file writes it, listed
// once for the writer and the reader alike (see field_io.h). The ranges keep
// a hand-edited file from putting any index outside its array.

#include <type_traits>

#include "rules/game.h"

namespace verlano {

inline constexpr int kFar = 100000;  // beyond any pixel position or count of the game

template <typename V, typename S>
void VisitSprite(V& v, S& s) {
  v.Card("card", s.Card);
  v.Real("x", s.X);
  v.Real("y", s.Y);
  v.Flag("present", s.Present);
  v.Flag("face-up", s.FaceUp);
  v.Flag("moving", s.Moving);
  v.Real("target-x", s.TargetX);
  v.Real("target-y", s.TargetY);
  v.Real("step-x", s.StepX);
  v.Real("step-y", s.StepY);
  v.Int("dir-x", s.DirX, -1, 1);
  v.Int("dir-y", s.DirY, -1, 1);
  v.Int("home-x", s.HomeX, -kFar, kFar);
  v.Int("home-y", s.HomeY, -kFar, kFar);
  v.Int("width", s.Width, 0, kFar);
  v.Int("height", s.Height, 0, kFar);
  v.Flag("to-capture", s.ToCapture);
  v.Int("place", s.Slot, -1, kTableSlotEntries - 1);
  v.Flag("chosen", s.Chosen);
}

template <typename V, typename M>
void VisitSweepMark(V& v, M& m) {
  v.Int("mark-x", m.MarkX, -kFar, kFar);
  v.Int("mark-y", m.MarkY, -kFar, kFar);
  v.Int("draw-order", m.DrawOrder, 0, kSweepMarkEntries - 1);
  v.Flag("shown", m.Shown);
  v.Card("card", m.Card);
  v.Real("x", m.X);
  v.Real("y", m.Y);
}

template <typename V, typename T>
void VisitTableSlot(V& v, T& t) {
  v.Int("x", t.SlotX, -kFar, kFar);
  v.Int("y", t.SlotY, -kFar, kFar);
  v.Flag("occupied", t.Occupied);
}

template <typename V, typename P>
void VisitPileCounts(V& v, P& p) {
  v.Int("deck-top", p.DeckTop, 0, kDeckEntries);
  v.Int("table-count", p.TableCount, 0, kTableEntries);
  v.Int("cards-played", p.CardsPlayed, 0, kFar);
  v.Int("sweep-card", p.SweepCardIndex, 0, kTableEntries - 1);
}

template <typename V, typename P>
void VisitSeat(V& v, P& p, int seat) {
  v.Int("count", p.HandCount[seat], 0, kHandEntries);
  v.Cards("cards", p.HandCards[seat], p.HandCount[seat]);
}

template <typename V, typename S>
void VisitSide(V& v, S& side) {
  v.Int("count", side.CardCount, 0, kSideCardEntries);
  v.Cards("cards", side.Cards, side.CardCount);
  v.Int("pile-count", side.PileCount, 0, kSidePileEntries);
  v.Int("sweep-count", side.SweepCount, 0, kUsableSweepMarks);
}

// A side's last capture, as Space shows it: no taker (-) before the side's first.
template <typename V, typename L>
void VisitLastCapture(V& v, L& last) {
  v.CardOrNone("taker", last.Taker);
  v.Int("count", last.TakenCount, 0, kMostTakenCards);
  v.Cards("taken", last.Taken, last.TakenCount);
}

// One line of the hand's story: who played which card, what it took, whether it swept.
template <typename V, typename L>
void VisitPlayLine(V& v, L& line) {
  v.Int("seat", line.Seat, 0, 3);
  VisitLastCapture(v, line.Cards);
  v.Flag("sweep", line.Sweep);
}

template <typename V, typename P>
void VisitTableCards(V& v, P& p) {
  v.Int("count", p.TableCardCount, 0, kTableCardEntries);
  v.Cards("cards", p.TableCards, p.TableCardCount);
}

template <typename V, typename D>
void VisitDeal(V& v, D& d) {
  v.Cards("shuffled", d.ShuffledCards, static_cast<int>(d.ShuffledCards.size()));
  v.Ints("order", d.DealOrder, static_cast<int>(d.DealOrder.size()), 0, 3);
  v.Int("deal-turn", d.DealTurn, 0, 4);
  v.Int("packet-count", d.PacketCount, 0, kHandEntries);
  v.Int("dealt-to-hands", d.CardsDealtToHands, 0, kDeckEntries);
  v.Int("table-dealt", d.TableDealCount, 0, kTableCardEntries);
  v.Flag("first-deal-done", d.FirstDealDone);
  v.Int("deck-taken", d.DeckTaken, 0, kDeckEntries);
  v.Int("deal-seat", d.DealSeat, 0, 3);
}

template <typename V, typename C>
void VisitCapture(V& v, C& c) {
  v.Ints("positions", c.Choice.Positions, static_cast<int>(c.Choice.Positions.size()), -1,
         kTableEntries - 1);
  v.Flag("safe", c.Choice.Safe);
  v.Int("count", c.Choice.Count, 0, kTableEntries);
  v.Int("premium", c.Choice.Premium, -kFar, kFar);
  v.Int("primiera-sum", c.Choice.PrimieraSum, 0, kFar);
  v.Real("score", c.Choice.Score);
  v.Int("result", c.CaptureResult, -1, kTableEntries);
  v.Flag("ready", c.CaptureReady);
  v.Flag("we-sweep", c.WeSweep);
  v.Flag("they-sweep", c.TheySweep);
  v.Int("last-capturer", c.LastCapturer, 0, 3);
}

template <typename V, typename S>
void VisitSideScore(V& v, S& s) {
  v.Int("total", s.Total, 0, kFar);
  v.Int("sweeps", s.Sweeps, 0, kFar);
  v.Int("primiera-point", s.PrimieraPoint, 0, kFar);
  v.Int("primiera-sum", s.PrimieraSum, 0, kFar);
  v.Int("settebello", s.Settebello, 0, kFar);
  v.Int("king-of-coins", s.KingOfCoins, 0, kFar);
  v.Int("most-coins", s.MostCoins, 0, kFar);
  v.Int("coins", s.Coins, 0, kFar);
  v.Int("coin-points", s.CoinPoints, 0, kFar);
  v.Int("most-cards", s.MostCards, 0, kFar);
}

// Files written before the tally lack it: their hands so far were counted
// at their ends, so none is left to count.
template <typename V, typename T>
void VisitTally(V& v, T& t) {
  v.IntIfPresent("tally-hands", t.Hands, 0, kFar);
  v.IntIfPresent("tally-sweeps", t.Sweeps, 0, kFar);
  v.IntIfPresent("tally-we", t.PointsFor, 0, kFar);
  v.IntIfPresent("tally-they", t.PointsAgainst, 0, kFar);
}

template <typename V, typename M>
void VisitMatch(V& v, M& m) {
  v.Int("we", m.OurMatchTotal, 0, kFar);
  v.Int("they", m.TheirMatchTotal, 0, kFar);
  v.Int("target", m.MatchTarget, 1, kFar);
  v.Int("hands", m.HistoryCount, 0, static_cast<int>(m.OurHistory.size()));
  v.Ints("history-we", m.OurHistory, m.HistoryCount, 0, kFar);
  v.Ints("history-they", m.TheirHistory, m.HistoryCount, 0, kFar);
  // Files written before the score page labelled it lack the flag: no label.
  v.FlagIfPresent("carried-row", m.FirstRowCarried);
  v.Flag("over", m.MatchOver);
  // Files written before take-backs lack it: none was made.
  v.FlagIfPresent("taken-back", m.TakenBack);
  VisitTally(v, m.Tally);
  // A tie above the target is this flag, as files have always kept it; a won
  // or lost result is a word of the "random" line (match_file.cpp).
  bool tie = m.Result == MatchResult::TieOverTarget;
  v.Flag("tie-over-target", tie);
  if constexpr (!std::is_const_v<M>) {
    if (tie) m.Result = MatchResult::TieOverTarget;
  }
}

template <typename V, typename T>
void VisitTurn(V& v, T& t) {
  v.State("state", t.GameState);
  v.State("resume", t.ResumeState);
  v.State("before-sort", t.StateBeforeSort);
  v.Unsigned("clock", t.TickNow);
  v.Unsigned("pause-start", t.PauseStart);
  v.Unsigned("pause-length", t.PauseLength);
  v.Flag("pause-just-ended", t.PauseJustEnded);
  v.Int("seat", t.CurrentSeat, 0, 3);
  v.Flag("waiting-for-human", t.WaitingForHuman);
  v.Flag("human-picked", t.HumanPicked);
  v.Flag("human-played", t.HumanPlayed);
  v.Int("computer-slot", t.AIPlaySlot, 0, kHandEntries - 1);
  v.Flag("seat-thinking", t.SeatThinking);
  v.Int("reveal-count", t.RevealCount, 0, kTableEntries);
  v.Int("picked-slot", t.PickedHandSlot, -1, kHandEntries - 1);
}

template <typename V, typename M>
void VisitMemory(V& v, M& m) {
  v.Ints("played-by-value", m.PlayedByValue, static_cast<int>(m.PlayedByValue.size()), 0, kFar);
}

}  // namespace verlano
