#include "sim/match_runner.h"

#include <chrono>
#include <cstdio>
#include <optional>
#include <ostream>

#include "files/read_file.h"
#include "files/replace_file.h"
#include "game/quiet_moment.h"
#include "game/turn_pause.h"
#include "memory/folder_steps.h"
#include "memory/match_file.h"
#include "memory/match_recorder.h"
#include "memory/records.h"
#include "sim/auto_player.h"
#include "sim/invariants.h"
#include "sim/kept_reload.h"
#include "sim/private_resources.h"
#include "sim/result_lines.h"

namespace verlano::sim {

namespace {

constexpr long kFramesPerHandLimit = 200000;
// Far more hands than a match lasts: every hand scores, and a tie above the
// target is decided by a later hand.
constexpr int kHandsPerMatchLimit = 500;

// With --record, the run's quiet moments go to the game's own recorder.
class Runner final : public RunObserver {
 public:
  Runner(const PlayConfig& config, GameRun& run, HeadlessPlatform& platform, std::ostream& out,
         std::string matchFile)
      : config_(config),
        run_(run),
        platform_(platform),
        out_(out),
        player_(config.sortKey),
        matchFile_(std::move(matchFile)) {}
  ~Runner() override {
    if (run_.start.Observer == this) run_.start.Observer = nullptr;
  }
  Runner(const Runner&) = delete;
  Runner& operator=(const Runner&) = delete;

  void QuietMoment(const Game& game) override { recorder_->QuietMoment(game); }
  void PlayMade() override {}
  void MuteChanged(bool) override {}

  int Play() {
    if (config_.records.Usable()) {
      NewRecorder();
      run_.start.Observer = this;
    }
    const auto start = std::chrono::steady_clock::now();
    PlayState last = run_.game.turn.GameState;
    long handFrames = 0;
    // A kept match may stand on the score page of its deciding hand.
    if (config_.resumed && last == PlayState::HandOver && run_.game.match.MatchOver) {
      CountMatch();
    }
    while (matches_ < config_.matches) {
      if (!player_.Prepare(run_.game, platform_)) return Broken(player_.Problem());
      // Frames of a "PAUSED" wait with no input change nothing but the clock:
      // they are counted, not run, so every frame number and result stays.
      if (const std::uint64_t quiet = QuietFrames(); quiet > 0) {
        platform_.SkipFrames(quiet);
        frames_ += static_cast<long>(quiet);
        handFrames += static_cast<long>(quiet);
        continue;
      }
      GameFrame(run_);
      ++frames_;
      ++handFrames;
      const PlayState now = run_.game.turn.GameState;
      if (config_.trace && now != last) Trace(now);
      if (std::string problem = CheckFrame(run_.game); !problem.empty()) return Broken(problem);
      if (now == PlayState::HandOver && last != PlayState::HandOver) {
        if (int status = HandEnded(); status != 0) return status;
        handFrames = 0;
      }
      if (handFrames > kFramesPerHandLimit) return Broken("the hand does not end");
      if (handsInMatch_ > kHandsPerMatchLimit) return Broken("the match does not end");
      if (int status = KeepAtQuietMoment(); status != 0) return status;
      last = now;
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    Summary(seconds);
    if (reloads_ > 0 && (run_.game.settings.OpponentsLevel != PlayerLevel::Classic ||
                         run_.game.settings.PartnerLevel != PlayerLevel::Classic)) {
      // For the save chain's test: the searching seats kept their worker.
      std::fprintf(stderr, "verlano-sim: %d searches on the worker after the first reload\n",
                   run_.search.Searches() - searchesAtFirstReload_);
    }
    return 0;
  }

 private:
  std::uint64_t QuietFrames() const {
    if (config_.everyFrame || !platform_.InputIdle() || run_.screen.Paused) return 0;
    return QuietPauseFrames(run_.game, platform_.TickCount(), HeadlessPlatform::kFrameMs);
  }

  int HandEnded() {
    const Game& game = run_.game;
    ++hands_;
    ++handsInMatch_;
    for (const std::string& problem : {CheckHandEnd(game), CheckMatchEnd(game)}) {
      if (!problem.empty()) return Broken(problem);
    }
    if (run_.search.Restarts() > 0) {
      return Broken("a search started ahead was for a position its seat did not meet");
    }
    const Piles& p = game.piles;
    const MatchState& m = game.match;
    if (!config_.quiet) {
      PrintHandLine(out_, {.match = matches_ + 1,
                           .hand = handsInMatch_,
                           .score = game.score,
                           .ourCards = p.Our.CardCount,
                           .theirCards = p.Their.CardCount,
                           .ourTotal = m.OurMatchTotal,
                           .theirTotal = m.TheirMatchTotal});
    }
    if (m.MatchOver) CountMatch();
    return recordProblem_.empty() ? 0 : Broken(recordProblem_);
  }

  // A recorder as a game started afresh makes one: after a reload it finds
  // the record of the match it goes on with. Each match is match-K.rec, K its
  // number in the run.
  void NewRecorder() {
    recorder_.emplace(
        config_.records, config_.options,
        [this](const std::string& problem) { recordProblem_ = problem; },
        [this] {
          char name[32];
          std::snprintf(name, sizeof name, "match-%04d", matches_ + 1);
          return std::string(name);
        });
  }

  void CountMatch() {
    const MatchState& m = run_.game.match;
    const bool won = m.Result == MatchResult::Won;
    (won ? won_ : lost_) += 1;
    ++matches_;
    if (!config_.quiet) {
      PrintMatchLine(out_, matches_, won, handsInMatch_, m.OurMatchTotal, m.TheirMatchTotal);
    }
    handsInMatch_ = 0;
  }

  // With --save-every K, every K-th quiet moment writes the match file, and
  // play goes on in a fresh game loaded from it.
  int KeepAtQuietMoment() {
    const bool quiet = IsQuietMoment(run_.game) && !run_.screen.Paused;
    const bool edge = quiet && !wasQuiet_;
    wasQuiet_ = quiet;
    if (!edge || config_.saveEvery == 0 || ++quietMoments_ % config_.saveEvery != 0) return 0;
    const std::string text = WriteMatch(run_.game);
    if (std::error_code e = ReplaceFile(matchFile_, text, 0600)) {
      return Broken("cannot keep the match in " + matchFile_ + ": " + Reason(e));
    }
    std::string read;
    if (std::error_code e = ReadSmallFile(matchFile_, text.size(), read)) {
      return Broken("cannot read the match back from " + matchFile_ + ": " + Reason(e));
    }
    try {
      ReloadKeptMatch(run_, read);
    } catch (const RecordError& e) {
      return Broken(std::string("the kept match cannot be loaded: ") + e.what());
    }
    if (WriteMatch(run_.game) != text) return Broken("the loaded match is written otherwise");
    if (recorder_) {
      // As the game tells its keeper of the match it resumes.
      NewRecorder();
      recorder_->QuietMoment(run_.game);
    }
    if (reloads_++ == 0) searchesAtFirstReload_ = run_.search.Searches();
    return 0;
  }

  void Trace(PlayState state) {
    out_ << "trace frame " << frames_ << " clock " << platform_.TickCount() << " seat "
         << run_.game.turn.CurrentSeat << " " << StateName(state) << "\n";
  }

  int Broken(const std::string& what) {
    out_.flush();
    std::fprintf(stderr, "broken check at frame %ld, state \"%s\": %s\n", frames_,
                 StateName(run_.game.turn.GameState), what.c_str());
    return 2;
  }

  void Summary(double seconds) {
    char line[200];
    std::snprintf(line, sizeof line,
                  "summary matches %d won %d lost %d hands %d frames %ld frames/hand %.1f "
                  "hands/s %.0f\n",
                  matches_, won_, lost_, hands_, frames_, hands_ ? double(frames_) / hands_ : 0.0,
                  seconds > 0 ? hands_ / seconds : 0.0);
    out_ << line;
  }

  const PlayConfig& config_;
  GameRun& run_;
  HeadlessPlatform& platform_;
  std::ostream& out_;
  AutoPlayer player_;
  std::string matchFile_;
  bool wasQuiet_ = false;
  long quietMoments_ = 0;
  int reloads_ = 0;
  std::optional<MatchRecorder> recorder_;  // with --record
  std::string recordProblem_;              // what the recorder last said, if anything
  int searchesAtFirstReload_ = 0;
  long frames_ = 0;
  int hands_ = 0, handsInMatch_ = 0, matches_ = 0, won_ = 0, lost_ = 0;
};

}  // namespace

int PlayOn(const PlayConfig& config, GameRun& run, HeadlessPlatform& platform, std::ostream& out,
           const std::string& matchFile) {
  return Runner(config, run, platform, out, matchFile).Play();
}

int RunPlay(const PlayConfig& config, const std::string& archiveFolder, std::ostream& out) {
  PrivateResources resources(archiveFolder);
  if (!resources.Error().empty()) {
    std::fprintf(stderr, "verlano-sim: %s\n", resources.Error().c_str());
    return 1;
  }
  HeadlessPlatform platform;
  GameRun run(config.options, config.seed, platform, resources.Folder());
  if (!StartRun(run)) {
    std::fprintf(stderr, "verlano-sim: %s\n", platform.ShutDownMessage().c_str());
    return 1;
  }
  const int status = PlayOn(config, run, platform, out, resources.MatchFile());
  QuitGame(run);
  return status;
}

}  // namespace verlano::sim
