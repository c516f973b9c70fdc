#pragma once
// A new hand dealt as the game deals it: the 40 cards shuffled by drawing
// card indices until each has come once, then the variant's packets from the
// leader round the table, with its table cards at each break of the deal (the
// nine-card game: packets of three, two table cards after the 12th and the
// 24th hand card). The leader plays first.

#include <array>
#include <cstdint>

#include "engine/engine_rules.h"
#include "engine/position.h"
#include "rules/random.h"

namespace verlano::engine {

inline constexpr int kPackCards = 40;
using Pack = std::array<std::int8_t, kPackCards>;

Position DealPosition(const EngineRules& rules, int leader, Random& rng);

// The same deal from a pack already shuffled, top card first: the game's
// kept shuffle dealt again gives what each seat and the table were dealt.
Position DealFrom(const EngineRules& rules, int leader, const Pack& pack);

}  // namespace verlano::engine
