#include "startup/dialog_choices.h"

namespace verlano {

bool ExtraPointsAllowed(std::size_t variantRow) {
  return variantRow < kVariantOptions.size() &&
         kVariantOptions[variantRow].variant == Variant::Romane;
}

Options OptionsFromDialog(const DialogState& state) {
  const std::size_t deckRow = state.deckRow < kDeckOptions.size() ? state.deckRow : 0;
  const std::size_t variantRow = state.variantRow < kVariantOptions.size() ? state.variantRow : 0;
  Options options;
  options.deck = kDeckOptions[deckRow].deck;
  options.variant = kVariantOptions[variantRow].variant;
  options.extraCoinPoints = state.extraPointsTicked && ExtraPointsAllowed(variantRow);
  options.slowAnimation = state.slowTicked;
  options.opponents = state.opponentsRow == 1 ? PlayerLevel::Expert : PlayerLevel::Classic;
  options.partner = state.partnerRow == 1 ? PlayerLevel::Expert : PlayerLevel::Classic;
  options.showHints = state.hintsTicked;
  options.takeOnlyCapture = state.onlyCaptureTicked;
  return options;
}

}  // namespace verlano
