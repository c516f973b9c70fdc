#include "busy_table.h"

#include <filesystem>
#include <vector>

#include "platform/bmp_file.h"
#include "resources/resource_path.h"
#include "resources/unpack.h"

namespace verlano::bench {

namespace {

namespace fs = std::filesystem;

constexpr const char* kArchive = "res077.pak";

// Loads the pictures of the Trevigiano deck and the table from an unpacked
// archive, stopping at the first that fails.
class PictureLoader {
 public:
  PictureLoader(Pictures& pictures, std::string root) : p_(pictures), root_(std::move(root)) {}

  void LoadAll(const CardTables& cards) {
    ResourceSlots& slots = p_.slots;
    bool ok = Load("res\\bitmaps\\Back_800x600.bmp", slots.Background, 0) &&
              Load("res\\bitmaps\\Scorepage_800x600.bmp", slots.ScorePage, 2) &&
              Load("res\\bitmaps\\mouse.bmp", slots.Cursor, 2) &&
              Load("res\\Trevigiano\\S_cardback.bmp", slots.CardBack, 2) &&
              Load("res\\Trevigiano\\FrameBlue.bmp", slots.FrameBlue, 2) &&
              Load("res\\fntFonts\\fntDigit.bmp", slots.DigitFont.dds, 2) &&
              Load("res\\fntFonts\\fntSmall.bmp", slots.SmallFont.dds, 2);
    for (int card = 0; ok && card < kCardIndexCount; ++card) {
      if (!InPlay(cards, card)) continue;
      ok = Load("res\\Trevigiano\\" + cards.CardFileName[static_cast<std::size_t>(card)],
                slots.CardImage[static_cast<std::size_t>(card)], 2);
    }
    slots.DigitFont.SetGrid(19, 27, 20);
    slots.SmallFont.SetGrid(kSmallFontCellWidth, kSmallFontCellHeight, 20);
  }

 private:
  bool Load(const std::string& gamePath, Surface& out, int keyMode) {
    std::string reason;
    int number = 0;
    if (!LoadBmpFile(ResolveResourcePath(root_, gamePath), out, reason, number)) {
      p_.error = gamePath + ": " + reason;
      return false;
    }
    SetSurfaceColorKey(out, keyMode);
    return true;
  }

  Pictures& p_;
  std::string root_;
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
  PictureLoader(*pictures, unpacked.resourceRoot).LoadAll(cards);
  RemoveResources(unpacked);
  return pictures;
}

void Place(CardSprite& sprite, int card, float x, float y, bool faceUp) {
  sprite = CardSprite{.X = x, .Y = y, .Card = card, .Present = true, .FaceUp = faceUp};
}

// Mid-hand of the nine-card game: eight cards on the table, six in each hand,
// a card of seat 1 on its way to the table, two taken piles and a sweep each,
// and each side's last capture of five cards (cards shown elsewhere too: the
// pack is spent).
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
    const std::size_t first = side == &piles.Our ? 0 : 5;
    side->Last.Taker = deck[first];
    side->Last.TakenCount = 4;
    for (std::size_t k = 0; k < 4; ++k) side->Last.Taken[k] = deck[first + 1 + k];
  }
  game.turn.GameState = PlayState::Paused;
}

}  // namespace

BusyTable::BusyTable() : pictures(LoadPictures(game.cards)) {
  SetUpBusyTable(game);
}

BusyTable& Table() {
  static BusyTable table;
  return table;
}

bool Ready(benchmark::State& state) {
  if (Table().pictures->error.empty()) return true;
  state.SkipWithError(Table().pictures->error.c_str());
  return false;
}

}  // namespace verlano::bench
