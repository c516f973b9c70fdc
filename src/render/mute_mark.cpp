#include "render/mute_mark.h"

#include <string_view>

#include "i18n/translate.h"
#include "render/score_page.h"
#include "rules/game.h"

namespace verlano {

namespace {

constexpr int kTop = 4;

}  // namespace

std::string MuteMarkText() {
  return P_("table", "Muted");
}

Rect MuteMarkRect(const Game& game, const clsDXBitmapFont& font) {
  const int n = static_cast<int>(MuteMarkText().size());
  const int width = (font.width - 2) * (n - 1) + font.width;
  const int screenWidth = game.settings.ScreenWidth;
  // Centred on the table, or in the margin beside the score page.
  const int from =
      game.turn.GameState == PlayState::HandOver ? ScorePageRect(game.layout).Right : 0;
  const int left = from + (screenWidth - from - width) / 2;
  return Rect{left, kTop, left + width, kTop + font.height};
}

void DrawMuteMark(const Game& game, ResourceSlots& slots, Screen& screen) {
  clsDXBitmapFont& font = slots.DeluxeFont;
  const Rect at = MuteMarkRect(game, font);
  font.XPos = static_cast<float>(at.Left);
  font.YPos = static_cast<float>(at.Top);
  font.DrawText(screen, screen.BackBuffer, MuteMarkText(), true);
}

}  // namespace verlano
