#pragma once
// The review of the player's plays of the hand just over, on a panel over
// the score page (V opens and closes it): one row a play, the plays that gave
// up most first, each with the card played and what it took, the points it
// gave up, the play the coach judged best when it was another, and the
// reason in a line; then the hand's total and the match's so far. While the
// judgements are being made it says so. The game fills the sheet
// (game/hand_review.h); this draws it and changes nothing.

#include <array>
#include <string>
#include <vector>

#include "platform/screen.h"
#include "render/resource_slots.h"
#include "rules/piles.h"

namespace verlano {

struct Game;

inline constexpr int kReviewTaken = kMostTakenCards;

// A play as its cards: the one played and the table cards it took.
struct ReviewCards {
  int Card = -1;
  std::array<int, kReviewTaken> Taken{};
  int TakenCount = 0;
  bool operator==(const ReviewCards&) const = default;
};

struct ReviewRow {
  ReviewCards Played;
  ReviewCards Best;  // Card -1 when the play made was judged best
  double GivenUp = 0;
  std::string Reason;  // in the player's language
  bool operator==(const ReviewRow&) const = default;
};

struct ReviewSheet {
  bool Open = false;
  bool Ready = false;  // the judgements are made
  std::vector<ReviewRow> Rows;
  double HandGivenUp = 0;
  double MatchGivenUp = 0;
  int HandsReviewed = 0;  // hands of this match the match's total adds up
  bool operator==(const ReviewSheet&) const = default;
};

// The panel the review lies on, over the score page.
Rect ReviewPanel(const Game& game);
// Where the k-th row lies on it.
Rect ReviewRowRect(const Game& game, int k);

void DrawReviewSheet(const Game& game, const ReviewSheet& sheet, ResourceSlots& slots,
                     Screen& screen);

}  // namespace verlano
