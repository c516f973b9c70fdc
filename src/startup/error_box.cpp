#include "startup/error_box.h"

#include "startup/gtk_owners.h"

namespace verlano {

void ShowErrorBox(GtkWindow* parent, const char* headline, const std::string& message) {
  const OwnedWindow box(gtk_message_dialog_new(parent, GTK_DIALOG_MODAL, GTK_MESSAGE_ERROR,
                                               GTK_BUTTONS_CLOSE, "%s", headline));
  gtk_message_dialog_format_secondary_text(GTK_MESSAGE_DIALOG(box.get()), "%s", message.c_str());
  gtk_window_set_title(GTK_WINDOW(box.get()), "Verlano");
  gtk_dialog_run(GTK_DIALOG(box.get()));
}

}  // namespace verlano
