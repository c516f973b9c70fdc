#pragma once
// Set-up shared by the rules tests: a sound recorder, games of each variant
// with a hand dealt, and tables and taken-card piles written as short card
// codes ("7D", "KS", "10C") so that every test states its position in the
// game's own words instead of card indices.

#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "rules/game.h"

namespace verlano::test {

// Keeps every sound slot the rules ask for, in order.
class RecordingSound final : public SoundOut {
 public:
  void PlaySound(int slot) override { slots.push_back(slot); }

  std::vector<int> slots;
};

using Codes = std::initializer_list<std::string_view>;

Options VariantOptions(Variant variant, bool extraCoinPoints = false);

// The five rule sets a run can have: each variant, and "10 cards Romane" with
// the extra coin points.
struct RuleSet {
  Variant variant;
  bool extraCoinPoints;
  const char* name;  // names the parameterized cases
};

inline constexpr RuleSet kRuleSets[] = {{Variant::Nine, false, "Nine"},
                                        {Variant::Romane, false, "Romane"},
                                        {Variant::Romane, true, "RomaneExtra"},
                                        {Variant::Napoletane, false, "Napoletane"},
                                        {Variant::UmbriaMarche, false, "UmbriaMarche"}};

inline Options OptionsOf(const RuleSet& rules) {
  return VariantOptions(rules.variant, rules.extraCoinPoints);
}

// One rule set with the number a test expects of it.
struct RuleSetCase {
  RuleSet rules;
  int expected;
};

// Pairs the rule sets, in the order of `kRuleSets`, with the expected numbers.
std::vector<RuleSetCase> PerRuleSet(const std::array<int, std::size(kRuleSets)>& expected);

std::string RuleSetName(const ::testing::TestParamInfo<RuleSetCase>& info);
void PrintTo(const RuleSetCase& c, std::ostream* os);

// A game of the variant whose first hand has been dealt out of a fixed seed.
std::unique_ptr<Game> DealtGame(const Options& options, SoundOut* sound = nullptr,
                                std::uint64_t seed = 1);

// The card index of a code; fails the test when it names no card in play.
int CardOf(const Game& game, std::string_view code);

// Lays `table` at table positions 0.. and then `played`, the card `seat` has
// just played, as the last entry; the play is not the last of the hand.
void LayTable(Game& game, Codes table, std::string_view played, int seat);
void LayTable(Game& game, const std::vector<std::string_view>& table, std::string_view played,
              int seat);

// Marks table positions as clicked by the human.
void Choose(Game& game, std::initializer_list<int> positions);

// Adds the cards to the list of cards a side has taken this hand.
void GiveCards(Game& game, SidePiles& side, Codes codes);
void GiveCards(SidePiles& side, const std::vector<int>& cards);

// Every card index in play, lowest first.
std::vector<int> CardsInPlay(const Game& game);

}  // namespace verlano::test
