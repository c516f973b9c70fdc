#pragma once
// The coach's reasons in words: one short line for each reason the
// judgement of a play gives, translated through the game's catalogue. The
// review page, the hint and the simulator's review all say them from here,
// so a reason reads the same wherever it is shown (the tools stay English).

#include <string>

#include "engine/judgement.h"

namespace verlano {

// "takes the seven of coins", "leaves a sweep to the next seat", ...
std::string ReasonWords(engine::Reason reason);

// Points as the reviews print them, to the hundredth with the language's
// decimal separator: "0.85", "0,85" in Italian.
std::string PointsWords(double points);

// Why a play made cost what it did, for a review: its reason, or for a costly
// play with none, that the best play gains over the rest of the hand.
std::string MadeReasonWords(const engine::PlayJudgement& made);

}  // namespace verlano
