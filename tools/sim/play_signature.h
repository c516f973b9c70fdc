#pragma once
// `verlano-sim bench`: a fixed set of seeded matches of every variant, with
// the classic and the expert levels, played through the game's frame loop and
// traced; one line gives a hash of everything they printed (the speed figure
// aside) and the time they took. Any change of play changes the hash, so a
// commit that means to change play says the new signature, and the test that
// holds the current one catches a change that did not mean to.

#include <iosfwd>
#include <string>

namespace verlano::sim {

// Plays the set with the archive found in `archiveFolder` and prints
// "signature HEX matches N seconds S". Returns RunPlay's status for the first
// run that did not end well (its message already said), 0 otherwise.
int RunPlaySignature(const std::string& archiveFolder, std::ostream& out);

}  // namespace verlano::sim
