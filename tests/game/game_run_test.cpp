// The game run on the headless platform: start-up and its failures, the keys
// (P, R, Escape), the routing of clicks, the only capture taken when asked,
// and the frame's drawing, with small generated pictures standing in for the
// unpacked archive.

#include "game/game_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "common/scratch_files.h"
#include "common/tiny_bmp.h"
#include "game/engine_view.h"
#include "game/human_turn.h"
#include "game/keyboard_play.h"
#include "platform/headless_platform.h"
#include "render/play_log_view.h"
#include "render/table_areas.h"
#include "rules/legal_captures.h"
#include "rules/table_builder.h"

namespace verlano {
namespace {

class GameRunTest : public ::testing::Test {
 protected:
  // Every game path resolves to a tiny picture in a scratch folder, except
  // the ones containing `missing`.
  ResourceFolder Folder() {
    return ResourceFolder{[this](std::string_view gamePath) {
                            std::string name(gamePath);
                            std::replace(name.begin(), name.end(), '\\', '_');
                            const std::string file = dir / name;
                            if (missing.empty() || name.find(missing) == std::string::npos) {
                              test::WriteFile(file, test::TinyBmp());
                            }
                            return file;
                          },
                          [this] { ++removals; },
                          [](const std::string& file) {
                            return "the entry \"" + file.substr(file.rfind('/') + 1) + "\"";
                          }};
  }

  GameRun& Start(Variant variant = Variant::Romane) {
    return StartWith(test::VariantOptions(variant));
  }

  GameRun& StartWith(const Options& options) {
    run = std::make_unique<GameRun>(options, 11, pf, Folder());
    started = StartRun(*run);
    return *run;
  }

  // One frame with the keys and buttons as given; all up again afterwards.
  void Frame(std::initializer_list<int> keys = {}, std::initializer_list<int> buttons = {}) {
    for (int k : keys) pf.SetKey(k, true);
    for (int b : buttons) pf.SetButton(b, true);
    GameFrame(*run);
    for (int k : keys) pf.SetKey(k, false);
    for (int b : buttons) pf.SetButton(b, false);
  }

  void FramesUntil(const std::function<bool()>& done) {
    for (int i = 0; i < 20000 && !done(); ++i) Frame();
    ASSERT_TRUE(done()) << StateName(run->game.turn.GameState);
  }

  int ShufflesPlayed() const {
    const SoundId shuffle = run->slots.Sound[kShuffleSound - kSoundSlotFirst];
    return static_cast<int>(
        std::count(pf.SoundsPlayed().begin(), pf.SoundsPlayed().end(), shuffle));
  }

  test::TempDir dir;
  HeadlessPlatform pf;
  std::string missing;
  int removals = 0;
  std::unique_ptr<GameRun> run;
  bool started = false;
};

TEST_F(GameRunTest, StartsTheFirstHandAndRemovesTheUnpackedFilesOnceLoaded) {
  GameRun& r = Start(Variant::Romane);
  ASSERT_TRUE(started);
  EXPECT_EQ(removals, 1);
  EXPECT_EQ(r.game.match.MatchTarget, 40);
  EXPECT_EQ(r.game.turn.GameState, PlayState::DealingCards);
  ASSERT_EQ(pf.SoundsLoaded().size(), 10u);
  // The win jingle is loaded before the loss jingle.
  EXPECT_NE(pf.SoundsLoaded()[8].find("WIN_GAME"), std::string::npos);
  EXPECT_NE(pf.SoundsLoaded()[9].find("LOSE_GAME"), std::string::npos);
  EXPECT_EQ(ShufflesPlayed(), 1);
  EXPECT_EQ(r.slots.CardImage[0].Width, 4);
  EXPECT_TRUE(r.slots.CardBack.HasColorKey);
  EXPECT_FALSE(r.slots.Background.HasColorKey);
}

TEST_F(GameRunTest, AFailedStartShowsTheMessageAndStillRemovesTheFiles) {
  const struct {
    const char* missingFile;
    const char* displayFailure;
    const char* messageStart;
  } rows[] = {
      {"mouse.bmp", "", "Error in function CreateSurfaceFromFile() \nError Number: 2\n"},
      {"fntDigit", "", "Error in function clsDXBitmapFont.CreateSpriteFromFile() \n"},
      {"", "no display here", "Error in function DirectX() \nError Number: 1\nno display here"},
  };
  for (const auto& row : rows) {
    pf = HeadlessPlatform();
    removals = 0;
    missing = row.missingFile;
    if (*row.displayFailure) pf.FailDisplay(row.displayFailure);
    GameRun& r = Start();
    EXPECT_FALSE(started);
    EXPECT_EQ(r.ExitStatus, 1);
    EXPECT_TRUE(pf.IsShutDown());
    EXPECT_EQ(pf.ShutDownMessage().rfind(row.messageStart, 0), 0u) << pf.ShutDownMessage();
    EXPECT_EQ(removals, 1);
    // A file that cannot be loaded is named with the archive entry it came from.
    if (*row.missingFile) {
      EXPECT_NE(pf.ShutDownMessage().find("\nThe file is the entry \"res_"), std::string::npos)
          << pf.ShutDownMessage();
      EXPECT_NE(pf.ShutDownMessage().find(row.missingFile), std::string::npos);
    }
  }
}

TEST_F(GameRunTest, AnUnreadableSoundIsToldAndTheGamePlaysOnWithoutIt) {
  pf.FailSoundsNamed("SHUFFLE");
  GameRun& r = Start();
  ASSERT_TRUE(started);
  ASSERT_EQ(pf.Warnings().size(), 1u);
  const std::string& warning = pf.Warnings()[0];
  EXPECT_NE(warning.find("Cannot read the sound "), std::string::npos) << warning;
  EXPECT_NE(warning.find("(the entry \"res_sounds_SHUFFLE.WAV\")"), std::string::npos) << warning;
  EXPECT_NE(warning.find("the game plays on without this sound"), std::string::npos) << warning;
  EXPECT_EQ(pf.SoundsLoaded().size(), 9u);
  EXPECT_EQ(r.slots.Sound[kShuffleSound - kSoundSlotFirst], 0);
  EXPECT_EQ(ShufflesPlayed(), 0);
  const int deckTop = r.game.piles.DeckTop;
  for (int i = 0; i < 30; ++i) Frame();
  EXPECT_TRUE(r.Running);
  EXPECT_GT(r.game.piles.DeckTop, deckTop);
}

TEST_F(GameRunTest, PHeldTogglesThePauseOnceAndNothingMovesOrIsDrawnUntilTheNextPress) {
  GameRun& r = Start();
  Frame();
  int flips = pf.Flips();
  for (int i = 0; i < 10; ++i) pf.SetKey(kKeyP, true), GameFrame(r);
  pf.SetKey(kKeyP, false);
  EXPECT_TRUE(r.screen.Paused);
  // The press's own frame is shown, saying the game is paused; then none.
  EXPECT_EQ(pf.Flips(), flips + 1);
  flips = pf.Flips();
  const int deckTop = r.game.piles.DeckTop;
  const auto clock = pf.TickCount();
  for (int i = 0; i < 50; ++i) Frame();
  EXPECT_EQ(pf.Flips(), flips);
  EXPECT_EQ(r.game.piles.DeckTop, deckTop);
  EXPECT_GT(pf.TickCount(), clock);  // the loop keeps its pace while paused
  Frame({kKeyP});
  EXPECT_FALSE(r.screen.Paused);
  for (int i = 0; i < 30; ++i) Frame();
  EXPECT_GT(r.game.piles.DeckTop, deckTop);
}

TEST_F(GameRunTest, AClickHeldOnTheScorePageDealsOneHand) {
  GameRun& r = Start();
  r.game.turn.GameState = PlayState::HandOver;
  pf.SetButton(kMouseLeft, true);
  for (int i = 0; i < 5; ++i) GameFrame(r);
  pf.SetButton(kMouseLeft, false);
  EXPECT_EQ(ShufflesPlayed(), 2);
  EXPECT_NE(r.game.turn.GameState, PlayState::HandOver);
}

TEST_F(GameRunTest, TheOnlyCaptureIsTakenWithoutAClickOnlyWhenTheOptionsAsk) {
  for (const bool take : {false, true}) {
    Options options = test::VariantOptions(Variant::Romane);
    options.takeOnlyCapture = take;
    Game& g = StartWith(options).game;
    // The human's five has landed: two and three are its one capture.
    test::LayTable(g, {"2C", "3S", "6D"}, "5C", 0);
    g.turn.GameState = PlayState::WeGatherCapture;
    for (int i = 0; i < 3; ++i) Frame();
    const Piles& p = g.piles;
    EXPECT_EQ(p.TablePile[0].ToCapture && p.TablePile[1].ToCapture, take) << take;
    EXPECT_FALSE(p.TablePile[2].ToCapture) << take;
    EXPECT_EQ(g.turn.GameState == PlayState::WeGatherCapture && !AnyCardMoving(p), !take);
  }
}

TEST_F(GameRunTest, EscapeAndTheCloseBoxEndTheRunWithoutAMessage) {
  for (const bool closeBox : {false, true}) {
    pf = HeadlessPlatform();
    GameRun& r = Start();
    if (closeBox) {
      pf.RequestClose();
      Frame();
    } else {
      Frame({kKeyEscape});
    }
    EXPECT_FALSE(r.Running);
    EXPECT_EQ(r.ExitStatus, 0);
    EXPECT_TRUE(pf.IsShutDown());
    EXPECT_EQ(pf.ShutDownMessage(), "");
    const int flips = pf.Flips();
    Frame();
    EXPECT_EQ(pf.Flips(), flips);
  }
}

TEST_F(GameRunTest, APickRefusedWhilePausedLeavesTheHumanFreeToPlayLater) {
  GameRun& r = Start();
  Game& g = r.game;
  // The human's first turn, hand full.
  for (int hand = 0; hand < 4 && !g.turn.WaitingForHuman; ++hand) {
    FramesUntil([&] { return g.turn.WaitingForHuman || g.turn.GameState == PlayState::HandOver; });
    if (!g.turn.WaitingForHuman) Frame({}, {kMouseLeft});
  }
  ASSERT_TRUE(g.turn.WaitingForHuman);
  FramesUntil([&] { return !AnyCardMoving(g.piles) && g.turn.GameState == PlayState::NormalPlay; });
  const CardSprite& last = g.piles.Hand[0][g.piles.HandCount[0] - 1];
  pf.SetMouse(last.HomeX + 40, last.HomeY + 60);
  Frame({kKeyP});
  Frame({}, {kMouseLeft});
  EXPECT_FALSE(g.turn.HumanPicked);
  Frame({kKeyP});
  // R with a full hand starts the sort; a click during the sort is refused too.
  Frame({kKeyR});
  EXPECT_EQ(g.turn.GameState, PlayState::SortGatherHand);
  Frame({}, {kMouseLeft});
  EXPECT_FALSE(g.turn.HumanPicked);
  FramesUntil([&] { return !AnyCardMoving(g.piles) && g.turn.GameState == PlayState::NormalPlay; });
  Frame({}, {kMouseLeft});
  EXPECT_TRUE(g.turn.HumanPicked);
  EXPECT_TRUE(g.piles.Hand[0][g.piles.HandCount[0] - 1].Moving);
  // Once a card of the hand has been played, R does nothing.
  FramesUntil([&] { return g.piles.CardsPlayed > 0 && !AnyCardMoving(g.piles); });
  const PlayState before = g.turn.GameState;
  Frame({kKeyR});
  EXPECT_NE(g.turn.GameState, PlayState::SortGatherHand);
  EXPECT_TRUE(g.turn.GameState == before || before == PlayState::Paused);
}

// A whole hand played with the keys alone, never a button, one tap a frame:
// each turn a digit picks a card and Return plays the one highlighted; each capture's cards are
// reached with Tab and taken with Space, after a choice of one of them taken
// back with Backspace where the capture needs more than one card.
TEST_F(GameRunTest, AWholeHandPlaysWithTheKeyboardAlone) {
  GameRun& r = Start(Variant::Nine);
  ASSERT_TRUE(started);
  Game& g = r.game;
  int played = 0;
  int captures = 0;
  // A quick tap each frame, as a fast hand under a slow frame gives: every
  // tap is one step, though the key reads down in frames in a row.
  const auto press = [&](int key) {
    pf.TapKey(key);
    Frame();
  };
  const auto humanActs = [&] {
    return MayPlayHandCard(g) || MayClickTable(g) || g.turn.GameState == PlayState::HandOver;
  };
  while (g.turn.GameState != PlayState::HandOver) {
    FramesUntil(humanActs);
    if (g.turn.GameState == PlayState::HandOver) break;
    if (MayClickTable(g)) {
      // The highlight starts on, and Tab goes round, the cards a legal capture takes, no others.
      const TableSet legal = FindLegalCaptures(g).cards;
      TableSet visited = 0;
      for (int i = 0; i < 40; ++i) {
        const int at = HighlightedTablePosition(g, r.keyboard);
        ASSERT_GE(at, 0);
        ASSERT_NE(legal >> at & 1U, 0U)
            << "the highlight is on entry " << at << ", out of any capture";
        visited |= TableSet{1} << at;
        press(kKeyTab);
      }
      EXPECT_EQ(visited, legal);
      const std::vector<int> capture = CapturesOfPlayedCard(g).front();
      const auto reach = [&](int entry) {
        for (int i = 0; i < 40 && HighlightedTablePosition(g, r.keyboard) != entry; ++i) {
          const int before = HighlightedTablePosition(g, r.keyboard);
          press(kKeyTab);
          ASSERT_NE(HighlightedTablePosition(g, r.keyboard), before) << "every tap is a step";
        }
        ASSERT_EQ(HighlightedTablePosition(g, r.keyboard), entry);
      };
      if (capture.size() > 1) {
        reach(capture.front());
        press(kKeySpace);
        ASSERT_TRUE(g.piles.TablePile[capture.front()].Chosen);
        press(kKeyBackspace);
        ASSERT_FALSE(g.piles.TablePile[capture.front()].Chosen) << "Backspace clears the choice";
      }
      for (const int entry : capture) {
        reach(entry);
        press(kKeySpace);
      }
      ASSERT_FALSE(MayClickTable(g)) << "the capture was taken";
      ++captures;
    } else {
      const int count = static_cast<int>(g.piles.HandCount[0]);
      press(played % count == 9 ? kKeyDigit0 : kKeyDigit1 + played % count);
      const int slot = HighlightedHandSlot(g, r.keyboard);
      ASSERT_GE(slot, 0);
      const int card = g.piles.Hand[0][slot].Card;
      press(kKeyReturn);
      ASSERT_TRUE(g.turn.HumanPicked);
      EXPECT_TRUE(g.piles.Hand[0][slot].Moving && g.piles.Hand[0][slot].Card == card)
          << "Return plays the highlighted card";
      ++played;
    }
  }
  EXPECT_EQ(played, g.settings.Rules.CardsPerHand);
  EXPECT_GT(captures, 0);

  // The last table was kept as the last play left it: its cards are those
  // the remainder took, the last booked to its side's pile.
  const LastTable& last = r.handEnd.Last;
  ASSERT_GE(last.RestSide, 0);
  const SidePiles& pile = last.RestSide == kSideWe ? g.piles.Our : g.piles.Their;
  std::vector<int> kept;
  for (const CardSprite& card : last.Cards) kept.push_back(card.Card);
  ASSERT_FALSE(kept.empty()) << "a hand whose last play left the table empty";
  std::vector<int> booked(pile.Cards.begin() + pile.CardCount - std::ssize(kept),
                          pile.Cards.begin() + pile.CardCount);
  std::ranges::sort(kept);
  std::ranges::sort(booked);
  EXPECT_EQ(kept, booked);

  // The score page goes on with the keys too: Space closes the pile W laid
  // open, and Return, with nothing open, deals the next hand.
  press(kKeyW);
  EXPECT_EQ(r.handEnd.OpenSide, kSideWe);
  press(kKeySpace);
  EXPECT_EQ(g.turn.GameState, PlayState::HandOver);
  EXPECT_EQ(r.handEnd.OpenSide, -1);
  press(kKeyReturn);
  EXPECT_EQ(g.turn.GameState, PlayState::DealingCards) << "Return on the score page deals";
}

// An archive made before the small font: the table's font shrunk stands in.
TEST_F(GameRunTest, WithoutTheSmallFontTheLargeOneMadeSmallerStandsInAndTheGamePlaysOn) {
  missing = "fntSmall";
  GameRun& r = Start();
  ASSERT_TRUE(started);
  ASSERT_EQ(pf.Warnings().size(), 1u);
  EXPECT_NE(pf.Warnings()[0].find("fntSmall.bmp\" cannot be read; the small text is drawn"),
            std::string::npos)
      << pf.Warnings()[0];
  EXPECT_EQ(r.slots.SmallFont.width, kSmallFontCellWidth);
  EXPECT_EQ(r.slots.SmallFont.height, kSmallFontCellHeight);
  for (int i = 0; i < 30; ++i) Frame();
  EXPECT_TRUE(r.Running);
}

// The hand's story: beside a table with a margin, always, and never over
// it; on a 4:3 screen over the table's right side from one S to the next,
// never over the score page, and L (their pile, Loro) leaves it alone.
TEST_F(GameRunTest, TheHandsStoryShowsInAWideMarginAndOverA43TableWhileSShowsIt) {
  // Left of every row's name and cards, halfway down the column.
  const int x = kPlayLogOverTableX + 2, y = kPlayLogHeight / 2;
  pf = HeadlessPlatform(true);
  GameRun& r = Start();
  // The tiny background repaints nothing of the frame before: cleared here as
  // the game's full picture would.
  const auto overTable = [&] {
    const bool shown = r.screen.BackBuffer.At(x, y) == kPlayLogColour;
    ClearBackBuffer(r.screen);
    return shown;
  };
  Frame();
  EXPECT_FALSE(overTable());
  Frame({kKeyL});
  EXPECT_FALSE(overTable()) << "L is their pile's key, not the story's";
  Frame({kKeyS});
  EXPECT_TRUE(overTable());
  for (int i = 0; i < 5; ++i) Frame();
  EXPECT_TRUE(overTable()) << "one press shows it until the next";
  Frame({kKeyS});
  EXPECT_FALSE(overTable());
  EXPECT_EQ(pf.SidePanelsShown(), 0);

  // Shown as the hand ends, it gives way to the score page, and L opens their pile there.
  Frame();
  Frame({kKeyS});
  EXPECT_TRUE(overTable());
  r.game.turn.GameState = PlayState::HandOver;
  Frame({kKeyL});
  EXPECT_FALSE(overTable()) << "the story must not lie over the score page";
  EXPECT_EQ(r.handEnd.OpenSide, kSideThey);
  EXPECT_TRUE(r.LogShown);

  pf.SetSideMargin(kPlayLogWidth - 1);
  Frame();
  EXPECT_EQ(pf.SidePanelsShown(), 0) << "a margin too narrow for the column";
  pf.SetSideMargin(kPlayLogWidth);
  for (const bool s : {false, true}) {
    const int shown = pf.SidePanelsShown();
    if (s)
      Frame({kKeyS});
    else
      Frame();
    EXPECT_EQ(pf.SidePanelsShown(), shown + 1);
    EXPECT_FALSE(overTable());
    EXPECT_EQ(pf.LastSidePanel().Width, kPlayLogWidth);
    EXPECT_EQ(pf.LastSidePanel().At(kPlayLogWidth - 2, y), kPlayLogColour);
  }
}

}  // namespace
}  // namespace verlano
