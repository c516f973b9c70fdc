#include "game/game_run.h"

#include <chrono>

#include "game/human_turn.h"
#include "game/quiet_moment.h"
#include "game/state_machine.h"
#include "game/table_talk.h"
#include "i18n/translate.h"
#include "render/compose_frame.h"
#include "render/mute_mark.h"
#include "render/play_log_view.h"

namespace verlano {

namespace {

void RemoveFiles(GameRun& run) {
  if (run.FilesRemoved) return;
  run.FilesRemoved = true;
  if (run.folder.Remove) run.folder.Remove();
}

// A key that acts once a press: `act` runs when it goes down.
template <typename Act>
void OnPress(bool down, bool& latch, Act act) {
  if (down && !latch) act();
  latch = down;
}

// The hand's end's views (game/hand_end_view.h) take their clicks and keys
// first; what none of them takes deals the next hand.
void RouteClicks(GameRun& run) {
  Game& game = run.game;
  Platform& pf = run.platform;
  TurnState& turn = game.turn;
  const HandEndInput handEnd{.click = pf.MouseButton(kMouseLeft),
                             .mouseX = pf.MouseX(),
                             .mouseY = pf.MouseY(),
                             .goOn = pf.KeyPressed(kKeyReturn) || pf.KeyPressed(kKeySpace),
                             .ourKey = pf.KeyDown(kKeyW) || pf.KeyDown(kKeyN),
                             .theirKey = pf.KeyDown(kKeyT) || pf.KeyDown(kKeyL),
                             .reviewKey = pf.KeyDown(kKeyV)};
  const bool deal = FollowHandEnd(run.handEnd, game, handEnd);
  if (run.handEnd.ReviewOpen) run.review.Start(game);
  if (deal) {
    DealHand(game);
  } else if (pf.MouseButton(kMouseLeft) && turn.GameState != PlayState::HandOver) {
    if (HumanChoosing(turn.GameState)) {
      if (MayClickTable(game)) ClickTableCard(game, 0, pf.MouseX(), pf.MouseY());
    } else if (turn.CurrentSeat == 0 && !turn.HumanPicked && !run.screen.Paused) {
      turn.PickedHandSlot = PickHandCard(game, pf.MouseX(), pf.MouseY());
    }
  }
  if (pf.MouseButton(kMouseRight) && MayClickTable(game)) {
    ClickTableCard(game, 1, pf.MouseX(), pf.MouseY());
  }
}

// Tells the observer of each quiet moment once, as the match comes to it.
void NoteQuietMoment(GameRun& run) {
  const bool quiet = IsQuietMoment(run.game) && !run.screen.Paused;
  if (quiet && !run.WasQuiet) {
    NoteTakeBackPoint(run.takeBacks, run.game, run.start.matchText);
    if (run.start.Observer != nullptr) run.start.Observer->QuietMoment(run.game);
  }
  run.WasQuiet = quiet;
}

// Everything that changes the game in one frame, from the input read at its
// start: the keys, the clicks, then (unless paused) the only capture taken
// when the options ask, one state step and the play of a hand card picked
// this frame.
void UpdateFrame(GameRun& run) {
  Game& game = run.game;
  Platform& pf = run.platform;
  OnPress(pf.KeyDown(kKeyP), run.keys.PLatch, [&] { TogglePause(run.screen); });
  OnPress(pf.KeyDown(kKeyM), run.keys.MLatch, [&] {
    run.sound.SetMuted(!run.sound.Muted());
    if (run.start.Observer != nullptr) run.start.Observer->MuteChanged(run.sound.Muted());
  });
  // S, the story in either language: L is their pile (Loro) on the score page.
  OnPress(pf.KeyDown(kKeyS), run.keys.SLatch, [&] { run.LogShown = !run.LogShown; });
  if (pf.KeyDown(kKeyR)) RequestHandSort(game);
  // Before the clicks, so that a card picked in the same frame is played
  // from the turn brought back, which is told at once as the quiet moment
  // that play is made from.
  if (FollowTakeBacks(run, pf.KeyPressed(kKeyU) && !run.screen.Paused)) NoteQuietMoment(run);
  game.turn.PickedHandSlot = -1;
  RouteClicks(run);
  if (run.screen.Paused) return;
  FollowKeys(game, pf, run.keyboard);
  if (game.settings.TakeOnlyCapture) TakeTheOnlyCapture(game);
  StepGameState(game, pf.TickCount());
  if (game.turn.PickedHandSlot >= 0) {
    PlayCardToTable(game, game.piles.Hand[0][game.turn.PickedHandSlot]);
    if (run.start.Observer != nullptr) run.start.Observer->PlayMade();
  }
  NoteHandEnd(run.handEnd, game);
}

// The table's notes with what the hand's end shows: the held table's line,
// the pile laid open.
TableNotes HandEndNotes(GameRun& run, TableNotes notes) {
  notes.LastTableHeld = run.handEnd.TableHeld;
  notes.Last = run.handEnd.Last;
  if (notes.LastTableHeld) notes.Message = P_("table", "Click or Return for scores");
  notes.OpenPile = OpenPileSheet(run.handEnd, run.game);
  if (run.handEnd.ReviewOpen) notes.Review = ReviewSheetOf(run.review);
  return notes;
}

void ReleaseResources(GameRun& run) {
  ResourceSlots& r = run.slots;
  for (SoundId& sound : r.Sound) {
    run.platform.ReleaseSound(sound);
    sound = 0;
  }
  r = ResourceSlots{};
}

}  // namespace

void PlatformSound::PlaySound(int slot) {
  if (muted_) return;
  const int i = slot - kSoundSlotFirst;
  if (i >= 0 && i < kSoundSlotCount) platform_.PlaySound(slots_.Sound[i]);
}

GameRun::GameRun(const Options& chosen, std::uint64_t seed, Platform& pf, ResourceFolder files)
    : platform(pf),
      folder(std::move(files)),
      sound(pf, slots),
      options(chosen),
      game(chosen, seed, &sound),
      search(!pf.KeepsRealTime()),
      screen(MakeScreen(game.settings.ScreenWidth, game.settings.ScreenHeight)),
      logPanel(MakePlayLogPanel()),
      advice(!pf.KeepsRealTime()),
      review(!pf.KeepsRealTime()) {
  game.search = &search;
}

GameRun::~GameRun() {
  RemoveFiles(*this);
}

bool StartRun(GameRun& run) {
  Game& game = run.game;
  Platform& pf = run.platform;
  SetMatchTarget(game);
  std::string error;
  if (!pf.DirectX(game.settings.FullScreen, game.settings.UseVideoMemory, error)) {
    FailRun(run, PlatformErrorMessage("DirectX", 1, error));
    return false;
  }
  if (!pf.GiveMeInput(error)) {
    FailRun(run, PlatformErrorMessage("GiveMeInput", 1, error));
    return false;
  }
  if (!pf.KeyBoard(error)) {
    FailRun(run, PlatformErrorMessage("KeyBoard", 1, error));
    return false;
  }
  if (!pf.Mouse(error)) {
    FailRun(run, PlatformErrorMessage("Mouse", 1, error));
    return false;
  }
  pf.InitSound();
  LoadSounds(run);
  pf.SetVolume(run.start.Volume);
  run.sound.SetMuted(run.start.Muted);
  if (!LoadGraphics(run)) return false;
  SetClipToScreen(run.screen);
  if (run.start.Resume) {
    run.start.Resume(game);
  } else {
    DealHand(game);
  }
  // A match resumed at a quiet moment is not told of it again; the player's
  // turn it resumes at can still be taken back to.
  run.WasQuiet = IsQuietMoment(game);
  if (run.WasQuiet) NoteTakeBackPoint(run.takeBacks, game, run.start.matchText);
  run.handEnd.WasHandOver = game.turn.GameState == PlayState::HandOver;
  run.Running = true;
  pf.ShowSystemCursor(false);
  BltFastClip(run.screen, run.slots.Background, run.screen.BackBuffer, run.screen.BackRect, 0, 0,
              false);
  RemoveFiles(run);
  return true;
}

void GameFrame(GameRun& run) {
  if (!run.Running) return;
  Platform& pf = run.platform;
  pf.PollKeyboard();
  pf.PollMouse();
  if (pf.KeyDown(kKeyEscape) || pf.CloseRequested()) {
    QuitGame(run);
    return;
  }
  // A minimised window: the game waits, answering only the close box; its
  // pictures live in memory, so nothing is reloaded when the window returns.
  if (!pf.DisplayAvailable()) {
    pf.PaceFrame();
    return;
  }
  const bool wasPaused = run.screen.Paused;
  UpdateFrame(run);
  NoteQuietMoment(run);
  const ExpertHint* hint =
      run.advice.Follow(run.game, run.game.settings.ShowHints && pf.KeyDown(kKeyH));
  // Paused, the picture on show stays as it is: the one that says so, drawn
  // on the frame P was pressed.
  if (!run.screen.Paused || !wasPaused) {
    if (pf.ShowsFrames()) {
      // A screen wider than 4:3 shows the hand's story beside the table, always.
      const bool margin = pf.HasSideMargin(kPlayLogWidth);
      const TalkInput talk{.paused = run.screen.Paused,
                           .mouseX = pf.MouseX(),
                           .mouseY = pf.MouseY(),
                           .lookBack = pf.KeyDown(kKeySpace),
                           .expert = hint,
                           .keyHandSlot = HighlightedHandSlot(run.game, run.keyboard),
                           .keyTableEntry = HighlightedTablePosition(run.game, run.keyboard),
                           .playLog = run.LogShown && !margin,
                           .takenBack = run.takeBacks.toldTurn == run.game.piles.CardsPlayed};
      ComposeFrame(run.game, run.slots, run.screen, pf.Now(), talk.mouseX, talk.mouseY,
                   HandEndNotes(run, TableTalk(run.game, talk)));
      if (run.sound.Muted()) DrawMuteMark(run.game, run.slots, run.screen);
      if (margin) {
        ComposePlayLog(run.game, run.slots, run.logPanel, 0, run.handEnd.Last);
        pf.ShowSidePanel(run.logPanel.BackBuffer);
      }
    }
    pf.FlipScreen(run.screen.BackBuffer);
  }
  pf.PaceFrame();
}

void QuitGame(GameRun& run) {
  ReleaseResources(run);
  run.platform.ShutDown("");
  run.Running = false;
  run.ExitStatus = 0;
  RemoveFiles(run);
}

void FailRun(GameRun& run, const std::string& message) {
  ReleaseResources(run);
  // The files go before the message box, which waits for the user.
  RemoveFiles(run);
  run.platform.ShutDown(message);
  run.Running = false;
  run.ExitStatus = 1;
}

int RunGame(const Options& options, ResourceFolder folder, Platform& platform, RunStart start) {
  const auto seed =
      static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
  GameRun run(options, seed, platform, std::move(folder));
  run.start = std::move(start);
  if (!StartRun(run)) return run.ExitStatus;
  while (run.Running) GameFrame(run);
  return run.ExitStatus;
}

}  // namespace verlano
