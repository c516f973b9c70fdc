#include "game/judgement_words.h"

#include "i18n/decimal_words.h"
#include "i18n/translate.h"

namespace verlano {

std::string ReasonWords(engine::Reason reason) {
  using engine::Reason;
  // Drawn with the table's small font, on the review page and beside a hint.
  switch (reason) {
    case Reason::None:
      break;
    case Reason::TakesSevenOfCoins:
      return P_("coach", "takes the seven of coins");
    case Reason::LeavesSevenOfCoins:
      return P_("coach", "leaves the seven of coins to the other side");
    case Reason::Sweeps:
      return P_("coach", "sweeps the table");
    case Reason::MissesSweep:
      return P_("coach", "misses a sweep");
    case Reason::LeavesNoSweep:
      return P_("coach", "leaves the next seat no sweep");
    case Reason::LeavesSweep:
      return P_("coach", "leaves a sweep to the next seat");
    case Reason::TakesCoins:
      return P_("coach", "takes more coins");
    case Reason::GivesUpCoins:
      return P_("coach", "gives up coins");
    case Reason::KeepsSevens:
      return P_("coach", "keeps the primiera's sevens");
    case Reason::GivesUpSevens:
      return P_("coach", "gives up the primiera's sevens");
    case Reason::TakesMoreCards:
      return P_("coach", "takes more cards");
    case Reason::TakesFewerCards:
      return P_("coach", "takes fewer cards");
    case Reason::KeepsLastCapture:
      return P_("coach", "keeps the last capture");
    case Reason::GivesUpLastCapture:
      return P_("coach", "gives up the last capture");
  }
  return P_("coach", "nothing stands out");
}

std::string PointsWords(double points) {
  return DecimalWords(points, 2);
}

std::string MadeReasonWords(const engine::PlayJudgement& made) {
  // A costly play with no one item to blame lost its points over the rest of the hand.
  return made.givenUp > 0 && made.reason == engine::Reason::None
             ? P_("coach", "the best play does better later in the hand")
             : ReasonWords(made.reason);
}

}  // namespace verlano
