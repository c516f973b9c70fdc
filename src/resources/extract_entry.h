#pragma once
// Writes one archive entry into a folder under a given file name, for the
// unpacker and `verlano-pak extract` alike, so both refuse the same unsafe
// names and never write through something an earlier run left at the target.

#include <cstdint>
#include <string>
#include <system_error>
#include <vector>

#include "resources/tor_pak.h"

namespace verlano {

// The data of entry `index` when `fileName` is safe to write it under; false
// with the reason an extract gives for a name or an extent it refuses, so that
// `verlano-pak list` refuses the same entries with the same words.
[[nodiscard]] bool ReadWritableEntry(const torPAK& pak, std::int32_t index,
                                     const std::string& fileName, std::vector<std::uint8_t>& data,
                                     std::string& error);

// Writes entry `index` of `pak` to `folder`/`fileName` and returns true; false
// with a reason when the name is unsafe or the entry cannot be read or written.
// `written` receives the path of the file made. When the file itself could
// not be written (a full disk), `writeFailure` receives the system's error
// and nothing of the file is left.
[[nodiscard]] bool ExtractEntry(const torPAK& pak, std::int32_t index, const std::string& folder,
                                const std::string& fileName, std::string& written,
                                std::string& error, std::error_code* writeFailure = nullptr);

}  // namespace verlano
