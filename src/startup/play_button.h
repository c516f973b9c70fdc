#pragma once
// What the dialog's Play button sets going: the settings stored, the archive
// unpacked (a failure is reported from the dialog, before any table opens),
// the dialog closed, and the game run on the unpacked resources.

#include <string>

#include "startup/dialog_choices.h"
#include "startup/startup_dialog.h"

namespace verlano {

// Gives the program's exit status: the game's, or 1 when the archive could
// not be unpacked. A SIGTERM or SIGINT caught while unpacking skips the table.
int PressPlay(StartupDialog& dialog, const DialogState& chosen, const std::string& resPath);

}  // namespace verlano
