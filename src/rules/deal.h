#pragma once
// The start of every hand: clear what the last hand left, lay out the table,
// shuffle the 40 cards into the deck, choose the seat that leads, and then deal
// one card per idle step, in packets of 3 or 5, seat after seat.

#include <array>

namespace verlano {

struct Game;
struct CardSprite;

struct DealState {
  std::array<int, 53> ShuffledCards{};
  std::array<int, 5> DealOrder{};
  int DealTurn = 0;
  int PacketCount = 0;
  int CardsDealtToHands = 0;
  int TableDealCount = 0;
  bool FirstDealDone = false;
  int DeckTaken = 0;
  int DealSeat = 0;  // the seat the card in flight was dealt to
};

void DealHand(Game& game);
void ShuffleDeck(Game& game);
int ChooseLeader(Game& game);
void BuildDealOrder(Game& game);
void LayOutDeckStack(Game& game);
void ResetHandState(Game& game);
void SetUpHandLayout(Game& game);

// Sends a deck card flying to the seat's next hand place.
void DealCardToSeat(Game& game, CardSprite& sprite, int seat);

// Sends a deck card flying, face down, to the lowest free table place.
void DealCardToTable(Game& game, CardSprite& sprite);

// One step of "DEALING CARDS": the next card of the packet to the seat being served.
void DealStep(Game& game);

}  // namespace verlano
