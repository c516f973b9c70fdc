#pragma once
// The message box for a failure the player must read: over the options dialog
// when the archive cannot be unpacked, on its own when the table has to stop.
// Shown with GTK, which this program has connected to the display already,
// so it needs nothing the X server may lack (core fonts, a helper program).
// The way it waits is shared with the dialog's questions.

#include <gtk/gtk.h>

#include <string>

namespace verlano {

// Waits until the box is dismissed; `parent` may be null.
void ShowErrorBox(GtkWindow* parent, const char* headline, const std::string& message);

// Titles a box "Verlano", as every window of the game, and waits for its
// answer; a quit signal answers GTK_RESPONSE_CLOSE, so the program can end
// as with Escape.
gint RunBox(GtkDialog* box);

}  // namespace verlano
