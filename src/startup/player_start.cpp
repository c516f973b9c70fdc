#include "startup/player_start.h"

#include <cstdlib>
#include <iostream>

#include "memory/match_file.h"
#include "memory/match_keeper.h"
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

}  // namespace

PlayerStart LoadPlayerStart() {
  PlayerStart start;
  start.files = FindPlayerFiles([](const char* name) { return std::getenv(name); });
  std::string notes;
  std::string note;
  start.settings = LoadSettings(start.files.settings, note);
  Note(notes, note);
  const Statistics stats = LoadStatistics(start.files.statistics, note);
  Note(notes, note);
  start.kept = LoadKeptMatch(start.files.match, note);
  Note(notes, note);
  start.memory.opening = DialogStateFrom(start.settings.options, start.settings.volume);
  if (start.kept) {
    start.memory.continueCaption =
        ContinueCaption(start.kept->options, start.kept->we, start.kept->they);
  }
  start.memory.statistics = stats;
  start.memory.notes = notes;
  start.memory.resetStatistics = [path = start.files.statistics] { return ForgetFile(path); };
  return start;
}

int PlayChosen(StartupDialog& dialog, PlayerStart& start, const DialogState& chosen,
               const std::string& resPath) {
  start.settings.options = OptionsFromDialog(chosen);
  start.settings.volume = chosen.volume;
  Say(KeepFile(start.files.settings, WriteSettings(start.settings)));

  Options options = start.settings.options;
  RunStart run;
  run.Volume = start.settings.volume;
  run.Muted = start.settings.muted;
  if (chosen.continueMatch && start.kept) {
    options = start.kept->options;
    run.Resume = [text = start.kept->text](Game& game) { ReadMatch(text, game); };
  } else if (start.kept) {
    // Play over a kept match gives it up: it counts as played, and ends the streak.
    std::string note;
    Statistics stats = LoadStatistics(start.files.statistics, note);
    Say(note);
    CountGivenUp(stats, start.kept->options);
    Say(KeepFile(start.files.statistics, WriteStatistics(stats)));
    Say(ForgetFile(start.files.match));
  }
  MatchKeeper keeper(start.files, options, start.settings, Say);
  run.Observer = &keeper;
  return PressPlay(dialog, options, resPath, std::move(run));
}

}  // namespace verlano
