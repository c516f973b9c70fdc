#pragma once
// SIGTERM, SIGINT, SIGHUP and SIGQUIT (a desktop logging out, Ctrl+C or
// Ctrl+\ in a terminal, the terminal closed) end the game the way Escape does, never half-way: the
// handler only records the signal, and the loop that is running (the dialog's, the game's frames)
// reads it and winds down, removing the unpacked files on its way out.

#include <signal.h>

#include <array>

namespace verlano {

inline constexpr std::array<int, 4> kQuitSignals = {SIGTERM, SIGINT, SIGHUP, SIGQUIT};

// How often a waiting loop (the dialog, a message box) looks for a quit signal.
inline constexpr unsigned kQuitSignalPollMs = 100;

// Installs the recording handler for the quit signals (interrupted system
// calls restart).
void CatchQuitSignals();

// The signal caught since the start, or 0.
int QuitSignalReceived();

// The exit status after a signal: 128 + its number, as a shell reports it.
inline int QuitSignalStatus(int signal) {
  return 128 + signal;
}

}  // namespace verlano
