#pragma once
// The game keeps its piles in fixed arrays with a separate count of entries in
// use. `UsedPrefix` views just those entries, held to the array's size so that
// a stray count can never read past it.

#include <array>
#include <cstddef>
#include <span>

namespace verlano {

template <typename T, std::size_t N>
std::span<const T> UsedPrefix(const std::array<T, N>& entries, int count) {
  const std::size_t used = count <= 0 ? 0 : static_cast<std::size_t>(count);
  return std::span<const T>(entries).first(used < N ? used : N);
}

}  // namespace verlano
