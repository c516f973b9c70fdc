#pragma once
// Writing a whole buffer to an open file: the one loop every writer of the
// game goes through, across short writes and interrupted calls.

#include <cstdint>
#include <span>
#include <string_view>
#include <system_error>

namespace verlano {

// Writes every byte of `bytes` to `fd`; the system's error on failure.
[[nodiscard]] std::error_code WriteAll(int fd, std::string_view bytes);

// Bytes held as numbers, seen as the characters the writers take.
inline std::string_view AsChars(std::span<const std::uint8_t> bytes) {
  return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

}  // namespace verlano
