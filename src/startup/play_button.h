#pragma once
// What the dialog's Play button sets going: the settings stored, the archive
// unpacked (a failure is reported from the dialog, before any table opens),
// the dialog closed, and the game run on the unpacked resources.

#include <string>

#include "startup/dialog_choices.h"
#include "startup/startup_dialog.h"

namespace verlano {

struct RunStart;  // game/game_run.h, kept out of files that see X11's macros

// Gives the program's exit status: the game's, or 1 when the archive could
// not be unpacked. A quit signal caught while unpacking, or Exit while waiting
// for another copy of the game, skips the table.
int PressPlay(StartupDialog& dialog, const Options& options, const std::string& resPath,
              RunStart start);

// Removes this run's unpacked files at once, if any are on disk: for the way
// out when the display is lost, which cannot return to the caller.
void RemoveUnpackedNow();

}  // namespace verlano
