#include "rules/play_state.h"

namespace verlano {

const char* StateName(PlayState state) {
  switch (state) {
    case PlayState::DealingCards:
      return "DEALING CARDS";
    case PlayState::Deal2:
      return "DEAL 2";
    case PlayState::RevealDeal:
      return "REVEAL DEAL";
    case PlayState::Paused:
      return "PAUSED";
    case PlayState::NormalPlay:
      return "NORMAL PLAY";
    case PlayState::WeGettingCardsGathering:
      return "WE ARE GETTING CARDS - GOTHERING";
    case PlayState::TheyGettingCardsGathering:
      return "THEY ARE GETTING CARDS - GOTHERING";
    case PlayState::WeGettingDrevGathering:
      return "WE ARE GETTING DREV - GOTHERING";
    case PlayState::TheyGettingDrevGathering:
      return "THEY ARE GETTING DREV - GOTHERING";
    case PlayState::WeGettingCards:
      return "WE ARE GETTING CARDS";
    case PlayState::TheyGettingCards:
      return "THEY ARE GETTING CARDS";
    case PlayState::WeGettingDrev:
      return "WE ARE GETTING DREV";
    case PlayState::TheyGettingDrev:
      return "THEY ARE GETTING DREV";
    case PlayState::OurRemainders:
      return "OUR REMAINDERS";
    case PlayState::TheirRemainders:
      return "THEIR REMAINDERS";
    case PlayState::GatherAroundFirstCard:
      return "GOTHER AROUND FIRST CARD";
    case PlayState::SpreadAheadFirstCard:
      return "SPREAD AHEAD FIRST CARD";
    case PlayState::EndOfMatch:
      return "END OF MATCH";
  }
  return "";
}

}  // namespace verlano
