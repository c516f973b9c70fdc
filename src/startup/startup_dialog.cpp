#include "startup/startup_dialog.h"

#include <algorithm>
#include <string>

#include "i18n/translate.h"
#include "platform/quit_signal.h"
#include "startup/dialog_texts.h"
#include "startup/error_box.h"
#include "startup/program_args.h"
#include "startup/question_box.h"

namespace verlano {

namespace {

// How often it tries the lock another copy of the game holds.
constexpr guint kLockWatchMs = 50;

constexpr const char* kRequirement =
    N_("Requires an X11 or Wayland desktop with SDL 2; sound is optional.");

template <std::size_t N>
std::size_t ActiveRow(const std::array<GtkWidget*, N>& buttons) {
  for (std::size_t row = 0; row < N; ++row) {
    if (gtk_toggle_button_get_active(GTK_TOGGLE_BUTTON(buttons[row]))) return row;
  }
  return 0;
}

// Each page scrolls, so the dialog keeps its size (and fits a 640x480
// screen) whatever the length of a page's text or the desktop's font.
void AddTab(GtkWidget* notebook, GtkWidget* page, const char* title) {
  if (GTK_IS_SCROLLED_WINDOW(page)) {
    gtk_notebook_append_page(GTK_NOTEBOOK(notebook), page, gtk_label_new(title));
    return;
  }
  GtkWidget* scroller = gtk_scrolled_window_new(nullptr, nullptr);
  gtk_scrolled_window_set_policy(GTK_SCROLLED_WINDOW(scroller), GTK_POLICY_NEVER,
                                 GTK_POLICY_AUTOMATIC);
  // A page longer than the dialog shows its scroll bar: the help options
  // lie below the fold of the Options tab.
  gtk_scrolled_window_set_overlay_scrolling(GTK_SCROLLED_WINDOW(scroller), FALSE);
  gtk_container_add(GTK_CONTAINER(scroller), page);
  gtk_notebook_append_page(GTK_NOTEBOOK(notebook), scroller, gtk_label_new(title));
}

}  // namespace

StartupDialog::StartupDialog(const std::string& archivePath, DialogMemory memory)
    : window_(gtk_window_new(GTK_WINDOW_TOPLEVEL)), memory_(std::move(memory)) {
  std::string ignored;  // a missing archive shows in the previews, and is reported at Play
  (void)pak_.OpenQ2Pak(archivePath, ignored);
  GtkWindow* window = GTK_WINDOW(window_.get());
  gtk_window_set_title(window, "Verlano");
  gtk_window_set_icon_name(window, "org.verlano.Verlano");
  gtk_window_set_modal(window, TRUE);
  gtk_window_set_resizable(window, FALSE);
  gtk_window_set_position(window, GTK_WIN_POS_CENTER);
  g_signal_connect(window_.get(), "delete-event", G_CALLBACK(OnCloseBox), this);
  g_signal_connect(window_.get(), "key-press-event", G_CALLBACK(OnKey), this);

  deck_ = BuildDeckPage(pak_);
  options_ = BuildOptionsPage();
  GtkWidget* notebook = gtk_notebook_new();
  // Wide enough for the footer's line beside the buttons and the statistics' nine columns.
  gtk_widget_set_size_request(notebook, 620, 370);
  AddTab(notebook, deck_.page, _("Deck"));
  AddTab(notebook, BuildKeysPage(), _("Keys"));
  AddTab(notebook, BuildTextPage(_(kRulesText)), _("Rules"));
  AddTab(notebook, BuildTextPage(_(kCreditsText)), _("Credits"));
  AddTab(notebook, options_.page, _("Options"));
  statistics_ = BuildStatisticsPage();
  AddTab(notebook, statistics_.page, _("Statistics"));
  g_signal_connect(statistics_.reset, "clicked", G_CALLBACK(OnReset), this);
  g_signal_connect(statistics_.review, "clicked", G_CALLBACK(OnReview), this);

  GtkWidget* layout = gtk_box_new(GTK_ORIENTATION_VERTICAL, 8);
  gtk_container_set_border_width(GTK_CONTAINER(layout), 10);
  gtk_box_pack_start(GTK_BOX(layout), notebook, TRUE, TRUE, 0);
  gtk_box_pack_start(GTK_BOX(layout), BuildButtonRow(), FALSE, FALSE, 0);
  gtk_container_add(GTK_CONTAINER(window_.get()), layout);

  for (GtkWidget* button : deck_.buttons) {
    g_signal_connect(button, "toggled", G_CALLBACK(OnDeckToggled), this);
  }
  for (GtkWidget* button : options_.variants) {
    g_signal_connect(button, "toggled", G_CALLBACK(OnVariantToggled), this);
  }
  g_signal_connect(options_.extraPoints, "toggled", G_CALLBACK(OnExtraPointsToggled), this);
  Open(memory_.opening);
}

void StartupDialog::Open(const DialogState& state) {
  auto tick = [](GtkWidget* button, bool on) {
    gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(button), on ? TRUE : FALSE);
  };
  tick(deck_.buttons[std::min(state.deckRow, deck_.buttons.size() - 1)], true);
  tick(options_.variants[std::min(state.variantRow, options_.variants.size() - 1)], true);
  UpdateExtraPoints();
  tick(options_.extraPoints, state.extraPointsTicked);
  ShowLevelRatings();
  tick(options_.animation[std::min(state.animationRow, options_.animation.size() - 1)], true);
  tick(options_.opponents[std::min(state.opponentsRow, options_.opponents.size() - 1)], true);
  tick(options_.partner[std::min(state.partnerRow, options_.partner.size() - 1)], true);
  tick(options_.hints, state.hintsTicked);
  tick(options_.onlyCapture, state.onlyCaptureTicked);
  tick(options_.holdTable, state.holdTableTicked);
  tick(options_.takeBacks, state.takeBacksTicked);
  gtk_range_set_value(GTK_RANGE(options_.volume), state.volume);
  ShowChosenPreview();
  ShowStatistics(statistics_, memory_.statistics, memory_.notes);
}

GtkWidget* StartupDialog::BuildButtonRow() {
  GtkWidget* row = gtk_box_new(GTK_ORIENTATION_HORIZONTAL, 8);
  GtkWidget* facts = gtk_box_new(GTK_ORIENTATION_VERTICAL, 2);
  const std::string version = Format(_("Version %s"), std::string(ProgramVersion()).c_str());
  // A damaged file of the player's is said where the requirement stands,
  // in two lines at most (all of it on hovering), so the dialog keeps its size.
  // Beside "Continue the match" the requirement gives way, so the dialog
  // still fits a 640-pixel screen.
  const char* second = !memory_.notes.empty()            ? memory_.notes.c_str()
                       : memory_.continueCaption.empty() ? _(kRequirement)
                                                         : "";
  for (const char* text : {version.c_str(), second}) {
    if (*text == '\0') continue;
    GtkWidget* label = gtk_label_new(text);
    gtk_label_set_xalign(GTK_LABEL(label), 0.0f);
    // Wrapped on a narrow screen or with a large font, so Exit and Play stay in sight.
    gtk_label_set_line_wrap(GTK_LABEL(label), TRUE);
    // A long path in a note breaks anywhere rather than widen the dialog.
    gtk_label_set_line_wrap_mode(GTK_LABEL(label), PANGO_WRAP_WORD_CHAR);
    gtk_label_set_max_width_chars(GTK_LABEL(label), 40);
    if (text == memory_.notes.c_str()) {
      gtk_label_set_lines(GTK_LABEL(label), 2);
      gtk_label_set_ellipsize(GTK_LABEL(label), PANGO_ELLIPSIZE_END);
      gtk_widget_set_tooltip_text(label, text);
    } else {
      gtk_style_context_add_class(gtk_widget_get_style_context(label), GTK_STYLE_CLASS_DIM_LABEL);
    }
    gtk_box_pack_start(GTK_BOX(facts), label, FALSE, FALSE, 0);
  }
  gtk_box_pack_start(GTK_BOX(row), facts, TRUE, TRUE, 0);

  GtkWidget* exit = gtk_button_new_with_mnemonic(_("E_xit"));
  play_ = gtk_button_new_with_mnemonic(_("_Play"));
  // Left of Exit, so that Exit and Play keep their places with or without it.
  if (!memory_.continueCaption.empty()) {
    resume_ = gtk_button_new_with_mnemonic(memory_.continueCaption.c_str());
    gtk_widget_set_valign(resume_, GTK_ALIGN_CENTER);
    g_signal_connect(resume_, "clicked", G_CALLBACK(OnContinue), this);
    gtk_box_pack_start(GTK_BOX(row), resume_, FALSE, FALSE, 0);
  }
  gtk_widget_set_size_request(exit, 90, 34);
  gtk_widget_set_size_request(play_, 90, 34);
  gtk_widget_set_valign(exit, GTK_ALIGN_CENTER);
  gtk_widget_set_valign(play_, GTK_ALIGN_CENTER);
  g_signal_connect(exit, "clicked", G_CALLBACK(OnExit), this);
  g_signal_connect(play_, "clicked", G_CALLBACK(OnPlay), this);
  gtk_box_pack_start(GTK_BOX(row), exit, FALSE, FALSE, 0);
  gtk_box_pack_start(GTK_BOX(row), play_, FALSE, FALSE, 0);
  return row;
}

std::optional<DialogState> StartupDialog::Run() {
  // Return presses the default, which starts with the focus and is drawn as
  // the suggested button: Continue when a match is kept (Play would give it
  // up), else Play.
  GtkWidget* first = resume_ != nullptr ? resume_ : play_;
  gtk_style_context_add_class(gtk_widget_get_style_context(first),
                              GTK_STYLE_CLASS_SUGGESTED_ACTION);
  gtk_widget_show_all(window_.get());
  gtk_widget_set_can_default(first, TRUE);
  gtk_window_set_default(GTK_WINDOW(window_.get()), first);
  gtk_widget_grab_focus(first);
  const guint watch = g_timeout_add(kQuitSignalPollMs, OnSignalWatch, this);
  gtk_main();
  g_source_remove(watch);
  if (!playPressed_) return std::nullopt;
  return Selected();
}

bool StartupDialog::WaitForLock(const std::function<bool()>& tryTake) {
  // Play is pressed already; Exit stays live so the player can give up.
  gtk_widget_set_sensitive(play_, FALSE);
  gtk_button_set_label(GTK_BUTTON(play_), _("Waiting..."));
  gtk_widget_set_tooltip_text(play_, _("Another copy of Verlano is loading from this folder"));
  tryLock_ = &tryTake;
  lockTaken_ = false;
  const guint watch = g_timeout_add(kLockWatchMs, OnLockWatch, this);
  gtk_main();
  g_source_remove(watch);
  tryLock_ = nullptr;
  return lockTaken_;
}

gboolean StartupDialog::OnLockWatch(gpointer self) {
  auto* dialog = static_cast<StartupDialog*>(self);
  dialog->lockTaken_ = QuitSignalReceived() == 0 && (*dialog->tryLock_)();
  if (dialog->lockTaken_ || QuitSignalReceived() != 0) gtk_main_quit();
  return G_SOURCE_CONTINUE;
}

void StartupDialog::ShowError(const std::string& message) {
  ShowErrorBox(GTK_WINDOW(window_.get()), _("The game cannot start"), message);
}

void StartupDialog::Close() {
  reviews_.reset();
  if (!window_) return;
  gtk_widget_hide(window_.get());
  window_.reset();
  while (gtk_events_pending()) gtk_main_iteration();
  gdk_display_sync(gdk_display_get_default());
}

void StartupDialog::OnPlay(GtkWidget*, gpointer self) {
  auto* dialog = static_cast<StartupDialog*>(self);
  if (dialog->resume_ != nullptr && !dialog->GiveUpKeptMatch()) return;
  dialog->Finish(true);
}

bool StartupDialog::GiveUpKeptMatch() {
  const KeptScore& score = memory_.keptScore;
  return AskBeforeLosing(
      GTK_WINDOW(window_.get()),
      {Format(_("Give up the match at %d to %d?"), score.we, score.they),
       _("Play starts a new match, and the kept one is gone: it counts as played, neither won "
         "nor lost, and ends the winning streak of its variant and opponents."),
       _("_No"), _("_Yes")});
}

void StartupDialog::OnContinue(GtkWidget*, gpointer self) {
  auto* dialog = static_cast<StartupDialog*>(self);
  dialog->continuePressed_ = true;
  dialog->Finish(true);
}

void StartupDialog::OnReset(GtkWidget*, gpointer self) {
  auto* dialog = static_cast<StartupDialog*>(self);
  if (!AskBeforeLosing(GTK_WINDOW(dialog->window_.get()),
                       {_("Reset the statistics?"),
                        _("Every match, hand and streak counted so far is forgotten."),
                        _("_Cancel"), _("_Reset")})) {
    return;
  }
  const std::string problem =
      dialog->memory_.resetStatistics ? dialog->memory_.resetStatistics() : std::string();
  if (problem.empty()) dialog->memory_.statistics = Statistics{};
  ShowStatistics(dialog->statistics_, dialog->memory_.statistics, problem);
  dialog->ShowLevelRatings();
}

void StartupDialog::OnReview(GtkWidget*, gpointer self) {
  auto* dialog = static_cast<StartupDialog*>(self);
  if (!dialog->reviews_) {
    dialog->reviews_ = std::make_unique<RecordReviewWindow>(GTK_WINDOW(dialog->window_.get()),
                                                            dialog->memory_.matches);
  }
  dialog->reviews_->Show();
}

void StartupDialog::OnExit(GtkWidget*, gpointer self) {
  static_cast<StartupDialog*>(self)->Finish(false);
}

gboolean StartupDialog::OnSignalWatch(gpointer self) {
  if (QuitSignalReceived() != 0) static_cast<StartupDialog*>(self)->Finish(false);
  return G_SOURCE_CONTINUE;
}

gboolean StartupDialog::OnCloseBox(GtkWidget*, GdkEvent*, gpointer self) {
  static_cast<StartupDialog*>(self)->Finish(false);
  return TRUE;  // the dialog's owner destroys the window, not GTK
}

gboolean StartupDialog::OnKey(GtkWidget*, GdkEventKey* key, gpointer self) {
  // Escape leaves the dialog as Exit does, as it leaves the table.
  if (key->keyval != GDK_KEY_Escape) return FALSE;
  static_cast<StartupDialog*>(self)->Finish(false);
  return TRUE;
}

void StartupDialog::OnDeckToggled(GtkWidget*, gpointer self) {
  static_cast<StartupDialog*>(self)->ShowChosenPreview();
}

void StartupDialog::OnVariantToggled(GtkWidget*, gpointer self) {
  static_cast<StartupDialog*>(self)->UpdateExtraPoints();
  static_cast<StartupDialog*>(self)->ShowLevelRatings();
}

void StartupDialog::OnExtraPointsToggled(GtkWidget*, gpointer self) {
  static_cast<StartupDialog*>(self)->ShowLevelRatings();
}

void StartupDialog::Finish(bool play) {
  // During the lock wait only leaving is possible; Play has been pressed.
  if (tryLock_ == nullptr) playPressed_ = play;
  if (gtk_main_level() > 0) gtk_main_quit();
}

void StartupDialog::ShowChosenPreview() {
  gtk_stack_set_visible_child_name(GTK_STACK(deck_.previews),
                                   std::to_string(ActiveRow(deck_.buttons)).c_str());
}

void StartupDialog::UpdateExtraPoints() {
  const bool allowed = ExtraPointsAllowed(ActiveRow(options_.variants));
  if (!allowed) gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(options_.extraPoints), FALSE);
  gtk_widget_set_sensitive(options_.extraPoints, allowed);
  gtk_widget_set_sensitive(options_.extraPointsNote, allowed);
}

void StartupDialog::ShowLevelRatings() {
  const std::size_t variantRow = ActiveRow(options_.variants);
  const bool extra = gtk_toggle_button_get_active(GTK_TOGGLE_BUTTON(options_.extraPoints)) != FALSE;
  for (std::size_t i = 0; i < kLevelOptions.size(); ++i) {
    gtk_label_set_text(GTK_LABEL(options_.ratings[i]),
                       LevelRatingText(kLevelOptions[i].value, variantRow, extra).c_str());
  }
  gtk_label_set_text(GTK_LABEL(options_.matchMyLevelNote),
                     MatchMyLevelNote(memory_.statistics, variantRow, extra).c_str());
}

DialogState StartupDialog::Selected() const {
  DialogState state;
  state.deckRow = ActiveRow(deck_.buttons);
  state.variantRow = ActiveRow(options_.variants);
  state.extraPointsTicked =
      gtk_toggle_button_get_active(GTK_TOGGLE_BUTTON(options_.extraPoints)) != FALSE;
  state.animationRow = ActiveRow(options_.animation);
  state.opponentsRow = ActiveRow(options_.opponents);
  state.partnerRow = ActiveRow(options_.partner);
  state.volume = static_cast<int>(gtk_range_get_value(GTK_RANGE(options_.volume)));
  state.continueMatch = continuePressed_;
  state.hintsTicked = gtk_toggle_button_get_active(GTK_TOGGLE_BUTTON(options_.hints)) != FALSE;
  state.onlyCaptureTicked =
      gtk_toggle_button_get_active(GTK_TOGGLE_BUTTON(options_.onlyCapture)) != FALSE;
  state.holdTableTicked =
      gtk_toggle_button_get_active(GTK_TOGGLE_BUTTON(options_.holdTable)) != FALSE;
  state.takeBacksTicked =
      gtk_toggle_button_get_active(GTK_TOGGLE_BUTTON(options_.takeBacks)) != FALSE;
  return state;
}

}  // namespace verlano
