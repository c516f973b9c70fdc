#include "render/score_page.h"

#include <algorithm>

#include "rules/game.h"

namespace verlano {

namespace {

constexpr int kTotalsFontRow = 9;
constexpr int kResultFontRow = 10;
constexpr const char* kHeading = "  We  )    They   ";

struct Item {
  const char* label;
  int we;
  int they;
};

std::vector<Item> ItemsOf(const Game& game, int page) {
  const SideScore& we = game.score.We;
  const SideScore& they = game.score.They;
  std::vector<Item> items{{"Cards:", game.piles.Our.CardCount, game.piles.Their.CardCount},
                          {"Coins:", we.Coins, they.Coins}};
  if (page == 2) items.push_back({"MoreC:", we.MostCoins, they.MostCoins});
  items.push_back({"7coin:", we.Settebello, they.Settebello});
  if (page != 1) items.push_back({"Kcoin:", we.KingOfCoins, they.KingOfCoins});
  items.push_back({"Prime:", we.PrimieraSum, they.PrimieraSum});
  items.push_back({"Kevro:", we.Sweeps, they.Sweeps});
  return items;
}

// Right-aligned in `columns` characters; a wider number simply runs longer.
std::string Padded(int value, std::size_t columns) {
  const std::string digits = std::to_string(value);
  return std::string(columns - std::min(columns, digits.size()), ' ') + digits;
}

std::string Pair(int we, int they, std::size_t weColumns) {
  return Padded(we, weColumns) + Padded(they, 5);
}

void DrawRows(const std::vector<TextRow>& rows, ResourceSlots& slots, Screen& screen) {
  for (const TextRow& row : rows) {
    clsDXBitmapFont& font = slots.HandFonts[static_cast<std::size_t>(row.FontRow)];
    font.XPos = static_cast<float>(row.X);
    font.YPos = static_cast<float>(row.Y);
    font.DrawText(screen, screen.BackBuffer, row.Text, true);
  }
}

}  // namespace

int ScorePageNumber(const Settings& settings) {
  if (settings.ExtraCoinPoints) return 2;
  return settings.UmbriaMarcheRules ? 3 : 1;
}

int ScorePageLineY(const Layout& layout, int page) {
  if (page == 2) return layout.ScoreColX + 62;
  return page == 3 ? layout.ScoreColX + 31 : layout.ScoreColX;
}

std::vector<TextRow> ScorePageRows(const Game& game, int page) {
  const Layout& at = game.layout;
  const MatchState& match = game.match;
  const auto rowY = [&at](int r) { return at.ScoreTopY + at.ScoreRowStep * r; };
  const int textX = at.ScoreColX - 60;
  const int numberX = at.ScoreColX - 40;

  std::vector<TextRow> rows{{0, textX, rowY(0), kHeading}};
  const std::vector<Item> items = ItemsOf(game, page);
  int r = 1;
  for (const Item& item : items) {
    rows.push_back({r, textX, rowY(r), item.label + Pair(item.we, item.they, 2)});
    ++r;
  }
  // The newest hand sits right under the items, older ones below it. Only the
  // newest that fit above the totals are shown, so no row outruns the fonts.
  const int first = r;
  const int shown = std::clamp(match.HistoryCount, 0, kHandFontRows - first);
  const int oldest = match.HistoryCount - shown;
  for (int j = 0; j < shown; ++j) {
    const auto k = static_cast<std::size_t>(oldest + j);
    rows.push_back({first + j, numberX, rowY(first + shown - 1 - j),
                    Pair(match.OurHistory[k], match.TheirHistory[k], 7)});
  }
  rows.push_back({kTotalsFontRow, at.ScoreTotalsX - 40, at.ScoreTotalsY,
                  Pair(match.OurMatchTotal, match.TheirMatchTotal, 7)});
  rows.push_back({kResultFontRow, at.ScoreResultX - 60, at.ScoreResultY, match.MatchResultText});
  return rows;
}

void DrawScorePage1(const Game& game, ResourceSlots& slots, Screen& screen) {
  DrawRows(ScorePageRows(game, 1), slots, screen);
}

void DrawScorePage2(const Game& game, ResourceSlots& slots, Screen& screen) {
  DrawRows(ScorePageRows(game, 2), slots, screen);
}

void DrawScorePage3(const Game& game, ResourceSlots& slots, Screen& screen) {
  DrawRows(ScorePageRows(game, 3), slots, screen);
}

void DrawEndOfMatchPage(const Game& game, ResourceSlots& slots, Screen& screen) {
  const Layout& at = game.layout;
  Surface& back = screen.BackBuffer;
  const Rect whole{};
  BltFastClip(screen, slots.Background, back, whole, 0, 0, false);
  BltFastClip(screen, slots.ScorePage, back, whole, at.ScorePageX, at.ScorePageY, true);
  const int lineX = at.ScoreColX - 50;
  BltFastClip(screen, slots.HorzLine[0], back, whole, lineX, at.ScoreTopY + 23, true);
  BltFastClip(screen, slots.VertLine, back, whole, at.ScorePageX + 210, at.ScoreTopY - 30, true);
  BltFastClip(screen, slots.HorzLine[1], back, whole, lineX, at.ScoreColX + 157, true);
  const int page = ScorePageNumber(game.settings);
  BltFastClip(screen, slots.HorzLine[2], back, whole, lineX, ScorePageLineY(at, page), true);
  if (page == 2) {
    DrawScorePage2(game, slots, screen);
  } else if (page == 3) {
    DrawScorePage3(game, slots, screen);
  } else {
    DrawScorePage1(game, slots, screen);
  }
}

}  // namespace verlano
