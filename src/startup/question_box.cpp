#include "startup/question_box.h"

#include "startup/error_box.h"
#include "startup/gtk_owners.h"

namespace verlano {

bool AskBeforeLosing(GtkWindow* parent, const Question& question) {
  const OwnedWindow box(gtk_message_dialog_new(parent, GTK_DIALOG_MODAL, GTK_MESSAGE_QUESTION,
                                               GTK_BUTTONS_NONE, "%s", question.headline.c_str()));
  gtk_message_dialog_format_secondary_text(GTK_MESSAGE_DIALOG(box.get()), "%s",
                                           question.detail.c_str());
  gtk_dialog_add_buttons(GTK_DIALOG(box.get()), question.keep, GTK_RESPONSE_CANCEL, question.go,
                         GTK_RESPONSE_ACCEPT, nullptr);
  gtk_dialog_set_default_response(GTK_DIALOG(box.get()), GTK_RESPONSE_CANCEL);
  return RunBox(GTK_DIALOG(box.get())) == GTK_RESPONSE_ACCEPT;
}

}  // namespace verlano
