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

void BuildCardTables(CardTables& cards) {
  // Primiera values of the pip ranks 2..7.
  constexpr int kPipPrimiera[8] = {0, 0, 12, 13, 14, 15, 18, 21};
  for (int i = 0; i < kCardIndexCount; ++i) {
    const std::string& name = cards.CardFileName[i];
    const char first = name[0];
    switch (first) {
      case 'J':
        cards.CardValue[i] = 8;
        cards.CardPrimiera[i] = 10;
        break;
      case 'Q':
        cards.CardValue[i] = 9;
        cards.CardPrimiera[i] = 10;
        break;
      case 'K':
        cards.CardValue[i] = 10;
        cards.CardPrimiera[i] = 10;
        break;
      case 'A':
        cards.CardValue[i] = 1;
        cards.CardPrimiera[i] = 16;
        break;
      case '1':
      case '8':
      case '9':
        cards.CardValue[i] = kOutOfPlayValue;
        break;
      default:
        cards.CardValue[i] = first - '0';
        cards.CardPrimiera[i] = kPipPrimiera[first - '0'];
        break;
    }
    // The tens have the digit 0 second; their suit letter comes third.
    int suit = SuitCode(name[1]);
    if (suit < 0) suit = SuitCode(name[2]);
    cards.CardSuit[i] = suit;
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
