#include "game/judgement_words.h"

#include "i18n/translate.h"

namespace verlano {

std::string ReasonWords(engine::Reason reason) {
  using engine::Reason;
  // Drawn at the table with its bitmap fonts, hence the context.
  switch (reason) {
    case Reason::None:
      break;
    case Reason::TakesSevenOfCoins:
      return P_("table", "takes the seven of coins");
    case Reason::LeavesSevenOfCoins:
      return P_("table", "leaves the seven of coins to the other side");
    case Reason::Sweeps:
      return P_("table", "sweeps the table");
    case Reason::MissesSweep:
      return P_("table", "misses a sweep");
    case Reason::LeavesNoSweep:
      return P_("table", "leaves the next seat no sweep");
    case Reason::LeavesSweep:
      return P_("table", "leaves a sweep to the next seat");
    case Reason::TakesCoins:
      return P_("table", "takes more coins");
    case Reason::GivesUpCoins:
      return P_("table", "gives up coins");
    case Reason::KeepsSevens:
      return P_("table", "keeps the primiera's sevens");
    case Reason::GivesUpSevens:
      return P_("table", "gives up the primiera's sevens");
    case Reason::TakesMoreCards:
      return P_("table", "takes more cards");
    case Reason::TakesFewerCards:
      return P_("table", "takes fewer cards");
    case Reason::KeepsLastCapture:
      return P_("table", "keeps the last capture");
    case Reason::GivesUpLastCapture:
      return P_("table", "gives up the last capture");
  }
  return P_("table", "nothing stands out");
}

}  // namespace verlano
