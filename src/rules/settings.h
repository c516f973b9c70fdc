#pragma once
// The settings of one run, as the options dialog chooses them, and the screen
// layout constants derived from them. The dialog fills `Options`; `ApplyOptions`
// turns them into `Settings` (with the chosen variant's record) and `Layout`,
// which the rest of the game only reads.

#include <string>

#include "rules/variant_rules.h"

namespace verlano {

enum class DeckChoice { Trevigiano, Royal, Trentino };

// Who plays a computer seat, weakest first: the classic player (one play
// ahead with its table of weights) is the default; Strong, Expert and Master
// search sampled deals of the unseen cards, each more than the last, and the
// Beginner plays like the classic player with a newcomer's faults.
enum class PlayerLevel { Beginner, Classic, Strong, Expert, Master };

// How fast the cards fly and the table pauses: Slow doubles the frames of a
// flight; Fast halves them and shortens the 700 ms pauses to 300, so that a
// hand takes half the frames or fewer.
enum class AnimationSpeed { Normal, Slow, Fast };

// What the options dialog hands over when play is pressed.
struct Options {
  DeckChoice deck = DeckChoice::Trevigiano;
  Variant variant = Variant::Nine;
  bool extraCoinPoints = false;  // "Punti per piu Dinari e Rebello"
  AnimationSpeed animation = AnimationSpeed::Normal;
  PlayerLevel opponents = PlayerLevel::Classic;  // seats 1 and 3
  PlayerLevel partner = PlayerLevel::Classic;    // seat 2
  // "Match my level": each new match's opponents are the level whose rating
  // is nearest the player's, chosen when the match starts.
  bool matchMyLevel = false;
  bool showHints = false;        // "Show hints"
  bool takeOnlyCapture = false;  // "Take the only capture automatically"
  bool holdLastTable = false;    // "Keep the last table until I click"
  bool allowTakeBacks = false;   // "Allow take-backs"
};

struct Settings {
  std::string ResPath;  // the program's folder, ending in a separator
  std::string ArchiveName = "res077.pak";
  std::string DeckName = "Trevigiano";
  std::string ScreenModeName;
  int ScreenWidth = 800;
  int ScreenHeight = 600;
  bool UseVideoMemory = false;
  bool FullScreen = true;
  AnimationSpeed Animation = AnimationSpeed::Normal;
  PlayerLevel OpponentsLevel = PlayerLevel::Classic;
  PlayerLevel PartnerLevel = PlayerLevel::Classic;
  // Help for a learner; off, the game plays and draws exactly as without them.
  bool ShowHints = false;
  bool TakeOnlyCapture = false;
  // The hand's last table stays on show until a click before the score page.
  bool HoldLastTable = false;
  // U takes back the player's last play of the hand; the match is then counted apart.
  bool AllowTakeBacks = false;
  VariantRules Rules = RulesFor(Variant::Nine, false);
};

// Positions in pixels of the 800x600 screen and flight lengths in frames.
struct Layout {
  int OurPileX = 0, OurPileY = 0;
  int TheirPileX = 0, TheirPileY = 0;
  int OurSweepMarkX = 0, SweepMarkY = 0, TheirSweepMarkX = 0;
  int DeckX = 0, DeckY = 0;
  int DeckStackOffset = 0, DeckStackStep = 0;
  int ScoreColX = 0, ScoreTopY = 0, ScoreRowStep = 0;
  int ScoreTotalsX = 0, ScoreTotalsY = 0;
  int ScoreResultX = 0, ScoreResultY = 0;
  int ScorePageX = 0, ScorePageY = 0;
  int ClockX = 0, ClockY = 0;
  int ArriveTolX = 0, ArriveTolY = 0;
  int SweepFlightFramesX = 0, SweepFlightFramesY = 0;
  int GatherJitterX = 0, GatherJitterY = 0;
  int GatherFrames = 0;
  int DealFrames = 0;
  int PauseMs = 0;  // the pause after a landing and between the table's reveals
  int TableJitterX = 0, TableJitterY = 0;
  int PlaceJitterX = 0, PlaceJitterY = 0;
  int Hand0X = 0, Hand0Step = 0, Hand0Y = 0;
  int Hand1X = 0, Hand1Y = 0, Hand1Step = 0;
  int Hand2X = 0, Hand2Step = 0, Hand2Y = 0;
  int Hand3X = 0, Hand3Y = 0, Hand3Step = 0;
  int HandSlotX = 0, HandSlotStep = 0, HandSlotY = 0;
  int CardWidth = 0;
};

// The table was designed for 1024x768: scale a design length to the 800x600
// screen, rounding to nearest with ties to even (437.5 -> 438, 12.5 -> 12).
int ScaleDesign(int designPixels);

// Card width in pixels of a deck's pictures: 92 for "Trevigiano", else 100.
int CardWidthOf(const std::string& deckName);

void SetUpLayout(const Settings& settings, Layout& layout);
void ApplyOptions(const Options& options, Settings& settings, Layout& layout);

}  // namespace verlano
