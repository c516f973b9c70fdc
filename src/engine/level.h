#pragma once
// The ladder of computer players, weakest first: each level a fixed, named
// player (Beginner, Classic, Strong, Expert, Master), and one object that
// plays a seat at a given level. Classic is the game's own player and needs
// no seed; every other level makes its choice from the seed it is given, so
// a match between levels repeats exactly from its seed.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "engine/beginner.h"
#include "engine/expert.h"
#include "engine/master.h"

namespace verlano::engine {

enum class Level { Beginner, Classic, Strong, Expert, Master };

inline constexpr std::array<Level, 5> kLevels = {Level::Beginner, Level::Classic, Level::Strong,
                                                 Level::Expert, Level::Master};

// "beginner", "classic", "strong", "expert", "master".
std::string_view NameOf(Level level);

// The level a name gives, in any case; none for another word.
std::optional<Level> LevelNamed(std::string_view name);

// The strong player: the expert's search with 20 deals over its six likeliest
// plays (24 deals sat too close to the Expert in romane and napoletane, 16
// too close to Classic in romane).
inline constexpr ExpertSettings kStrongSettings{.samples = 20, .maxCandidates = 6};

class LevelPlayer {
 public:
  // `expert`: the Expert level's settings (the duel may change its deals).
  LevelPlayer(Level level, const ExpertSettings& expert);

  // Whether the level searches (and so is timed and takes a seed).
  bool Searches() const { return level_ != Level::Classic; }

  Move Choose(const Position& position, std::uint64_t seed);

 private:
  Level level_;
  BeginnerPlayer beginner_;
  ExpertPlayer expert_;
  MasterPlayer master_;
};

}  // namespace verlano::engine
