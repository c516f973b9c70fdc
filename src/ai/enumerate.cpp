#include "ai/enumerate.h"

#include "rules/game.h"

namespace verlano {

namespace {

// Walks table positions in increasing order (the first position outermost),
// so options come out in the same order as nested loops i < j < k < l.
// Every card is worth at least 1, which lets a branch stop once the cards
// still to add could not fit in what is left of the target.
class SetSearch {
 public:
  SetSearch(const CardTables& cards, std::span<const CardSprite> table,
            std::vector<CaptureOption>& out)
      : cards_(cards), table_(table), out_(out) {}

  void Collect(int size, int target) {
    partial_ = CaptureOption{};
    Extend(0, size, target);
  }

 private:
  void Extend(std::size_t first, int remaining, int target) {
    if (remaining == 0) {
      if (target == 0) out_.push_back(partial_);
      return;
    }
    for (std::size_t i = first; i + remaining <= table_.size(); ++i) {
      const int rest = target - cards_.CardValue[table_[i].Card];
      if (rest < remaining - 1) continue;
      partial_.Positions[partial_.Count++] = static_cast<int>(i);
      Extend(i + 1, remaining - 1, rest);
      --partial_.Count;
    }
  }

  const CardTables& cards_;
  std::span<const CardSprite> table_;
  std::vector<CaptureOption>& out_;
  CaptureOption partial_;
};

void AddEqualCards(const CardTables& cards, std::span<const CardSprite> table, int value,
                   std::vector<CaptureOption>& options) {
  bool firstEqual = true;
  for (std::size_t i = 0; i < table.size(); ++i) {
    if (cards.CardValue[table[i].Card] != value) continue;
    // An equal card on the table rules out every sum.
    if (firstEqual) options.clear();
    firstEqual = false;
    CaptureOption single;
    single.Positions[0] = static_cast<int>(i);
    single.Count = 1;
    options.push_back(single);
  }
}

}  // namespace

void EnumerateCaptures(const Game& game, HandAnalysis& analysis, int card,
                       std::span<const CardSprite> table) {
  const CardTables& cards = game.cards;
  const int value = cards.CardValue[card];
  std::vector<CaptureOption>& options = analysis.Options;
  options.clear();
  options.reserve(kTypicalOptionCount);
  // An ace only ever takes an ace.
  if (value > 1) {
    SetSearch search(cards, table, options);
    for (int size = kMaxCaptureSet; size >= 2; --size) {
      if (table.size() >= static_cast<std::size_t>(size)) search.Collect(size, value);
    }
  }
  AddEqualCards(cards, table, value, options);
  if (options.empty()) options.emplace_back();
  for (CaptureOption& option : options) {
    for (int k = 0; k < option.Count; ++k) {
      option.Premium += SettebelloFlag(table[option.Positions[k]].Card);
    }
  }
  ScoreCaptureBasics(game, analysis, table);
}

void ScoreCaptureBasics(const Game& game, HandAnalysis& analysis,
                        std::span<const CardSprite> table) {
  const CardTables& cards = game.cards;
  const int tableCardCount = game.piles.TableCardCount;
  // The table's last card, not the hand card, joins every option's sum: that is
  // how this player has always weighed captures, and its choices depend on it.
  const bool hasLastCard =
      tableCardCount > 0 && static_cast<std::size_t>(tableCardCount) <= table.size();
  const int lastCardPrimiera = hasLastCard ? cards.CardPrimiera[table[tableCardCount - 1].Card] : 0;
  for (CaptureOption& option : analysis.Options) {
    if (option.Count == 0) continue;
    if (option.Count == tableCardCount) option.Premium += 1;
    option.PrimieraSum = lastCardPrimiera;
    for (int k = 0; k < option.Count; ++k) {
      option.PrimieraSum += cards.CardPrimiera[table[option.Positions[k]].Card];
    }
  }
}

int SettebelloFlag(int card) {
  return card == kSettebello ? 1 : 0;
}

int CountCoins(const CardTables& cards, std::span<const CardSprite> table,
               const CaptureOption& option) {
  int coins = 0;
  for (int k = 0; k < option.Count; ++k) {
    if (cards.CardSuit[table[option.Positions[k]].Card] == kCoinSuit) ++coins;
  }
  return coins;
}

}  // namespace verlano
