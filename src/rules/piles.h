#pragma once
// Every card on screen is a `CardSprite` in one of a few fixed-size piles: the
// undealt deck, the four hands, the table, each side's taken cards and sweep
// marks. Beside the sprites the piles keep plain lists of card indices (hands,
// table, taken cards) that the rules and the computer player read.

#include <array>

namespace verlano {

struct CardSprite {
  float X = 0, Y = 0;
  int Card = 0;
  bool Present = false;
  bool FaceUp = false;
  bool Moving = false;
  float TargetX = 0, TargetY = 0;
  float StepX = 0, StepY = 0;  // distance per frame, never negative
  int DirX = 0, DirY = 0;      // sign of the travel: -1, 0 or 1
  int HomeX = 0, HomeY = 0;
  int Width = 0, Height = 0;
  bool ToCapture = false;
  int Slot = 0;  // index into `TableSlots`
  bool Chosen = false;
  bool operator==(const CardSprite&) const = default;
};

struct SweepMark {
  int MarkX = 0, MarkY = 0;  // where a sweeping card is sent
  int DrawOrder = 0;
  bool Shown = false;
  int Card = 0;
  float X = 0, Y = 0;  // where it came to rest, and is drawn
};

struct TableSlot {
  int SlotX = 0, SlotY = 0;
  bool Occupied = false;
};

inline constexpr int kDeckEntries = 53;
inline constexpr int kHandEntries = 13;
inline constexpr int kTableEntries = 36;
inline constexpr int kTableCardEntries = 31;
inline constexpr int kSidePileEntries = 53;
inline constexpr int kSideCardEntries = 56;
inline constexpr int kSweepMarkEntries = 16;
inline constexpr int kUsableSweepMarks = 15;
inline constexpr int kTableSlotEntries = 31;
inline constexpr int kTablePlaces = 14;  // slots with a position of their own
inline constexpr int kCardHeight = 153;

// The most cards a capture takes. A card is laid only where no set of up to
// four table cards adds up to it, and only the deal lays two cards of a value
// on the table (a card played onto its value takes it), at most four of them;
// so no set of six adds up to a king's 10, and five do: the four aces dealt
// and a six, where a seven laid with them lets the king take three aces too.
inline constexpr int kMostTakenCards = 5;

// A side's latest capture of the hand, kept for the player to look back at:
// the card that took and the cards it took. No rule reads it.
struct LastCapture {
  int Taker = -1;  // a card index; -1 before the side's first capture
  std::array<int, kMostTakenCards> Taken{};
  int TakenCount = 0;
};

// What one side (WE: seats 0 and 2; THEY: seats 1 and 3) has taken this hand.
struct SidePiles {
  std::array<CardSprite, kSidePileEntries> Pile{};  // drawn face down at the pile spot
  int PileCount = 0;
  std::array<int, kSideCardEntries> Cards{};  // card indices, for the scoring
  int CardCount = 0;
  std::array<SweepMark, kSweepMarkEntries> Sweeps{};
  int SweepCount = 0;
  LastCapture Last;
};

struct Piles {
  std::array<CardSprite, kDeckEntries> Deck{};
  int DeckTop = 0;  // next entry to deal
  std::array<std::array<CardSprite, kHandEntries>, 4> Hand{};
  std::array<std::array<int, kHandEntries>, 4> HandCards{};
  std::array<int, 4> HandCount{};
  std::array<CardSprite, kTableEntries> TablePile{};
  int TableCount = 0;  // after a play, entry TableCount-1 is the card just played
  std::array<int, kTableCardEntries> TableCards{};
  int TableCardCount = 0;
  SidePiles Our, Their;
  std::array<TableSlot, kTableSlotEntries> TableSlots{};
  int CardsPlayed = 0;
  int SweepCardIndex = 0;
};

// Any card of the hands, the deck or the table in flight.
bool AnyCardMoving(const Piles& piles);

// Lowest-numbered table place that is free; place 0 when all are taken.
int LowestFreeSlot(const Piles& piles);

}  // namespace verlano
