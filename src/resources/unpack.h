#pragma once
// Unpacking the resource archive into the folder tree the game loads from, and
// removing that tree again once everything is in memory. The result says where
// to load from: the program folder, or a private temporary folder made for this
// run when the program folder cannot be written (an installed game).

#include <string>
#include <vector>

namespace verlano {

struct UnpackResult {
  bool ok = false;
  std::string error;               // for the user, when !ok
  std::string resourceRoot;        // holds "res/"; ends in '/'; resolve loads against it
  bool privateRoot = false;        // resourceRoot is a temporary folder of this run
  bool usedLeftovers = false;      // no archive: an earlier start's files are used
  std::vector<std::string> files;  // what the clean-up deletes
  std::vector<std::string> notes;  // entries skipped and other things worth telling
};

// Unpacks `programFolder`/`archiveName`, overwriting what an interrupted start
// left. Only when the archive is missing are leftover files (marked by
// "res/Sounds/CARD_FLIP.WAV") used instead.
UnpackResult UnpackResources(const std::string& programFolder, const std::string& archiveName);

// What the clean-up could not remove, with the reason.
struct CleanupReport {
  std::vector<std::string> leftInPlace;
};

// Deletes the files the unpack recorded, then every resource folder that is
// empty (and the private root). A folder holding other files stays, and the
// clean-up goes on with the next.
CleanupReport RemoveResources(const UnpackResult& unpacked);

}  // namespace verlano
