#include "platform/quit_signal.h"

#include <signal.h>

namespace verlano {

namespace {

volatile sig_atomic_t caught = 0;

void Record(int signal) {
  caught = signal;
}

}  // namespace

void CatchQuitSignals() {
  struct sigaction action {};
  action.sa_handler = Record;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (const int signal : kQuitSignals) sigaction(signal, &action, nullptr);
}

int QuitSignalReceived() {
  return caught;
}

}  // namespace verlano
