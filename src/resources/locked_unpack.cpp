#include "resources/locked_unpack.h"

namespace verlano {

LockedUnpack::LockedUnpack(const std::string& programFolder, const std::string& archiveName,
                           const LockWaiter& wait)
    : lock_(ArchivePath(programFolder, archiveName), wait) {
  if (!lock_.GaveUp()) result_ = UnpackResources(programFolder, archiveName);
}

CleanupReport LockedUnpack::Remove() {
  if (removed_) return {};
  removed_ = true;
  CleanupReport report = RemoveResources(result_);
  lock_.Release();
  return report;
}

}  // namespace verlano
