#include "engine/level.h"

#include <algorithm>
#include <cctype>

namespace verlano::engine {

namespace {

constexpr std::array<std::string_view, kLevels.size()> kNames = {"beginner", "classic", "strong",
                                                                 "expert", "master"};

bool SameWord(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) ==
           std::tolower(static_cast<unsigned char>(y));
  });
}

ExpertSettings SearchOf(Level level, const ExpertSettings& expert) {
  return level == Level::Strong ? kStrongSettings : expert;
}

}  // namespace

std::string_view NameOf(Level level) {
  return kNames[static_cast<std::size_t>(level)];
}

std::optional<Level> LevelNamed(std::string_view name) {
  for (const Level level : kLevels) {
    if (SameWord(name, NameOf(level))) return level;
  }
  return std::nullopt;
}

LevelPlayer::LevelPlayer(Level level, const ExpertSettings& expert)
    : level_(level), expert_(SearchOf(level, expert)) {}

Move LevelPlayer::Choose(const Position& position, std::uint64_t seed) {
  switch (level_) {
    case Level::Beginner:
      return beginner_.Choose(position, seed);
    case Level::Classic:
      return ClassicMove(position).move;
    case Level::Strong:
    case Level::Expert:
      return expert_.Choose(position, seed);
    case Level::Master:
      break;
  }
  return master_.Choose(position, seed);
}

}  // namespace verlano::engine
