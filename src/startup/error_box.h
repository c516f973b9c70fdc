#pragma once
// The message box for a failure the player must read: over the options dialog
// when the archive cannot be unpacked, on its own when the table has to stop.
// Shown with GTK, which this program has connected to the display already,
// so it needs nothing the X server may lack (core fonts, a helper program).

#include <gtk/gtk.h>

#include <string>

namespace verlano {

// Waits until the box is dismissed; `parent` may be null.
void ShowErrorBox(GtkWindow* parent, const char* headline, const std::string& message);

}  // namespace verlano
