#include "render/score_page.h"

#include <algorithm>

#include "i18n/font_cells.h"
#include "i18n/translate.h"
#include "render/fill_rect.h"
#include "render/table_areas.h"
#include "rules/game.h"

namespace verlano {

namespace {

constexpr int kTotalsFontRow = 9;
constexpr int kResultFontRow = 10;
constexpr int kShortestPageItems = 5;
constexpr int kPageTextX = 27;  // the hint, the widest row, just fits between rings and edge
constexpr int kPageMargin = 14;
constexpr int kRowHeight = 27;  // the hand font's cells
constexpr int kMarkUnder = 24;  // a won item's stroke: just under its number's glyphs
constexpr int kMarkStroke = 2;
constexpr std::uint16_t kPenRed = 0xB8A2;

// Every item's label is padded to this width, the English labels', so the
// numbers stand in their columns whatever the language.
constexpr std::size_t kLabelColumns = 6;

struct Item {
  std::string label;
  int we;
  int they;
  bool weWon = false;  // the side took the item's points
  bool theyWon = false;
};

// The coins won: most coins where that scores, else the coins' own points.
int CoinsWon(const SideScore& side) {
  return side.MostCoins + side.CoinPoints;
}

Item ItemOf(const Game& game, ScoreRow row) {
  const SideScore& we = game.score.We;
  const SideScore& they = game.score.They;
  switch (row) {
    case ScoreRow::Cards:
      return {P_("score page", "Cards:"), game.piles.Our.CardCount, game.piles.Their.CardCount,
              we.MostCards > 0, they.MostCards > 0};
    case ScoreRow::Coins:
      return {P_("score page", "Coins:"), we.Coins, they.Coins,
              we.Coins > they.Coins && CoinsWon(we) > 0,
              they.Coins > we.Coins && CoinsWon(they) > 0};
    case ScoreRow::MostCoins:
      return {P_("score page", "MoreC:"), we.MostCoins, they.MostCoins, we.MostCoins > 0,
              they.MostCoins > 0};
    case ScoreRow::Settebello:
      return {P_("score page", "7coin:"), we.Settebello, they.Settebello, we.Settebello > 0,
              they.Settebello > 0};
    case ScoreRow::KingOfCoins:
      return {P_("score page", "Kcoin:"), we.KingOfCoins, they.KingOfCoins, we.KingOfCoins > 0,
              they.KingOfCoins > 0};
    case ScoreRow::Primiera:
      return {P_("score page", "Prime:"), we.PrimieraSum, they.PrimieraSum, we.PrimieraPoint > 0,
              they.PrimieraPoint > 0};
    case ScoreRow::Sweeps:
      break;
  }
  return {P_("score page", "Kevro:"), we.Sweeps, they.Sweeps, we.Sweeps > 0, they.Sweeps > 0};
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

// A red pen's stroke under each number whose side won the item.
void DrawMarks(const Game& game, const clsDXBitmapFont& font, Screen& screen) {
  const Layout& at = game.layout;
  const int advance = font.width - 2;
  for (const ScoreMark& mark : ScorePageMarks(game)) {
    const int left = at.ScoreColX - 60 + advance * mark.FirstColumn;
    const int right = left + advance * (mark.Columns - 1) + font.width;
    const int top = at.ScoreTopY + at.ScoreRowStep * mark.Row + kMarkUnder;
    FillRect(screen, screen.BackBuffer, Rect{left, top, right, top + kMarkStroke}, kPenRed);
  }
}

// A tie above the target says nothing: the hint's "next hand" tells it.
std::string ResultLine(const MatchState& match) {
  switch (match.Result) {
    case MatchResult::Won:
      return P_("score page line", "We Won!");
    case MatchResult::Lost:
      return P_("score page line", "We lost!");
    case MatchResult::None:
    case MatchResult::TieOverTarget:
      break;
  }
  return {};
}

}  // namespace

// Under the shortest page's items at ScoreColX, a row lower for every further item.
int ScorePageLineY(const Layout& layout, int itemRows) {
  return layout.ScoreColX + layout.ScoreRowStep * (itemRows - kShortestPageItems);
}

Rect ScorePageRect(const Layout& layout) {
  return Rect{layout.ScorePageX, layout.ScorePageY, layout.ScorePageX + kScorePageWidth,
              layout.ScorePageY + kScorePageHeight};
}

Rect ScorePageBannerRect(const Layout& layout) {
  const Rect& b = kScorePageBanner;
  return Rect{layout.ScorePageX + b.Left, layout.ScorePageY + b.Top, layout.ScorePageX + b.Right,
              layout.ScorePageY + b.Bottom};
}

std::string ScorePageHint(const MatchState& match) {
  return match.MatchOver ? P_("score page line", "Click or Return: next match")
                         : P_("score page line", "Click or Return: next hand");
}

std::vector<ScoreMark> ScorePageMarks(const Game& game) {
  std::vector<ScoreMark> marks;
  int r = 1;
  for (const ScoreRow row : game.settings.Rules.ScoreRows) {
    const Item item = ItemOf(game, row);
    const auto weDigits = static_cast<int>(std::to_string(item.we).size());
    const auto theyDigits = static_cast<int>(std::to_string(item.they).size());
    const int label = static_cast<int>(kLabelColumns);
    const int theyFrom = label + std::max(2, weDigits) + std::max(0, 5 - theyDigits);
    if (item.weWon) marks.push_back({r, kSideWe, label + std::max(0, 2 - weDigits), weDigits});
    if (item.theyWon) marks.push_back({r, kSideThey, theyFrom, theyDigits});
    ++r;
  }
  return marks;
}

std::vector<TextRow> ScorePageRows(const Game& game) {
  const Layout& at = game.layout;
  const MatchState& match = game.match;
  const auto rowY = [&at](int r) { return at.ScoreTopY + at.ScoreRowStep * r; };
  const int textX = at.ScoreColX - 60;
  const int numberX = at.ScoreColX - 40;

  std::vector<TextRow> rows{{0, textX, rowY(0), P_("score page", "  We       They   ")}};
  int r = 1;
  for (const ScoreRow row : game.settings.Rules.ScoreRows) {
    const Item item = ItemOf(game, row);
    const auto cells = static_cast<std::size_t>(TextCells(item.label));
    const std::string label =
        item.label + std::string(kLabelColumns - std::min(kLabelColumns, cells), ' ');
    rows.push_back({r, textX, rowY(r), label + Pair(item.we, item.they, 2)});
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
  // The totals a restarted page carries over say so, left of their numbers.
  if (match.FirstRowCarried && oldest == 0 && shown > 0) {
    rows.push_back({first, textX, rowY(first + shown - 1), P_("score page", "Carry:")});
  }
  rows.push_back({kTotalsFontRow, at.ScoreTotalsX - 40, at.ScoreTotalsY,
                  Pair(match.OurMatchTotal, match.TheirMatchTotal, 7)});
  rows.push_back({kResultFontRow, at.ScoreResultX - 60, at.ScoreResultY, ResultLine(match)});
  // The click hint under the result, the target in the page's lower left
  // corner; both start left of the items, as the hint is the page's widest row.
  const int cornerX = at.ScorePageX + kPageTextX;
  rows.push_back({0, cornerX, at.ScoreResultY + at.ScoreRowStep, ScorePageHint(match)});
  rows.push_back({0, cornerX, at.ScorePageY + kScorePageHeight - kPageMargin - kRowHeight,
                  Format(P_("score page line", "Target: over %d").c_str(), match.MatchTarget)});
  return rows;
}

void DrawScorePage(const Game& game, const PileSheet& open, ResourceSlots& slots, Screen& screen) {
  const Layout& at = game.layout;
  Surface& back = screen.BackBuffer;
  const Rect whole{};
  BltFastClip(screen, slots.Background, back, whole, 0, 0, false);
  BltFastClip(screen, slots.ScorePage, back, whole, at.ScorePageX, at.ScorePageY, true);
  const int lineX = at.ScoreColX - 50;
  BltFastClip(screen, slots.HorzLine[0], back, whole, lineX, at.ScoreTopY + 23, true);
  BltFastClip(screen, slots.VertLine, back, whole, at.ScorePageX + 210, at.ScoreTopY - 30, true);
  BltFastClip(screen, slots.HorzLine[1], back, whole, lineX, at.ScoreColX + 157, true);
  const auto itemRows = static_cast<int>(game.settings.Rules.ScoreRows.size());
  BltFastClip(screen, slots.HorzLine[2], back, whole, lineX, ScorePageLineY(at, itemRows), true);
  DrawRows(ScorePageRows(game), slots, screen);
  DrawMarks(game, slots.HandFonts[0], screen);
  DrawScorePiles(game, open.Side, slots, screen);
  DrawPileSheet(game, open, slots, screen);
}

}  // namespace verlano
