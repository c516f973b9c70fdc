#pragma once
// The choices the options dialog offers, in the order it shows them, and the
// mapping from what is selected in it to the game's `Options`. Free of GTK, so
// the mapping is tested without a display.

#include <array>
#include <cstddef>
#include <string_view>

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
     "Latin-suited deck drawn for Verlano: rosette coins, goblets, knotty cudgels and straight "
     "swords, with page, knight and king, on a gold lattice back.",
     DeckChoice::Trevigiano, "Trevigiano_KD.BMP"},
    {"Trent",
     "Latin-suited deck drawn for Verlano: sun coins, lidded chalices, banded staves and sabres, "
     "with page, knight and king, on a green back with a coin medallion.",
     DeckChoice::Trentino, "Trent_KD.BMP"},
    {"Royal",
     "French-suited deck drawn for Verlano: diamonds, hearts, clubs and spades, with "
     "double-headed jack, queen and king, on a red back with rings.",
     DeckChoice::Royal, "Royal_KD.BMP"},
}};

struct VariantOption {
  std::string_view caption;
  std::string_view note;
  Variant variant;
};

inline constexpr std::array<VariantOption, 4> kVariantOptions = {{
    {"Verlano 9 cards", "4 cards open in initial layout, 9 to each player.", Variant::Nine},
    {"10 cards Napoletane", "All cards are dealt to players. Naples rules (4 points).",
     Variant::Napoletane},
    {"10 cards Umbria and Marche", "Verlano Scientifico with 5 points to score.",
     Variant::UmbriaMarche},
    {"10 cards Romane", "Roma rules of Verlano Scientifico (13 points to score).", Variant::Romane},
}};

inline constexpr std::string_view kExtraPointsCaption = "Punti per piu Dinari e Rebello";
inline constexpr std::string_view kExtraPointsNote =
    "Village variant with extra points for the King of Coins and the most of Coins (for a total "
    "of 15 points).";
inline constexpr std::string_view kSlowCaption = "Slow animation";

// The computer players' levels, in the order the dialog shows them.
inline constexpr std::array<std::string_view, 2> kLevelCaptions = {"Classic", "Expert"};
inline constexpr std::string_view kOpponentsCaption = "Opponents:";
inline constexpr std::string_view kPartnerCaption = "Partner:";
inline constexpr std::string_view kSlowNote = "Click for slower and finer card animation.";

// Help for a learner, both off unless ticked.
inline constexpr std::string_view kHintsCaption = "Show hints";
inline constexpr std::string_view kHintsNote =
    "When your card can take, the table cards it may take are outlined; on your turn, hold H to "
    "see the play the Expert player would make.";
inline constexpr std::string_view kOnlyCaptureCaption = "Take the only capture automatically";
inline constexpr std::string_view kOnlyCaptureNote =
    "When your card can take only one set of cards, they are taken without clicks.";

// What the dialog's controls hold: the row of the chosen deck and variant in
// the tables above, the ticks and the players' levels.
struct DialogState {
  std::size_t deckRow = 0;
  std::size_t variantRow = 0;
  bool extraPointsTicked = false;
  bool slowTicked = false;
  std::size_t opponentsRow = 0;  // in kLevelCaptions
  std::size_t partnerRow = 0;
  bool hintsTicked = false;
  bool onlyCaptureTicked = false;
};

// The extra coin points belong to the Romane variant only.
bool ExtraPointsAllowed(std::size_t variantRow);

// The options Play hands over. A row outside its table counts as the first
// row, and the extra-points tick counts only where it is allowed.
Options OptionsFromDialog(const DialogState& state);

}  // namespace verlano
