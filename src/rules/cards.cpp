#include "rules/cards.h"

namespace verlano {

namespace {

constexpr char kSuitLetters[4] = {'C', 'D', 'H', 'S'};

int SuitCode(char letter) {
  switch (letter) {
    case 'D':
      return 3;
    case 'S':
      return 2;
    case 'C':
      return 0;
    case 'H':
      return 1;
    default:
      return -1;
  }
}

}  // namespace

void BuildCardNames(CardTables& cards) {
  const char* courts[4] = {"A", "J", "Q", "K"};
  const int courtBase[4] = {0, 40, 44, 48};
  for (int c = 0; c < 4; ++c) {
    for (int suit = 0; suit < 4; ++suit) {
      cards.CardFileName[courtBase[c] + suit] =
          std::string(courts[c]) + kSuitLetters[suit] + ".BMP";
    }
  }
  for (int i = 0; i <= 8; ++i) {
    for (int suit = 0; suit < 4; ++suit) {
      cards.CardFileName[4 * i + 4 + suit] = std::to_string(i + 2) + kSuitLetters[suit] + ".BMP";
    }
  }
  BuildCardTables(cards);
}

namespace {

// Capture and primiera value by the first character of a file name; the eights,
// nines and tens ("8", "9", "1") are out of play and keep primiera 0.
struct RankValues {
  char first;
  int value;
  int primiera;
};
constexpr RankValues kRankValues[] = {{'A', 1, 16},
                                      {'2', 2, 12},
                                      {'3', 3, 13},
                                      {'4', 4, 14},
                                      {'5', 5, 15},
                                      {'6', 6, 18},
                                      {'7', 7, 21},
                                      {'J', 8, 10},
                                      {'Q', 9, 10},
                                      {'K', 10, 10},
                                      {'8', kOutOfPlayValue, 0},
                                      {'9', kOutOfPlayValue, 0},
                                      {'1', kOutOfPlayValue, 0}};

}  // namespace

void BuildCardTables(CardTables& cards) {
  for (int i = 0; i < kCardIndexCount; ++i) {
    const std::string& name = cards.CardFileName[i];
    for (const RankValues& rank : kRankValues) {
      if (rank.first != name[0]) continue;
      cards.CardValue[i] = rank.value;
      cards.CardPrimiera[i] = rank.primiera;
    }
    // The tens have the digit 0 second; their suit letter comes third.
    int suit = SuitCode(name[1]);
    if (suit < 0) suit = SuitCode(name[2]);
    cards.CardSuit[i] = suit;
  }
  cards.InPlaySet = 0;
  for (int i = 0; i < kCardIndexCount; ++i) {
    if (InPlay(cards, i)) cards.InPlaySet |= std::uint64_t{1} << i;
  }
  for (int v = 0; v <= 13; ++v) cards.SortRank[v] = 13 - v;
}

void NoteCardPlayed(CardMemory& memory, const CardTables& cards, int card) {
  const int value = cards.CardValue[card];
  if (value >= 0 && value < static_cast<int>(memory.PlayedByValue.size())) {
    memory.PlayedByValue[value] += 1;
  }
}

std::string CardCode(const CardTables& cards, int card) {
  const std::string& name = cards.CardFileName[card];
  return name.substr(0, name.size() - 4);
}

int CardFromCode(const CardTables& cards, std::string_view code) {
  for (int i = 0; i < kCardIndexCount; ++i) {
    if (InPlay(cards, i) && CardCode(cards, i) == code) return i;
  }
  return -1;
}

}  // namespace verlano
