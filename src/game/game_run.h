#pragma once
// One run of the game, from the unpacked archive to the end: the `Game`, the
// platform it runs on, the back buffer, the loaded resources and the run flags.
// `RunGame` starts it and loops `GameFrame` until the player quits; the
// simulator and the tests call `StartRun` and `GameFrame` themselves, frame by
// frame, on the headless platform.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "game/expert_hint.h"
#include "game/hand_end_view.h"
#include "game/hand_review.h"
#include "game/keyboard_play.h"
#include "game/seat_search.h"
#include "game/take_backs.h"
#include "platform/platform.h"
#include "platform/screen.h"
#include "render/resource_slots.h"
#include "rules/game.h"
#include "rules/sound.h"

namespace verlano {

// Where the unpacked files lie and how to remove them. `Resolve` turns a game
// path such as "res\bitmaps\Back_800x600.bmp" into a file on disk; `Remove`
// deletes what was unpacked, once everything is in memory or on the way out;
// `Origin` names where a file that cannot be loaded came from (the archive
// entry), for the message, or gives "" (and may be left empty).
struct ResourceFolder {
  std::function<std::string(std::string_view gamePath)> Resolve;
  std::function<void()> Remove;
  std::function<std::string(const std::string& file)> Origin;
};

// The game's sounds, by slot, played through the platform.
class PlatformSound final : public SoundOut {
 public:
  PlatformSound(Platform& platform, const ResourceSlots& slots)
      : platform_(platform), slots_(slots) {}
  void PlaySound(int slot) override;
  // Muted, nothing is played; what the game draws is the same either way.
  bool Muted() const { return muted_; }
  void SetMuted(bool muted) { muted_ = muted; }

 private:
  Platform& platform_;
  const ResourceSlots& slots_;
  bool muted_ = false;
};

// What is told of a run as it goes, for the player's files.
class RunObserver {
 public:
  virtual ~RunObserver() = default;
  // A new quiet moment (game/quiet_moment.h): the human's turn, or a hand's end.
  virtual void QuietMoment(const Game& game) = 0;
  // The player's card was just picked at the quiet moment last told: the play
  // is made, and the next quiet moment is some frames away.
  virtual void PlayMade() = 0;
  // M was pressed at the table.
  virtual void MuteChanged(bool muted) = 0;
};

// How a run begins: by default a new match at full volume, nobody told.
struct RunStart {
  std::function<void(Game&)> Resume;  // sets up a kept match instead of the first deal
  MatchText matchText;  // how the take-backs keep a turn; without it U takes nothing back
  RunObserver* Observer = nullptr;
  int Volume = 100;  // percent
  bool Muted = false;
};

struct KeyLatch {
  bool PLatch = false;  // P is held: one press toggles the pause once
  bool MLatch = false;  // M is held: one press toggles the sound once
  bool SLatch = false;  // S is held: one press shows or hides the hand's story once
};

struct GameRun {
  GameRun(const Options& chosen, std::uint64_t seed, Platform& platform, ResourceFolder folder);
  ~GameRun();  // removes the unpacked files if the run did not get that far
  GameRun(const GameRun&) = delete;
  GameRun& operator=(const GameRun&) = delete;

  Platform& platform;
  ResourceFolder folder;
  ResourceSlots slots;
  PlatformSound sound;
  Options options;  // what the game was made with, to make a turn taken back with
  Game game;
  SeatSearch search;  // the expert seats' searches, off the frame loop
  Screen screen;
  Screen logPanel;  // the hand's story, composed for the margin of a wide screen
  bool Running = false;
  bool LogShown = false;  // S: the hand's story over the table where there is no margin
  KeyLatch keys;
  KeyboardPlay keyboard;  // the cards played with the keys, and the highlight
  ExpertAdvice advice;    // the hint H shows, kept for the human's turn
  int ExitStatus = 0;     // 0 after the player quits, 1 after a fatal error
  bool FilesRemoved = false;
  RunStart start;
  bool WasQuiet = false;  // the last frame ended at a quiet moment
  HandEndView handEnd;    // the last table held, a pile laid open on the score page
  HandReview review;      // the coach's review of the hand over, when V asks for it
  TakeBacks takeBacks;    // the player's turns of the hand, for U
};

// The start of a run up to the first frame: match target, display, input,
// sound, sounds and pictures, the first deal, the unpacked files removed.
// False when the platform failed (it has been shut down with the message).
bool StartRun(GameRun& run);

// One pass of the game: the input read once; the update (keys, clicks, the
// only capture taken when the options ask, one state step, the play of a
// picked card); the frame composed from the state and shown; the pacing.
// Does nothing once the run has ended.
void GameFrame(GameRun& run);

// Releases the game's resources and shuts the platform down without a message.
void QuitGame(GameRun& run);

// Ends the run with a fatal message (standard error and a message box).
void FailRun(GameRun& run, const std::string& message);

// Loads every sound into the resource slots. A sound that cannot be read is
// left out with a warning: the game plays on without it.
void LoadSounds(GameRun& run);
// Loads every picture into the resource slots; false with the platform shut
// down on a picture that cannot be loaded.
bool LoadGraphics(GameRun& run);

// The whole run, seeded from the clock; returns the program's exit status.
int RunGame(const Options& options, ResourceFolder folder, Platform& platform, RunStart start = {});

}  // namespace verlano
