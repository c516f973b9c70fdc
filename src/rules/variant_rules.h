#pragma once
// Everything that differs between Verlano's rule variants, as one record per
// variant: the deal's shape, the match target, what each scoring item is worth,
// the score page's rows and the computer player's one variant-dependent weight.
// The records sit in one constant table (variant_rules.cpp); a new variant is a
// new row there and in its test, and the rules, the computer player, the score
// page, the game flow and the simulator read whichever record the options chose.

#include <span>

namespace verlano {

enum class Variant { Nine, Romane, Napoletane, UmbriaMarche };

// The score page's item rows, each naming the item whose values it shows.
enum class ScoreRow { Cards, Coins, MostCoins, Settebello, KingOfCoins, Primiera, Sweeps };

// What each scoring item is worth in a hand; 0 where the variant does not count it.
struct ItemPoints {
  int Settebello = 0;
  int KingOfCoins = 0;
  int MostCoins = 0;  // to the side with strictly more coins
  int PerCoin = 0;    // for every coin taken
  int Primiera = 0;   // to the side with the strictly higher primiera
  int MostCards = 0;  // to the side with strictly more cards
  int PerSweep = 0;

  bool operator==(const ItemPoints&) const = default;
};

struct VariantRules {
  // The dialog's choice this record answers.
  Variant Choice = Variant::Nine;
  bool ExtraCoinPoints = false;  // "Punti per piu Dinari e Rebello"

  int CardsPerHand = 0;
  int DealPacketSize = 0;
  int TableCardsAtDeal = 0;  // laid face down between rounds of packets, turned over before play
  int MatchTarget = 0;       // a side wins with more than this
  ItemPoints Points;
  // The simulator holds each hand total, less sweeps, to this: primiera, most
  // cards, most coins, the seven and the king of coins, plus ten where every coin scores.
  int MostHandPoints = 0;
  int CoinKeepBonus = 0;  // how much more the computer player holds on to a coin
  std::span<const ScoreRow> ScoreRows;
  int HistoryRows = 0;  // hand totals a score page lists before it restarts
};

// Every variant the dialog offers, each once.
std::span<const VariantRules> AllVariantRules();

// The record of the dialog's choice; the extra coin points count only where a
// variant has a record with them ("10 cards Romane"), elsewhere they are ignored.
const VariantRules& RulesFor(Variant variant, bool extraCoinPoints);

// Whether the deal stops to lay table cards once this many cards reached the
// hands: after every round of packets but the last, where the variant lays any.
bool TableBreakAfter(const VariantRules& rules, int cardsDealtToHands);

// Table cards laid at each such stop: the deal's share split evenly between them.
int TableCardsPerBreak(const VariantRules& rules);

}  // namespace verlano
