#include "memory/match_file.h"

#include "memory/field_io.h"
#include "memory/game_fields.h"
#include "memory/match_check.h"
#include "memory/option_words.h"
#include "memory/shown_text.h"

namespace verlano {

namespace {

// The result's word on the "random" line. A tie above the target is kept as
// the "match" line's flag (game_fields.h) and is "none" here.
constexpr std::array<std::pair<std::string_view, MatchResult>, 3> kResultWords = {{
    {"none", MatchResult::None},
    {"won", MatchResult::Won},
    {"lost", MatchResult::Lost},
}};

std::string Indexed(std::string_view name, int i) {
  return std::string(name) + "." + std::to_string(i);
}

// Every record but the options and the random generator, in the file's
// order: `state(name, visit)` for the lines that must be there whole,
// `sprite(name, visit)` for the screen's places, which leave out what a fresh
// game has. `visit` takes a field visitor.
template <typename G, typename State, typename Sprite>
void ForEachRecord(G& game, State state, Sprite sprite) {
  auto& p = game.piles;
  state("match", [&](auto& v) { VisitMatch(v, game.match); });
  state("score-we", [&](auto& v) { VisitSideScore(v, game.score.We); });
  state("score-they", [&](auto& v) { VisitSideScore(v, game.score.They); });
  state("turn", [&](auto& v) { VisitTurn(v, game.turn); });
  state("memory", [&](auto& v) { VisitMemory(v, game.memory); });
  state("capture", [&](auto& v) { VisitCapture(v, game.capture); });
  state("deal", [&](auto& v) { VisitDeal(v, game.deal); });
  state("piles", [&](auto& v) { VisitPileCounts(v, p); });
  for (int seat = 0; seat < 4; ++seat) {
    state(Indexed("seat", seat), [&](auto& v) { VisitSeat(v, p, seat); });
  }
  state("table", [&](auto& v) { VisitTableCards(v, p); });
  state("we", [&](auto& v) { VisitSide(v, p.Our); });
  state("they", [&](auto& v) { VisitSide(v, p.Their); });
  for (int i = 0; i < kDeckEntries; ++i) {
    sprite(Indexed("deck", i), [&](auto& v) { VisitSprite(v, p.Deck[i]); });
  }
  for (int seat = 0; seat < 4; ++seat) {
    for (int i = 0; i < kHandEntries; ++i) {
      sprite(Indexed(Indexed("hand", seat), i), [&](auto& v) { VisitSprite(v, p.Hand[seat][i]); });
    }
  }
  for (int i = 0; i < kTableEntries; ++i) {
    sprite(Indexed("on-table", i), [&](auto& v) { VisitSprite(v, p.TablePile[i]); });
  }
  for (int i = 0; i < kTableSlotEntries; ++i) {
    sprite(Indexed("place", i), [&](auto& v) { VisitTableSlot(v, p.TableSlots[i]); });
  }
  for (auto* side : {&p.Our, &p.Their}) {
    const std::string name = side == &p.Our ? "we" : "they";
    for (int i = 0; i < kSidePileEntries; ++i) {
      sprite(Indexed(name + "-pile", i), [&](auto& v) { VisitSprite(v, side->Pile[i]); });
    }
    for (int i = 0; i < kSweepMarkEntries; ++i) {
      sprite(Indexed(name + "-mark", i), [&](auto& v) { VisitSweepMark(v, side->Sweeps[i]); });
    }
  }
  // Last, and left out before a side's first capture, so that files kept
  // before it was kept still load (without it, Space shows nothing).
  sprite("we-last", [&](auto& v) { VisitLastCapture(v, p.Our.Last); });
  sprite("they-last", [&](auto& v) { VisitLastCapture(v, p.Their.Last); });
  // The hand's story, left out while empty, so that the story and the record
  // of a match continued mid-hand keep its plays so far.
  sprite("story", [&](auto& v) { v.Int("count", game.playLog.Count, 0, kLoggedPlays); });
  for (int i = 0; i < kLoggedPlays; ++i) {
    sprite(Indexed("story-line", i), [&](auto& v) { VisitPlayLine(v, game.playLog.Lines[i]); });
  }
}

// The fields a fresh game's record has, to leave them out of the file.
template <typename Visit>
RecordFields FreshFields(const CardTables& cards, Visit visit) {
  FieldWriter writer(cards);
  visit(writer);
  return ParseRecords(std::string(kMatchHeader) + "\nx" + writer.Text(), kMatchHeader, false)
      .Need("x");
}

// The kind of a sprite record: its name's first word ("deck", "we-pile").
std::string KindOf(const std::string& name) {
  return name.substr(0, name.find('.'));
}

// The fields of each kind of sprite in a fresh game, which the file leaves out.
const std::map<std::string, RecordFields, std::less<>>& FreshSprites() {
  static const std::map<std::string, RecordFields, std::less<>> fresh = [] {
    std::map<std::string, RecordFields, std::less<>> kinds;
    const Game blank(Options{}, 0);
    ForEachRecord(
        blank, [](const std::string&, auto) {},
        [&](const std::string& name, auto visit) {
          if (!kinds.contains(KindOf(name)))
            kinds.emplace(KindOf(name), FreshFields(blank.cards, visit));
        });
    return kinds;
  }();
  return fresh;
}

Options OptionsOf(const Settings& s) {
  Options o;
  o.variant = s.Rules.Choice;
  o.extraCoinPoints = s.Rules.ExtraCoinPoints;
  for (const auto& [word, deck] : kDeckWords) {
    Options probe;
    probe.deck = deck;
    Settings applied;
    Layout layout;
    ApplyOptions(probe, applied, layout);
    if (applied.DeckName == s.DeckName) o.deck = deck;
  }
  o.animation = s.Animation;
  o.opponents = s.OpponentsLevel;
  o.partner = s.PartnerLevel;
  return o;
}

// The animation speed is left out: it decides no play, and a match kept at
// one speed goes on at the one chosen when it is continued.
bool SameOptions(const Options& a, const Options& b) {
  return a.variant == b.variant && a.extraCoinPoints == b.extraCoinPoints && a.deck == b.deck &&
         a.opponents == b.opponents && a.partner == b.partner;
}

// The line of a match left after the player's play from it.
constexpr std::string_view kLeftLine = "left";

// Whether the records say the match was left after a play (the line's field
// checked); false without the line.
bool ReadLeftAfterPlay(const Records& records, const CardTables& cards) {
  const RecordFields* fields = records.Find(kLeftLine);
  if (fields == nullptr) return false;
  FieldReader v(*fields, std::string(kLeftLine), cards, true);
  bool left = false;
  v.Flag("after-play", left);
  v.Done();
  return left;
}

std::string WriteMatchText(const Game& game, bool leftAfterPlay) {
  RecordWriter out(kMatchHeader);
  const CardTables& cards = game.cards;
  {
    FieldWriter v(cards);
    const Options options = OptionsOf(game.settings);
    VisitPlayOptions(v, options);
    out.Line("options", v.Text());
  }
  {
    FieldWriter v(cards);
    v.Unsigned("seed", game.rng.Seed());
    v.Unsigned("draws", game.rng.Draws());
    v.Unsigned("search-seed", game.searchSeed);
    const MatchResult result = game.match.Result;
    v.Choice("result", result == MatchResult::TieOverTarget ? MatchResult::None : result,
             kResultWords);
    out.Line("random", v.Text());
  }
  if (leftAfterPlay) {
    FieldWriter v(cards);
    v.Flag("after-play", true);
    out.Line(kLeftLine, v.Text());
  }
  const std::map<std::string, RecordFields, std::less<>>& fresh = FreshSprites();
  ForEachRecord(
      game,
      [&](const std::string& name, auto visit) {
        FieldWriter v(cards);
        visit(v);
        out.Line(name, v.Text());
      },
      [&](const std::string& name, auto visit) {
        FieldWriter v(cards, &fresh.find(KindOf(name))->second);
        visit(v);
        if (!v.Text().empty()) out.Line(name, v.Text());
      });
  return out.Finish();
}

}  // namespace

std::string WriteMatch(const Game& game) {
  return WriteMatchText(game, false);
}

std::string WriteMatchLeftAfterPlay(const Game& game) {
  return WriteMatchText(game, true);
}

bool LeftAfterPlay(std::string_view text) {
  const CardTables noCards;
  return ReadLeftAfterPlay(ParseRecords(text, kMatchHeader, true), noCards);
}

Options MatchOptions(std::string_view text) {
  const Records records = ParseRecords(text, kMatchHeader, true);
  Options options;
  Game probe(options, 0);
  // An option the file leaves out keeps its default, so options added later
  // leave older files good.
  FieldReader v(records.Need("options"), "options", probe.cards, false);
  VisitOptions(v, options);
  v.Done();
  return options;
}

void ReadMatch(std::string_view text, Game& game) {
  const Records records = ParseRecords(text, kMatchHeader, true);
  const CardTables& cards = game.cards;
  MatchResult result = MatchResult::None;
  if (!SameOptions(MatchOptions(text), OptionsOf(game.settings))) {
    throw RecordError("it is loaded into a game of other options");
  }
  {
    FieldReader v(records.Need("random"), "random", cards, true);
    std::uint64_t seed = 0, draws = 0;
    v.Unsigned("seed", seed);
    v.Unsigned("draws", draws);
    v.Unsigned("search-seed", game.searchSeed);
    v.Choice("result", result, kResultWords);
    v.Done();
    // A match draws some thousands of numbers a hand; far more is a damaged file.
    constexpr std::uint64_t kMostDraws = 100'000'000;
    if (draws > kMostDraws)
      throw RecordError("its random generator claims " + std::to_string(draws) + " draws");
    game.rng = Random::Resumed(seed, draws);
  }
  // Checked here, applied by the one who continues the match (the mark says
  // how the file was left, not how the match stands).
  ReadLeftAfterPlay(records, cards);
  std::set<std::string, std::less<>> known = {"options", "random", std::string(kLeftLine)};
  auto read = [&](bool required) {
    return [&, required](const std::string& name, auto visit) {
      known.insert(name);
      const RecordFields* fields = records.Find(name);
      if (fields == nullptr) {
        if (required) records.Need(name);
        return;
      }
      FieldReader v(*fields, name, cards, required);
      visit(v);
      v.Done();
    };
  };
  ForEachRecord(game, read(true), read(false));
  // After the tie's flag, so that a file claiming both fails the checks below.
  if (result != MatchResult::None) game.match.Result = result;
  for (const auto& [name, fields] : records.lines) {
    if (!known.contains(name))
      throw RecordError("it has an unknown line '" + Shown(name, 30) + "'");
  }
  CheckMatchPosition(game);
}

MatchText MatchFileText() {
  return {.Write = WriteMatch, .Read = [](std::string_view text, Game& game) {
            try {
              ReadMatch(text, game);
              return true;
            } catch (const RecordError&) {
              return false;
            }
          }};
}

}  // namespace verlano
