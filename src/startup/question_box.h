#pragma once
// The question the options dialog asks before it throws away something of
// the player's (the statistics, a kept match): keeping is the default answer,
// and Escape, the close box and a quit signal keep too.

#include <gtk/gtk.h>

#include <string>

namespace verlano {

struct Question {
  std::string headline;        // the question
  std::string detail;          // what going ahead costs
  const char* keep = nullptr;  // the label of the button that keeps, with its mnemonic
  const char* go = nullptr;    // and of the one that goes ahead
};

// Waits for the answer over `parent`: true only for `go`.
bool AskBeforeLosing(GtkWindow* parent, const Question& question);

}  // namespace verlano
