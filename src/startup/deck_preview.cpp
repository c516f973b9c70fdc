#include "startup/deck_preview.h"

#include <cstdint>
#include <optional>
#include <vector>

#include "resources/entry_names.h"

namespace verlano {

namespace {

// A preview is one card; a damaged entry claiming more is not decoded.
constexpr int kLargestPreview = 1024;

// Stops the decoder before it allocates a picture larger than any card.
void RefuseHugeSize(GdkPixbufLoader* loader, int width, int height, gpointer tooLarge) {
  if (width > kLargestPreview || height > kLargestPreview) {
    *static_cast<bool*>(tooLarge) = true;
    gdk_pixbuf_loader_set_size(loader, 1, 1);
  }
}

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
  std::vector<std::uint8_t> bytes;
  if (!pak.ReadEntry(*index, bytes, error)) return nullptr;
  g_autoptr(GdkPixbufLoader) loader = gdk_pixbuf_loader_new();
  bool tooLarge = false;
  g_signal_connect(loader, "size-prepared", G_CALLBACK(RefuseHugeSize), &tooLarge);
  g_autoptr(GError) readError = nullptr;
  const bool read = gdk_pixbuf_loader_write(loader, bytes.data(), bytes.size(), &readError) &&
                    gdk_pixbuf_loader_close(loader, &readError);
  if (!read || tooLarge) {
    error = tooLarge ? "the picture is larger than a card"
                     : (readError != nullptr ? readError->message : "unreadable picture");
    return nullptr;
  }
  GdkPixbuf* picture = gdk_pixbuf_loader_get_pixbuf(loader);
  if (picture == nullptr) {
    error = "unreadable picture";
    return nullptr;
  }
  return OwnedPixbuf(gdk_pixbuf_add_alpha(picture, TRUE, 0xFF, 0x00, 0xFF));
}

}  // namespace verlano
