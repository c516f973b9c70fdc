#pragma once
// The two rules questions `verlano-sim` answers, one input line to one output
// line. `choose`: which card and capture the computer player picks in a given
// position. `score`: the hand score of two sides' taken cards. Other tools read
// these lines, so their formats are fixed.

#include <string>
#include <string_view>

namespace verlano::sim {

struct Answer {
  std::string text;  // the output line, "error: <reason>" for a malformed line
  bool ok = true;
};

// "variant=V hand=C,... table=C,... played=v:n,... out=C,..." (played and out
// may be left out) -> "P N T1 ... TN S".
Answer AnswerChoose(std::string_view line);

// "variant=V we=C,... they=C,... wesweeps=N theysweeps=N" (sweeps may be left
// out) -> both sides' score items, WE then " | " then THEY.
Answer AnswerScore(std::string_view line);

}  // namespace verlano::sim
