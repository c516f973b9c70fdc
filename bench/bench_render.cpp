// The cost of composing one frame of a busy table: the background and the
// whole table drawing with the game's real pictures from res077.pak beside
// this program. For scale, a plain copy of the same 800x600x2 bytes and SDL's
// own colour-keyed blits of the same pictures onto an RGB565 surface.
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "platform/bmp_file.h"
#include "render/cint.h"
#include "render/clock_text.h"
#include "render/draw_table.h"
#include "resources/resource_path.h"
#include "resources/unpack.h"
#include "rules/game.h"

namespace {

namespace fs = std::filesystem;
using namespace verlano;

constexpr const char* kArchive = "res077.pak";
constexpr TimeOfDay kClock{21, 5};

// The game's pictures, unpacked from the archive and removed again.
struct Pictures {
  ResourceSlots slots;
  std::string error;  // empty when everything loaded

  bool Load(const std::string& root, const std::string& gamePath, Surface& out, int keyMode) {
    std::string reason;
    if (!LoadBmpFile(ResolveResourcePath(root, gamePath), out, reason)) {
      error = gamePath + ": " + reason;
      return false;
    }
    SetSurfaceColorKey(out, keyMode);
    return true;
  }

  void LoadAll(const std::string& root, const CardTables& cards) {
    bool ok = Load(root, "res\\bitmaps\\Back_800x600.bmp", slots.Background, 0) &&
              Load(root, "res\\Trevigiano\\S_cardback.bmp", slots.CardBack, 2) &&
              Load(root, "res\\Trevigiano\\FrameBlue.bmp", slots.FrameBlue, 2) &&
              Load(root, "res\\fntFonts\\fntDigit.bmp", slots.DigitFont.dds, 2);
    for (int card = 0; ok && card < kCardIndexCount; ++card) {
      if (!InPlay(cards, card)) continue;
      ok = Load(root, "res\\Trevigiano\\" + cards.CardFileName[static_cast<std::size_t>(card)],
                slots.CardImage[static_cast<std::size_t>(card)], 2);
    }
    slots.DigitFont.SetGrid(19, 27, 20);
  }
};

std::unique_ptr<Pictures> LoadPictures(const CardTables& cards) {
  auto pictures = std::make_unique<Pictures>();
  const fs::path folder = fs::read_symlink("/proc/self/exe").parent_path();
  if (!fs::exists(folder / kArchive)) {
    pictures->error = "no " + (folder / kArchive).string() + ": build the default target first";
    return pictures;
  }
  const UnpackResult unpacked = UnpackResources(folder.string(), kArchive);
  if (!unpacked.ok) {
    pictures->error = unpacked.error;
    return pictures;
  }
  pictures->LoadAll(unpacked.resourceRoot, cards);
  RemoveResources(unpacked);
  return pictures;
}

void Place(CardSprite& sprite, int card, float x, float y, bool faceUp) {
  sprite = CardSprite{.X = x, .Y = y, .Card = card, .Present = true, .FaceUp = faceUp};
}

// Mid-hand of the nine-card game: eight cards on the table, six in each hand,
// a card of seat 1 on its way to the table, two taken piles and a sweep each.
void SetUpBusyTable(Game& game) {
  std::vector<int> deck;
  for (int card = 0; card < kCardIndexCount; ++card) {
    if (InPlay(game.cards, card)) deck.push_back(card);
  }
  std::size_t next = 0;
  Piles& piles = game.piles;
  const int slotX[8] = {230, 336, 441, 336, 230, 441, 520, 141};
  const int slotY[8] = {203, 39, 203, 203, 39, 39, 203, 203};
  piles.TableCount = 8;
  for (int i = 0; i < 8; ++i) {
    Place(piles.TablePile[static_cast<std::size_t>(i)], deck[next++], slotX[i] + 7.0f,
          slotY[i] + 5.0f, true);
  }
  for (int n = 0; n < 6; ++n) {
    Place(piles.Hand[0][static_cast<std::size_t>(n)], deck[next++], 5.0f + 57 * n, 420, true);
    Place(piles.Hand[1][static_cast<std::size_t>(n)], deck[next++], 610.0f + 6 * n, 420, false);
    Place(piles.Hand[2][static_cast<std::size_t>(n)], deck[next++], 610.0f + 6 * n, 5, false);
    Place(piles.Hand[3][static_cast<std::size_t>(n)], deck[next++], 5.0f + 6 * n, 5, false);
  }
  Place(piles.Hand[1][6], deck[next++], 512.4f, 301.7f, true);
  const int drawOrder[kUsableSweepMarks] = {14, 12, 10, 11, 13, 4, 2, 0, 1, 3, 9, 7, 5, 6, 8};
  for (SidePiles* side : {&piles.Our, &piles.Their}) {
    const float pileX = side == &piles.Our ? 45.0f : 635.0f;
    side->PileCount = 7;
    for (int i = 0; i < side->PileCount; ++i) {
      Place(side->Pile[static_cast<std::size_t>(i)], 0, pileX + i % 8, 240.0f + (i * 3) % 8, false);
    }
    for (int i = 0; i < kUsableSweepMarks; ++i) {
      side->Sweeps[static_cast<std::size_t>(i)].DrawOrder = drawOrder[i];
    }
    side->Sweeps[0] = SweepMark{.MarkX = static_cast<int>(pileX),
                                .MarkY = 200,
                                .DrawOrder = drawOrder[0],
                                .Shown = true,
                                .Card = deck[next++],
                                .X = pileX + 2,
                                .Y = 203};
  }
  game.turn.GameState = PlayState::Paused;
}

struct BusyTable {
  Game game{Options{}, 7};
  std::unique_ptr<Pictures> pictures = LoadPictures(game.cards);
  Screen screen = MakeScreen(800, 600);

  BusyTable() { SetUpBusyTable(game); }
};

BusyTable& Table() {
  static BusyTable table;
  return table;
}

bool Ready(benchmark::State& state) {
  if (Table().pictures->error.empty()) return true;
  state.SkipWithError(Table().pictures->error.c_str());
  return false;
}

void BM_ComposeTable(benchmark::State& state) {
  if (!Ready(state)) return;
  BusyTable& table = Table();
  ResourceSlots& slots = table.pictures->slots;
  for (auto _ : state) {
    BltFastClip(table.screen, slots.Background, table.screen.BackBuffer, table.screen.BackRect, 0,
                0, false);
    DrawTable(table.game, slots, table.screen, kClock);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_ComposeTable)->Unit(benchmark::kMicrosecond)->Repetitions(7)->ReportAggregatesOnly();

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
