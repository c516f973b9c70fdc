#include "memory/match_keeper.h"

#include "memory/match_file.h"
#include "memory/player_rating.h"

namespace verlano {

MatchKeeper::MatchKeeper(PlayerFiles files, Options options, PlayerSettings settings,
                         std::function<void(const std::string&)> say)
    : files_(std::move(files)),
      options_(options),
      settings_(std::move(settings)),
      say_(std::move(say)),
      recorder_(files_.matches, options_, [this](const std::string& problem) { Say(problem); }) {}

void MatchKeeper::Resumed(const Game& game) {
  PrepareLeftAfterPlay(game);
  recorder_.QuietMoment(game);
}

void MatchKeeper::QuietMoment(const Game& game) {
  const bool decided = game.turn.GameState == PlayState::HandOver && game.match.MatchOver;
  // The match goes first: a run stopped between the two writes may miss a
  // match in the statistics, but never counts one twice.
  Say(decided ? ForgetFile(files_.state, kMatchFile)
              : KeepFile(files_.state, kMatchFile, WriteMatch(game)));
  PrepareLeftAfterPlay(game);
  recorder_.QuietMoment(game);
  if (!decided) return;
  UpdateStatistics(
      files_.data,
      [&](Statistics& stats) {
        const bool won = game.match.Result == MatchResult::Won;
        // A match helped by take-backs says nothing of the player's strength.
        if (game.match.TakenBack) return CountTakenBackMatch(stats, options_, won);
        CountMatch(stats, options_, game.match.Tally, won);
        RateMatch(stats, options_, won);
      },
      [this](const std::string& problem) { Say(problem); });
}

void MatchKeeper::PlayMade() {
  // Written before the play is drawn, let alone answered: a run stopped at
  // any moment after it leaves the match marked, and a made play is never
  // undone without the take-back's flag.
  if (leftAfterPlay_.empty()) return;
  Say(KeepFile(files_.state, kMatchFile, leftAfterPlay_));
  leftAfterPlay_.clear();
}

void MatchKeeper::PrepareLeftAfterPlay(const Game& game) {
  leftAfterPlay_ =
      game.turn.GameState == PlayState::HandOver ? std::string() : WriteMatchLeftAfterPlay(game);
}

void MatchKeeper::MuteChanged(bool muted) {
  std::string note;
  settings_ = LoadSettings(files_.config, note);
  Say(note);
  settings_.muted = muted;
  Say(KeepFile(files_.config, kSettingsFile, WriteSettings(settings_)));
}

void MatchKeeper::Say(const std::string& problem) {
  // The same failure at every quiet moment is said once.
  if (problem.empty() || problem == lastProblem_) return;
  lastProblem_ = problem;
  say_(problem);
}

}  // namespace verlano
