#include "rules/settings.h"

#include <cmath>

namespace verlano {

int ScaleDesign(int designPixels) {
  // 0.78125 is exact in binary, so the product is exact and nearbyint sees true ties.
  return static_cast<int>(std::nearbyint(designPixels * 0.78125));
}

int CardWidthOf(const std::string& deckName) {
  return deckName == "Trevigiano" ? 92 : 100;
}

void SetUpLayout(const Settings& settings, Layout& l) {
  const AnimationSpeed speed = settings.Animation;
  const int frames = speed == AnimationSpeed::Slow ? 40 : speed == AnimationSpeed::Fast ? 10 : 20;
  l.PauseMs = speed == AnimationSpeed::Fast ? 300 : 700;
  l.OurPileX = 45;
  l.OurPileY = 240;
  l.TheirPileX = 635;
  l.TheirPileY = 240;
  l.OurSweepMarkX = 45;
  l.SweepMarkY = 240;
  l.TheirSweepMarkX = 635;
  l.DeckX = 5;
  l.DeckY = 240;
  l.DeckStackOffset = ScaleDesign(10);
  l.DeckStackStep = 1;
  l.ScoreColX = ScaleDesign(350);
  l.ScoreTopY = ScaleDesign(120);
  l.ScoreRowStep = ScaleDesign(40);
  l.ScoreTotalsX = ScaleDesign(350);
  l.ScoreTotalsY = ScaleDesign(560);
  l.ScoreResultX = ScaleDesign(350);
  l.ScoreResultY = ScaleDesign(600);
  l.ScorePageX = ScaleDesign(200);
  l.ScorePageY = ScaleDesign(5);
  l.ClockX = 700;
  l.ClockY = 572;
  l.ArriveTolX = ScaleDesign(10);
  l.ArriveTolY = ScaleDesign(10);
  l.SweepFlightFramesX = frames;
  l.SweepFlightFramesY = frames;
  l.GatherJitterX = ScaleDesign(10);
  l.GatherJitterY = ScaleDesign(10);
  l.GatherFrames = frames;
  l.DealFrames = frames / 2;
  l.TableJitterX = ScaleDesign(26);
  l.TableJitterY = ScaleDesign(20);
  l.PlaceJitterX = ScaleDesign(16);
  l.PlaceJitterY = ScaleDesign(10);
  l.Hand0X = 5;
  l.Hand0Step = ScaleDesign(73);
  l.Hand0Y = 420;
  l.Hand1X = 610;
  l.Hand1Y = 420;
  l.Hand1Step = ScaleDesign(8);
  l.Hand2X = 610;
  l.Hand2Step = ScaleDesign(8);
  l.Hand2Y = 5;
  l.Hand3X = 5;
  l.Hand3Y = 5;
  l.Hand3Step = ScaleDesign(8);
  l.HandSlotX = 5;
  l.HandSlotStep = ScaleDesign(73);
  l.HandSlotY = 420;
  l.CardWidth = CardWidthOf(settings.DeckName);
}

namespace {

const char* DeckNameOf(DeckChoice deck) {
  switch (deck) {
    case DeckChoice::Royal:
      return "Royal";
    case DeckChoice::Trentino:
      return "Trentino";
    case DeckChoice::Trevigiano:
      break;
  }
  return "Trevigiano";
}

}  // namespace

void ApplyOptions(const Options& options, Settings& s, Layout& layout) {
  s.UseVideoMemory = false;
  s.FullScreen = true;
  s.DeckName = DeckNameOf(options.deck);
  s.ScreenModeName = "800x600";
  s.Rules = RulesFor(options.variant, options.extraCoinPoints);
  s.Animation = options.animation;
  s.OpponentsLevel = options.opponents;
  s.PartnerLevel = options.partner;
  s.ShowHints = options.showHints;
  s.TakeOnlyCapture = options.takeOnlyCapture;
  s.HoldLastTable = options.holdLastTable;
  s.AllowTakeBacks = options.allowTakeBacks;
  SetUpLayout(s, layout);
  // The dialog always has a deck chosen, so the screen is always 800x600.
  s.ScreenWidth = 800;
  s.ScreenHeight = 600;
}

}  // namespace verlano
