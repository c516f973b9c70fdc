#include "startup/player_start.h"

#include <chrono>
#include <cstdlib>
#include <iostream>
#include <vector>

#include "i18n/translate.h"
#include "memory/match_file.h"
#include "memory/match_keeper.h"
#include "memory/player_rating.h"
#include "startup/play_button.h"

namespace verlano {

namespace {

void Say(const std::string& line) {
  if (!line.empty()) std::cerr << "verlano: " << line << '\n';
}

void Note(std::string& notes, const std::string& line) {
  Say(line);
  if (!line.empty()) notes += (notes.empty() ? "" : "\n") + line;
}

// Only the copy that holds the match's lock reads, keeps or gives up the
// kept match; another copy plays a match of its own that is not kept, so
// neither loses the other's. Where no lock can be made (a read-only folder)
// nothing can be kept anyway, and the match is read as it is.
void TakeTheMatch(PlayerStart& start, std::string& notes) {
  if (!start.files.state.Usable()) return;
  const std::error_code e =
      start.files.state.Lock(kMatchLock, std::chrono::milliseconds(0), start.matchLock);
  if (e == std::errc::operation_would_block) {
    Note(notes, _("the kept match is being played by another copy of the game; this copy plays "
                  "a new match and does not keep it"));
    start.files.state = GameFolder();
  }
}

}  // namespace

PlayerStart LoadPlayerStart() {
  PlayerStart start;
  std::string notes;
  std::vector<std::string> folderNotes;
  start.files = OpenPlayerFiles([](const char* name) { return std::getenv(name); }, folderNotes);
  for (const std::string& line : folderNotes) Note(notes, line);
  TakeTheMatch(start, notes);
  std::string note;
  start.settings = LoadSettings(start.files.config, note);
  Note(notes, note);
  const Statistics stats = LoadStatistics(start.files.data, note);
  Note(notes, note);
  start.kept = LoadKeptMatch(start.files.state, note);
  Note(notes, note);
  start.memory.opening = DialogStateFrom(start.settings.options, start.settings.volume);
  if (start.kept) {
    start.memory.continueCaption =
        ContinueCaption(start.kept->options, start.kept->we, start.kept->they);
    start.memory.keptScore = {start.kept->we, start.kept->they};
  }
  start.memory.statistics = stats;
  start.memory.notes = notes;
  start.memory.resetStatistics = [folder = start.files.data] { return ResetStatistics(folder); };
  start.memory.matches = start.files.matches;
  return start;
}

int PlayChosen(StartupDialog& dialog, PlayerStart& start, const DialogState& chosen,
               const std::string& resPath) {
  start.settings.options = OptionsFromDialog(chosen);
  start.settings.volume = chosen.volume;
  Say(KeepFile(start.files.config, kSettingsFile, WriteSettings(start.settings)));

  Options options = start.settings.options;
  RunStart run;
  run.Volume = start.settings.volume;
  run.Muted = start.settings.muted;
  run.matchText = MatchFileText();
  const bool continuing = chosen.continueMatch && start.kept;
  if (continuing) {
    options = OptionsToContinue(*start.kept, start.settings.options);
  } else {
    if (start.kept) {
      // Play over a kept match gives it up: it counts as played, and ends the streak.
      UpdateStatistics(
          start.files.data,
          [&](Statistics& stats) {
            if (start.kept->takenBack) return CountTakenBackMatch(stats, start.kept->options, {});
            CountGivenUp(stats, start.kept->options, start.kept->tally);
          },
          Say);
      Say(ForgetFile(start.files.state, kMatchFile));
    }
    if (options.matchMyLevel)
      options.opponents = LevelNearPlayer(dialog.ShownStatistics(), options);
  }
  MatchKeeper keeper(start.files, options, start.settings, Say);
  run.Observer = &keeper;
  if (continuing) {
    run.Resume = [&kept = *start.kept, &keeper](Game& game) {
      ResumeKeptMatch(kept, game);
      keeper.Resumed(game);
    };
  }
  return PressPlay(dialog, options, resPath, std::move(run));
}

}  // namespace verlano
