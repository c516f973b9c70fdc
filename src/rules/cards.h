#pragma once
// The card model: every card is a card index 0..51 (4 x rank position + image
// suit position, suits C D H S). Four parallel tables give each index its image
// file name, capture value, primiera value and suit code; `PlayedByValue` is the
// hand's card memory that the computer player reads.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace verlano {

inline constexpr int kCardIndexCount = 52;  // ace..king in four suits, 40 of them in play
inline constexpr int kOutOfPlayValue = 15;  // capture value of the eights, nines and tens
inline constexpr int kCoinSuit = 3;         // suit code of coins ("D")
inline constexpr int kSettebello = 25;      // "7D.BMP"
inline constexpr int kKingOfCoins = 49;     // "KD.BMP"

struct CardTables {
  std::array<std::string, 56> CardFileName{};
  std::array<int, 55> CardValue{};
  std::array<int, 55> CardPrimiera{};
  std::array<int, 55> CardSuit{};  // C 0, H 1, S 2, D 3
  std::array<int, 16> SortRank{};  // hand-sort key per capture value
  std::uint64_t InPlaySet = 0;     // bit i set for each card index i in play
};

// Fills the file names, then the value tables (`BuildCardTables`).
void BuildCardNames(CardTables& cards);
void BuildCardTables(CardTables& cards);

// Cards of each capture value that have landed on the table this hand.
struct CardMemory {
  std::array<int, 15> PlayedByValue{};
};

void NoteCardPlayed(CardMemory& memory, const CardTables& cards, int card);

// A card's short code: its file name without ".BMP" ("7D", "KS", "10C").
std::string CardCode(const CardTables& cards, int card);

// The card index of a short code, -1 if it names no card in play.
int CardFromCode(const CardTables& cards, std::string_view code);

inline bool InPlay(const CardTables& cards, int card) {
  return card >= 0 && card < kCardIndexCount && cards.CardValue[card] != kOutOfPlayValue;
}

}  // namespace verlano
