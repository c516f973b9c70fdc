// The cost of composing one frame of a busy table (busy_table.h): the
// background and the whole table drawing with the game's real pictures, with
// the turn mark, the longest message line and a lifted hand card; then the
// same with every help drawn as well (each table card and a hand card lit,
// both sides' last captures laid open), with the seat labels and a whole
// hand's story over the table's side besides, and the score page with a
// whole pack's pile laid open over it. For scale, a plain copy of the same
// 800x600x2 bytes and SDL's own colour-keyed blits of the same pictures onto
// an RGB565 surface.
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "busy_table.h"
#include "render/cint.h"
#include "render/clock_text.h"
#include "render/review_page.h"
#include "render/draw_table.h"
#include "render/play_log_view.h"
#include "render/score_page.h"
#include "render/seat_labels.h"
#include "render/table_areas.h"
#include "render/table_notes.h"

namespace {

using namespace verlano;
using namespace verlano::bench;

void Compose(benchmark::State& state, const TableNotes& notes, const Game& game) {
  if (!Ready(state)) return;
  BusyTable& table = Table();
  ResourceSlots& slots = table.pictures->slots;
  for (auto _ : state) {
    BltFastClip(table.screen, slots.Background, table.screen.BackBuffer, table.screen.BackRect, 0,
                0, false);
    if (notes.PlayLogShown) DrawSeatLabels(game, slots, table.screen);
    DrawTable(game, slots, table.screen, kClock, notes);
    DrawTableNotes(game, notes, slots, table.screen);
    if (notes.PlayLogShown) ComposePlayLog(game, slots, table.screen, kPlayLogOverTableX);
    benchmark::ClobberMemory();
  }
}

void Compose(benchmark::State& state, const TableNotes& notes) {
  Compose(state, notes, Table().game);
}

const TableNotes kNotes{
    .MarkerSeat = 1, .Message = "A card of equal value must be taken: the 5", .LiftedHandSlot = 2};

void BM_ComposeTable(benchmark::State& state) {
  Compose(state, kNotes);
}
BENCHMARK(BM_ComposeTable)->Unit(benchmark::kMicrosecond)->Repetitions(7)->ReportAggregatesOnly();

void BM_ComposeTableWithHelp(benchmark::State& state) {
  TableNotes notes = kNotes;
  notes.LitTable = (TableSet{1} << Table().game.piles.TableCount) - 1;
  notes.LitHandSlot = 4;
  notes.LastCaptureSides = 3;
  Compose(state, notes);
}
BENCHMARK(BM_ComposeTableWithHelp)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(7)
    ->ReportAggregatesOnly();

// The open pile at its largest: all forty cards, ten a row, each row's
// seventh card marked for the primiera.
void BM_ComposeScorePageWithPile(benchmark::State& state) {
  if (!Ready(state)) return;
  BusyTable& table = Table();
  ResourceSlots& slots = table.pictures->slots;
  PileSheet sheet;
  sheet.Side = kSideWe;
  for (int card = 0; card < kCardIndexCount; ++card) {
    if (table.game.cards.CardValue[card] == kOutOfPlayValue) continue;
    sheet.Rows[static_cast<std::size_t>(card % kSheetRows)].push_back(card);
  }
  for (std::size_t row = 0; row < sheet.Rows.size(); ++row)
    sheet.Primiera[row] = sheet.Rows[row][6];
  sheet.Coins = 10;
  sheet.PrimieraSum = 84;
  for (auto _ : state) {
    BltFastClip(table.screen, slots.Background, table.screen.BackBuffer, table.screen.BackRect, 0,
                0, false);
    DrawScorePage(table.game, sheet, slots, table.screen);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_ComposeScorePageWithPile)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(7)
    ->ReportAggregatesOnly();

// The score page with the review over it, as full as it gets: ten plays,
// each taking four cards and shown beside a best play taking four, with the
// longest reason.
void BM_ComposeScorePageWithReview(benchmark::State& state) {
  if (!Ready(state)) return;
  BusyTable& table = Table();
  ResourceSlots& slots = table.pictures->slots;
  ReviewSheet sheet;
  sheet.Open = true;
  sheet.Ready = true;
  const ReviewCards four{.Card = 5, .Taken = {1, 2, 3, 4}, .TakenCount = 4};
  for (int row = 0; row < 10; ++row) {
    sheet.Rows.push_back({.Played = four,
                          .Best = four,
                          .GivenUp = 1.5,
                          .Reason = "leaves the seven of coins to the other side"});
  }
  for (auto _ : state) {
    BltFastClip(table.screen, slots.Background, table.screen.BackBuffer, table.screen.BackRect, 0,
                0, false);
    DrawScorePage(table.game, PileSheet{}, slots, table.screen);
    DrawReviewSheet(table.game, sheet, slots, table.screen);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_ComposeScorePageWithReview)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(7)
    ->ReportAggregatesOnly();

// The longest frame with the story shown: every help as above, the labels,
// and the story over the table with as many rows as it shows, each play
// having taken four cards (the most a row draws at full size and more).
void BM_ComposeTableWithStory(benchmark::State& state) {
  if (!Ready(state)) return;
  TableNotes notes = kNotes;
  notes.LitTable = (TableSet{1} << Table().game.piles.TableCount) - 1;
  notes.LitHandSlot = 4;
  notes.LastCaptureSides = 3;
  notes.PlayLogShown = true;
  Game& game = Table().game;
  const PlayLog kept = game.playLog;
  std::vector<int> pack;
  for (int card = 0; card < kCardIndexCount; ++card) {
    if (InPlay(game.cards, card)) pack.push_back(card);
  }
  const auto nth = [&](int n) { return pack[static_cast<std::size_t>(n) % pack.size()]; };
  for (int n = 0; n < kLoggedPlays; ++n) {
    LogPlay(game.playLog, n % 4, nth(n));
    PlayLine* line = NewestPlay(game.playLog);
    line->Cards.TakenCount = 4;
    for (int t = 0; t < 4; ++t) line->Cards.Taken[static_cast<std::size_t>(t)] = nth(n + 1 + t);
    line->Sweep = n % 5 == 0;
  }
  Compose(state, notes, game);
  game.playLog = kept;
}
BENCHMARK(BM_ComposeTableWithStory)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(7)
    ->ReportAggregatesOnly();

void BM_MemcpyFrame(benchmark::State& state) {
  if (!Ready(state)) return;
  BusyTable& table = Table();
  const Surface& background = table.pictures->slots.Background;
  for (auto _ : state) {
    std::memcpy(table.screen.BackBuffer.Pixels.data(), background.Pixels.data(),
                background.Pixels.size() * sizeof(std::uint16_t));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_MemcpyFrame)->Unit(benchmark::kMicrosecond)->Repetitions(7)->ReportAggregatesOnly();

// Frees an SDL surface; the pixels stay with the `Surface` it wraps.
struct SdlSurfaceFree {
  void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
};
using SdlSurface = std::unique_ptr<SDL_Surface, SdlSurfaceFree>;

SdlSurface Wrap(const Surface& s, bool rle) {
  SdlSurface wrapped(SDL_CreateRGBSurfaceWithFormatFrom(const_cast<std::uint16_t*>(s.Pixels.data()),
                                                        s.Width, s.Height, 16, s.Width * 2,
                                                        SDL_PIXELFORMAT_RGB565));
  if (wrapped && s.HasColorKey) {
    SDL_SetColorKey(wrapped.get(), SDL_TRUE, s.ColorKey);
    if (rle) SDL_SetSurfaceRLE(wrapped.get(), 1);
  }
  return wrapped;
}

struct SdlBlit {
  SDL_Surface* source;
  SDL_Rect from;
  SDL_Rect to;
};

// The same pictures at the same places as the table drawing puts them (the
// busy table has no pile over eleven cards, no deck and no chosen card).
std::vector<SdlBlit> SdlScene(const Game& game, const std::vector<SdlSurface>& cards,
                              SDL_Surface* back, SDL_Surface* digits) {
  std::vector<SdlBlit> blits;
  const auto card = [&](const CardSprite& s, bool faceUp) {
    SDL_Surface* source = faceUp ? cards[static_cast<std::size_t>(s.Card)].get() : back;
    blits.push_back(
        {source, {0, 0, source->w, source->h}, {CInt(s.X), CInt(s.Y), source->w, source->h}});
  };
  const Piles& piles = game.piles;
  for (const SidePiles* side : {&piles.Our, &piles.Their}) {
    for (const SweepMark& m : side->Sweeps) {
      if (m.Shown) card(CardSprite{.X = m.X, .Y = m.Y, .Card = m.Card}, true);
    }
  }
  for (const SidePiles* side : {&piles.Our, &piles.Their}) {
    for (int i = 0; i < side->PileCount; ++i) card(side->Pile[static_cast<std::size_t>(i)], false);
  }
  for (int i = 0; i < piles.TableCount; ++i) {
    card(piles.TablePile[static_cast<std::size_t>(i)], true);
  }
  for (const int seat : {2, 1, 3, 0}) {
    for (const CardSprite& s : piles.Hand[static_cast<std::size_t>(seat)]) {
      if (s.Present) card(s, s.FaceUp || seat == 0);
    }
  }
  const std::string clock = ClockText(kClock);
  for (std::size_t i = 0; i < clock.size(); ++i) {
    const int g = clock[i] - 32;
    const int x = game.layout.ClockX + 17 * static_cast<int>(i);
    blits.push_back({digits,
                     {19 * (g % 20), 27 * (g / 20), std::min(19, 800 - x), 27},
                     {x, game.layout.ClockY, 19, 27}});
  }
  return blits;
}

void BM_SdlBlitTable(benchmark::State& state) {
  if (!Ready(state)) return;
  BusyTable& table = Table();
  const ResourceSlots& slots = table.pictures->slots;
  const bool rle = state.range(0) != 0;
  std::vector<SdlSurface> cards;
  for (const Surface& s : slots.CardImage) cards.push_back(Wrap(s, rle));
  const SdlSurface background = Wrap(slots.Background, rle);
  const SdlSurface back = Wrap(slots.CardBack, rle);
  const SdlSurface digits = Wrap(slots.DigitFont.dds, rle);
  const SdlSurface target = Wrap(table.screen.BackBuffer, false);
  const std::vector<SdlBlit> blits = SdlScene(table.game, cards, back.get(), digits.get());
  for (auto _ : state) {
    SDL_BlitSurface(background.get(), nullptr, target.get(), nullptr);
    for (SdlBlit blit : blits) SDL_BlitSurface(blit.source, &blit.from, target.get(), &blit.to);
    benchmark::ClobberMemory();
  }
  state.SetLabel(std::to_string(blits.size() + 1) + " blits" + (rle ? ", RLE" : ""));
}
BENCHMARK(BM_SdlBlitTable)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(7)
    ->ReportAggregatesOnly();

}  // namespace

BENCHMARK_MAIN();
