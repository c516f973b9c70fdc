#include "game/game_run.h"

#include <chrono>

#include "game/human_turn.h"
#include "game/quiet_moment.h"
#include "game/state_machine.h"
#include "game/table_talk.h"
#include "render/compose_frame.h"
#include "render/mute_mark.h"

namespace verlano {

namespace {

void RemoveFiles(GameRun& run) {
  if (run.FilesRemoved) return;
  run.FilesRemoved = true;
  if (run.folder.Remove) run.folder.Remove();
}

void RouteClicks(GameRun& run) {
  Game& game = run.game;
  Platform& pf = run.platform;
  TurnState& turn = game.turn;
  if (pf.MouseButton(kMouseLeft)) {
    if (turn.GameState == PlayState::HandOver) {
      DealHand(game);
    } else if (HumanChoosing(turn.GameState)) {
      if (MayClickTable(game)) ClickTableCard(game, 0, pf.MouseX(), pf.MouseY());
    } else if (turn.CurrentSeat == 0 && !turn.HumanPicked && !run.screen.Paused) {
      turn.PickedHandSlot = PickHandCard(game, pf.MouseX(), pf.MouseY());
    }
  }
  if (pf.MouseButton(kMouseRight) && MayClickTable(game)) {
    ClickTableCard(game, 1, pf.MouseX(), pf.MouseY());
  }
}

// Everything that changes the game in one frame, from the input read at its
// start: the keys, the clicks, then (unless paused) the only capture taken
// when the options ask, one state step and the play of a hand card picked
// this frame.
void UpdateFrame(GameRun& run) {
  Game& game = run.game;
  Platform& pf = run.platform;
  if (pf.KeyDown(kKeyP)) {
    if (!run.keys.PLatch) {
      TogglePause(run.screen);
      run.keys.PLatch = true;
    }
  } else {
    run.keys.PLatch = false;
  }
  if (pf.KeyDown(kKeyM)) {
    if (!run.keys.MLatch) {
      run.sound.SetMuted(!run.sound.Muted());
      if (run.start.Observer != nullptr) run.start.Observer->MuteChanged(run.sound.Muted());
      run.keys.MLatch = true;
    }
  } else {
    run.keys.MLatch = false;
  }
  if (pf.KeyDown(kKeyR)) RequestHandSort(game);
  game.turn.PickedHandSlot = -1;
  RouteClicks(run);
  if (run.screen.Paused) return;
  if (game.settings.TakeOnlyCapture) TakeTheOnlyCapture(game);
  StepGameState(game, pf.TickCount());
  if (game.turn.PickedHandSlot >= 0) {
    PlayCardToTable(game, game.piles.Hand[0][game.turn.PickedHandSlot]);
  }
}

// Tells the observer of each quiet moment once, as the match comes to it.
void NoteQuietMoment(GameRun& run) {
  const bool quiet = IsQuietMoment(run.game) && !run.screen.Paused;
  if (quiet && !run.WasQuiet && run.start.Observer != nullptr) {
    run.start.Observer->QuietMoment(run.game);
  }
  run.WasQuiet = quiet;
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

GameRun::GameRun(const Options& options, std::uint64_t seed, Platform& pf, ResourceFolder files)
    : platform(pf),
      folder(std::move(files)),
      sound(pf, slots),
      game(options, seed, &sound),
      search(!pf.KeepsRealTime()),
      screen(MakeScreen(game.settings.ScreenWidth, game.settings.ScreenHeight)),
      advice(!pf.KeepsRealTime()) {
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
  // A match resumed at a quiet moment is not told of it again.
  run.WasQuiet = IsQuietMoment(game);
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
      const TalkInput talk{.paused = run.screen.Paused,
                           .mouseX = pf.MouseX(),
                           .mouseY = pf.MouseY(),
                           .lookBack = pf.KeyDown(kKeySpace),
                           .expert = hint};
      ComposeFrame(run.game, run.slots, run.screen, pf.Now(), talk.mouseX, talk.mouseY,
                   TableTalk(run.game, talk));
      if (run.sound.Muted()) DrawMuteMark(run.game, run.slots, run.screen);
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
