#pragma once
// What the dialog's Play button sets going: the settings stored, the archive
// unpacked (a failure is reported from the dialog, before any table opens),
// the dialog closed, and the game run on the unpacked resources.

#include <string>

#include "startup/dialog_choices.h"
#include "startup/startup_dialog.h"

namespace verlano {

// Gives the program's exit status: the game's, or 1 when the archive could
// not be unpacked. A quit signal caught while unpacking, or Exit while waiting
// for another copy of the game, skips the table.
int PressPlay(StartupDialog& dialog, const DialogState& chosen, const std::string& resPath);

// Removes this run's unpacked files at once, if any are on disk: for the way
// out when the display is lost, which cannot return to the caller.
void RemoveUnpackedNow();

}  // namespace verlano
