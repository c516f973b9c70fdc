#pragma once
// Writing a whole buffer to a file in one go, as the archive writer, the entry
// copier and the builder's contact sheets do, with the failure turned into a
// reason for the user.

#include <cstdint>
#include <span>
#include <string>

namespace verlano {

// Creates or truncates `path` and writes `bytes`; false with a reason on failure.
bool WriteWholeFile(const std::string& path, std::span<const std::uint8_t> bytes,
                    std::string& error);

}  // namespace verlano
