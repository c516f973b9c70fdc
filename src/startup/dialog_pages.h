#pragma once
// The five pages of the options dialog, built as GTK widgets. The deck and
// options pages hand back the controls the dialog reads when Play is pressed;
// the other pages only show text.

#include <gtk/gtk.h>

#include <array>
#include <string_view>

#include "resources/tor_pak.h"
#include "startup/dialog_choices.h"

namespace verlano {

struct DeckPage {
  GtkWidget* page = nullptr;
  std::array<GtkWidget*, kDeckOptions.size()> buttons{};  // radio buttons, one group
  GtkWidget* previews = nullptr;  // a stack with one picture per deck, named by row
};

struct OptionsPage {
  GtkWidget* page = nullptr;
  std::array<GtkWidget*, kVariantOptions.size()> variants{};  // radio buttons, one group
  GtkWidget* extraPoints = nullptr;                           // check box, usable only under Romane
  GtkWidget* extraPointsNote = nullptr;                       // greyed out with it
  std::array<GtkWidget*, kAnimationChoices.size()> animation{};  // radio buttons, one group
  // Radio buttons, one group a column; the opponents' last is "Match my level".
  std::array<GtkWidget*, kLevelOptions.size() + 1> opponents{};
  std::array<GtkWidget*, kLevelOptions.size()> partner{};
  std::array<GtkWidget*, kLevelOptions.size()> ratings{};  // labels, for the chosen variant
  GtkWidget* matchMyLevelNote = nullptr;  // the player's rating and the level it picks
  GtkWidget* volume = nullptr;            // a slider, 0 to 100 percent
  GtkWidget* hints = nullptr;             // check box
  GtkWidget* onlyCapture = nullptr;       // check box
  GtkWidget* holdTable = nullptr;         // check box
  GtkWidget* takeBacks = nullptr;         // check box
};

// `pak` holds the archive's directory, or nothing when it could not be read:
// the previews then say why instead of showing a card.
DeckPage BuildDeckPage(const torPAK& pak);
OptionsPage BuildOptionsPage();
GtkWidget* BuildKeysPage();
// A read-only, scrollable, word-wrapped text.
GtkWidget* BuildTextPage(std::string_view text);

}  // namespace verlano
