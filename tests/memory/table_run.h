#pragma once
// The game's run on the headless platform with a fake clock, for the tests
// that play it as the player does: frames, keys, the player's plays with the
// first capture each card can make, and the match as its file keeps it.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <regex>
#include <string>

#include "common/scratch_files.h"
#include "common/tiny_bmp.h"
#include "game/engine_view.h"
#include "game/game_run.h"
#include "game/human_turn.h"
#include "memory/match_file.h"
#include "platform/headless_platform.h"

namespace verlano::test {

class TableRun : public ::testing::Test {
 protected:
  // A run of `options` with game seed 29, begun by `begin` (a dealt hand
  // when none), telling its quiet moments to `observer` when given.
  GameRun& StartWith(const Options& options, std::function<void(Game&)> begin = {},
                     RunObserver* observer = nullptr) {
    run.reset();
    pf = HeadlessPlatform();
    ResourceFolder folder{[this](std::string_view gamePath) {
                            std::string name(gamePath);
                            std::replace(name.begin(), name.end(), '\\', '_');
                            test::WriteFile(dir / name, test::TinyBmp());
                            return dir / name;
                          },
                          [] {},
                          {}};
    run = std::make_unique<GameRun>(options, 29, pf, std::move(folder));
    run->start.matchText = MatchFileText();
    run->start.Resume = std::move(begin);
    run->start.Observer = observer;
    EXPECT_TRUE(StartRun(*run));
    return *run;
  }

  void Frame() { GameFrame(*run); }
  void Tap(int key) {
    pf.TapKey(key);
    Frame();
  }

  bool PlayersMove() const {
    const Game& g = run->game;
    return MayPlayHandCard(g) || MayClickTable(g) || g.turn.GameState == PlayState::HandOver;
  }

  // Frames until the player may act: play a card, choose a capture, or the hand is over.
  void UntilPlayersMove() {
    for (int i = 0; i < 20000 && !PlayersMove(); ++i) Frame();
    ASSERT_TRUE(PlayersMove()) << StateName(run->game.turn.GameState);
  }

  // The player's play of the `n`-th card that can be played (from 0), with
  // the first capture it can make, then frames until `done` holds.
  void Play(int n, const std::function<bool()>& done) {
    ASSERT_TRUE(MayPlayHandCard(run->game));
    Tap(kKeyDigit1 + n);
    Tap(kKeyReturn);
    ASSERT_TRUE(run->game.turn.HumanPicked);
    for (int i = 0; i < 20000 && !done(); ++i) {
      if (MayClickTable(run->game)) {
        const std::vector<int> capture = CapturesOfPlayedCard(run->game).front();
        for (const int entry : capture) ChooseTableCard(run->game, entry, true);
      }
      Frame();
    }
    ASSERT_TRUE(done()) << StateName(run->game.turn.GameState);
  }
  // ... up to the player's next move.
  void Play(int n) {
    Play(n, [this] {
      return MayPlayHandCard(run->game) || run->game.turn.GameState == PlayState::HandOver;
    });
  }

  // The match as its file keeps it, without the clock's readings (a turn
  // brought back goes on at a later reading) and the take-back's flag.
  std::string Kept() const {
    static const std::regex readings("(clock|pause-start)=[0-9]+| taken-back=[01]");
    return std::regex_replace(WriteMatch(run->game), readings, "");
  }

  test::TempDir dir;
  HeadlessPlatform pf;
  std::unique_ptr<GameRun> run;
};

}  // namespace verlano::test
