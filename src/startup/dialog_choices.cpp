#include "startup/dialog_choices.h"

#include "memory/player_rating.h"
#include "rules/level_ratings.h"

namespace verlano {

namespace {

PlayerLevel LevelInRow(std::size_t row) {
  return row < kLevelOptions.size() ? kLevelOptions[row].value : PlayerLevel::Classic;
}

}  // namespace

bool ExtraPointsAllowed(std::size_t variantRow) {
  return variantRow < kVariantOptions.size() &&
         kVariantOptions[variantRow].value == Variant::Romane;
}

Options OptionsFromDialog(const DialogState& state) {
  const std::size_t deckRow = state.deckRow < kDeckOptions.size() ? state.deckRow : 0;
  const std::size_t variantRow = state.variantRow < kVariantOptions.size() ? state.variantRow : 0;
  Options options;
  options.deck = kDeckOptions[deckRow].deck;
  options.variant = kVariantOptions[variantRow].value;
  options.extraCoinPoints = state.extraPointsTicked && ExtraPointsAllowed(variantRow);
  options.animation =
      kAnimationChoices[state.animationRow < kAnimationChoices.size() ? state.animationRow : 0]
          .second;
  options.opponents = LevelInRow(state.opponentsRow);
  options.matchMyLevel = state.opponentsRow == kMatchMyLevelRow;
  options.partner = LevelInRow(state.partnerRow);
  options.showHints = state.hintsTicked;
  options.takeOnlyCapture = state.onlyCaptureTicked;
  options.holdLastTable = state.holdTableTicked;
  options.allowTakeBacks = state.takeBacksTicked;
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
      RowOf(kVariantOptions, options.variant, [](const VariantOption& o) { return o.value; });
  state.extraPointsTicked = options.extraCoinPoints && ExtraPointsAllowed(state.variantRow);
  state.animationRow =
      RowOf(kAnimationChoices, options.animation, [](const auto& choice) { return choice.second; });
  const auto levelOf = [](const LevelOption& o) { return o.value; };
  state.opponentsRow =
      options.matchMyLevel ? kMatchMyLevelRow : RowOf(kLevelOptions, options.opponents, levelOf);
  state.partnerRow = RowOf(kLevelOptions, options.partner, levelOf);
  state.hintsTicked = options.showHints;
  state.onlyCaptureTicked = options.takeOnlyCapture;
  state.holdTableTicked = options.holdLastTable;
  state.takeBacksTicked = options.allowTakeBacks;
  state.volume = volume;
  return state;
}

namespace {

// The variant chosen, as Play hands it over: what the ratings depend on.
Options VariantChosen(std::size_t variantRow, bool extraPointsTicked) {
  DialogState state;
  state.variantRow = variantRow;
  state.extraPointsTicked = extraPointsTicked;
  return OptionsFromDialog(state);
}

}  // namespace

std::string LevelRatingText(PlayerLevel level, std::size_t variantRow, bool extraPointsTicked) {
  const Options variant = VariantChosen(variantRow, extraPointsTicked);
  return std::to_string(LevelRating(level, variant.variant, variant.extraCoinPoints));
}

std::string MatchMyLevelNote(const Statistics& stats, std::size_t variantRow,
                             bool extraPointsTicked) {
  const Options variant = VariantChosen(variantRow, extraPointsTicked);
  const std::string level = _(LevelCaption(LevelNearPlayer(stats, variant)));
  const std::optional<PlayerRating> rating = RatingOf(stats, variant);
  const std::string now =
      rating
          ? Format(_("Your rating in this variant: %d, so %s now."), rating->rating, level.c_str())
          : Format(_("No rating in this variant yet, so %s now."), level.c_str());
  return now + " " + _(kMatchMyLevelNote);
}

std::string VariantWords(const Options& options) {
  const std::size_t row =
      RowOf(kVariantOptions, options.variant, [](const VariantOption& o) { return o.value; });
  return _(kVariantOptions[row].caption) + (options.extraCoinPoints ? _(" extra") : "");
}

std::string ContinueCaption(const Options& options, int we, int they) {
  const std::size_t row =
      RowOf(kVariantOptions, options.variant, [](const VariantOption& o) { return o.value; });
  const std::string caption = _(kVariantOptions[row].caption);
  return Format(options.extraCoinPoints ? _("_Continue the match\n%s with extra points, %d to %d")
                                        : _("_Continue the match\n%s, %d to %d"),
                caption.c_str(), we, they);
}

}  // namespace verlano
