#include "startup/record_review_window.h"

#include <iostream>

#include "i18n/translate.h"
#include "memory/record_list.h"
#include "startup/record_review_text.h"

namespace verlano {

namespace {

constexpr guint kPollMs = 50;
constexpr int kPlayerSeat = 0;

}  // namespace

RecordReviewWindow::RecordReviewWindow(GtkWindow* parent, GameFolder matches)
    : folder_(std::move(matches)), window_(gtk_window_new(GTK_WINDOW_TOPLEVEL)) {
  BuildCardNames(cards_);
  GtkWindow* window = GTK_WINDOW(window_.get());
  gtk_window_set_title(window, _("Review a recorded match"));
  gtk_window_set_transient_for(window, parent);
  gtk_window_set_modal(window, TRUE);
  gtk_window_set_default_size(window, 640, 460);
  gtk_window_set_position(window, GTK_WIN_POS_CENTER_ON_PARENT);
  g_signal_connect(window_.get(), "delete-event", G_CALLBACK(OnClose), this);
  g_signal_connect(window_.get(), "key-press-event", G_CALLBACK(OnKey), this);

  GtkWidget* layout = gtk_box_new(GTK_ORIENTATION_VERTICAL, 8);
  gtk_container_set_border_width(GTK_CONTAINER(layout), 10);
  GtkWidget* row = gtk_box_new(GTK_ORIENTATION_HORIZONTAL, 8);
  GtkWidget* label = gtk_label_new_with_mnemonic(_("_Match:"));
  list_ = gtk_combo_box_text_new();
  gtk_label_set_mnemonic_widget(GTK_LABEL(label), list_);
  gtk_box_pack_start(GTK_BOX(row), label, FALSE, FALSE, 0);
  gtk_box_pack_start(GTK_BOX(row), list_, TRUE, TRUE, 0);
  gtk_box_pack_start(GTK_BOX(layout), row, FALSE, FALSE, 0);
  note_ = gtk_label_new(nullptr);
  gtk_label_set_line_wrap(GTK_LABEL(note_), TRUE);
  gtk_label_set_line_wrap_mode(GTK_LABEL(note_), PANGO_WRAP_WORD_CHAR);
  gtk_label_set_xalign(GTK_LABEL(note_), 0.0f);
  gtk_box_pack_start(GTK_BOX(layout), note_, FALSE, FALSE, 0);
  text_ = gtk_text_view_new();
  gtk_text_view_set_editable(GTK_TEXT_VIEW(text_), FALSE);
  gtk_text_view_set_cursor_visible(GTK_TEXT_VIEW(text_), FALSE);
  gtk_text_view_set_wrap_mode(GTK_TEXT_VIEW(text_), GTK_WRAP_WORD);
  gtk_text_view_set_left_margin(GTK_TEXT_VIEW(text_), 6);
  GtkWidget* scroller = gtk_scrolled_window_new(nullptr, nullptr);
  gtk_scrolled_window_set_policy(GTK_SCROLLED_WINDOW(scroller), GTK_POLICY_NEVER,
                                 GTK_POLICY_AUTOMATIC);
  gtk_container_add(GTK_CONTAINER(scroller), text_);
  gtk_box_pack_start(GTK_BOX(layout), scroller, TRUE, TRUE, 0);
  GtkWidget* close = gtk_button_new_with_mnemonic(_("_Close"));
  gtk_widget_set_halign(close, GTK_ALIGN_END);
  gtk_widget_set_size_request(close, 90, 34);
  g_signal_connect(close, "clicked", G_CALLBACK(OnCloseButton), this);
  gtk_box_pack_start(GTK_BOX(layout), close, FALSE, FALSE, 0);
  gtk_container_add(GTK_CONTAINER(window_.get()), layout);
  g_signal_connect(list_, "changed", G_CALLBACK(OnChosen), this);
}

RecordReviewWindow::~RecordReviewWindow() {
  // The worker ends after the play it weighs; the job's owner joins it.
  stop_ = true;
  if (poll_ != 0) g_source_remove(poll_);
}

void RecordReviewWindow::Show() {
  List();
  gtk_widget_show_all(window_.get());
  gtk_widget_set_visible(note_, gtk_label_get_text(GTK_LABEL(note_))[0] != '\0');
  gtk_window_present(GTK_WINDOW(window_.get()));
  if (records_.empty()) {
    ShowText(_("No match is recorded yet. Each match you play is recorded as it goes, and the "
               "last 200 are kept."));
    return;
  }
  gtk_combo_box_set_active(GTK_COMBO_BOX(list_), 0);
}

void RecordReviewWindow::List() {
  // Emptied first, so no choice stands while the list is rebuilt.
  gtk_combo_box_text_remove_all(GTK_COMBO_BOX_TEXT(list_));
  records_.clear();
  std::string notes;
  auto note = [&notes](const std::string& line) {
    std::cerr << "verlano: " << line << '\n';
    notes += (notes.empty() ? "" : "\n") + line;
  };
  for (ListedRecord& listed : ListRecords(folder_, cards_, note)) {
    gtk_combo_box_text_append_text(
        GTK_COMBO_BOX_TEXT(list_),
        RecordCaption(listed.name, listed.record, listed.outcome).c_str());
    records_.push_back(std::move(listed.record));
  }
  gtk_label_set_text(GTK_LABEL(note_), notes.c_str());
}

void RecordReviewWindow::OnChosen(GtkWidget*, gpointer self) {
  static_cast<RecordReviewWindow*>(self)->StartChosen();
}

void RecordReviewWindow::StartChosen() {
  const int chosen = gtk_combo_box_get_active(GTK_COMBO_BOX(list_));
  if (chosen < 0 || static_cast<std::size_t>(chosen) >= records_.size()) return;
  const MatchRecord& record = records_[static_cast<std::size_t>(chosen)];
  ShowText(Format(_("Weighing your plays in %d hands..."), static_cast<int>(record.hands.size())));
  if (job_.Started()) {
    // The review under way stops after its play; the poll then starts this one.
    stop_ = true;
    pending_ = true;
    return;
  }
  stop_ = false;
  pending_ = false;
  job_.Start([this, record] {
    Reviewed reviewed;
    reviewed.record = record;
    engine::Judge judge;
    reviewed.fault = ReviewRecord(record, kPlayerSeat, judge, reviewed.review, &stop_);
    return reviewed;
  });
  if (poll_ == 0) poll_ = g_timeout_add(kPollMs, OnPoll, this);
}

gboolean RecordReviewWindow::OnPoll(gpointer self) {
  auto* window = static_cast<RecordReviewWindow*>(self);
  std::optional<Reviewed> done = window->job_.Take();
  if (!done) return G_SOURCE_CONTINUE;
  if (window->pending_) {
    window->StartChosen();
    return G_SOURCE_CONTINUE;
  }
  window->poll_ = 0;
  if (window->stop_) return G_SOURCE_REMOVE;  // closed meanwhile
  std::string text = ReviewText(done->record, done->review, window->cards_);
  if (!done->fault.empty()) {
    text += Format(_("The record stops here: %s"), done->fault.c_str()) + "\n";
  }
  window->ShowText(text);
  return G_SOURCE_REMOVE;
}

void RecordReviewWindow::ShowText(const std::string& text) {
  gtk_text_buffer_set_text(gtk_text_view_get_buffer(GTK_TEXT_VIEW(text_)), text.c_str(), -1);
}

void RecordReviewWindow::Hide() {
  stop_ = true;
  pending_ = false;
  gtk_widget_hide(window_.get());
}

gboolean RecordReviewWindow::OnClose(GtkWidget*, GdkEvent*, gpointer self) {
  static_cast<RecordReviewWindow*>(self)->Hide();
  return TRUE;  // kept for the next time it is opened
}

gboolean RecordReviewWindow::OnKey(GtkWidget*, GdkEventKey* key, gpointer self) {
  if (key->keyval != GDK_KEY_Escape) return FALSE;
  static_cast<RecordReviewWindow*>(self)->Hide();
  return TRUE;
}

void RecordReviewWindow::OnCloseButton(GtkWidget*, gpointer self) {
  static_cast<RecordReviewWindow*>(self)->Hide();
}

}  // namespace verlano
