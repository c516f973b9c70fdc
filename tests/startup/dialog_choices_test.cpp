// The dialog's controls turned into the options Play hands over: every deck
// and variant row, the extra-points tick that only Romane may carry, and rows
// the dialog can never give.

#include "startup/dialog_choices.h"

#include <gtest/gtest.h>

#include <cmath>

#include "memory/player_rating.h"
#include "rules/level_ratings.h"

namespace verlano {
namespace {

struct Row {
  DialogState state;
  Options expected;
};

TEST(DialogChoices, EveryDeckAndVariantRowMapsToItsOption) {
  using enum DeckChoice;
  using enum Variant;
  using enum AnimationSpeed;
  const Row rows[] = {
      // Nothing touched: the defaults.
      {{0, 0, false, 0}, {Trevigiano, Nine, false, Normal}},
      // Decks in the order shown: Trevigiano, Trent, Royal.
      {{1, 0, false, 0}, {Trentino, Nine, false, Normal}},
      {{2, 0, false, 0}, {Royal, Nine, false, Normal}},
      // Variants in the order shown, which is not the order of their flags.
      {{0, 1, false, 0}, {Trevigiano, Napoletane, false, Normal}},
      {{0, 2, false, 0}, {Trevigiano, UmbriaMarche, false, Normal}},
      {{0, 3, false, 0}, {Trevigiano, Romane, false, Normal}},
      {{0, 3, true, 0}, {Trevigiano, Romane, true, Normal}},
      {{2, 3, true, 1}, {Royal, Romane, true, Slow}},
      {{1, 1, false, 1}, {Trentino, Napoletane, false, Slow}},
      // A tick left over from Romane counts under no other variant.
      {{0, 0, true, 0}, {Trevigiano, Nine, false, Normal}},
      {{1, 1, true, 0}, {Trentino, Napoletane, false, Normal}},
      {{2, 2, true, 1}, {Royal, UmbriaMarche, false, Slow}},
      // The animation's speeds in the order shown: Normal, Slow, Fast.
      {{0, 0, false, 2}, {Trevigiano, Nine, false, Fast}},
      // Rows past the tables fall back to the first row, never past the end.
      {{3, 4, true, 0}, {Trevigiano, Nine, false, Normal}},
      {{99, 3, true, 0}, {Trevigiano, Romane, true, Normal}},
      {{0, 0, false, 7}, {Trevigiano, Nine, false, Normal}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(::testing::Message()
                 << "deck row " << row.state.deckRow << ", variant row " << row.state.variantRow
                 << ", extra " << row.state.extraPointsTicked);
    const Options got = OptionsFromDialog(row.state);
    EXPECT_EQ(got.deck, row.expected.deck);
    EXPECT_EQ(got.variant, row.expected.variant);
    EXPECT_EQ(got.extraCoinPoints, row.expected.extraCoinPoints);
    EXPECT_EQ(got.animation, row.expected.animation);
  }
}

TEST(DialogChoices, OnlyRomaneAllowsTheExtraPoints) {
  for (std::size_t row = 0; row <= kVariantOptions.size(); ++row) {
    const bool romane =
        row < kVariantOptions.size() && kVariantOptions[row].caption == "10 cards Romane";
    EXPECT_EQ(ExtraPointsAllowed(row), romane) << "row " << row;
  }
}

TEST(DialogChoices, PlayWithNothingTouchedGivesTheDefaultSettings) {
  Settings settings;
  Layout layout;
  ApplyOptions(OptionsFromDialog(DialogState{}), settings, layout);
  EXPECT_EQ(settings.DeckName, "Trevigiano");
  EXPECT_EQ(layout.CardWidth, 92);
  EXPECT_EQ(settings.Rules.Choice, Variant::Nine);
  EXPECT_EQ(settings.Rules.CardsPerHand, 9);
  EXPECT_FALSE(settings.Rules.ExtraCoinPoints);
  EXPECT_EQ(settings.Animation, AnimationSpeed::Normal);
  EXPECT_EQ(settings.OpponentsLevel, PlayerLevel::Classic);
  EXPECT_EQ(settings.PartnerLevel, PlayerLevel::Classic);
  EXPECT_FALSE(settings.ShowHints);
  EXPECT_FALSE(settings.TakeOnlyCapture);
}

TEST(DialogChoices, EachHelpTickReachesItsOwnSetting) {
  for (const bool hints : {false, true}) {
    for (const bool onlyCapture : {false, true}) {
      DialogState state;
      state.hintsTicked = hints;
      state.onlyCaptureTicked = onlyCapture;
      Settings settings;
      Layout layout;
      ApplyOptions(OptionsFromDialog(state), settings, layout);
      EXPECT_EQ(settings.ShowHints, hints) << hints << onlyCapture;
      EXPECT_EQ(settings.TakeOnlyCapture, onlyCapture) << hints << onlyCapture;
    }
  }
}

// The dialog opens with the options last played: every option survives the
// way into the controls and back, the two help ticks and the levels included.
TEST(DialogChoices, TheLastOptionsComeBackThroughTheControls) {
  for (int bits = 0; bits < 1 << 9; ++bits) {
    Options o;
    o.variant = (bits & 1) != 0 ? Variant::Romane : Variant::UmbriaMarche;
    o.extraCoinPoints = (bits & 2) != 0 && o.variant == Variant::Romane;
    o.deck = (bits & 4) != 0 ? DeckChoice::Royal : DeckChoice::Trentino;
    o.opponents = kLevelOptions[bits % kLevelOptions.size()].value;
    o.matchMyLevel = (bits & 64) != 0;
    if (o.matchMyLevel) o.opponents = PlayerLevel::Classic;  // what the row hands over
    o.showHints = (bits & 16) != 0;
    o.takeOnlyCapture = (bits & 32) != 0;
    o.holdLastTable = (bits & 128) != 0;
    o.allowTakeBacks = (bits & 256) != 0;
    o.partner = kLevelOptions[(bits / 3) % kLevelOptions.size()].value;
    o.animation = kAnimationChoices[bits % kAnimationChoices.size()].second;
    const DialogState state = DialogStateFrom(o, 40);
    const Options back = OptionsFromDialog(state);
    EXPECT_EQ(state.volume, 40);
    EXPECT_EQ(back.variant, o.variant) << bits;
    EXPECT_EQ(back.extraCoinPoints, o.extraCoinPoints) << bits;
    EXPECT_EQ(back.deck, o.deck) << bits;
    EXPECT_EQ(back.animation, o.animation) << bits;
    EXPECT_EQ(back.opponents, o.opponents) << bits;
    EXPECT_EQ(back.matchMyLevel, o.matchMyLevel) << bits;
    EXPECT_EQ(back.partner, o.partner) << bits;
    EXPECT_EQ(back.showHints, o.showHints) << bits;
    EXPECT_EQ(back.takeOnlyCapture, o.takeOnlyCapture) << bits;
    EXPECT_EQ(back.holdLastTable, o.holdLastTable) << bits;
    EXPECT_EQ(back.allowTakeBacks, o.allowTakeBacks) << bits;
  }
}

// The levels' rows run weakest first; the opponents' column has "Match my
// level" after them, and a row past either table counts as Classic.
TEST(DialogChoices, EachSeatGroupGetsTheLevelOfItsOwnRow) {
  const PlayerLevel weakestFirst[] = {PlayerLevel::Beginner, PlayerLevel::Classic,
                                      PlayerLevel::Strong, PlayerLevel::Expert,
                                      PlayerLevel::Master};
  ASSERT_EQ(std::size(weakestFirst), kLevelOptions.size());
  for (std::size_t opponentsRow = 0; opponentsRow <= kMatchMyLevelRow + 1; ++opponentsRow) {
    for (std::size_t partnerRow = 0; partnerRow <= kLevelOptions.size(); ++partnerRow) {
      DialogState state;
      state.opponentsRow = opponentsRow;
      state.partnerRow = partnerRow;
      const Options options = OptionsFromDialog(state);
      Settings settings;
      Layout layout;
      ApplyOptions(options, settings, layout);
      const auto levelIn = [&](std::size_t row) {
        return row < kLevelOptions.size() ? weakestFirst[row] : PlayerLevel::Classic;
      };
      EXPECT_EQ(settings.OpponentsLevel, levelIn(opponentsRow)) << opponentsRow << partnerRow;
      EXPECT_EQ(settings.PartnerLevel, levelIn(partnerRow)) << opponentsRow << partnerRow;
      EXPECT_EQ(options.matchMyLevel, opponentsRow == kMatchMyLevelRow) << opponentsRow;
    }
  }
}

// The ratings shown beside the levels are the chosen variant's, the extra
// points' own only while they may be ticked, and the player's rating is
// reckoned against the very numbers shown, whoever plays on either side.
TEST(DialogChoices, TheLevelsRatingsFollowTheVariant) {
  for (std::size_t row = 0; row < kVariantOptions.size(); ++row) {
    for (const bool ticked : {false, true}) {
      for (const LevelOption& level : kLevelOptions) {
        const bool extra = ticked && ExtraPointsAllowed(row);
        EXPECT_EQ(LevelRatingText(level.value, row, ticked),
                  std::to_string(LevelRating(level.value, kVariantOptions[row].value, extra)));
      }
      DialogState state;
      state.variantRow = row;
      state.extraPointsTicked = ticked;
      for (state.opponentsRow = 0; state.opponentsRow < kLevelOptions.size();
           ++state.opponentsRow) {
        for (state.partnerRow = 0; state.partnerRow < kLevelOptions.size(); ++state.partnerRow) {
          const Options options = OptionsFromDialog(state);
          const int theirs = std::stoi(LevelRatingText(options.opponents, row, ticked));
          const int partners = std::stoi(LevelRatingText(options.partner, row, ticked));
          for (const int player : {700, 1500, 2300}) {
            const double shown =
                1 / (1 + std::pow(10.0, (theirs - (player + partners) / 2.0) / 400));
            EXPECT_DOUBLE_EQ(ExpectedScore(player, options), shown)
                << row << ticked << state.opponentsRow << state.partnerRow;
          }
        }
      }
    }
  }
  EXPECT_EQ(LevelRatingText(PlayerLevel::Classic, kVariantOptions.size(), true), "1500");
}

// "Match my level" says, before Play, the player's rating in the chosen
// variant and the level Play picks from it: Classic before any rating, the
// extra points' own rating only while they may be ticked.
TEST(DialogChoices, MatchMyLevelSaysTheRatingAndTheLevelPlayPicks) {
  const std::string how = std::string(kMatchMyLevelNote);
  Statistics none;
  for (std::size_t row = 0; row < kVariantOptions.size(); ++row) {
    EXPECT_EQ(MatchMyLevelNote(none, row, true),
              "No rating in this variant yet, so Classic now. " + how);
  }
  // Each variant's rating between two levels, the extra points' apart.
  Statistics rated;
  const auto rate = [&](Variant variant, bool extra, int rating) {
    Options o;
    o.variant = variant;
    o.extraCoinPoints = extra;
    rated.ratings[RatingKey(o)] = PlayerRating{rating, 4};
  };
  rate(Variant::Nine, false, 1800);
  rate(Variant::Napoletane, false, 1200);
  rate(Variant::Romane, false, 1400);
  rate(Variant::Romane, true, 1540);
  const struct {
    std::size_t row;
    bool ticked;
    const char* said;
  } cases[] = {
      {0, false, "Your rating in this variant: 1800, so Expert now. "},
      {0, true, "Your rating in this variant: 1800, so Expert now. "},
      {1, false, "Your rating in this variant: 1200, so Beginner now. "},
      {2, true, "No rating in this variant yet, so Classic now. "},
      {3, false, "Your rating in this variant: 1400, so Beginner now. "},
      {3, true, "Your rating in this variant: 1540, so Strong now. "},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(MatchMyLevelNote(rated, c.row, c.ticked), c.said + how) << c.row << c.ticked;
    DialogState state;
    state.variantRow = c.row;
    state.extraPointsTicked = c.ticked;
    state.opponentsRow = kMatchMyLevelRow;
    const Options play = OptionsFromDialog(state);
    ASSERT_TRUE(play.matchMyLevel);
    const std::string picked(LevelCaption(LevelNearPlayer(rated, play)));
    EXPECT_NE(std::string(c.said).find(", so " + picked + " now."), std::string::npos)
        << "Play picks " << picked;
  }
}

TEST(DialogChoices, EachDeckPreviewComesFromItsOwnDeckFolder) {
  const std::string_view prefixes[] = {"Trevigiano_", "Trent_", "Royal_"};
  for (std::size_t row = 0; row < kDeckOptions.size(); ++row) {
    EXPECT_TRUE(kDeckOptions[row].previewEntry.starts_with(prefixes[row]))
        << kDeckOptions[row].previewEntry;
  }
}

}  // namespace
}  // namespace verlano
