#pragma once
// What the dialog's Play button sets going: the settings stored, the archive
// unpacked (a failure is reported from the dialog, before any table opens),
// the dialog closed, and the game run on the unpacked resources.

#include <string>

#include "startup/dialog_choices.h"
#include "startup/startup_dialog.h"

namespace verlano {

// Gives the program's exit status: the game's, 1 when the archive could not
// be unpacked, or 128 + the signal for a game ended by SIGTERM or SIGINT.
int PressPlay(StartupDialog& dialog, const DialogState& chosen, const std::string& resPath);

}  // namespace verlano
