// The dialog's controls turned into the options Play hands over: every deck
// and variant row, the extra-points tick that only Romane may carry, and rows
// the dialog can never give.

#include "startup/dialog_choices.h"

#include <gtest/gtest.h>

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
  for (int bits = 0; bits < 1 << 6; ++bits) {
    Options o;
    o.variant = (bits & 1) != 0 ? Variant::Romane : Variant::UmbriaMarche;
    o.extraCoinPoints = (bits & 2) != 0 && o.variant == Variant::Romane;
    o.deck = (bits & 4) != 0 ? DeckChoice::Royal : DeckChoice::Trentino;
    o.opponents = (bits & 8) != 0 ? PlayerLevel::Expert : PlayerLevel::Classic;
    o.showHints = (bits & 16) != 0;
    o.takeOnlyCapture = (bits & 32) != 0;
    o.partner = o.takeOnlyCapture ? PlayerLevel::Classic : PlayerLevel::Expert;
    o.animation = kAnimationChoices[bits % kAnimationChoices.size()].second;
    const DialogState state = DialogStateFrom(o, 40);
    const Options back = OptionsFromDialog(state);
    EXPECT_EQ(state.volume, 40);
    EXPECT_EQ(back.variant, o.variant) << bits;
    EXPECT_EQ(back.extraCoinPoints, o.extraCoinPoints) << bits;
    EXPECT_EQ(back.deck, o.deck) << bits;
    EXPECT_EQ(back.animation, o.animation) << bits;
    EXPECT_EQ(back.opponents, o.opponents) << bits;
    EXPECT_EQ(back.partner, o.partner) << bits;
    EXPECT_EQ(back.showHints, o.showHints) << bits;
    EXPECT_EQ(back.takeOnlyCapture, o.takeOnlyCapture) << bits;
  }
}

TEST(DialogChoices, EachSeatGroupGetsTheLevelOfItsOwnRow) {
  const struct {
    std::size_t opponentsRow, partnerRow;
    PlayerLevel opponents, partner;
  } cases[] = {
      {0, 0, PlayerLevel::Classic, PlayerLevel::Classic},
      {1, 0, PlayerLevel::Expert, PlayerLevel::Classic},
      {0, 1, PlayerLevel::Classic, PlayerLevel::Expert},
      {1, 1, PlayerLevel::Expert, PlayerLevel::Expert},
  };
  for (const auto& c : cases) {
    DialogState state;
    state.opponentsRow = c.opponentsRow;
    state.partnerRow = c.partnerRow;
    Settings settings;
    Layout layout;
    ApplyOptions(OptionsFromDialog(state), settings, layout);
    EXPECT_EQ(settings.OpponentsLevel, c.opponents) << c.opponentsRow << c.partnerRow;
    EXPECT_EQ(settings.PartnerLevel, c.partner) << c.opponentsRow << c.partnerRow;
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
