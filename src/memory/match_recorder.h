#pragma once
// The game's own records of its matches, in the matches folder beside the
// statistics: one file a match, `match-YYYYMMDD-HHMMSS.rec` from the time it
// began (the simulator numbers them instead), written whole at every quiet moment, so a match left
// at any point is recorded up to the player's last turn. A match continued from its file goes on in
// the record it began (the newest whose last hand is the one kept), unless another copy of the game
// writes that record (the same match continued from another state folder): it then goes on in a
// copy, said in one line. Only the newest `kKeptRecords` records are kept. A record that cannot be
// read is passed over with one line and kept aside. A match kept without its hand's story
// (an older file) continued mid-hand is not recorded.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "memory/game_folder.h"
#include "memory/match_record.h"
#include "rules/game.h"

namespace verlano {

inline constexpr int kKeptRecords = 200;
inline constexpr std::string_view kRecordSuffix = ".rec";

// "match-YYYYMMDD-HHMMSS" of the time now, in UTC.
std::string TimeStamp();

class MatchRecorder {
 public:
  // `options`: the match's; `say` takes each one-line problem; `stamp` names
  // a match as it begins (a number is added when the name is taken).
  MatchRecorder(GameFolder matches, const Options& options,
                std::function<void(const std::string&)> say,
                std::function<std::string()> stamp = TimeStamp);

  // Records the match as it stands at a quiet moment (the human's turn or a
  // hand's end); a decided match's record is finished, and the next quiet
  // moment begins another. A recorder's first moment is a match's first, or
  // the moment a continued match was kept at.
  void QuietMoment(const Game& game);

 private:
  // At the first quiet moment of a match: the record it continues, or a new
  // one for a match at its first hand; false when neither (its record lost).
  bool Begin(const Game& game);
  // Takes the record `name` for this run (its lock, held until the match is
  // decided); false when another copy of the game writes it.
  bool Claim(const std::string& name);
  // A name, from the match's stamp, that no record has, claimed.
  std::string NewName();
  // Removes all but the newest records of `files`, leaving room for one more.
  void KeepNewest(const std::vector<FolderFile>& files) const;

  GameFolder folder_;
  std::function<void(const std::string&)> say_;
  std::function<std::string()> stamp_;
  MatchRecord record_;
  std::string name_;   // the record's file; empty until the match's first quiet moment
  FolderLock held_;    // the record's lock: never two copies of the game write one record
  bool lost_ = false;  // a continued match whose record was not found is not recorded
};

// Why a record is refused: its text cannot be read, or it holds a play the
// rules do not allow.
enum class RecordFault { Unreadable, Impossible };

// Keeps the record `name` of `folder` aside as NAME.bad; the one-line
// message saying why (`why`) and where it now is (or that it is passed over
// when even that fails).
std::string SetRecordAside(const GameFolder& folder, const std::string& name, RecordFault fault,
                           const std::string& why);

// Reads the record `name` of `folder`; "" or the one-line reason it cannot
// be read, the record then kept aside as NAME.bad (or passed over when even
// that fails).
std::string LoadRecord(const GameFolder& folder, const std::string& name, const CardTables& cards,
                       MatchRecord& record);

// The records of the folder, newest first.
std::vector<FolderFile> RecordsNewestFirst(const GameFolder& folder);

}  // namespace verlano
