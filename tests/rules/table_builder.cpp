#include "rules/table_builder.h"

namespace verlano::test {

Options VariantOptions(Variant variant, bool extraCoinPoints) {
  Options options;
  options.variant = variant;
  options.extraCoinPoints = extraCoinPoints;
  return options;
}

std::vector<RuleSetCase> PerRuleSet(const std::array<int, std::size(kRuleSets)>& expected) {
  std::vector<RuleSetCase> cases;
  for (std::size_t i = 0; i < expected.size(); ++i) cases.push_back({kRuleSets[i], expected[i]});
  return cases;
}

std::string RuleSetName(const ::testing::TestParamInfo<RuleSetCase>& info) {
  return info.param.rules.name;
}

void PrintTo(const RuleSetCase& c, std::ostream* os) {
  *os << c.rules.name << " expecting " << c.expected;
}

std::unique_ptr<Game> DealtGame(const Options& options, SoundOut* sound, std::uint64_t seed) {
  auto game = std::make_unique<Game>(options, seed, sound);
  DealHand(*game);
  return game;
}

int CardOf(const Game& game, std::string_view code) {
  const int card = CardFromCode(game.cards, code);
  if (card < 0) ADD_FAILURE() << "no card in play is called " << code;
  return card < 0 ? 0 : card;
}

void LayTable(Game& game, Codes table, std::string_view played, int seat) {
  LayTable(game, std::vector<std::string_view>(table), played, seat);
}

void LayTable(Game& game, const std::vector<std::string_view>& table, std::string_view played,
              int seat) {
  Piles& p = game.piles;
  auto lay = [&](std::string_view code) {
    CardSprite& s = p.TablePile[p.TableCount];
    s.Card = CardOf(game, code);
    s.Present = true;
    s.FaceUp = true;
    s.Moving = false;
    s.ToCapture = false;
    s.Chosen = false;
    p.TableCards[p.TableCardCount++] = s.Card;
    p.TableCount += 1;
  };
  p.TableCount = 0;
  p.TableCardCount = 0;
  for (std::string_view code : table) lay(code);
  lay(played);
  p.CardsPlayed = 1;
  game.turn.CurrentSeat = seat;
  game.turn.GameState = PlayState::NormalPlay;
}

void Choose(Game& game, std::initializer_list<int> positions) {
  for (int i : positions) game.piles.TablePile[i].Chosen = true;
}

void GiveCards(Game& game, SidePiles& side, Codes codes) {
  for (std::string_view code : codes) side.Cards[side.CardCount++] = CardOf(game, code);
}

void GiveCards(SidePiles& side, const std::vector<int>& cards) {
  for (int card : cards) side.Cards[side.CardCount++] = card;
}

std::vector<int> CardsInPlay(const Game& game) {
  std::vector<int> cards;
  for (int i = 0; i < kCardIndexCount; ++i) {
    if (InPlay(game.cards, i)) cards.push_back(i);
  }
  return cards;
}

}  // namespace verlano::test
