#include "render/mute_mark.h"

#include <string_view>

#include "i18n/translate.h"

namespace verlano {

namespace {

constexpr int kTableWidth = 800;
constexpr int kTop = 4;

}  // namespace

std::string MuteMarkText() {
  return P_("table", "Muted");
}

Rect MuteMarkRect(const clsDXBitmapFont& font) {
  const int n = static_cast<int>(MuteMarkText().size());
  const int width = (font.width - 2) * (n - 1) + font.width;
  const int left = (kTableWidth - width) / 2;
  return Rect{left, kTop, left + width, kTop + font.height};
}

void DrawMuteMark(ResourceSlots& slots, Screen& screen) {
  clsDXBitmapFont& font = slots.DeluxeFont;
  const Rect at = MuteMarkRect(font);
  font.XPos = static_cast<float>(at.Left);
  font.YPos = static_cast<float>(at.Top);
  font.DrawText(screen, screen.BackBuffer, MuteMarkText(), true);
}

}  // namespace verlano
