#pragma once
// The table as the hand's last play left it. By the time the hand is over its
// remainder has gone to the last taker's pile, so the hand's end keeps this
// copy (game/hand_end_view.h): the last table held on show is drawn from it,
// and the story's last line says where its cards went. No rule reads it.

#include <vector>

#include "rules/piles.h"

namespace verlano {

struct LastTable {
  std::vector<CardSprite> Cards = {};  // the table's cards as they lay, in drawing order
  int RestSide = -1;                   // kSideWe or kSideThey took them; -1 before the hand's end
  bool operator==(const LastTable&) const = default;
};

}  // namespace verlano
