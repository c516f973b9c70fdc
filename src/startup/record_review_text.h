#pragma once
// What the review of a recorded match says in the player's language, for the
// window the Statistics tab opens: a line for each record in its list (when
// it began, the variant and level, how it stands), card names in words as
// the match's deck calls them, and the review itself, each hand's plays
// costliest first with what was better and why. Free of GTK, so the words are
// tested without a display.

#include <string>
#include <string_view>

#include "memory/match_record.h"
#include "memory/record_review.h"
#include "memory/record_walk.h"
#include "rules/cards.h"

namespace verlano {

// "7 of coins", "knight of cups"; the Royal deck's cards by its own names
// ("queen of hearts").
std::string CardWords(const CardTables& cards, int card, DeckChoice deck);

// "2026-12-08 14:20" in local time from a record named
// "match-20261208-142035.rec" by the time it began (in UTC); any other name
// as it is, without its ".rec".
std::string RecordTime(std::string_view name);

// The list's line for a record: "2026-12-08 14:20  10 cards Romane, opponents
// Expert: won 11 to 7, 6 hands".
std::string RecordCaption(std::string_view name, const MatchRecord& record,
                          const RecordOutcome& outcome);

// The review of the player's plays of `record`, as the window shows it.
std::string ReviewText(const MatchRecord& record, const RecordReview& review,
                       const CardTables& cards);

}  // namespace verlano
