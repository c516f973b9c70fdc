#include "memory/match_recorder.h"

#include <algorithm>
#include <array>
#include <ctime>

#include "i18n/translate.h"
#include "memory/folder_steps.h"
#include "memory/player_memory.h"
#include "memory/records.h"
#include "memory/shown_text.h"

namespace verlano {

namespace {

// Far more than the record of the longest match (some 400 lines).
constexpr std::size_t kLongestRecord = 1 << 20;

// A continued match's record is among the newest: a few suffice.
constexpr std::size_t kRecordsSearched = 10;

// Beside the records: the locks of the records being written, one byte a name.
constexpr const char* kRecordsLock = "records.lock";

bool Listed(const std::vector<FolderFile>& files, const std::string& name) {
  return std::any_of(files.begin(), files.end(),
                     [&](const FolderFile& f) { return f.name == name; });
}

bool SameDeal(const RecordedHand& a, const RecordedHand& b) {
  return a.leader == b.leader && a.pack == b.pack;
}

bool Decided(const Game& game) {
  return game.turn.GameState == PlayState::HandOver && game.match.MatchOver;
}

}  // namespace

std::string TimeStamp() {
  const std::time_t now = std::time(nullptr);
  std::tm utc{};
  gmtime_r(&now, &utc);
  std::array<char, 32> stamp{};
  std::strftime(stamp.data(), stamp.size(), "match-%Y%m%d-%H%M%S", &utc);
  return stamp.data();
}

std::string LoadRecord(const GameFolder& folder, const std::string& name, const CardTables& cards,
                       MatchRecord& record) {
  std::string text;
  try {
    if (const std::error_code e = folder.Read(name, kLongestRecord, text)) {
      throw RecordError(Reason(e));
    }
    record = ReadRecord(text, cards);
    return "";
  } catch (const RecordError& e) {
    return SetRecordAside(folder, name, RecordFault::Unreadable, e.what());
  }
}

std::string SetRecordAside(const GameFolder& folder, const std::string& name, RecordFault fault,
                           const std::string& why) {
  const std::string path = ShownPath(folder.PathOf(name));
  const bool passedOver = static_cast<bool>(folder.KeepAside(name));
  if (fault == RecordFault::Unreadable) {
    return passedOver ? Format(_("the record %s cannot be read: %s; it is passed over"),
                               path.c_str(), why.c_str())
                      : Format(_("the record %s cannot be read: %s; it is kept as %s.bad"),
                               path.c_str(), why.c_str(), path.c_str());
  }
  return passedOver ? Format(_("the record %s cannot be replayed: %s; it is passed over"),
                             path.c_str(), why.c_str())
                    : Format(_("the record %s cannot be replayed: %s; it is kept as %s.bad"),
                             path.c_str(), why.c_str(), path.c_str());
}

std::vector<FolderFile> RecordsNewestFirst(const GameFolder& folder) {
  std::vector<FolderFile> files = folder.Files(kRecordSuffix);
  std::sort(files.begin(), files.end(), [](const FolderFile& a, const FolderFile& b) {
    return a.writtenNs != b.writtenNs ? a.writtenNs > b.writtenNs : a.name > b.name;
  });
  return files;
}

MatchRecorder::MatchRecorder(GameFolder matches, const Options& options,
                             std::function<void(const std::string&)> say,
                             std::function<std::string()> stamp)
    : folder_(std::move(matches)), say_(std::move(say)), stamp_(std::move(stamp)) {
  record_.options = options;
}

void MatchRecorder::QuietMoment(const Game& game) {
  if (!folder_.Usable()) return;
  if (name_.empty() && !lost_) {
    // A match kept before the story was tells no plays of its hand so far:
    // its record would replay another hand than the one played.
    if (LoggedPlays(game.playLog) != game.piles.CardsPlayed) {
      lost_ = true;
      say_(_("the match in play was kept without its hand's story; this match is not recorded"));
    } else if (!Begin(game)) {
      lost_ = true;
      say_(Format(_("the record of the match in play is not in %s; this match is not recorded"),
                  ShownPath(folder_.PathOf("")).c_str()));
    }
  }
  if (!lost_) {
    const RecordedHand hand = RecordHand(game);
    if (record_.hands.empty() || !SameDeal(record_.hands.back(), hand)) {
      record_.hands.push_back(hand);
    } else {
      record_.hands.back() = hand;
    }
    const std::string problem = KeepFile(folder_, name_, WriteRecord(record_, game.cards));
    if (!problem.empty()) say_(problem);
  }
  if (Decided(game)) {
    record_.hands.clear();
    name_.clear();
    held_ = FolderLock();
    lost_ = false;
  }
}

bool MatchRecorder::Begin(const Game& game) {
  const RecordedHand now = RecordHand(game);
  const std::vector<FolderFile> files = RecordsNewestFirst(folder_);
  for (std::size_t i = 0; i < files.size() && i < kRecordsSearched; ++i) {
    MatchRecord found;
    const std::string problem = LoadRecord(folder_, files[i].name, game.cards, found);
    if (!problem.empty()) {
      say_(problem);
      continue;
    }
    // The kept hand, usually the record's last; a run stopped between
    // keeping the match and its record leaves one hand more in the record.
    const auto kept = std::find_if(found.hands.rbegin(), found.hands.rend(),
                                   [&](const RecordedHand& h) { return SameDeal(h, now); });
    if (kept == found.hands.rend()) continue;
    found.hands.erase(kept.base(), found.hands.end());
    record_.hands = std::move(found.hands);
    if (Claim(files[i].name)) {
      name_ = files[i].name;
      return true;
    }
    // Another copy of the game goes on with the same match (kept in another
    // state folder) in that record: this one goes on in a copy of it.
    name_ = NewName();
    say_(Format(_("the record %s is being written by another copy of the game; this copy "
                  "records the match in %s"),
                ShownPath(folder_.PathOf(files[i].name)).c_str(),
                ShownPath(folder_.PathOf(name_)).c_str()));
    return true;
  }
  // A match at its first hand begins a record; a later hand without its
  // record would replay to other totals than the match's.
  if (game.match.HistoryCount != 0) return false;
  // Listed again: a damaged record may have been set aside.
  KeepNewest(RecordsNewestFirst(folder_));
  name_ = NewName();
  return true;
}

bool MatchRecorder::Claim(const std::string& name) {
  FolderLock lock;
  const std::error_code e = folder_.LockKey(kRecordsLock, name, lock);
  if (e == std::errc::operation_would_block) return false;
  // Where no lock can be had the record is written as before: a folder that
  // cannot take the lock file keeps no record either.
  held_ = std::move(lock);
  return true;
}

std::string MatchRecorder::NewName() {
  const std::string stamp = stamp_();
  // Two matches begun in one second: the second gets a number. Claimed
  // before it is looked for, so that a record another copy begins under the
  // name meanwhile is either found or refused its claim.
  for (int n = 1;; ++n) {
    const std::string name =
        (n == 1 ? stamp : stamp + "-" + std::to_string(n)) + std::string(kRecordSuffix);
    if (Claim(name) && !Listed(folder_.Files(kRecordSuffix), name)) return name;
  }
}

void MatchRecorder::KeepNewest(const std::vector<FolderFile>& files) const {
  // Room for the record about to begin.
  for (auto i = static_cast<std::size_t>(kKeptRecords - 1); i < files.size(); ++i) {
    const std::string problem = ForgetFile(folder_, files[i].name);
    if (!problem.empty()) say_(problem);
  }
}

}  // namespace verlano
