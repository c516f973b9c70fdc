#include "sim/answers.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "game/engine_view.h"
#include "rules/game.h"
#include "sim/line_fields.h"

namespace verlano::sim {

namespace {

constexpr int kSeat = 1;            // any computer seat answers the same way
constexpr int kMostSweeps = 40;     // one per card played in a hand
constexpr std::uint64_t kSeed = 0;  // neither question draws a random number
constexpr int kCardsPerValue = 4;   // one a suit

constexpr std::array<std::string_view, 5> kChooseFields = {"variant", "hand", "table", "played",
                                                           "out"};
constexpr std::array<std::string_view, 5> kScoreFields = {"variant", "we", "they", "wesweeps",
                                                          "theysweeps"};

void SetUpTable(Piles& piles, const std::vector<int>& table) {
  for (int card : table) {
    piles.TablePile[piles.TableCount].Card = card;
    piles.TablePile[piles.TableCount++].Present = true;
    piles.TableCards[piles.TableCardCount++] = card;
  }
}

// Cards already taken: the classic player looks for them in either pile, so
// ours holds them all.
void SetUpOut(SidePiles& ours, const std::vector<int>& out) {
  for (int card : out) {
    ours.Pile[ours.PileCount++].Card = card;
    ours.Cards[ours.CardCount++] = card;
  }
}

void SetUpTaken(SidePiles& side, const std::vector<int>& cards) {
  for (int card : cards) side.Cards[side.CardCount++] = card;
}

// The game counts a card as played when it lands on the table, so the table's
// and the piles' cards are among `played`; the hand's are not. Together with
// them a count past the pack's four of a value is a position no game reaches.
void CheckPlayedAgainstHand(const CardTables& cards, const std::vector<int>& hand,
                            const std::array<int, 15>& played) {
  for (int value = 1; value < std::ssize(played); ++value) {
    const auto inHand =
        std::ranges::count_if(hand, [&](int c) { return cards.CardValue[c] == value; });
    if (played[value] + inHand <= kCardsPerValue) continue;
    throw LineError("played " + std::to_string(value) + ":" + std::to_string(played[value]) +
                    " and " + std::to_string(inHand) + " in hand make " +
                    std::to_string(played[value] + inHand) + " cards of value " +
                    std::to_string(value) + " (the pack has " + std::to_string(kCardsPerValue) +
                    ")");
  }
}

std::string Choose(std::string_view line) {
  const LineFields fields(line, kChooseFields);
  Game game(ParseVariant(fields.Required("variant")), kSeed);
  CardLists lists(game.cards);
  const std::vector<int> hand = lists.Parse("hand", fields.Required("hand"), engine::kMaxHand);
  const std::vector<int> table = lists.Parse("table", fields.Required("table"), kTableCardEntries);
  const std::vector<int> out = lists.Parse("out", fields.Optional("out"), kSideCardEntries);
  if (hand.empty()) throw LineError("hand is empty: there is no card to choose");
  game.memory.PlayedByValue = ParsePlayed(fields.Optional("played"));
  CheckPlayedAgainstHand(game.cards, hand, game.memory.PlayedByValue);
  Piles& piles = game.piles;
  std::ranges::copy(hand, piles.HandCards[kSeat].begin());
  piles.HandCount[kSeat] = static_cast<int>(hand.size());
  SetUpTable(piles, table);
  SetUpOut(piles.Our, out);

  const ComputerPlay play = ClassicPlay(game, kSeat);
  const CaptureChoice& choice = play.Capture;
  std::string text = std::to_string(play.HandPosition) + " " + std::to_string(choice.Count);
  for (int k = 0; k < choice.Count; ++k) text += " " + std::to_string(choice.Positions[k]);
  std::array<char, 64> score{};
  std::snprintf(score.data(), score.size(), " %.4f", static_cast<double>(choice.Score));
  return text + score.data();
}

std::string SideText(const SideScore& s) {
  std::array<char, 256> text{};
  std::snprintf(text.data(), text.size(),
                "total=%d sweeps=%d primierapoint=%d primierasum=%d settebello=%d kingofcoins=%d "
                "mostcoins=%d coins=%d coinpoints=%d mostcards=%d",
                s.Total, s.Sweeps, s.PrimieraPoint, s.PrimieraSum, s.Settebello, s.KingOfCoins,
                s.MostCoins, s.Coins, s.CoinPoints, s.MostCards);
  return text.data();
}

// Left out means no sweeps; given but empty is as bad a count as any other.
int SweepsField(const LineFields& fields, std::string_view key) {
  return fields.Has(key) ? ParseCount(key, fields.Required(key), kMostSweeps) : 0;
}

std::string Score(std::string_view line) {
  const LineFields fields(line, kScoreFields);
  Game game(ParseVariant(fields.Required("variant")), kSeed);
  CardLists lists(game.cards);
  SetUpTaken(game.piles.Our, lists.Parse("we", fields.Required("we"), kSideCardEntries));
  SetUpTaken(game.piles.Their, lists.Parse("they", fields.Required("they"), kSideCardEntries));
  game.score.We.Sweeps = SweepsField(fields, "wesweeps");
  game.score.They.Sweeps = SweepsField(fields, "theysweeps");
  ScoreHand(game);
  return SideText(game.score.We) + " | " + SideText(game.score.They);
}

template <typename Question>
Answer Ask(Question question, std::string_view line) {
  try {
    return Answer{question(line), true};
  } catch (const LineError& fault) {
    return Answer{std::string("error: ") + fault.what(), false};
  }
}

}  // namespace

Answer AnswerChoose(std::string_view line) {
  return Ask(Choose, line);
}

Answer AnswerScore(std::string_view line) {
  return Ask(Score, line);
}

}  // namespace verlano::sim
