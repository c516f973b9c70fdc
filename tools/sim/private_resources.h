#pragma once
// The game's archive unpacked into a temporary folder of one simulator run's
// own, so that runs side by side never remove each other's files; the
// folder, and the match file a run keeps there, go with the object.

#include <filesystem>
#include <string>

#include "game/game_run.h"
#include "resources/unpack.h"

namespace verlano::sim {

class PrivateResources {
 public:
  // Unpacks res077.pak found in `archiveFolder`; `Error` says why it could not.
  explicit PrivateResources(const std::string& archiveFolder);
  ~PrivateResources();
  PrivateResources(const PrivateResources&) = delete;
  PrivateResources& operator=(const PrivateResources&) = delete;

  const std::string& Error() const { return error_; }
  std::string MatchFile() const { return (dir_ / "match").string(); }
  ResourceFolder Folder();

 private:
  std::filesystem::path dir_;
  UnpackResult result_;
  std::string error_;
};

}  // namespace verlano::sim
