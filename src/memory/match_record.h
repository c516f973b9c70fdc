#pragma once
// A match as it was played, to look back on and to replay: the options that
// decide the play, and for each hand the shuffled pack (top card first), the
// seat that led and every play in order (the seat, the card, the table cards
// it took). A text file in the player's files' own form, one line a play.
// Reading checks the form only (cards of the pack, seats, counts within the
// hand's reach); whether the plays were legal is the replay's to say.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "rules/cards.h"
#include "rules/game.h"
#include "rules/piles.h"
#include "rules/settings.h"

namespace verlano {

inline constexpr std::string_view kRecordHeader = "verlano-record 1";
inline constexpr int kRecordPackCards = 40;
inline constexpr int kRecordMaxTaken = kMostTakenCards;  // as many as the rules let a capture take
inline constexpr int kRecordMaxPlays = 40;               // the whole pack played
inline constexpr int kRecordMaxHands = 500;              // far more than any match lasts

struct RecordedPlay {
  int seat = 0;
  int card = -1;
  int takenCount = 0;
  std::array<int, kRecordMaxTaken> taken{};
};

struct RecordedHand {
  int leader = 0;
  std::array<int, kRecordPackCards> pack{};
  int playCount = 0;
  std::array<RecordedPlay, kRecordMaxPlays> plays{};
};

struct MatchRecord {
  Options options;
  std::vector<RecordedHand> hands;
};

// The hand just played, as the game dealt it (its shuffle and leader) and
// as its story tells the plays.
RecordedHand RecordHand(const Game& game);

std::string WriteRecord(const MatchRecord& record, const CardTables& cards);

// The record, or a RecordError saying in one line what is wrong with it.
MatchRecord ReadRecord(std::string_view text, const CardTables& cards);

}  // namespace verlano
