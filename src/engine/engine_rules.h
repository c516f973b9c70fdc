#pragma once
// The facts of the rule variant the engine plays by: hand size, how the deal
// lays cards, which score items count and the match target. They are read
// from the game's `Settings` in one place only, `RulesFromSettings`, so that a
// change in how the settings carry the variant touches one function.

namespace verlano {
struct Settings;
}

namespace verlano::engine {

struct EngineRules {
  int cardsPerHand = 9;
  int packetSize = 3;        // cards dealt to a seat at a time
  bool tableDeal = true;     // the nine-card game lays two table cards after 12 and 24 dealt
  bool coinPoints = false;   // one point a coin taken (the Romane games)
  bool mostCoins = true;     // a point for more coins
  bool kingOfCoins = false;  // the King of Coins scores (Romane with extra points, Umbria)
  bool coinsWeighMore =
      false;             // the computer player keeps coins harder (ten cards, not Napoletane)
  int matchTarget = 20;  // a side wins with more than this

  bool operator==(const EngineRules&) const = default;
};

EngineRules RulesFromSettings(const Settings& settings);

}  // namespace verlano::engine
