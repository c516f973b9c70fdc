#include "startup/deck_preview.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/bmp_header.h"
#include "resources/entry_names.h"

namespace verlano {

namespace {

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
  // The header first, as for the table's pictures: a damaged entry claiming
  // a huge picture is never handed to the decoder.
  BmpSize size;
  if (!CheckBmpHeader(std::span(bytes).first(std::min(bytes.size(), kBmpHeadBytes)),
                      static_cast<std::int64_t>(bytes.size()), size, error)) {
    return nullptr;
  }
  g_autoptr(GdkPixbufLoader) loader = gdk_pixbuf_loader_new();
  g_autoptr(GError) readError = nullptr;
  if (!gdk_pixbuf_loader_write(loader, bytes.data(), bytes.size(), &readError) ||
      !gdk_pixbuf_loader_close(loader, &readError)) {
    error = readError != nullptr ? readError->message : "unreadable picture";
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
