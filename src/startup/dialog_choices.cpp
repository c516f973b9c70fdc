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
  options.animation = kAnimationChoices[state.animationRow < kAnimationChoices.size()
                                            ? state.animationRow
                                            : 0]
                          .second;
  options.opponents = state.opponentsRow == 1 ? PlayerLevel::Expert : PlayerLevel::Classic;
  options.partner = state.partnerRow == 1 ? PlayerLevel::Expert : PlayerLevel::Classic;
  options.showHints = state.hintsTicked;
  options.takeOnlyCapture = state.onlyCaptureTicked;
  return options;
}

namespace {

template <typename Table, typename Value, typename Of>
std::size_t RowOf(const Table& table, Value value, Of of) {
  for (std::size_t row = 0; row < table.size(); ++row) {
    if (of(table[row]) == value) return row;
  }
  return 0;
}

}  // namespace

DialogState DialogStateFrom(const Options& options, int volume) {
  DialogState state;
  state.deckRow = RowOf(kDeckOptions, options.deck, [](const DeckOption& o) { return o.deck; });
  state.variantRow =
      RowOf(kVariantOptions, options.variant, [](const VariantOption& o) { return o.variant; });
  state.extraPointsTicked = options.extraCoinPoints && ExtraPointsAllowed(state.variantRow);
  state.animationRow = RowOf(kAnimationChoices, options.animation,
                             [](const auto& choice) { return choice.second; });
  state.opponentsRow = options.opponents == PlayerLevel::Expert ? 1 : 0;
  state.partnerRow = options.partner == PlayerLevel::Expert ? 1 : 0;
  state.hintsTicked = options.showHints;
  state.onlyCaptureTicked = options.takeOnlyCapture;
  state.volume = volume;
  return state;
}

std::string ContinueCaption(const Options& options, int we, int they) {
  const std::size_t row =
      RowOf(kVariantOptions, options.variant, [](const VariantOption& o) { return o.variant; });
  const std::string caption = _(kVariantOptions[row].caption);
  return Format(options.extraCoinPoints ? _("_Continue the match\n%s with extra points, %d to %d")
                                        : _("_Continue the match\n%s, %d to %d"),
                caption.c_str(), we, they);
}

}  // namespace verlano
