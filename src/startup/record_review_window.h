#pragma once
// The review of a recorded match, opened from the Statistics tab: the records
// of the matches folder, newest first, in a list, and the coach's review of
// the player's plays in the one chosen. The review is weighed on a worker
// thread and the window polls for it, so the dialog answers all along;
// choosing another record or closing the window stops the review under way
// after the play it is weighing.

#include <gtk/gtk.h>

#include <atomic>
#include <string>
#include <vector>

#include "game/background_job.h"
#include "memory/game_folder.h"
#include "memory/match_record.h"
#include "memory/record_review.h"
#include "rules/cards.h"
#include "startup/gtk_owners.h"

namespace verlano {

class RecordReviewWindow {
 public:
  RecordReviewWindow(GtkWindow* parent, GameFolder matches);
  ~RecordReviewWindow();
  RecordReviewWindow(const RecordReviewWindow&) = delete;
  RecordReviewWindow& operator=(const RecordReviewWindow&) = delete;

  // Lists the records afresh, shows the window and reviews the newest.
  void Show();

 private:
  struct Reviewed {
    MatchRecord record;
    RecordReview review;
    std::string fault;  // the first play the rules do not allow, if any
  };

  static void OnChosen(GtkWidget*, gpointer self);
  static gboolean OnPoll(gpointer self);
  static gboolean OnClose(GtkWidget*, GdkEvent*, gpointer self);
  static gboolean OnKey(GtkWidget*, GdkEventKey* key, gpointer self);
  static void OnCloseButton(GtkWidget*, gpointer self);

  void List();
  // Starts the review of the record chosen, once the one under way has stopped.
  void StartChosen();
  void ShowText(const std::string& text);
  void Hide();

  GameFolder folder_;
  CardTables cards_;
  OwnedWindow window_;
  GtkWidget* list_ = nullptr;  // a combo box of the records
  GtkWidget* note_ = nullptr;  // the records that could not be read, a line each
  GtkWidget* text_ = nullptr;  // the review
  std::vector<MatchRecord> records_;  // the list's, in its order
  std::atomic<bool> stop_{false};  // read by the job, so it outlives it
  BackgroundJob<Reviewed> job_{false};
  bool pending_ = false;  // another record was chosen while one was reviewed
  guint poll_ = 0;
};

}  // namespace verlano
