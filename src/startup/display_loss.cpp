#include "startup/display_loss.h"

#include <unistd.h>

#include <cstdlib>
#include <iostream>

#include "startup/display_messages.h"
#include "startup/play_button.h"

// Last: Xlib's macros (None, Below, Status) would rename the game's own words.
#include <X11/Xlib.h>

namespace verlano {

namespace {

int OnDisplayLost(Display*) {
  std::cerr << DisplayLostMessage([](const char* name) { return std::getenv(name); }) << '\n';
  RemoveUnpackedNow();
  std::cerr.flush();
  _exit(1);  // Xlib would exit anyway; nothing may touch the dead display again
}

}  // namespace

void ExitCleanlyOnDisplayLoss() {
  XSetIOErrorHandler(OnDisplayLost);
}

}  // namespace verlano
