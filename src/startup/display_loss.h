#pragma once
// A display that goes away (the X server killed, the session ended) makes
// Xlib end the process from inside whatever call noticed it, with no chance to
// unwind. This hook says so in one line, removes the unpacked files and ends
// with status 1, in every phase: dialog, lock wait, unpack, load, table, box.

namespace verlano {

// Installs the hook as Xlib's handler for a lost connection. Call it after GTK
// has opened the display, and again after SDL has, as each installs its own.
void ExitCleanlyOnDisplayLoss();

}  // namespace verlano
