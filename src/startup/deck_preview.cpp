#include "startup/deck_preview.h"

#include <stdlib.h>

#include <cstdint>
#include <filesystem>
#include <optional>
#include <system_error>

#include "resources/entry_names.h"

namespace verlano {

namespace {

// A temporary folder of this process, removed with its contents.
class ScratchFolder {
 public:
  ScratchFolder() {
    std::error_code error;
    std::string pattern =
        (std::filesystem::temp_directory_path(error) / "verlano-preview-XXXXXX").string();
    if (!error && mkdtemp(pattern.data()) != nullptr) path_ = pattern;
  }
  ~ScratchFolder() {
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::string& path() const { return path_; }  // empty when none could be made

 private:
  std::string path_;
};

std::optional<std::int32_t> FindEntry(const torPAK& pak, std::string_view entryName) {
  for (std::int32_t i = 0; i <= pak.NumEntrys(); ++i) {
    if (StripNamePadding(pak.EntryName(i).value_or("")) == entryName) return i;
  }
  return std::nullopt;
}

}  // namespace

OwnedPixbuf LoadDeckPreview(const torPAK& pak, std::string_view entryName, std::string& error) {
  const std::optional<std::int32_t> index = FindEntry(pak, entryName);
  if (!index) {
    error = "the archive holds no " + std::string(entryName);
    return nullptr;
  }
  const ScratchFolder scratch;
  if (scratch.path().empty()) {
    error = "cannot make a temporary folder";
    return nullptr;
  }
  const std::string file = scratch.path() + "/preview.bmp";
  if (!pak.SaveFileFromPAK(*index, file, error)) return nullptr;
  g_autoptr(GError) readError = nullptr;
  const OwnedPixbuf picture(gdk_pixbuf_new_from_file(file.c_str(), &readError));
  if (!picture) {
    error = readError != nullptr ? readError->message : "unreadable picture";
    return nullptr;
  }
  return OwnedPixbuf(gdk_pixbuf_add_alpha(picture.get(), TRUE, 0xFF, 0x00, 0xFF));
}

}  // namespace verlano
