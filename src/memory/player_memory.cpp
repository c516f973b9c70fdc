#include "memory/player_memory.h"

#include "i18n/translate.h"
#include "memory/folder_steps.h"
#include "memory/match_file.h"
#include "memory/records.h"
#include "memory/shown_text.h"

namespace verlano {

namespace {

// Far more than any file the game writes (a match is some 20 KB).
constexpr std::size_t kLongestFile = 1 << 20;

constexpr const char* kStatisticsLock = "statistics.lock";

// Reads the file and hands its text to `parse`; a file that cannot be read
// or parsed is moved aside and said in `note`, and nothing is given.
template <typename T, typename Parse>
std::optional<T> Load(const GameFolder& folder, const char* name, const char* what,
                      const char* instead, std::string& note, Parse parse) {
  note.clear();
  if (!folder.Usable()) return std::nullopt;
  std::string text;
  std::string why;
  if (const std::error_code e = folder.Read(name, kLongestFile, text)) {
    if (e == std::errc::no_such_file_or_directory) return std::nullopt;
    why = Reason(e);
  } else {
    try {
      return parse(text);
    } catch (const RecordError& error) {
      why = error.what();
    }
  }
  const std::string path = ShownPath(folder.PathOf(name));
  const std::error_code moved = folder.KeepAside(name);
  note = moved ? Format(_("the %s file %s cannot be used: %s; it could not be kept aside (%s) and "
                          "%s"),
                        _(what), path.c_str(), why.c_str(), Reason(moved).c_str(), _(instead))
               : Format(_("the %s file %s cannot be used: %s; it is kept as %s.bad and %s"),
                        _(what), path.c_str(), why.c_str(), path.c_str(), _(instead));
  return std::nullopt;
}

// Takes the statistics' lock; "" or the one-line reason it could not be had.
std::string LockStatistics(const GameFolder& folder, std::chrono::milliseconds wait,
                           FolderLock& lock) {
  if (const std::error_code e = folder.Lock(kStatisticsLock, wait, lock)) {
    return "cannot lock " + ShownPath(folder.PathOf(kStatisticsLock)) + ": " + Reason(e);
  }
  return "";
}

}  // namespace

PlayerFiles OpenPlayerFiles(const EnvReader& env, std::vector<std::string>& notes) {
  PlayerFiles files;
  const auto open = [&](XdgFolder which, GameFolder& folder) {
    const std::string path = PlayerFolder(which, env);
    if (path.empty()) return;
    std::string note;
    folder = GameFolder::Open(path, note);
    if (!note.empty()) notes.push_back(note);
  };
  open(XdgFolder::State, files.state);
  open(XdgFolder::Data, files.data);
  open(XdgFolder::Config, files.config);
  std::string note;
  files.matches = files.data.Below("matches", note);
  if (!note.empty()) notes.push_back(note);
  return files;
}

std::optional<KeptMatch> LoadKeptMatch(const GameFolder& folder, std::string& note) {
  return Load<KeptMatch>(folder, kMatchFile, N_("match"), N_("a new match begins"), note,
                         [](const std::string& text) {
                           KeptMatch kept{MatchOptions(text), text};
                           // Loaded whole into a game of its own now, so that Continue cannot fail
                           // later.
                           Game game(kept.options, 0);
                           ReadMatch(text, game);
                           kept.we = game.match.OurMatchTotal;
                           kept.they = game.match.TheirMatchTotal;
                           kept.takenBack = game.match.TakenBack;
                           kept.leftAfterPlay = LeftAfterPlay(text);
                           kept.tally = game.match.Tally;
                           return kept;
                         });
}

void ResumeKeptMatch(const KeptMatch& kept, Game& game) {
  ReadMatch(kept.text, game);
  if (kept.leftAfterPlay) game.match.TakenBack = true;
}

Options OptionsToContinue(const KeptMatch& kept, const Options& players) {
  Options options = kept.options;
  options.showHints = players.showHints;
  options.takeOnlyCapture = players.takeOnlyCapture;
  options.holdLastTable = players.holdLastTable;
  options.allowTakeBacks = players.allowTakeBacks;
  options.animation = players.animation;
  return options;
}

Statistics LoadStatistics(const GameFolder& folder, std::string& note) {
  return Load<Statistics>(folder, kStatisticsFile, N_("statistics"), N_("counting starts afresh"),
                          note, ReadStatistics)
      .value_or(Statistics{});
}

PlayerSettings LoadSettings(const GameFolder& folder, std::string& note) {
  return Load<PlayerSettings>(folder, kSettingsFile, N_("settings"),
                              N_("the dialog opens with the usual options"), note, ReadSettings)
      .value_or(PlayerSettings{});
}

std::string KeepFile(const GameFolder& folder, const std::string& name, const std::string& text) {
  if (const std::error_code e = folder.Write(name, text)) {
    return "cannot write " + ShownPath(folder.PathOf(name)) + ": " + Reason(e);
  }
  return "";
}

std::string ForgetFile(const GameFolder& folder, const std::string& name) {
  if (const std::error_code e = folder.Remove(name)) {
    return "cannot remove " + ShownPath(folder.PathOf(name)) + ": " + Reason(e);
  }
  return "";
}

void UpdateStatistics(const GameFolder& folder, const std::function<void(Statistics&)>& change,
                      const std::function<void(const std::string&)>& say,
                      std::chrono::milliseconds wait) {
  if (!folder.Usable()) return;
  FolderLock lock;
  if (const std::string problem = LockStatistics(folder, wait, lock); !problem.empty()) {
    say(problem + "; the statistics are left as they are");
    return;
  }
  std::string note;
  Statistics stats = LoadStatistics(folder, note);
  if (!note.empty()) say(note);
  change(stats);
  if (const std::string problem = KeepFile(folder, kStatisticsFile, WriteStatistics(stats));
      !problem.empty()) {
    say(problem);
  }
}

std::string ResetStatistics(const GameFolder& folder) {
  if (!folder.Usable()) return "";
  FolderLock lock;
  if (std::string problem = LockStatistics(folder, kStatisticsWait, lock); !problem.empty()) {
    return problem;
  }
  return ForgetFile(folder, kStatisticsFile);
}

}  // namespace verlano
