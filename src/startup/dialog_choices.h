#pragma once
// The choices the options dialog offers, in the order it shows them, and the
// mapping from what is selected in it to the game's `Options`. Free of GTK, so
// the mapping is tested without a display. The decks keep their names in
// every language; the variants' and the other captions and the notes are
// marked for translation and translated where the dialog shows them.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

#include "i18n/translate.h"
#include "memory/statistics.h"
#include "rules/level_names.h"
#include "rules/settings.h"

namespace verlano {

struct DeckOption {
  std::string_view caption;
  std::string_view note;
  DeckChoice deck;
  std::string_view previewEntry;  // the archive entry of the card shown beside it
};

inline constexpr std::array<DeckOption, 3> kDeckOptions = {{
    {"Trevigiano",
     N_("Latin-suited deck drawn for Verlano: rosette coins, goblets, knotty cudgels and straight "
        "swords, with page, knight and king, on a gold lattice back."),
     DeckChoice::Trevigiano, "Trevigiano_KD.BMP"},
    {"Trent",
     N_("Latin-suited deck drawn for Verlano: sun coins, lidded chalices, banded staves and "
        "sabres, "
        "with page, knight and king, on a green back with a coin medallion."),
     DeckChoice::Trentino, "Trent_KD.BMP"},
    {"Royal",
     N_("French-suited deck drawn for Verlano: diamonds, hearts, clubs and spades, with "
        "double-headed jack, queen and king, on a red back with rings."),
     DeckChoice::Royal, "Royal_KD.BMP"},
}};

// A choice with its caption and the line that explains it.
template <typename Value>
struct NotedChoice {
  std::string_view caption;
  std::string_view note;
  Value value;
};

using VariantOption = NotedChoice<Variant>;

inline constexpr std::array<VariantOption, 4> kVariantOptions = {{
    {N_("Verlano 9 cards"), N_("4 cards open in initial layout, 9 to each player."), Variant::Nine},
    {N_("10 cards Napoletane"), N_("All cards are dealt to players. Naples rules (4 points)."),
     Variant::Napoletane},
    {N_("10 cards Umbria and Marche"), N_("Verlano Scientifico with 5 points to score."),
     Variant::UmbriaMarche},
    {N_("10 cards Romane"), N_("Roma rules of Verlano Scientifico (13 points to score)."),
     Variant::Romane},
}};

inline constexpr std::string_view kExtraPointsCaption = N_("Punti per piu Dinari e Rebello");
inline constexpr std::string_view kExtraPointsNote =
    N_("Village variant with extra points for the King of Coins and the most of Coins (for a "
       "total of 15 points).");
inline constexpr std::string_view kAnimationCaption = N_("Animation:");
// The animation speeds, in the order the dialog shows them.
inline constexpr std::array<std::pair<std::string_view, AnimationSpeed>, 3> kAnimationChoices = {{
    {N_("Normal"), AnimationSpeed::Normal},
    {N_("Slow"), AnimationSpeed::Slow},
    {N_("Fast"), AnimationSpeed::Fast},
}};

// The computer players' levels, weakest first as the dialog shows them, each
// with a line on how it plays (its rating stands beside it: rules/level_ratings.h).
using LevelOption = NotedChoice<PlayerLevel>;

inline constexpr std::array<LevelOption, 5> kLevelOptions = {{
    {LevelCaption(PlayerLevel::Beginner), N_("Forgets cards, misses sums, takes greedily."),
     PlayerLevel::Beginner},
    {LevelCaption(PlayerLevel::Classic), N_("Weighs each card and capture one play ahead."),
     PlayerLevel::Classic},
    {LevelCaption(PlayerLevel::Strong), N_("Tries its best few plays in imagined deals."),
     PlayerLevel::Strong},
    {LevelCaption(PlayerLevel::Expert), N_("Tries a dozen plays in many imagined deals."),
     PlayerLevel::Expert},
    {LevelCaption(PlayerLevel::Master), N_("As Expert, then many more deals on its best."),
     PlayerLevel::Master},
}};
// The Opponents column has one row more, after the levels.
inline constexpr std::size_t kMatchMyLevelRow = kLevelOptions.size();
inline constexpr std::string_view kMatchMyLevelCaption = N_("Match my level");
inline constexpr std::string_view kMatchMyLevelNote =
    N_("Each new match, the level nearest your rating.");
inline constexpr std::string_view kOpponentsCaption = N_("Opponents:");
inline constexpr std::string_view kPartnerCaption = N_("Partner:");
inline constexpr std::string_view kVolumeCaption = N_("Volume:");
inline constexpr std::string_view kAnimationNote =
    N_("Slow: slower and finer card animation. Fast: the cards fly and the table pauses in half "
       "the time.");

// Help for a learner, both off unless ticked.
inline constexpr std::string_view kHintsCaption = N_("Show hints");
inline constexpr std::string_view kHintsNote =
    N_("When your card can take, the table cards it may take are outlined; on your turn, hold H "
       "to see the play the Expert player would make.");
inline constexpr std::string_view kOnlyCaptureCaption = N_("Take the only capture automatically");
inline constexpr std::string_view kOnlyCaptureNote =
    N_("When your card can take only one set of cards, they are taken without clicks.");
inline constexpr std::string_view kHoldTableCaption = N_("Keep the last table until I click");
inline constexpr std::string_view kHoldTableNote =
    N_("At the end of a hand the table stays as it was left until you click or press Return; "
       "then the score page shows.");
inline constexpr std::string_view kTakeBacksCaption = N_("Allow take-backs");
inline constexpr std::string_view kTakeBacksNote =
    N_("Press U to take back your last play of the hand, as often as you like; a match with a "
       "take-back is counted apart and leaves your rating alone.");

// What the dialog's controls hold: the row of the chosen deck and variant in
// the tables above, the ticks and the players' levels.
struct DialogState {
  std::size_t deckRow = 0;
  std::size_t variantRow = 0;
  bool extraPointsTicked = false;
  std::size_t animationRow = 0;  // in kAnimationChoices
  std::size_t opponentsRow = 1;  // in kLevelOptions, or kMatchMyLevelRow
  std::size_t partnerRow = 1;    // in kLevelOptions
  int volume = 100;              // the Options tab's slider, percent
  bool continueMatch = false;    // "Continue the match" rather than Play
  bool hintsTicked = false;
  bool onlyCaptureTicked = false;
  bool holdTableTicked = false;
  bool takeBacksTicked = false;
};

// The dialog's controls set as `options` ask, to open with the last ones played.
DialogState DialogStateFrom(const Options& options, int volume);

// "Continue the match" with what the dialog shows of it: "Verlano 9 cards,
// 12 to 8" (the variant's caption, our total, theirs).
std::string ContinueCaption(const Options& options, int we, int they);

// "10 cards Romane extra": the variant's caption in the player's language,
// with the extra points when the match has them.
std::string VariantWords(const Options& options);

// A level's rating in the chosen variant as the dialog shows it: "1500".
std::string LevelRatingText(PlayerLevel level, std::size_t variantRow, bool extraPointsTicked);

// "Match my level"'s line in the chosen variant, before Play: the player's
// rating there and the level Play would pick, then how it picks.
std::string MatchMyLevelNote(const Statistics& stats, std::size_t variantRow,
                             bool extraPointsTicked);

// The extra coin points belong to the Romane variant only.
bool ExtraPointsAllowed(std::size_t variantRow);

// The options Play hands over. A row outside its table counts as the first
// row (Classic for the levels), and the extra-points tick counts only where
// it is allowed. "Match my level" hands over Classic opponents with the
// choice marked: the player's rating decides them when the match starts.
Options OptionsFromDialog(const DialogState& state);

}  // namespace verlano
