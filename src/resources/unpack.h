#pragma once
// Unpacking the resource archive into the folder tree the game loads from, and
// removing that tree again once everything is in memory. The result says where
// to load from: the program folder, or a private temporary folder made for this
// run when the program folder cannot be written (an installed game).

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace verlano {

class PrivateFolderLock;

struct UnpackResult {
  bool ok = false;
  std::string error;           // for the user, when !ok
  std::string resourceRoot;    // holds "res/"; ends in '/'; resolve loads against it
  bool privateRoot = false;    // resourceRoot is a temporary folder of this run
  bool usedLeftovers = false;  // no archive: an earlier start's files are used
  std::shared_ptr<PrivateFolderLock> privateLock;  // held while the private folder is in use
  std::vector<std::string> files;                  // what the clean-up deletes
  std::vector<std::string> folders;                // the resource folders this run made
  std::string archive;                             // the archive's path, when one was read
  std::map<std::string, std::string> sources;      // each written file: the entry it came from
  std::vector<std::string> notes;                  // entries skipped and other things worth telling
};

// The archive beside the program: `programFolder`/`archiveName`.
std::string ArchivePath(const std::string& programFolder, const std::string& archiveName);

// Unpacks `programFolder`/`archiveName`, replacing what an interrupted start
// left (read-only files included). Whatever stands at a resource folder's name
// and is not a real folder (a link, a file) is left as it is, and the unpack
// goes to a private temporary folder instead, with a note saying why. Only when the archive is
// missing are leftover files (marked by "res/Sounds/CARD_FLIP.WAV") used instead. A file that
// cannot be written (a full disk) stops the unpack: what was written is removed and the error says
// why.
UnpackResult UnpackResources(const std::string& programFolder, const std::string& archiveName);

// For messages about `file`, a file the game could not load: the archive entry
// it was unpacked from ("the archive entry "Sounds_SIGN1.WAV" of
// /games/verlano/res077.pak"), or empty for a file the unpack did not write.
std::string EntryOrigin(const UnpackResult& unpacked, const std::string& file);

// What the clean-up could not remove, with the reason.
struct CleanupReport {
  std::vector<std::string> leftInPlace;
};

// Deletes the files the unpack recorded (never through a link), then the
// resource folders this run made and any empty real resource folder an
// interrupted start left (and the private root). A folder holding other files
// stays, and the clean-up goes on with the next.
CleanupReport RemoveResources(const UnpackResult& unpacked);

}  // namespace verlano
