#pragma once
// The command line of `verlano-sim play`.

#include <optional>
#include <string>
#include <vector>

#include "sim/match_runner.h"

namespace verlano::sim {

// --variant V --matches N --seed S [--slow] [--deck D] [--trace] [--quiet]
// [--sort-key] [--every-frame] [--opponents L] [--partner L] [--save-every K]
// [--record DIR], the first three required; nullopt with `error` set when the
// line is wrong or its DIR (relative to the working folder, made when
// missing) cannot be used.
std::optional<PlayConfig> ParsePlayArguments(const std::vector<std::string>& args,
                                             std::string& error);

}  // namespace verlano::sim
