#pragma once
// The dialog's sixth tab, "Statistics": the player's rating in each variant
// played to a match's end, the player's record as a table, one row per
// variant and opponents' level played, a line for a damaged file, Reset,
// which the dialog asks about before it clears anything, and the button that
// opens the review of a recorded match.

#include <gtk/gtk.h>

#include <string>

#include "memory/statistics.h"

namespace verlano {

struct StatisticsPage {
  GtkWidget* page = nullptr;
  GtkWidget* table = nullptr;  // a grid, refilled by ShowStatistics
  GtkWidget* note = nullptr;
  GtkWidget* ratings = nullptr;  // a line a rated variant, hidden while none is
  GtkWidget* reset = nullptr;
  GtkWidget* review = nullptr;  // opens the review of a recorded match
};

StatisticsPage BuildStatisticsPage();

// Fills the table; `note` (a damaged file, a failed reset) shows above it.
void ShowStatistics(StatisticsPage& page, const Statistics& stats, const std::string& note);

}  // namespace verlano
