#include "sim/private_resources.h"

#include <stdlib.h>

#include "resources/resource_path.h"

namespace verlano::sim {

namespace {

constexpr const char* kArchive = "res077.pak";

}  // namespace

PrivateResources::PrivateResources(const std::string& archiveFolder) {
  std::error_code tempError;
  const std::filesystem::path temp = std::filesystem::temp_directory_path(tempError);
  std::string pattern = ((tempError ? "/tmp" : temp) / "verlano-sim-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) {
    error_ = "cannot make a temporary folder " + pattern;
    return;
  }
  dir_ = pattern;
  std::error_code ec;
  std::filesystem::create_symlink(std::filesystem::absolute(archiveFolder + "/" + kArchive),
                                  dir_ / kArchive, ec);
  result_ = UnpackResources(dir_.string() + "/", kArchive);
  if (!result_.ok) error_ = result_.error;
}

PrivateResources::~PrivateResources() {
  RemoveResources(result_);
  std::error_code ec;
  std::filesystem::remove_all(dir_, ec);
}

ResourceFolder PrivateResources::Folder() {
  return ResourceFolder{[root = result_.resourceRoot](std::string_view path) {
                          return ResolveResourcePath(root, path);
                        },
                        [this] { RemoveResources(result_); },
                        [this](const std::string& file) { return EntryOrigin(result_, file); }};
}

}  // namespace verlano::sim
