#pragma once
// The error of the system call that has just failed, as every file function
// of the game returns it: errno in the generic category, so that it compares
// equal to the std::errc values.

#include <cerrno>
#include <system_error>

namespace verlano {

inline std::error_code LastError() {
  return {errno, std::generic_category()};
}

}  // namespace verlano
