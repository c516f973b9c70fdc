// Which card the classic player is readiest to lay down, under every record
// of the variant table and the agreement's own record (another coin bonus
// and other points): coins by the record's bonus, the King of Coins where it
// scores, sevens and kings while the card that scores is unseen, and the
// cards of a value already seen.

#include <gtest/gtest.h>

#include <ostream>

#include "position_builder.h"
#include "sim/agreement.h"

namespace verlano {

// A record named in a failure by the numbers these cases read.
void PrintTo(const VariantRules& rules, std::ostream* os) {
  *os << rules.CardsPerHand << " cards, coin bonus " << rules.CoinKeepBonus
      << ", King of Coins worth " << rules.Points.KingOfCoins;
}

namespace engine {
namespace {

using test::Spot;

class KeepValueByRecord : public ::testing::TestWithParam<VariantRules> {
 protected:
  KeepValueByRecord() : spot_(GetParam()) {}

  double CoinPenalty() const { return 1 + GetParam().CoinKeepBonus; }
  bool KingScores() const { return GetParam().Points.KingOfCoins > 0; }

  Spot spot_;
};

TEST_P(KeepValueByRecord, CoinsAreKeptByTheRecordsBonus) {
  spot_.Hand({"2D", "2C"});
  EXPECT_DOUBLE_EQ(spot_.Keep("2C") - spot_.Keep("2D"), CoinPenalty());
}

TEST_P(KeepValueByRecord, KingsAreKeptWhileTheScoringKingOfCoinsIsUnseen) {
  spot_.Hand({"KC"});
  const double unseen = spot_.Keep("KC");
  spot_.Out({"KD"});
  EXPECT_DOUBLE_EQ(spot_.Keep("KC") - unseen, KingScores() ? 5 : 0);
}

TEST_P(KeepValueByRecord, KingOfCoinsIsKeptWhereItScores) {
  spot_.Hand({"KD", "KC"});
  EXPECT_DOUBLE_EQ(spot_.Keep("KC") - spot_.Keep("KD"), CoinPenalty() + (KingScores() ? 10 : 0));
}

TEST_P(KeepValueByRecord, SevenOfCoinsIsKeptAboveAnySeven) {
  spot_.Hand({"7D", "7C"});
  EXPECT_DOUBLE_EQ(spot_.Keep("7C") - spot_.Keep("7D"), CoinPenalty() + 11);
}

TEST_P(KeepValueByRecord, LaysTheKingWhereTheKingOfCoinsDoesNotScore) {
  spot_.Hand({"KC", "6C"}).Table({});
  EXPECT_EQ(spot_.Choice().move.handIndex, KingScores() ? 1 : 0);
}

std::string RecordName(const ::testing::TestParamInfo<VariantRules>& info) {
  return "Record" + std::to_string(info.index);
}

INSTANTIATE_TEST_SUITE_P(EveryRecord, KeepValueByRecord, ::testing::ValuesIn(sim::CheckedRecords()),
                         RecordName);

TEST(KeepValue, SevensAreKeptWhileTheSevenOfCoinsIsUnseen) {
  Spot spot;
  spot.Hand({"7C"});
  const double unseen = spot.Keep("7C");
  spot.Table({"7D"});
  EXPECT_DOUBLE_EQ(spot.Keep("7C") - unseen, 5);
}

TEST(KeepValue, SeenCardsOfTheValueMakeACardCheaper) {
  Spot spot;
  spot.Hand({"4C", "5C"});
  const double fewSeen = spot.Keep("4C");
  spot.Played(4, 2);
  EXPECT_DOUBLE_EQ(spot.Keep("4C") - fewSeen, 2);
  spot.Hand({"4C", "4H", "5C"});
  EXPECT_DOUBLE_EQ(spot.Keep("4C") - fewSeen, 3) << "the hand's other four counts as seen";
}

TEST(KeepValue, HigherPrimieraIsKept) {
  Spot spot;
  spot.Hand({"6C", "5C"});
  EXPECT_GT(spot.Keep("5C"), spot.Keep("6C"));
}

// The seven and the King of Coins are seen on the table or in a pile, not
// on a sweep mark.
TEST(ClassicMemory, SeesTheSevenAndTheKingOnTheTableOrInAPile) {
  Spot spot;
  EXPECT_FALSE(spot.Memory().settebelloOut);
  spot.Table({"7D"});
  EXPECT_TRUE(spot.Memory().settebelloOut);
  spot.Table({});
  spot.Out({"KD"});
  EXPECT_TRUE(spot.Memory().kingOut);
  spot.Out({"7D"}, true);
  EXPECT_FALSE(spot.Memory().settebelloOut) << "the seven swept: it lies on a sweep mark";
}

}  // namespace
}  // namespace engine
}  // namespace verlano
