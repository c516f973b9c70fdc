#pragma once
// A set of card indices (0..51) as one 64-bit word: the engine's piles, the
// cards seen and the cards still unseen copy and combine in one instruction.

#include <bit>
#include <cstdint>

namespace verlano::engine {

using CardSet = std::uint64_t;

inline constexpr CardSet Bit(int card) {
  return CardSet{1} << card;
}

inline constexpr bool Has(CardSet set, int card) {
  return (set >> card) & 1U;
}

inline constexpr int Count(CardSet set) {
  return std::popcount(set);
}

// The lowest card of a non-empty set.
inline constexpr int Lowest(CardSet set) {
  return std::countr_zero(set);
}

}  // namespace verlano::engine
