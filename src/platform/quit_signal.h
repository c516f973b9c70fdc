#pragma once
// SIGTERM and SIGINT (a desktop logging out, Ctrl+C in a terminal) end the
// game the way Escape does, never half-way: the handler only records the
// signal, and the loop that is running (the dialog's, the game's frames)
// reads it and winds down, removing the unpacked files on its way out.

namespace verlano {

// Installs the recording handler for SIGTERM and SIGINT (interrupted system
// calls restart).
void CatchQuitSignals();

// The signal caught since the start, or 0.
int QuitSignalReceived();

// The exit status after a signal: 128 + its number, as a shell reports it.
inline int QuitSignalStatus(int signal) {
  return 128 + signal;
}

}  // namespace verlano
