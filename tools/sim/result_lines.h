#pragma once
// The lines `play` prints for each hand and each match, which `replay` prints
// too, so that a recorded match replayed reads as it did when it was played.

#include <ostream>

#include "rules/scoring.h"

namespace verlano::sim {

struct HandLine {
  int match = 0;  // counted from 1
  int hand = 0;   // counted from 1 in its match
  const HandScore& score;
  int ourCards = 0;
  int theirCards = 0;
  int ourTotal = 0;
  int theirTotal = 0;
};

void PrintHandLine(std::ostream& out, const HandLine& line);

void PrintMatchLine(std::ostream& out, int match, bool won, int hands, int ourTotal,
                    int theirTotal);

}  // namespace verlano::sim
