#pragma once
// frmStartup: the modal options dialog the game opens with. Tabs "Deck",
// "Keys", "Rules", "Credits", "Options" and "Statistics", and below them the
// version, what the game needs, "Continue the match" when one is kept, Exit
// and Play. Return presses Continue when it is there, else Play; Play over a
// kept match asks first. It hands back what was chosen and stays on
// screen until the caller closes it, so a failure after Play can still be
// reported from it.

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "resources/tor_pak.h"
#include "startup/dialog_choices.h"
#include "startup/dialog_pages.h"
#include "memory/game_folder.h"
#include "startup/gtk_owners.h"
#include "startup/record_review_window.h"
#include "startup/statistics_page.h"

namespace verlano {

// The totals of a kept match, ours and theirs.
struct KeptScore {
  int we = 0, they = 0;
};

// What the player's files give the dialog to open with.
struct DialogMemory {
  DialogState opening;          // the controls as they were last played
  std::string continueCaption;  // empty when no match is kept
  KeptScore keptScore;          // said when Play would give the kept match up
  Statistics statistics;
  std::string notes;  // a damaged file, said in a line each
  // Clears the statistics on disk: "" or the reason it could not.
  std::function<std::string()> resetStatistics;
  GameFolder matches;  // the records of the matches played, for their review
};

class StartupDialog {
 public:
  // Builds the dialog (GTK must be initialised); the deck previews come from
  // the archive `archivePath`.
  StartupDialog(const std::string& archivePath, DialogMemory memory = {});
  StartupDialog(const StartupDialog&) = delete;
  StartupDialog& operator=(const StartupDialog&) = delete;

  // Shows the dialog and waits: what is selected when Play or Continue is
  // pressed, or nothing after Exit, the close box, or a SIGTERM or SIGINT.
  std::optional<DialogState> Run();

  // Keeps the dialog answering while another copy of the game holds the
  // archive: calls `tryTake` every 50 ms until it answers true (then true), or
  // until Exit, the close box, Escape or a quit signal (then false).
  bool WaitForLock(const std::function<bool()>& tryTake);

  // The statistics as the dialog shows them, Reset heeded: "Match my level"
  // picks from these, the level its line on the Options tab says.
  const Statistics& ShownStatistics() const { return memory_.statistics; }

  // A message box over the dialog, waiting until it is dismissed.
  void ShowError(const std::string& message);

  // Hides and destroys the dialog and lets GTK finish what that leaves pending,
  // so the window is off the screen before anything else is shown.
  void Close();

 private:
  static void OnPlay(GtkWidget*, gpointer self);
  static void OnContinue(GtkWidget*, gpointer self);
  static void OnReset(GtkWidget*, gpointer self);
  static void OnReview(GtkWidget*, gpointer self);
  static void OnExit(GtkWidget*, gpointer self);
  static gboolean OnCloseBox(GtkWidget*, GdkEvent*, gpointer self);
  static gboolean OnKey(GtkWidget*, GdkEventKey* key, gpointer self);
  static gboolean OnSignalWatch(gpointer self);
  static gboolean OnLockWatch(gpointer self);
  static void OnDeckToggled(GtkWidget*, gpointer self);
  static void OnVariantToggled(GtkWidget*, gpointer self);
  static void OnExtraPointsToggled(GtkWidget*, gpointer self);

  void Finish(bool play);
  // Asks before Play gives the kept match up: true to go ahead.
  bool GiveUpKeptMatch();
  void ShowChosenPreview();
  void UpdateExtraPoints();
  // The levels' ratings of the variant chosen, and the player's with the
  // level "Match my level" would pick.
  void ShowLevelRatings();
  DialogState Selected() const;
  void Open(const DialogState& state);
  GtkWidget* BuildButtonRow();

  torPAK pak_;
  OwnedWindow window_;
  DeckPage deck_;
  OptionsPage options_;
  StatisticsPage statistics_;
  std::unique_ptr<RecordReviewWindow> reviews_;  // made when first asked for
  DialogMemory memory_;
  GtkWidget* play_ = nullptr;
  GtkWidget* resume_ = nullptr;  // "Continue the match", when one is kept
  bool playPressed_ = false;
  bool continuePressed_ = false;
  bool lockTaken_ = false;
  const std::function<bool()>* tryLock_ = nullptr;  // while WaitForLock runs
};

}  // namespace verlano
