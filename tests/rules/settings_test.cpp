// The settings a run starts with and the layout constants derived from them:
// the variant's record every rule reads, the flight lengths, and the design
// constants scaled from 1024x768 with ties rounded to even.

#include "rules/settings.h"

#include <gtest/gtest.h>

#include "rules/table_builder.h"

namespace verlano {
namespace {

struct Applied {
  Settings settings;
  Layout layout;
};

Applied Apply(const Options& options) {
  Applied a;
  ApplyOptions(options, a.settings, a.layout);
  return a;
}

TEST(SettingsTest, PlayWithoutTouchingAnythingGivesTheDefaults) {
  const Applied a = Apply(Options{});
  EXPECT_EQ(a.settings.DeckName, "Trevigiano");
  EXPECT_EQ(a.layout.CardWidth, 92);
  EXPECT_EQ(a.settings.Rules.Choice, Variant::Nine);
  EXPECT_FALSE(a.settings.Rules.ExtraCoinPoints);
  EXPECT_EQ(a.settings.Rules.CardsPerHand, 9);
  EXPECT_EQ(a.settings.Rules.DealPacketSize, 3);
  EXPECT_EQ(a.settings.Animation, AnimationSpeed::Normal);
  EXPECT_TRUE(a.settings.FullScreen);
  EXPECT_FALSE(a.settings.UseVideoMemory);
  EXPECT_EQ(a.settings.ScreenModeName, "800x600");
  EXPECT_EQ(a.settings.ScreenWidth, 800);
  EXPECT_EQ(a.settings.ScreenHeight, 600);
  EXPECT_EQ(a.settings.ArchiveName, "res077.pak");
}

struct VariantShape {
  Variant variant;
  int cardsPerHand, packetSize;
};

class VariantSettingsTest : public ::testing::TestWithParam<VariantShape> {};

TEST_P(VariantSettingsTest, StoresItsRecordHandSizeAndPacket) {
  const VariantShape& want = GetParam();
  const Applied a = Apply(test::VariantOptions(want.variant));
  EXPECT_EQ(a.settings.Rules.Choice, want.variant);
  EXPECT_FALSE(a.settings.Rules.ExtraCoinPoints);
  EXPECT_EQ(a.settings.Rules.CardsPerHand, want.cardsPerHand);
  EXPECT_EQ(a.settings.Rules.DealPacketSize, want.packetSize);
}

INSTANTIATE_TEST_SUITE_P(AllVariants, VariantSettingsTest,
                         ::testing::Values(VariantShape{Variant::Nine, 9, 3},
                                           VariantShape{Variant::Romane, 10, 5},
                                           VariantShape{Variant::Napoletane, 10, 5},
                                           VariantShape{Variant::UmbriaMarche, 10, 5}));

TEST(SettingsTest, RomaneWithExtraPointsStoresItsOwnRecord) {
  const Applied a = Apply(test::VariantOptions(Variant::Romane, true));
  EXPECT_EQ(a.settings.Rules.Choice, Variant::Romane);
  EXPECT_TRUE(a.settings.Rules.ExtraCoinPoints);
  EXPECT_EQ(a.settings.Rules.CardsPerHand, 10);
  EXPECT_EQ(a.settings.Rules.DealPacketSize, 5);
}

// The extra points belong to "10 cards Romane" alone: a tick left over from it
// must not reach the settings of another variant.
TEST(SettingsTest, ExtraPointsTickedUnderAnotherVariantStayOff) {
  for (Variant variant : {Variant::Nine, Variant::Napoletane, Variant::UmbriaMarche}) {
    const Applied a = Apply(test::VariantOptions(variant, true));
    EXPECT_EQ(a.settings.Rules.Choice, variant);
    EXPECT_FALSE(a.settings.Rules.ExtraCoinPoints) << static_cast<int>(variant);
  }
}

TEST(SettingsTest, FlightLengthsAtNormalSpeed) {
  const Applied a = Apply(Options{});
  EXPECT_EQ(a.layout.GatherFrames, 20);
  EXPECT_EQ(a.layout.SweepFlightFramesX, 20);
  EXPECT_EQ(a.layout.SweepFlightFramesY, 20);
  EXPECT_EQ(a.layout.DealFrames, 10);
}

TEST(SettingsTest, SlowDoublesEveryFlightAndFastHalvesTheFlightsAndThePauses) {
  const struct {
    AnimationSpeed speed;
    int frames, dealFrames, pauseMs;
  } rows[] = {{AnimationSpeed::Normal, 20, 10, 700},
              {AnimationSpeed::Slow, 40, 20, 700},
              {AnimationSpeed::Fast, 10, 5, 300}};
  for (const auto& r : rows) {
    Options options;
    options.animation = r.speed;
    const Applied a = Apply(options);
    EXPECT_EQ(a.settings.Animation, r.speed);
    EXPECT_EQ(a.layout.GatherFrames, r.frames);
    EXPECT_EQ(a.layout.SweepFlightFramesX, r.frames);
    EXPECT_EQ(a.layout.SweepFlightFramesY, r.frames);
    EXPECT_EQ(a.layout.DealFrames, r.dealFrames);
    EXPECT_EQ(a.layout.PauseMs, r.pauseMs);
  }
}

TEST(ScaleDesignTest, RoundsToNearestWithTiesToEven) {
  EXPECT_EQ(ScaleDesign(560), 438);  // 437.5
  EXPECT_EQ(ScaleDesign(16), 12);    // 12.5
  EXPECT_EQ(ScaleDesign(665), 520);  // 519.5
  EXPECT_EQ(ScaleDesign(600), 469);  // 468.75
  EXPECT_EQ(ScaleDesign(5), 4);      // 3.90625
  EXPECT_EQ(ScaleDesign(0), 0);
}

struct DeckWidth {
  DeckChoice deck;
  const char* name;
  int width;
};

class DeckSettingsTest : public ::testing::TestWithParam<DeckWidth> {};

TEST_P(DeckSettingsTest, NamesTheDeckAndItsCardWidth) {
  Options options;
  options.deck = GetParam().deck;
  const Applied a = Apply(options);
  EXPECT_EQ(a.settings.DeckName, GetParam().name);
  EXPECT_EQ(a.layout.CardWidth, GetParam().width);
  EXPECT_EQ(CardWidthOf(GetParam().name), GetParam().width);
}

INSTANTIATE_TEST_SUITE_P(AllDecks, DeckSettingsTest,
                         ::testing::Values(DeckWidth{DeckChoice::Trevigiano, "Trevigiano", 92},
                                           DeckWidth{DeckChoice::Royal, "Royal", 100},
                                           DeckWidth{DeckChoice::Trentino, "Trentino", 100}));

// Every constant of the layout, as the table design gives it for 800x600.
TEST(LayoutTest, ConstantsMatchTheTableDesign) {
  const Layout l = Apply(Options{}).layout;
  struct Constant {
    const char* name;
    int got, want;
  };
  const Constant constants[] = {
      {"OurPileX", l.OurPileX, 45},
      {"OurPileY", l.OurPileY, 240},
      {"TheirPileX", l.TheirPileX, 635},
      {"TheirPileY", l.TheirPileY, 240},
      {"OurSweepMarkX", l.OurSweepMarkX, 45},
      {"SweepMarkY", l.SweepMarkY, 240},
      {"TheirSweepMarkX", l.TheirSweepMarkX, 635},
      {"DeckX", l.DeckX, 5},
      {"DeckY", l.DeckY, 240},
      {"DeckStackOffset", l.DeckStackOffset, 8},
      {"DeckStackStep", l.DeckStackStep, 1},
      {"ScoreColX", l.ScoreColX, 273},
      {"ScoreTopY", l.ScoreTopY, 94},
      {"ScoreRowStep", l.ScoreRowStep, 31},
      {"ScoreTotalsX", l.ScoreTotalsX, 273},
      {"ScoreTotalsY", l.ScoreTotalsY, 438},
      {"ScoreResultX", l.ScoreResultX, 273},
      {"ScoreResultY", l.ScoreResultY, 469},
      {"ScorePageX", l.ScorePageX, 156},
      {"ScorePageY", l.ScorePageY, 4},
      {"ClockX", l.ClockX, 700},
      {"ClockY", l.ClockY, 572},
      {"ArriveTolX", l.ArriveTolX, 8},
      {"ArriveTolY", l.ArriveTolY, 8},
      {"GatherJitterX", l.GatherJitterX, 8},
      {"GatherJitterY", l.GatherJitterY, 8},
      {"TableJitterX", l.TableJitterX, 20},
      {"TableJitterY", l.TableJitterY, 16},
      {"PlaceJitterX", l.PlaceJitterX, 12},
      {"PlaceJitterY", l.PlaceJitterY, 8},
      {"Hand0X", l.Hand0X, 5},
      {"Hand0Step", l.Hand0Step, 57},
      {"Hand0Y", l.Hand0Y, 420},
      {"Hand1X", l.Hand1X, 610},
      {"Hand1Y", l.Hand1Y, 420},
      {"Hand1Step", l.Hand1Step, 6},
      {"Hand2X", l.Hand2X, 610},
      {"Hand2Step", l.Hand2Step, 6},
      {"Hand2Y", l.Hand2Y, 5},
      {"Hand3X", l.Hand3X, 5},
      {"Hand3Y", l.Hand3Y, 5},
      {"Hand3Step", l.Hand3Step, 6},
      {"HandSlotX", l.HandSlotX, 5},
      {"HandSlotStep", l.HandSlotStep, 57},
      {"HandSlotY", l.HandSlotY, 420},
  };
  for (const Constant& c : constants) EXPECT_EQ(c.got, c.want) << c.name;
}

}  // namespace
}  // namespace verlano
