#include "startup/dialog_pages.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "i18n/translate.h"
#include "startup/deck_preview.h"
#include "startup/dialog_texts.h"

namespace verlano {

namespace {

constexpr int kNoteIndent = 26;  // lines a note up with its option's caption

GtkWidget* PageBox() {
  GtkWidget* box = gtk_box_new(GTK_ORIENTATION_VERTICAL, 4);
  gtk_container_set_border_width(GTK_CONTAINER(box), 12);
  return box;
}

GtkWidget* TextLabel(std::string_view text, int indent) {
  GtkWidget* label = gtk_label_new(std::string(text).c_str());
  gtk_label_set_line_wrap(GTK_LABEL(label), TRUE);
  gtk_label_set_max_width_chars(GTK_LABEL(label), 58);
  gtk_label_set_xalign(GTK_LABEL(label), 0.0f);
  gtk_widget_set_margin_start(label, indent);
  return label;
}

// The grey explanation under an option, with room before the next option.
GtkWidget* AddNote(GtkWidget* box, std::string_view text, int indent) {
  GtkWidget* note = TextLabel(text, indent);
  gtk_style_context_add_class(gtk_widget_get_style_context(note), GTK_STYLE_CLASS_DIM_LABEL);
  gtk_widget_set_margin_bottom(note, 2);
  gtk_box_pack_start(GTK_BOX(box), note, FALSE, FALSE, 0);
  return note;
}

GtkWidget* AddRadio(GtkWidget* box, GtkWidget* groupMember, std::string_view caption) {
  GtkWidget* button = gtk_radio_button_new_with_label_from_widget(
      groupMember != nullptr ? GTK_RADIO_BUTTON(groupMember) : nullptr,
      std::string(caption).c_str());
  gtk_box_pack_start(GTK_BOX(box), button, FALSE, FALSE, 0);
  return button;
}

GtkWidget* AddCheck(GtkWidget* box, std::string_view caption, int indent) {
  GtkWidget* check = gtk_check_button_new_with_label(std::string(caption).c_str());
  gtk_widget_set_margin_start(check, indent);
  gtk_box_pack_start(GTK_BOX(box), check, FALSE, FALSE, 0);
  return check;
}

// "Animation:  (o) Normal  ( ) Slow  ( ) Fast" on one line, the first chosen.
template <std::size_t N>
void AddChoiceRow(GtkWidget* box, std::string_view caption,
                  const std::array<std::string_view, N>& captions,
                  std::array<GtkWidget*, N>& buttons) {
  GtkWidget* row = gtk_box_new(GTK_ORIENTATION_HORIZONTAL, 12);
  GtkWidget* label = gtk_label_new(_(caption).c_str());
  gtk_widget_set_size_request(label, 90, -1);
  gtk_label_set_xalign(GTK_LABEL(label), 0.0f);
  gtk_box_pack_start(GTK_BOX(row), label, FALSE, FALSE, 0);
  for (std::size_t i = 0; i < N; ++i) buttons[i] = AddRadio(row, buttons[0], _(captions[i]));
  gtk_box_pack_start(GTK_BOX(box), row, FALSE, FALSE, 0);
}

GtkWidget* DimLabel(std::string_view text) {
  GtkWidget* label = TextLabel(text, 0);
  gtk_label_set_max_width_chars(GTK_LABEL(label), 42);
  gtk_style_context_add_class(gtk_widget_get_style_context(label), GTK_STYLE_CLASS_DIM_LABEL);
  return label;
}

GtkWidget* GridRadio(GtkWidget* grid, GtkWidget* groupMember, int column, int row) {
  GtkWidget* button = gtk_radio_button_new_from_widget(
      groupMember != nullptr ? GTK_RADIO_BUTTON(groupMember) : nullptr);
  gtk_widget_set_halign(button, GTK_ALIGN_CENTER);
  gtk_grid_attach(GTK_GRID(grid), button, column, row, 1, 1);
  return button;
}

// The levels as a table: a column of radio buttons for the opponents and one
// for the partner, then each level's name, its rating and how it plays;
// "Match my level" under them, for the opponents alone, its line filled in
// for the chosen variant.
void AddLevelTable(GtkWidget* box, OptionsPage& options) {
  GtkWidget* grid = gtk_grid_new();
  gtk_grid_set_column_spacing(GTK_GRID(grid), 10);
  gtk_grid_set_row_spacing(GTK_GRID(grid), 2);
  gtk_grid_attach(GTK_GRID(grid), TextLabel(_(kOpponentsCaption), 0), 0, 0, 1, 1);
  gtk_grid_attach(GTK_GRID(grid), TextLabel(_(kPartnerCaption), 0), 1, 0, 1, 1);
  gtk_grid_attach(GTK_GRID(grid), TextLabel(_("Rating"), 0), 3, 0, 1, 1);
  for (std::size_t i = 0; i <= kLevelOptions.size(); ++i) {
    const int row = static_cast<int>(i) + 1;
    options.opponents[i] = GridRadio(grid, options.opponents[0], 0, row);
    const bool level = i < kLevelOptions.size();
    gtk_grid_attach(GTK_GRID(grid),
                    TextLabel(_(level ? kLevelOptions[i].caption : kMatchMyLevelCaption), 0), 2,
                    row, level ? 1 : 2, 1);
    GtkWidget* note = DimLabel(level ? _(kLevelOptions[i].note) : "");
    gtk_grid_attach(GTK_GRID(grid), note, 4, row, 1, 1);
    if (!level) {
      options.matchMyLevelNote = note;
      continue;
    }
    options.partner[i] = GridRadio(grid, options.partner[0], 1, row);
    options.ratings[i] = TextLabel("", 0);
    gtk_grid_attach(GTK_GRID(grid), options.ratings[i], 3, row, 1, 1);
  }
  gtk_box_pack_start(GTK_BOX(box), grid, FALSE, FALSE, 4);
}

// The wheel over the slider scrolls the page, as over any other line of it;
// the slider takes the wheel only once it has the keys (clicked or tabbed
// to), so scrolling through the page never changes the volume.
gboolean WheelOnlyWithFocus(GtkWidget* slider, GdkEvent*, gpointer) {
  if (!gtk_widget_has_focus(slider)) g_signal_stop_emission_by_name(slider, "scroll-event");
  return FALSE;  // unhandled: stopped here, it goes on to the scrolled page
}

// "Volume:  ----o----" on one line, lined up with the level rows.
GtkWidget* AddVolumeRow(GtkWidget* box) {
  GtkWidget* row = gtk_box_new(GTK_ORIENTATION_HORIZONTAL, 12);
  GtkWidget* label = gtk_label_new(_(kVolumeCaption).c_str());
  gtk_widget_set_size_request(label, 90, -1);
  gtk_label_set_xalign(GTK_LABEL(label), 0.0f);
  gtk_box_pack_start(GTK_BOX(row), label, FALSE, FALSE, 0);
  GtkWidget* slider = gtk_scale_new_with_range(GTK_ORIENTATION_HORIZONTAL, 0, 100, 5);
  gtk_scale_set_value_pos(GTK_SCALE(slider), GTK_POS_RIGHT);
  gtk_scale_set_digits(GTK_SCALE(slider), 0);
  gtk_widget_set_size_request(slider, 220, -1);
  g_signal_connect(slider, "scroll-event", G_CALLBACK(WheelOnlyWithFocus), nullptr);
  gtk_box_pack_start(GTK_BOX(row), slider, FALSE, FALSE, 0);
  gtk_box_pack_start(GTK_BOX(box), row, FALSE, FALSE, 0);
  return slider;
}

GtkWidget* PreviewOf(const torPAK& pak, std::string_view entryName) {
  std::string error;
  const OwnedPixbuf picture = LoadDeckPreview(pak, entryName, error);
  if (!picture) {
    // Keep the page's width: a short caption, the reason on hovering.
    GtkWidget* missing = TextLabel(_("No preview"), 0);
    gtk_label_set_max_width_chars(GTK_LABEL(missing), 12);
    gtk_widget_set_tooltip_text(missing, error.c_str());
    return missing;
  }
  return gtk_image_new_from_pixbuf(picture.get());  // the image takes its own reference
}

// Lines in capitals are the headings of the text: set in bold.
void FillWithHeadings(GtkTextBuffer* buffer, std::string_view text) {
  GtkTextTag* bold = gtk_text_buffer_create_tag(buffer, nullptr, "weight", PANGO_WEIGHT_BOLD,
                                                "pixels-above-lines", 6, nullptr);
  GtkTextIter end;
  while (!text.empty()) {
    const std::size_t cut = text.find('\n');
    const std::string_view line = text.substr(0, cut);
    const bool heading = !line.empty() && std::none_of(line.begin(), line.end(), [](char c) {
      return std::islower(static_cast<unsigned char>(c));
    });
    gtk_text_buffer_get_end_iter(buffer, &end);
    const std::string withBreak = std::string(line) + (cut == std::string_view::npos ? "" : "\n");
    // The tag list ends at the first null: a plain line gets no tag.
    gtk_text_buffer_insert_with_tags(buffer, &end, withBreak.data(),
                                     static_cast<gint>(withBreak.size()), heading ? bold : nullptr,
                                     nullptr);
    text = cut == std::string_view::npos ? std::string_view() : text.substr(cut + 1);
  }
}

}  // namespace

DeckPage BuildDeckPage(const torPAK& pak) {
  DeckPage deck;
  deck.page = gtk_box_new(GTK_ORIENTATION_HORIZONTAL, 12);
  GtkWidget* choices = PageBox();
  gtk_box_pack_start(GTK_BOX(deck.page), choices, TRUE, TRUE, 0);
  deck.previews = gtk_stack_new();
  gtk_widget_set_margin_end(deck.previews, 20);
  gtk_widget_set_valign(deck.previews, GTK_ALIGN_CENTER);
  gtk_box_pack_start(GTK_BOX(deck.page), deck.previews, FALSE, FALSE, 0);
  for (std::size_t row = 0; row < kDeckOptions.size(); ++row) {
    const DeckOption& option = kDeckOptions[row];
    deck.buttons[row] = AddRadio(choices, deck.buttons[0], option.caption);
    AddNote(choices, _(option.note), kNoteIndent);
    gtk_stack_add_named(GTK_STACK(deck.previews), PreviewOf(pak, option.previewEntry),
                        std::to_string(row).c_str());
  }
  return deck;
}

OptionsPage BuildOptionsPage() {
  OptionsPage options;
  options.page = PageBox();
  for (std::size_t row = 0; row < kVariantOptions.size(); ++row) {
    const VariantOption& variant = kVariantOptions[row];
    options.variants[row] = AddRadio(options.page, options.variants[0], _(variant.caption));
    AddNote(options.page, _(variant.note), kNoteIndent);
  }
  // The extra points belong to Romane, the last variant: indented under it.
  options.extraPoints = AddCheck(options.page, _(kExtraPointsCaption), kNoteIndent);
  options.extraPointsNote = AddNote(options.page, _(kExtraPointsNote), 2 * kNoteIndent);
  std::array<std::string_view, kAnimationChoices.size()> speeds{};
  for (std::size_t i = 0; i < speeds.size(); ++i) speeds[i] = kAnimationChoices[i].first;
  AddChoiceRow(options.page, kAnimationCaption, speeds, options.animation);
  AddNote(options.page, _(kAnimationNote), kNoteIndent);
  AddLevelTable(options.page, options);
  options.volume = AddVolumeRow(options.page);
  // Below the rows above, so their places in the page stay as they were.
  options.hints = AddCheck(options.page, _(kHintsCaption), 0);
  AddNote(options.page, _(kHintsNote), kNoteIndent);
  options.onlyCapture = AddCheck(options.page, _(kOnlyCaptureCaption), 0);
  AddNote(options.page, _(kOnlyCaptureNote), kNoteIndent);
  options.holdTable = AddCheck(options.page, _(kHoldTableCaption), 0);
  AddNote(options.page, _(kHoldTableNote), kNoteIndent);
  options.takeBacks = AddCheck(options.page, _(kTakeBacksCaption), 0);
  AddNote(options.page, _(kTakeBacksNote), kNoteIndent);
  return options;
}

GtkWidget* BuildKeysPage() {
  GtkWidget* page = PageBox();
  gtk_box_set_spacing(GTK_BOX(page), 14);
  for (std::string_view help : kKeyHelp) {
    gtk_box_pack_start(GTK_BOX(page), TextLabel(_(help), 0), FALSE, FALSE, 0);
  }
  return page;
}

GtkWidget* BuildTextPage(std::string_view text) {
  GtkWidget* view = gtk_text_view_new();
  gtk_text_view_set_editable(GTK_TEXT_VIEW(view), FALSE);
  gtk_text_view_set_cursor_visible(GTK_TEXT_VIEW(view), FALSE);
  gtk_text_view_set_wrap_mode(GTK_TEXT_VIEW(view), GTK_WRAP_WORD);
  gtk_text_view_set_left_margin(GTK_TEXT_VIEW(view), 10);
  gtk_text_view_set_right_margin(GTK_TEXT_VIEW(view), 10);
  gtk_text_view_set_top_margin(GTK_TEXT_VIEW(view), 8);
  gtk_text_view_set_pixels_below_lines(GTK_TEXT_VIEW(view), 4);
  FillWithHeadings(gtk_text_view_get_buffer(GTK_TEXT_VIEW(view)), text);
  GtkWidget* scroller = gtk_scrolled_window_new(nullptr, nullptr);
  // A scroll bar always in sight tells a newcomer there is more to read.
  gtk_scrolled_window_set_overlay_scrolling(GTK_SCROLLED_WINDOW(scroller), FALSE);
  gtk_scrolled_window_set_policy(GTK_SCROLLED_WINDOW(scroller), GTK_POLICY_NEVER,
                                 GTK_POLICY_AUTOMATIC);
  gtk_container_add(GTK_CONTAINER(scroller), view);
  gtk_container_set_border_width(GTK_CONTAINER(scroller), 8);
  return scroller;
}

}  // namespace verlano
