#include "memory/player_memory.h"

#include "i18n/translate.h"
#include "memory/atomic_file.h"
#include "memory/match_file.h"
#include "memory/records.h"

namespace verlano {

namespace {

// Far more than any file the game writes (a match is some 20 KB).
constexpr std::size_t kLongestFile = 1 << 20;

std::string FolderOf(const std::string& path) {
  return path.substr(0, path.rfind('/'));
}

// Reads the file and hands its text to `parse`; a file that cannot be read
// or parsed is moved aside and said in `note`, and nothing is given.
template <typename T, typename Parse>
std::optional<T> Load(const std::string& path, const char* what, const char* instead,
                      std::string& note, Parse parse) {
  note.clear();
  if (path.empty()) return std::nullopt;
  std::string text;
  std::string why;
  if (const std::error_code e = ReadSmallFile(path, kLongestFile, text)) {
    if (e == std::errc::no_such_file_or_directory) return std::nullopt;
    why = Reason(e);
  } else {
    try {
      return parse(text);
    } catch (const RecordError& error) {
      why = error.what();
    }
  }
  const std::error_code moved = KeepAside(path);
  note = moved ? Format(_("the %s file %s cannot be used: %s; it could not be kept aside (%s) and "
                          "%s"),
                        _(what), path.c_str(), why.c_str(), Reason(moved).c_str(), _(instead))
               : Format(_("the %s file %s cannot be used: %s; it is kept as %s.bad and %s"),
                        _(what), path.c_str(), why.c_str(), path.c_str(), _(instead));
  return std::nullopt;
}

}  // namespace

PlayerFiles FindPlayerFiles(const EnvReader& env) {
  PlayerFiles files;
  if (std::string folder = PlayerFolder(XdgFolder::State, env); !folder.empty()) {
    files.match = folder + "/match";
  }
  if (std::string folder = PlayerFolder(XdgFolder::Data, env); !folder.empty()) {
    files.statistics = folder + "/statistics";
  }
  if (std::string folder = PlayerFolder(XdgFolder::Config, env); !folder.empty()) {
    files.settings = folder + "/settings";
  }
  return files;
}

std::optional<KeptMatch> LoadKeptMatch(const std::string& path, std::string& note) {
  return Load<KeptMatch>(path, N_("match"), N_("a new match begins"), note,
                         [](const std::string& text) {
                           KeptMatch kept{MatchOptions(text), text};
                           // Loaded whole into a game of its own now, so that Continue cannot fail
                           // later.
                           Game game(kept.options, 0);
                           ReadMatch(text, game);
                           kept.we = game.match.OurMatchTotal;
                           kept.they = game.match.TheirMatchTotal;
                           return kept;
                         });
}

Statistics LoadStatistics(const std::string& path, std::string& note) {
  return Load<Statistics>(path, N_("statistics"), N_("counting starts afresh"), note,
                          ReadStatistics)
      .value_or(Statistics{});
}

PlayerSettings LoadSettings(const std::string& path, std::string& note) {
  return Load<PlayerSettings>(path, N_("settings"), N_("the dialog opens with the usual options"),
                              note, ReadSettings)
      .value_or(PlayerSettings{});
}

std::string KeepFile(const std::string& path, const std::string& text) {
  if (path.empty()) return "";
  if (const std::error_code e = MakeFolders(FolderOf(path))) {
    return "cannot make the folder " + FolderOf(path) + ": " + Reason(e);
  }
  if (const std::error_code e = WriteAtomically(path, text)) {
    return "cannot write " + path + ": " + Reason(e);
  }
  return "";
}

std::string ForgetFile(const std::string& path) {
  if (path.empty()) return "";
  if (const std::error_code e = RemoveFile(path)) return "cannot remove " + path + ": " + Reason(e);
  return "";
}

}  // namespace verlano
