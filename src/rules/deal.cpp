#include "rules/deal.h"

#include <algorithm>

#include "rules/flight.h"
#include "rules/game.h"

namespace verlano {

namespace {

// Table places in the 1024x768 design, scaled to the screen when a hand is laid out.
constexpr int kPlaceDesign[kTablePlaces][2] = {
    {295, 260}, {430, 50}, {565, 260}, {430, 260}, {295, 50},  {565, 50},  {665, 260},
    {180, 260}, {195, 50}, {665, 50},  {380, 180}, {480, 210}, {260, 210}, {600, 210}};

// Sweep marks: five places per row around the anchor, three rows.
constexpr int kMarkOffsetX[5] = {0, 15, -15, 30, -30};
constexpr int kMarkRowOffsetY[3] = {-40, -20, -60};
constexpr int kMarkDrawOrder[kUsableSweepMarks] = {14, 12, 10, 11, 13, 4, 2, 0,
                                                   1,  3,  9,  7,  5,  6, 8};

void LayOutSweepMarks(const Layout& layout, SidePiles& side, int anchorX) {
  for (int m = 0; m < kUsableSweepMarks; ++m) {
    SweepMark& mark = side.Sweeps[m];
    mark.MarkX = anchorX + kMarkOffsetX[m % 5];
    mark.MarkY = layout.SweepMarkY + kMarkRowOffsetY[m / 5];
    mark.DrawOrder = kMarkDrawOrder[m];
    mark.Shown = false;
  }
}

void HideHandSlot(CardSprite& sprite, int x, int y) {
  sprite.Present = false;
  sprite.FaceUp = false;
  sprite.Card = 1;
  sprite.X = static_cast<float>(x);
  sprite.HomeX = x;
  sprite.Y = static_cast<float>(y);
  sprite.HomeY = y;
}

void RestartMatchIfDecided(Game& game) {
  MatchState& m = game.match;
  if (m.MatchOver) {
    m.MatchOver = false;
    m.HistoryCount = 0;
    m.FirstRowCarried = false;
    m.TakenBack = false;
    m.Tally = {};
    m.OurMatchTotal = 0;
    m.TheirMatchTotal = 0;
    // The same target as the first match of the run, whatever the variant.
    SetMatchTarget(game);
  }
  if (m.Result == MatchResult::TieOverTarget) {
    m.Result = MatchResult::None;
    m.HistoryCount = 0;
    m.FirstRowCarried = false;
  }
}

void ResetHandSlots(Game& game) {
  Piles& p = game.piles;
  for (int i = 0; i < 12; ++i) {
    CardSprite& human = p.Hand[0][i];
    human.Present = false;
    human.X =
        static_cast<float>(human.HomeX = game.layout.HandSlotX + i * game.layout.HandSlotStep);
    human.Y = static_cast<float>(human.HomeY = game.layout.HandSlotY);
    human.Width = game.layout.CardWidth;
    human.Height = kCardHeight;
    human.Card = 1;
    HideHandSlot(p.Hand[3][i], 10, 260 + 8 * i);
    HideHandSlot(p.Hand[2][i], 200 + 8 * i, 15);
    HideHandSlot(p.Hand[1][i], 400, 260 + 8 * i);
  }
}

}  // namespace

void DealHand(Game& game) {
  Piles& p = game.piles;
  TurnState& turn = game.turn;
  RestartMatchIfDecided(game);
  game.capture.CaptureResult = -1;
  ClearSweepFlags(game);
  game.score.We.Sweeps = 0;
  game.score.They.Sweeps = 0;
  ResetHandState(game);
  game.deal.TableDealCount = 0;
  turn.RevealCount = 0;
  game.deal.PacketCount = 0;
  SetUpHandLayout(game);
  game.deal.DeckTaken = 0;
  turn.WaitingForHuman = false;
  turn.HumanPlayed = false;
  p.TableCount = 0;
  p.Our.PileCount = 0;
  p.Their.PileCount = 0;
  p.CardsPlayed = 0;
  turn.PickedHandSlot = -1;
  for (int i = 0; i <= 50; ++i) {
    p.Our.Pile[i].Present = false;
    p.Their.Pile[i].Present = false;
  }
  for (int i = 0; i <= 6; ++i) {
    p.Deck[i].Present = true;
    p.Deck[i].FaceUp = false;
  }
  for (int i = 0; i < 30; ++i) {
    p.TablePile[i].Width = game.layout.CardWidth;
    p.TablePile[i].Height = kCardHeight;
  }
  ResetHandSlots(game);
  for (int i = 0; i <= 20; ++i) {
    p.TablePile[i].Present = false;
    p.TablePile[i].FaceUp = true;
  }
  LayOutDeckStack(game);
  ShuffleDeck(game);
  p.DeckTop = 0;
  turn.CurrentSeat = ChooseLeader(game);
  game.deal.DealTurn = 0;
  BuildDealOrder(game);
  EnterState(turn, PlayState::DealingCards);
  game.sound->PlaySound(kShuffleSound);
  game.deal.CardsDealtToHands = 0;
  turn.HumanPicked = false;
}

void ShuffleDeck(Game& game) {
  auto& shuffled = game.deal.ShuffledCards;
  shuffled.fill(-1);
  int n = 0;
  while (n < 40) {
    const int r = game.rng.Below(52);
    if (game.cards.CardValue[r] == kOutOfPlayValue) continue;
    if (std::find(shuffled.begin(), shuffled.begin() + n, r) != shuffled.begin() + n) continue;
    game.piles.Deck[n].Card = r;
    shuffled[n] = r;
    ++n;
  }
}

int ChooseLeader(Game& game) {
  if (!game.deal.FirstDealDone) {
    game.deal.FirstDealDone = true;
    return game.rng.Below(4);
  }
  return (game.turn.CurrentSeat + 2) % 4;
}

void BuildDealOrder(Game& game) {
  for (int k = 0; k < 4; ++k) game.deal.DealOrder[k] = (game.turn.CurrentSeat + k) % 4;
}

void LayOutDeckStack(Game& game) {
  const Layout& l = game.layout;
  const int b = game.piles.DeckTop;
  for (int i = std::min(b + 6, kDeckEntries - 1); i >= b; --i) {
    CardSprite& s = game.piles.Deck[i];
    s.X = static_cast<float>(l.DeckX + l.DeckStackOffset - (i - b) * l.DeckStackStep);
    s.Y = static_cast<float>(l.DeckY);
    s.HomeX = static_cast<int>(s.X);
    s.HomeY = static_cast<int>(s.Y);
    s.Present = true;
    s.FaceUp = false;
  }
}

void ResetHandState(Game& game) {
  Piles& p = game.piles;
  p.Our.CardCount = 0;
  p.Their.CardCount = 0;
  p.Our.SweepCount = 0;
  p.Their.SweepCount = 0;
  p.Our.Last = {};
  p.Their.Last = {};
  game.playLog = {};
  p.HandCount.fill(0);
  p.TableCardCount = 0;
  std::fill(game.memory.PlayedByValue.begin() + 1, game.memory.PlayedByValue.begin() + 14, 0);
  game.capture.LastCapturer = 0;
}

void SetUpHandLayout(Game& game) {
  Piles& p = game.piles;
  LayOutSweepMarks(game.layout, p.Our, game.layout.OurSweepMarkX);
  LayOutSweepMarks(game.layout, p.Their, game.layout.TheirSweepMarkX);
  for (int a = 0; a < kTableSlotEntries; ++a) {
    TableSlot& slot = p.TableSlots[a];
    slot.SlotX = a < kTablePlaces ? ScaleDesign(kPlaceDesign[a][0]) : 0;
    slot.SlotY = a < kTablePlaces ? ScaleDesign(kPlaceDesign[a][1]) : 0;
    if (a < 30) slot.Occupied = false;
  }
  for (int j = 0; j < 30; ++j) p.TablePile[j].Slot = j;
}

void DealCardToSeat(Game& game, CardSprite& sprite, int seat) {
  const Layout& l = game.layout;
  const int n = game.piles.HandCount[seat];
  const int targets[4][2] = {{l.Hand0X + l.Hand0Step * n, l.Hand0Y},
                             {l.Hand1X + l.Hand1Step * n, l.Hand1Y},
                             {l.Hand2X + l.Hand2Step * n, l.Hand2Y},
                             {l.Hand3X + l.Hand3Step * n, l.Hand3Y}};
  sprite.FaceUp = seat == 0;
  game.deal.DealSeat = seat;
  if (AnyCardMoving(game.piles)) return;
  PlayFlipSound(game);
  LaunchSprite(l, sprite, static_cast<float>(targets[seat][0]),
               static_cast<float>(targets[seat][1]));
}

void DealCardToTable(Game& game, CardSprite& sprite) {
  const Layout& l = game.layout;
  const int a = LowestFreeSlot(game.piles);
  TableSlot& slot = game.piles.TableSlots[a];
  const double r1 = game.Rnd();
  const double r2 = game.Rnd();
  const int targetX = slot.SlotX + static_cast<int>(l.PlaceJitterX * r1);
  const int targetY = slot.SlotY + static_cast<int>(l.PlaceJitterY * r2);
  if (!AnyCardMoving(game.piles)) {
    PlayFlipSound(game);
    LaunchSprite(l, sprite, static_cast<float>(targetX), static_cast<float>(targetY));
  }
  sprite.Slot = a;
  slot.Occupied = true;
}

void DealStep(Game& game) {
  Piles& p = game.piles;
  DealState& d = game.deal;
  const int seat = d.DealOrder[d.DealTurn];
  DealCardToSeat(game, p.Deck[p.DeckTop], seat);
  p.DeckTop += 1;
  d.PacketCount += 1;
  d.CardsDealtToHands += 1;
  if (d.PacketCount == game.settings.Rules.DealPacketSize) {
    d.PacketCount = 0;
    d.DealTurn = (d.DealTurn + 1) % 4;
  }
}

}  // namespace verlano
