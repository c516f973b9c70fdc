// The player's rating: the update on constructed matches (even sides, the
// partner's share, the settling of K, the bounds), an estimate that follows a
// player of known strength, the level "Match my level" picks, and the
// ratings in the statistics file read back or refused in one line.

#include "memory/player_rating.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "memory/records.h"
#include "rules/level_ratings.h"

namespace verlano {
namespace {

Options Playing(Variant variant, PlayerLevel opponents, PlayerLevel partner) {
  Options o;
  o.variant = variant;
  o.opponents = opponents;
  o.partner = partner;
  return o;
}

TEST(PlayerRating, MatchesMoveTheEstimateByWhatTheRatingsExpected) {
  const Options even = Playing(Variant::Nine, PlayerLevel::Classic, PlayerLevel::Classic);
  Statistics s;
  EXPECT_FALSE(RatingOf(s, even)) << "no rating before a finished match";
  RateMatch(s, even, true);
  // Even sides expect half the match: a first win moves the estimate 64 x 0.5.
  EXPECT_EQ(RatingOf(s, even), (PlayerRating{1532, 1}));
  RateMatch(s, even, false);
  const double expected = 1 / (1 + std::pow(10.0, (1500 - (1532 + 1500) / 2.0) / 400));
  EXPECT_EQ(RatingOf(s, even)->rating, std::lround(1532 - 64 * expected));
  EXPECT_EQ(RatingOf(s, even)->matches, 2);
  EXPECT_TRUE(s.rows.empty()) << "the record's rows are CountMatch's";

  // Past ten matches K halves: a win between even sides then moves it 16.
  Statistics settled;
  settled.ratings[RatingKey(even)] = PlayerRating{1500, 10};
  RateMatch(settled, even, true);
  EXPECT_EQ(RatingOf(settled, even), (PlayerRating{1516, 11}));

  // A win against stronger opponents moves further than one against weaker,
  // and a strong partner makes the side the favourite, so a win moves less.
  const auto gainAgainst = [](PlayerLevel opponents, PlayerLevel partner) {
    Statistics t;
    const Options o = Playing(Variant::Romane, opponents, partner);
    RateMatch(t, o, true);
    return RatingOf(t, o)->rating - kClassicRating;
  };
  EXPECT_GT(gainAgainst(PlayerLevel::Master, PlayerLevel::Classic),
            gainAgainst(PlayerLevel::Beginner, PlayerLevel::Classic));
  EXPECT_LT(gainAgainst(PlayerLevel::Classic, PlayerLevel::Master),
            gainAgainst(PlayerLevel::Classic, PlayerLevel::Classic));

  // Each variant keeps its own, romane with the extra points apart from romane.
  Options extra = Playing(Variant::Romane, PlayerLevel::Classic, PlayerLevel::Classic);
  extra.extraCoinPoints = true;
  EXPECT_FALSE(RatingOf(s, extra));
  RateMatch(s, extra, false);
  EXPECT_EQ(s.ratings.size(), 2u);
  EXPECT_EQ(RatingOf(s, extra)->rating, 1468);
  EXPECT_EQ(RatingOf(s, even)->matches, 2);
}

TEST(PlayerRating, EstimatesStayWithinWhatTheFileHolds) {
  const Options o = Playing(Variant::Napoletane, PlayerLevel::Beginner, PlayerLevel::Master);
  Statistics s;
  s.ratings[RatingKey(o)] = PlayerRating{kLowestRating, 5};
  RateMatch(s, o, false);
  EXPECT_EQ(RatingOf(s, o)->rating, kLowestRating);
  const Options hard = Playing(Variant::Napoletane, PlayerLevel::Master, PlayerLevel::Beginner);
  s.ratings[RatingKey(hard)] = PlayerRating{kHighestRating - 1, kMostCounted};
  RateMatch(s, hard, true);
  EXPECT_EQ(RatingOf(s, hard), (PlayerRating{kHighestRating, kMostCounted}));
  EXPECT_EQ(ReadStatistics(WriteStatistics(s)), s);
}

// A player of known strength, its matches drawn from the chance the ratings
// give (a fixed stream, so the run is the same every time), is found near
// its strength whatever the estimate starts from and whoever it plays with.
TEST(PlayerRating, TheEstimateFollowsAPlayerOfKnownStrength) {
  std::mt19937_64 random(2026);
  for (const int truth : {1150, 1600, 2050}) {
    for (const int start : {kLowestRating + 600, kHighestRating - 1600}) {
      Statistics s;
      Options o = Playing(Variant::Nine, PlayerLevel::Classic, PlayerLevel::Classic);
      s.ratings[RatingKey(o)] = PlayerRating{start, 1};
      double sum = 0;
      int counted = 0;
      for (int match = 0; match < 2000; ++match) {
        o.opponents = kLevelsWeakestFirst[match % kLevelsWeakestFirst.size()];
        o.partner = kLevelsWeakestFirst[(match / 5) % kLevelsWeakestFirst.size()];
        const bool won =
            std::uniform_real_distribution<double>(0, 1)(random) < ExpectedScore(truth, o);
        RateMatch(s, o, won);
        if (match >= 500) {
          sum += RatingOf(s, o)->rating;
          ++counted;
        }
      }
      EXPECT_NEAR(sum / counted, truth, 60) << "truth " << truth << ", from " << start;
    }
  }
}

TEST(PlayerRating, MatchMyLevelPicksTheNearestLevel) {
  for (const Variant variant :
       {Variant::Nine, Variant::Romane, Variant::Napoletane, Variant::UmbriaMarche}) {
    Options o = Playing(variant, PlayerLevel::Master, PlayerLevel::Classic);
    Statistics s;
    EXPECT_EQ(LevelNearPlayer(s, o), PlayerLevel::Classic) << "no rating yet";
    for (const PlayerLevel level : kLevelsWeakestFirst) {
      const int rating = LevelRating(level, variant, false);
      s.ratings[RatingKey(o)] = PlayerRating{rating + 1, 3};
      EXPECT_EQ(LevelNearPlayer(s, o), level);
      s.ratings[RatingKey(o)] = PlayerRating{rating - 1, 3};
      EXPECT_EQ(LevelNearPlayer(s, o), level);
    }
    s.ratings[RatingKey(o)] = PlayerRating{kLowestRating, 3};
    EXPECT_EQ(LevelNearPlayer(s, o), PlayerLevel::Beginner);
    s.ratings[RatingKey(o)] = PlayerRating{kHighestRating, 3};
    EXPECT_EQ(LevelNearPlayer(s, o), PlayerLevel::Master);
    if (variant == Variant::Romane) {
      o.extraCoinPoints = true;
      EXPECT_EQ(LevelNearPlayer(s, o), PlayerLevel::Classic) << "the extra points' own rating";
    }
  }
}

TEST(PlayerRating, TheStatisticsFileKeepsRatingsAndRefusesDamagedOnes) {
  Statistics s;
  CountMatch(s, Options{}, {}, true);
  RateMatch(s, Options{}, true);
  Options romane;
  romane.variant = Variant::Romane;
  romane.extraCoinPoints = true;
  RateMatch(s, romane, false);
  const std::string text = WriteStatistics(s);
  EXPECT_NE(text.find("\nnine.rating rating=1532 matches=1\n"), std::string::npos) << text;
  EXPECT_NE(text.find("\nromane-extra.rating rating=1468 matches=1\n"), std::string::npos);
  EXPECT_EQ(ReadStatistics(text), s);

  const struct {
    const char* line;
    const char* reason;
  } damaged[] = {
      {"nine.rating rating=4001 matches=2", "rating=4001"},
      {"nine.rating rating=-1 matches=2", "rating=-1"},
      {"nine.rating rating=1500 matches=0", "matches=0"},
      {"nine.rating rating=1500", "matches"},
      {"nine.rating rating=1500 matches=2 played=3", "played"},
      {"nine.rating rating=15x0 matches=2", "rating=15x0"},
      {"chess.rating rating=1500 matches=2", "chess.rating"},
  };
  for (const auto& d : damaged) {
    try {
      ReadStatistics(std::string("verlano-statistics 1\n") + d.line + "\nend\n");
      ADD_FAILURE() << "read: " << d.line;
    } catch (const RecordError& e) {
      const std::string why = e.what();
      EXPECT_NE(why.find(d.reason), std::string::npos) << d.line << ": " << why;
      EXPECT_EQ(why.find('\n'), std::string::npos) << why;
    }
  }
}

}  // namespace
}  // namespace verlano
