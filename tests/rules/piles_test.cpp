// The shared helpers over the piles: whether anything is in flight, which
// holds back every new flight, and the random card sounds that go with one.

#include <gtest/gtest.h>

#include <set>

#include "rules/table_builder.h"

namespace verlano {
namespace {

class PilesTest : public ::testing::Test {
 protected:
  test::RecordingSound sound;
  std::unique_ptr<Game> game = test::DealtGame(Options{}, &sound);
  Piles& piles = game->piles;
};

TEST_F(PilesTest, NothingMovesAfterTheDeal) {
  EXPECT_FALSE(AnyCardMoving(piles));
}

TEST_F(PilesTest, AFlyingCardOfAHandTheDeckOrTheTableHoldsThePlay) {
  CardSprite* flying[] = {&piles.Hand[0][0], &piles.Hand[3][11], &piles.Deck[0], &piles.Deck[39],
                          &piles.TablePile[2]};
  test::LayTable(*game, {"2C", "3C"}, "5C", 1);
  for (CardSprite* s : flying) {
    s->Moving = true;
    EXPECT_TRUE(AnyCardMoving(piles));
    s->Moving = false;
  }
  EXPECT_FALSE(AnyCardMoving(piles));
}

// A flip or a signal is one of three sounds, each of them heard in time.
TEST_F(PilesTest, CardSoundsPickOneOfThreeAtRandom) {
  const std::pair<void (*)(Game&), int> kinds[] = {{PlayFlipSound, kCardFlipSound},
                                                   {PlaySignSound, kSignSound}};
  for (const auto& [play, first] : kinds) {
    sound.slots.clear();
    for (int k = 0; k < 60; ++k) play(*game);
    const std::set<int> heard(sound.slots.begin(), sound.slots.end());
    EXPECT_EQ(heard, (std::set<int>{first, first + 1, first + 2}));
  }
}

}  // namespace
}  // namespace verlano
