#include "game/game_run.h"
#include "i18n/translate.h"

namespace verlano {

namespace {

constexpr int kFontCellWidth = 19;
constexpr int kFontCellHeight = 27;
constexpr int kFontColumns = 20;
constexpr int kMagentaKey = 2;

std::string DeckFolder(const std::string& deckName) {
  if (deckName == "Trentino") return "res\\Trent\\";
  if (deckName == "Royal") return "res\\Royal\\";
  return "res\\Trevigiano\\";
}

std::string OriginOf(const GameRun& run, const std::string& file) {
  return run.folder.Origin ? run.folder.Origin(file) : std::string();
}

// The file's origin as a line of its own under a fatal message, when it has one.
std::string WithOrigin(const GameRun& run, const std::string& message, const std::string& file) {
  const std::string origin = OriginOf(run, file);
  return origin.empty() ? message : message + "\n" + Format(_("The file is %s."), origin.c_str());
}

class Loader {
 public:
  explicit Loader(GameRun& run) : run_(run) {}

  bool Picture(Surface& out, const std::string& gamePath, bool keyed) {
    const std::string path = run_.folder.Resolve(gamePath);
    std::string error;
    int number = 0;
    if (!run_.platform.CreateSurfaceFromFile(out, path, run_.game.settings.UseVideoMemory, error,
                                             number)) {
      FailRun(run_,
              PlatformErrorMessage("CreateSurfaceFromFile", number, WithOrigin(run_, error, path)));
      return false;
    }
    if (keyed) SetSurfaceColorKey(out, kMagentaKey);
    return true;
  }

  bool Font(clsDXBitmapFont& font, const std::string& gamePath) {
    const std::string path = run_.folder.Resolve(gamePath);
    std::string error;
    if (!font.CreateSpriteFromFile(run_.platform, path, kFontCellWidth, kFontCellHeight,
                                   kFontColumns, run_.game.settings.UseVideoMemory, error)) {
      FailRun(run_, WithOrigin(run_, error, path));
      return false;
    }
    font.SetTransColor(kMagentaKey);
    return true;
  }

  // Archives made before the small font lack it: the table's font, shrunk
  // to the small one's cells, stands in, and the game plays on.
  void SmallFont(clsDXBitmapFont& font, const clsDXBitmapFont& big, const std::string& gamePath) {
    const std::string path = run_.folder.Resolve(gamePath);
    std::string error;
    if (!font.CreateSpriteFromFile(run_.platform, path, kSmallFontCellWidth, kSmallFontCellHeight,
                                   kFontColumns, run_.game.settings.UseVideoMemory, error)) {
      font.SetGrid(kSmallFontCellWidth, kSmallFontCellHeight, kFontColumns);
      font.ShrinkFrom(big);
      const std::string origin = OriginOf(run_, path);
      run_.platform.Warn(
          Format(_("%s cannot be read; the small text is drawn with the large font made smaller"),
                 (origin.empty() ? path : origin).c_str()));
    }
    font.SetTransColor(kMagentaKey);
  }

 private:
  GameRun& run_;
};

}  // namespace

void LoadSounds(GameRun& run) {
  // Loaded in this order; "WIN_GAME.WAV" before "LOSE_GAME.WAV".
  static const struct {
    int slot;
    const char* file;
  } kSounds[] = {{18, "CARD_FLIP.WAV"}, {19, "CARD_FLIP2.WAV"}, {20, "CARD_FLIP3.WAV"},
                 {21, "SIGN1.WAV"},     {22, "SIGN2.WAV"},      {23, "SIGN3.WAV"},
                 {24, "SHUFFLE.WAV"},   {25, "INTRO.WAV"},      {27, "WIN_GAME.WAV"},
                 {26, "LOSE_GAME.WAV"}};
  for (const auto& s : kSounds) {
    const std::string path = run.folder.Resolve(std::string("res\\sounds\\") + s.file);
    std::string error;
    run.slots.Sound[s.slot - kSoundSlotFirst] = run.platform.LoadSound(path, error);
    if (error.empty()) continue;
    const std::string origin = OriginOf(run, path);
    run.platform.Warn(origin.empty()
                          ? Format(_("%s; the game plays on without this sound"), error.c_str())
                          : Format(_("%s (%s); the game plays on without this sound"),
                                   error.c_str(), origin.c_str()));
  }
}

bool LoadGraphics(GameRun& run) {
  Loader load(run);
  ResourceSlots& r = run.slots;
  const std::string deck = DeckFolder(run.game.settings.DeckName);
  if (!load.Picture(r.Background, "res\\bitmaps\\Back_800x600.bmp", false)) return false;
  if (!load.Picture(r.CardBack, deck + "S_cardback.bmp", true)) return false;
  for (int card = 0; card < kCardIndexCount; ++card) {
    if (!InPlay(run.game.cards, card)) continue;
    if (!load.Picture(r.CardImage[card], deck + run.game.cards.CardFileName[card], true)) {
      return false;
    }
  }
  if (!load.Picture(r.ScorePage, "res\\bitmaps\\Scorepage_800x600.bmp", true)) return false;
  if (!load.Picture(r.FrameBlue, deck + "FrameBlue.bmp", true)) return false;
  for (Surface& line : r.HorzLine) {
    if (!load.Picture(line, "res\\bitmaps\\line_horz.bmp", true)) return false;
  }
  if (!load.Picture(r.VertLine, "res\\bitmaps\\line_vert.bmp", true)) return false;
  if (!load.Picture(r.Cursor, "res\\bitmaps\\mouse.bmp", true)) return false;
  const std::string hand = "res\\fntFonts\\fntHandParker.bmp";
  if (!load.Font(r.HandFont, hand)) return false;
  if (!load.Font(r.DigitFont, "res\\fntFonts\\fntDigit.bmp")) return false;
  if (!load.Font(r.DeluxeFont, "res\\fntFonts\\fntDeluxe.bmp")) return false;
  load.SmallFont(r.SmallFont, r.DeluxeFont, "res\\fntFonts\\fntSmall.bmp");
  for (clsDXBitmapFont& row : r.HandFonts) {
    if (!load.Font(row, hand)) return false;
  }
  return true;
}

}  // namespace verlano
