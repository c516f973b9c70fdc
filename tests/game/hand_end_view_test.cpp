// The hand's end as the player looks at it: an open pile lists the side's
// cards by suit with the coins, the primiera cards and sum the hand's score
// counted, the score page marks the side that won each item, and the clicks
// and keys that hold the last table or open a pile never deal a hand, while
// a click, Return or Space with nothing open does.

#include "game/hand_end_view.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "engine/classic_policy.h"
#include "engine/deal_position.h"
#include "game/engine_view.h"
#include "render/score_page.h"
#include "render/table_areas.h"
#include "rules/table_builder.h"

namespace verlano {
namespace {

constexpr int kHandsPerRuleSet = 250;

// A hand played out by the classic player from a seeded deal, its taken cards
// and sweeps given to the game's sides (in a shuffled order) and scored.
void PlayHandInto(Game& game, std::uint64_t seed) {
  Random rng(seed);
  engine::Position p =
      engine::DealPosition(engine::RulesOf(game.settings.Rules), rng.Below(4), rng);
  while (!p.HandOver()) engine::ApplyMove(p, engine::ClassicMove(p).move);
  for (int side = 0; side < 2; ++side) {
    SidePiles& pile = side == 0 ? game.piles.Our : game.piles.Their;
    std::vector<int> cards;
    for (int card = 0; card < kCardIndexCount; ++card) {
      if (engine::Has(p.taken[side], card)) cards.push_back(card);
    }
    for (std::size_t i = cards.size(); i > 1; --i) {
      std::swap(cards[i - 1], cards[static_cast<std::size_t>(rng.Below(static_cast<int>(i)))]);
    }
    pile.CardCount = static_cast<int>(cards.size());
    std::ranges::copy(cards, pile.Cards.begin());
  }
  game.capture.WeSweep = game.capture.TheySweep = false;
  game.score.We.Sweeps = p.sweeps[0];
  game.score.They.Sweeps = p.sweeps[1];
  ScoreHand(game);
}

// The sheet against the pile and the score: every card once, in its suit's
// row in rank order, the coins row counted as the score counts coins, each
// row's primiera card its best, their values adding up to the score's sum.
void ExpectSheetAgrees(const Game& game, int side) {
  const PileSheet sheet = PileSheetOf(game, side);
  const SidePiles& pile = side == kSideWe ? game.piles.Our : game.piles.Their;
  const SideScore& score = side == kSideWe ? game.score.We : game.score.They;
  const CardTables& t = game.cards;
  std::vector<int> listed;
  int sum = 0;
  bool allSuits = true;
  for (int row = 0; row < kSheetRows; ++row) {
    const std::vector<int>& cards = sheet.Rows[static_cast<std::size_t>(row)];
    EXPECT_TRUE(std::ranges::is_sorted(cards)) << "row " << row;
    for (const int card : cards) EXPECT_EQ(t.CardSuit[card], kSheetSuits[row]) << card;
    listed.insert(listed.end(), cards.begin(), cards.end());
    const int best = sheet.Primiera[static_cast<std::size_t>(row)];
    allSuits = allSuits && !cards.empty();
    if (cards.empty()) {
      EXPECT_EQ(best, -1) << "row " << row;
      continue;
    }
    ASSERT_NE(std::ranges::find(cards, best), cards.end()) << "row " << row;
    for (const int card : cards) EXPECT_LE(t.CardPrimiera[card], t.CardPrimiera[best]) << card;
    sum += t.CardPrimiera[best];
  }
  std::vector<int> taken(pile.Cards.begin(), pile.Cards.begin() + pile.CardCount);
  std::ranges::sort(listed);
  std::ranges::sort(taken);
  EXPECT_EQ(listed, taken);
  EXPECT_EQ(sheet.Coins, static_cast<int>(sheet.Rows[0].size()));
  EXPECT_EQ(sheet.Coins, score.Coins);
  EXPECT_EQ(sheet.PrimieraSum, allSuits ? sum : 0);
  EXPECT_EQ(sheet.PrimieraSum, score.PrimieraSum);
}

// Who won each item, from the piles alone: the side with more cards, more
// coins or the higher primiera, the side holding the seven or the king of
// coins, every side with a sweep.
std::vector<ScoreMark> ExpectedWinners(const Game& game) {
  const SidePiles* piles[2] = {&game.piles.Our, &game.piles.Their};
  const SideScore* scores[2] = {&game.score.We, &game.score.They};
  const auto holds = [&](int side, int card) {
    const SidePiles& p = *piles[side];
    return std::find(p.Cards.begin(), p.Cards.begin() + p.CardCount, card) !=
           p.Cards.begin() + p.CardCount;
  };
  std::vector<ScoreMark> marks;
  int row = 1;
  for (const ScoreRow item : game.settings.Rules.ScoreRows) {
    for (const int side : {kSideWe, kSideThey}) {
      const int other = 1 - side;
      bool won = false;
      switch (item) {
        case ScoreRow::Cards:
          won = piles[side]->CardCount > piles[other]->CardCount;
          break;
        case ScoreRow::Coins:
        case ScoreRow::MostCoins:
          won = scores[side]->Coins > scores[other]->Coins;
          break;
        case ScoreRow::Settebello:
          won = holds(side, kSettebello);
          break;
        case ScoreRow::KingOfCoins:
          won = holds(side, kKingOfCoins);
          break;
        case ScoreRow::Primiera:
          won = scores[side]->PrimieraSum > scores[other]->PrimieraSum;
          break;
        case ScoreRow::Sweeps:
          won = scores[side]->Sweeps > 0;
          break;
      }
      if (won) marks.push_back({row, side, 0, 0});
    }
    ++row;
  }
  return marks;
}

class PileSheetAgreement : public ::testing::TestWithParam<test::RuleSet> {};

TEST_P(PileSheetAgreement, SheetsAndMarksAgreeWithTheHandsScore) {
  for (std::uint64_t seed = 1; seed <= kHandsPerRuleSet; ++seed) {
    SCOPED_TRACE(seed);
    const std::unique_ptr<Game> game = test::DealtGame(test::OptionsOf(GetParam()));
    PlayHandInto(*game, seed);
    ExpectSheetAgrees(*game, kSideWe);
    ExpectSheetAgrees(*game, kSideThey);
    std::vector<ScoreMark> marks = ScorePageMarks(*game);
    for (ScoreMark& mark : marks) mark.FirstColumn = mark.Columns = 0;
    EXPECT_EQ(marks, ExpectedWinners(*game));
  }
}

std::string NameOf(const ::testing::TestParamInfo<test::RuleSet>& rules) {
  return rules.param.name;
}

INSTANTIATE_TEST_SUITE_P(EveryRuleSet, PileSheetAgreement, ::testing::ValuesIn(test::kRuleSets),
                         NameOf);

// The marks stand under the numbers: the we number ends two columns after
// the six of the label, the they number five after that.
TEST(ScoreMarks, UnderlineTheWinningNumbersDigits) {
  const std::unique_ptr<Game> game = test::DealtGame(Options{});
  test::GiveCards(*game, game->piles.Our, {"7D", "AD", "2D", "3D", "4D", "5D", "6D"});
  test::GiveCards(*game, game->piles.Their,
                  {"AC", "2C", "3C", "4C", "5C", "6C", "7C", "KC", "AH", "2H", "AS"});
  ScoreHand(*game);
  const std::vector<ScoreMark> marks = ScorePageMarks(*game);
  // Cards 7 to 11, coins 7 to 0, the seven of coins ours: they, we, we.
  ASSERT_GE(marks.size(), 3U);
  EXPECT_EQ(marks[0], (ScoreMark{1, kSideThey, 11, 2}));
  EXPECT_EQ(marks[1], (ScoreMark{2, kSideWe, 7, 1}));
  EXPECT_EQ(marks[2], (ScoreMark{3, kSideWe, 7, 1}));
}

// A game at its hand's end, the view as the run keeps it.
class HandEndClicks : public ::testing::Test {
 protected:
  void EndHand(bool hold) {
    game->settings.HoldLastTable = hold;
    game->turn.GameState = PlayState::HandOver;
    NoteHandEnd(view, *game);
  }

  // One frame's input; true when it deals the next hand.
  bool Frame(HandEndInput in) { return FollowHandEnd(view, *game, in); }

  HandEndInput ClickAt(int x, int y) const { return {.click = true, .mouseX = x, .mouseY = y}; }

  HandEndInput ClickOnPile(int side) const {
    const Rect pile = ScorePileRect(*game, side);
    return ClickAt((pile.Left + pile.Right) / 2, (pile.Top + pile.Bottom) / 2);
  }

  std::unique_ptr<Game> game = test::DealtGame(Options{});
  HandEndView view;
};

TEST_F(HandEndClicks, TheHeldTableTakesOneClickOrReturnThenThePageDealsAsBefore) {
  EndHand(true);
  EXPECT_TRUE(view.TableHeld);
  EXPECT_FALSE(Frame(ClickAt(400, 300)));
  EXPECT_FALSE(view.TableHeld);
  EXPECT_FALSE(Frame(ClickAt(400, 300))) << "the same click, still held, must not deal";
  EXPECT_FALSE(Frame({}));
  EXPECT_TRUE(Frame(ClickAt(400, 300))) << "a new click on the page deals";

  view = {};
  EndHand(true);
  EXPECT_FALSE(Frame({.goOn = true}));
  EXPECT_FALSE(view.TableHeld);

  view = {};
  EndHand(false);
  EXPECT_FALSE(view.TableHeld);
  EXPECT_TRUE(Frame(ClickAt(400, 300)));
}

// Return or Space (a press each) is a click on no pile: the held table, the
// review or an open pile gives way to the page, and the page deals.
TEST_F(HandEndClicks, ReturnOrSpaceClosesWhatIsOnShowThenDeals) {
  const struct {
    bool hold;
    HandEndInput open;  // what is laid open on the page first
  } cases[] = {{false, {}}, {true, {}}, {false, {.ourKey = true}}, {false, {.reviewKey = true}}};
  for (const auto& c : cases) {
    view = {};
    EndHand(c.hold);
    Frame(c.open);
    Frame({});
    const bool open = view.TableHeld || view.ReviewOpen || view.OpenSide >= 0;
    EXPECT_EQ(open, c.hold || c.open.ourKey || c.open.reviewKey);
    if (open) {
      EXPECT_FALSE(Frame({.goOn = true})) << "the press that closes deals nothing";
      EXPECT_FALSE(view.TableHeld || view.ReviewOpen || view.OpenSide >= 0);
    }
    EXPECT_TRUE(Frame({.goOn = true})) << "the next press deals";
  }
  view = {};
  game->turn.GameState = PlayState::DealingCards;
  EXPECT_FALSE(Frame({.goOn = true})) << "only the hand's end deals";
}

// The table is kept on the first frame of the remainder's state, before its
// cards leave, and stays kept through the hand's end until the next deal.
TEST_F(HandEndClicks, TheLastTableIsKeptAsTheLastPlayLeftItUntilTheNextDeal) {
  test::LayTable(*game, {"2C", "5D", "KS"}, "7C", 3);
  Piles& p = game->piles;
  ASSERT_EQ(p.TableCount, 4);
  std::vector<CardSprite> table(p.TablePile.begin(), p.TablePile.begin() + p.TableCount);
  p.TablePile[0].Present = false;  // a card taken earlier: not kept
  table.erase(table.begin());
  game->settings.HoldLastTable = true;
  game->turn.GameState = PlayState::WeTakeRemainder;
  NoteHandEnd(view, *game);
  EXPECT_EQ(view.Last.Cards, table);
  EXPECT_EQ(view.Last.RestSide, kSideWe);
  // The cards fly off and are booked; the hand ends.
  p.TablePile[1].X += 50;
  NoteHandEnd(view, *game);
  p.TableCount = 0;
  game->turn.GameState = PlayState::HandOver;
  NoteHandEnd(view, *game);
  EXPECT_TRUE(view.TableHeld);
  EXPECT_EQ(view.Last.Cards, table) << "kept as it lay before the first step";
  game->turn.GameState = PlayState::DealingCards;
  NoteHandEnd(view, *game);
  EXPECT_EQ(view.Last, LastTable{});

  game->turn.GameState = PlayState::TheyTakeRemainder;
  NoteHandEnd(view, *game);
  EXPECT_EQ(view.Last.RestSide, kSideThey);
  EXPECT_TRUE(view.Last.Cards.empty()) << "an empty table keeps no cards";
}

TEST_F(HandEndClicks, APileOpensByClickOrKeyAndClosesByAClickElsewhereOrTheSameKey) {
  EndHand(false);
  EXPECT_FALSE(Frame(ClickOnPile(kSideWe)));
  EXPECT_EQ(view.OpenSide, kSideWe);
  EXPECT_EQ(OpenPileSheet(view, *game).Side, kSideWe);
  Frame({});
  EXPECT_FALSE(Frame(ClickOnPile(kSideThey)));
  EXPECT_EQ(view.OpenSide, kSideThey);
  Frame({});
  EXPECT_FALSE(Frame(ClickAt(400, 300))) << "the click that closes a pile deals nothing";
  EXPECT_EQ(view.OpenSide, -1);
  Frame({});

  Frame({.ourKey = true});
  EXPECT_EQ(view.OpenSide, kSideWe);
  Frame({.ourKey = true});
  EXPECT_EQ(view.OpenSide, kSideWe) << "a key held down acts once";
  Frame({});
  Frame({.theirKey = true});
  EXPECT_EQ(view.OpenSide, kSideThey);
  Frame({});
  Frame({.theirKey = true});
  EXPECT_EQ(view.OpenSide, -1);

  Frame({.ourKey = true});
  game->turn.GameState = PlayState::DealingCards;
  NoteHandEnd(view, *game);
  EXPECT_EQ(view.OpenSide, -1) << "the next deal closes the pile";
  EXPECT_EQ(OpenPileSheet(view, *game).Side, -1);
}

}  // namespace
}  // namespace verlano
