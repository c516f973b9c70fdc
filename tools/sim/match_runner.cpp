#include "sim/match_runner.h"

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <ostream>

#include "game/game_run.h"
#include "game/quiet_moment.h"
#include "game/turn_pause.h"
#include "memory/atomic_file.h"
#include "memory/match_file.h"
#include "memory/records.h"
#include "platform/headless_platform.h"
#include "resources/resource_path.h"
#include "resources/unpack.h"
#include "sim/auto_player.h"
#include "sim/invariants.h"

namespace verlano::sim {

namespace {

constexpr const char* kArchive = "res077.pak";
constexpr long kFramesPerHandLimit = 200000;

// The archive unpacked into a folder of this run's own, so that runs side by
// side never remove each other's files.
class PrivateResources {
 public:
  explicit PrivateResources(const std::string& archiveFolder) {
    std::error_code tempError;
    const std::filesystem::path temp = std::filesystem::temp_directory_path(tempError);
    std::string pattern = ((tempError ? "/tmp" : temp) / "verlano-sim-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
      error_ = "cannot make a temporary folder " + pattern;
      return;
    }
    dir_ = pattern;
    std::error_code ec;
    std::filesystem::create_symlink(std::filesystem::absolute(archiveFolder + "/" + kArchive),
                                    dir_ / kArchive, ec);
    result_ = UnpackResources(dir_.string() + "/", kArchive);
    if (!result_.ok) error_ = result_.error;
  }
  ~PrivateResources() {
    RemoveResources(result_);
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
  }
  const std::string& Error() const { return error_; }
  std::string MatchFile() const { return (dir_ / "match").string(); }
  ResourceFolder Folder() {
    return ResourceFolder{[root = result_.resourceRoot](std::string_view path) {
                            return ResolveResourcePath(root, path);
                          },
                          [this] { RemoveResources(result_); },
                          [this](const std::string& file) { return EntryOrigin(result_, file); }};
  }

 private:
  std::filesystem::path dir_;
  UnpackResult result_;
  std::string error_;
};

class Runner {
 public:
  Runner(const PlayConfig& config, GameRun& run, HeadlessPlatform& platform, std::ostream& out,
         std::string matchFile)
      : config_(config),
        run_(run),
        platform_(platform),
        out_(out),
        player_(config.sortKey),
        matchFile_(std::move(matchFile)) {}

  int Play() {
    const auto start = std::chrono::steady_clock::now();
    PlayState last = run_.game.turn.GameState;
    long handFrames = 0;
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
      if (now == PlayState::EndOfMatch && last != PlayState::EndOfMatch) {
        if (int status = HandEnded(); status != 0) return status;
        handFrames = 0;
      }
      if (handFrames > kFramesPerHandLimit) return Broken("the hand does not end");
      if (int status = KeepAtQuietMoment(); status != 0) return status;
      last = now;
    }
    QuitGame(run_);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    Summary(seconds);
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
      return Broken("an expert search started ahead was for a position its seat did not meet");
    }
    const Piles& p = game.piles;
    const MatchState& m = game.match;
    if (!config_.quiet) {
      out_ << "match " << matches_ + 1 << " hand " << handsInMatch_ << " we " << game.score.We.Total
           << " they " << game.score.They.Total << " cards " << p.Our.CardCount << "/"
           << p.Their.CardCount << " sweeps " << game.score.We.Sweeps << "/"
           << game.score.They.Sweeps << " totals " << m.OurMatchTotal << "/" << m.TheirMatchTotal
           << "\n";
    }
    if (!m.MatchOver) return 0;
    const bool won = m.MatchResultText == "We Won!";
    (won ? won_ : lost_) += 1;
    ++matches_;
    if (!config_.quiet) {
      out_ << "match " << matches_ << " " << (won ? "won" : "lost") << " hands " << handsInMatch_
           << " totals " << m.OurMatchTotal << "/" << m.TheirMatchTotal << "\n";
    }
    handsInMatch_ = 0;
    return 0;
  }

  // With --save-every K, every K-th quiet moment writes the match file, and
  // play goes on in a fresh game loaded from it.
  int KeepAtQuietMoment() {
    const bool quiet = IsQuietMoment(run_.game) && !run_.screen.Paused;
    const bool edge = quiet && !wasQuiet_;
    wasQuiet_ = quiet;
    if (!edge || config_.saveEvery == 0 || ++quietMoments_ % config_.saveEvery != 0) return 0;
    const std::string text = WriteMatch(run_.game);
    if (std::error_code e = WriteAtomically(matchFile_, text)) {
      return Broken("cannot keep the match in " + matchFile_ + ": " + Reason(e));
    }
    std::string read;
    if (std::error_code e = ReadSmallFile(matchFile_, text.size(), read)) {
      return Broken("cannot read the match back from " + matchFile_ + ": " + Reason(e));
    }
    try {
      Game fresh(MatchOptions(read), 0, &run_.sound);
      ReadMatch(read, fresh);
      if (WriteMatch(fresh) != text) return Broken("the loaded match is written otherwise");
      run_.game = std::move(fresh);
    } catch (const RecordError& e) {
      return Broken(std::string("the kept match cannot be loaded: ") + e.what());
    }
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
  long frames_ = 0;
  int hands_ = 0, handsInMatch_ = 0, matches_ = 0, won_ = 0, lost_ = 0;
};

}  // namespace

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
  return Runner(config, run, platform, out, resources.MatchFile()).Play();
}

}  // namespace verlano::sim
