#include "startup/statistics_page.h"

#include <array>

#include "i18n/translate.h"
#include "memory/player_rating.h"
#include "startup/dialog_choices.h"

namespace verlano {

namespace {

// The win rate stands beside the matches won ("3 (75%)") and the points as
// ours to theirs ("124-98"), so that the page keeps the dialog's width.
constexpr std::array<const char*, 9> kHeadings = {N_("Variant, opponents"),
                                                  N_("Played"),
                                                  N_("Won"),
                                                  N_("Lost"),
                                                  N_("Hands"),
                                                  N_("Sweeps"),
                                                  N_("Points"),
                                                  N_("Best streak"),
                                                  N_("Now")};

GtkWidget* Cell(const std::string& text, bool heading) {
  GtkWidget* label = gtk_label_new(nullptr);
  if (heading) {
    gchar* markup = g_markup_printf_escaped("<b>%s</b>", text.c_str());
    gtk_label_set_markup(GTK_LABEL(label), markup);
    g_free(markup);
  } else {
    gtk_label_set_text(GTK_LABEL(label), text.c_str());
  }
  gtk_label_set_xalign(GTK_LABEL(label), 0.0f);
  gtk_label_set_yalign(GTK_LABEL(label), 0.0f);
  // Headings and the rows' names break between words, so that nine columns
  // fit the dialog's width in either language.
  gtk_label_set_line_wrap(GTK_LABEL(label), TRUE);
  gtk_label_set_max_width_chars(GTK_LABEL(label), heading ? 8 : 16);
  return label;
}

// "Your rating in 10 cards Romane: 1620; matches it rests on: 12", a line
// for each variant with a finished match, then the lines of `apart`.
void ShowRatings(StatisticsPage& page, const Statistics& stats, const std::string& apart) {
  std::string lines;
  for (std::size_t row = 0; row < kVariantOptions.size(); ++row) {
    const VariantOption& variant = kVariantOptions[row];
    for (const bool extra : {false, true}) {
      if (extra && !ExtraPointsAllowed(row)) continue;
      Options options;
      options.variant = variant.value;
      options.extraCoinPoints = extra;
      const std::optional<PlayerRating> rating = RatingOf(stats, options);
      if (!rating) continue;
      const std::string name = VariantWords(options);
      lines +=
          (lines.empty() ? "" : "\n") + Format(_("Your rating in %s: %d; matches it rests on: %d"),
                                               name.c_str(), rating->rating, rating->matches);
    }
  }
  if (!apart.empty()) lines += (lines.empty() ? "" : "\n") + apart;
  gtk_label_set_text(GTK_LABEL(page.ratings), lines.c_str());
  gtk_widget_set_visible(page.ratings, !lines.empty());
}

}  // namespace

StatisticsPage BuildStatisticsPage() {
  StatisticsPage page;
  page.page = gtk_box_new(GTK_ORIENTATION_VERTICAL, 8);
  gtk_container_set_border_width(GTK_CONTAINER(page.page), 12);
  page.note = gtk_label_new(nullptr);
  gtk_label_set_line_wrap(GTK_LABEL(page.note), TRUE);
  // A long path in a note breaks anywhere rather than widen the dialog.
  gtk_label_set_line_wrap_mode(GTK_LABEL(page.note), PANGO_WRAP_WORD_CHAR);
  gtk_label_set_max_width_chars(GTK_LABEL(page.note), 58);
  gtk_label_set_xalign(GTK_LABEL(page.note), 0.0f);
  gtk_box_pack_start(GTK_BOX(page.page), page.note, FALSE, FALSE, 0);
  page.ratings = gtk_label_new(nullptr);
  gtk_label_set_xalign(GTK_LABEL(page.ratings), 0.0f);
  gtk_box_pack_start(GTK_BOX(page.page), page.ratings, FALSE, FALSE, 0);
  page.table = gtk_grid_new();
  gtk_grid_set_column_spacing(GTK_GRID(page.table), 10);
  gtk_grid_set_row_spacing(GTK_GRID(page.table), 4);
  gtk_box_pack_start(GTK_BOX(page.page), page.table, FALSE, FALSE, 0);
  GtkWidget* buttons = gtk_box_new(GTK_ORIENTATION_HORIZONTAL, 8);
  page.reset = gtk_button_new_with_mnemonic(_("_Reset the statistics..."));
  page.review = gtk_button_new_with_mnemonic(_("Re_view a recorded match..."));
  gtk_box_pack_start(GTK_BOX(buttons), page.reset, FALSE, FALSE, 0);
  gtk_box_pack_start(GTK_BOX(buttons), page.review, FALSE, FALSE, 0);
  gtk_box_pack_end(GTK_BOX(page.page), buttons, FALSE, FALSE, 0);
  return page;
}

void ShowStatistics(StatisticsPage& page, const Statistics& stats, const std::string& note) {
  GList* children = gtk_container_get_children(GTK_CONTAINER(page.table));
  for (GList* child = children; child != nullptr; child = child->next) {
    gtk_widget_destroy(GTK_WIDGET(child->data));
  }
  g_list_free(children);
  for (std::size_t c = 0; c < kHeadings.size(); ++c) {
    gtk_grid_attach(GTK_GRID(page.table), Cell(_(kHeadings[c]), true), static_cast<int>(c), 0, 1,
                    1);
  }
  int row = 1;
  std::string apart;  // the matches with take-backs, a line for each row that has some
  for (const VariantOption& variant : kVariantOptions) {
    for (const bool extra : {false, true}) {
      if (extra &&
          !ExtraPointsAllowed(static_cast<std::size_t>(&variant - kVariantOptions.data()))) {
        continue;
      }
      for (const LevelOption& level : kLevelOptions) {
        Options options;
        options.variant = variant.value;
        options.extraCoinPoints = extra;
        options.opponents = level.value;
        const auto it = stats.rows.find(StatisticsKey(options));
        if (it == stats.rows.end()) continue;
        const StatisticsRow& r = it->second;
        const std::string name = VariantWords(options) + ", " + _(level.caption);
        const int percent = WinPercent(r);
        const std::array<std::string, kHeadings.size()> cells = {
            name,
            std::to_string(r.played),
            std::to_string(r.won) + (percent < 0 ? "" : " (" + std::to_string(percent) + "%)"),
            std::to_string(r.lost),
            std::to_string(r.hands),
            std::to_string(r.sweeps),
            std::to_string(r.pointsFor) + "-" + std::to_string(r.pointsAgainst),
            std::to_string(r.bestStreak),
            std::to_string(r.streak)};
        for (std::size_t c = 0; c < cells.size(); ++c) {
          gtk_grid_attach(GTK_GRID(page.table), Cell(cells[c], false), static_cast<int>(c), row, 1,
                          1);
        }
        ++row;
        if (r.takenBackPlayed == 0) continue;
        if (!apart.empty()) apart += '\n';
        apart += Format(_("Matches with take-backs, %s: %d played, %d won, %d lost"), name.c_str(),
                        r.takenBackPlayed, r.takenBackWon, r.takenBackLost);
      }
    }
  }
  ShowRatings(page, stats, apart);
  std::string shown = note;
  if (row == 1) shown += std::string(shown.empty() ? "" : "\n") + _("No hand counted yet.");
  gtk_label_set_text(GTK_LABEL(page.note), shown.c_str());
  gtk_widget_set_visible(page.note, !shown.empty());
  gtk_widget_set_sensitive(page.reset, row > 1);
  gtk_widget_show_all(page.table);
}

}  // namespace verlano
