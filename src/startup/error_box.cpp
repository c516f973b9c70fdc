#include "startup/error_box.h"

#include "platform/quit_signal.h"
#include "startup/gtk_owners.h"

namespace verlano {

namespace {

// A quit signal closes the box, so the program can end as with Escape.
gboolean CloseOnQuitSignal(gpointer box) {
  if (QuitSignalReceived() != 0) gtk_dialog_response(GTK_DIALOG(box), GTK_RESPONSE_CLOSE);
  return G_SOURCE_CONTINUE;
}

}  // namespace

void ShowErrorBox(GtkWindow* parent, const char* headline, const std::string& message) {
  const OwnedWindow box(gtk_message_dialog_new(parent, GTK_DIALOG_MODAL, GTK_MESSAGE_ERROR,
                                               GTK_BUTTONS_CLOSE, "%s", headline));
  gtk_message_dialog_format_secondary_text(GTK_MESSAGE_DIALOG(box.get()), "%s", message.c_str());
  RunBox(GTK_DIALOG(box.get()));
}

gint RunBox(GtkDialog* box) {
  gtk_window_set_title(GTK_WINDOW(box), "Verlano");
  const guint watch = g_timeout_add(kQuitSignalPollMs, CloseOnQuitSignal, box);
  const gint answer = gtk_dialog_run(box);
  g_source_remove(watch);
  return answer;
}

}  // namespace verlano
