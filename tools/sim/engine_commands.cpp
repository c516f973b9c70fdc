#include "sim/engine_commands.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <map>
#include <optional>
#include <ostream>

#include "rules/game.h"
#include "sim/agreement.h"
#include "sim/duel.h"
#include "sim/ladder.h"
#include "sim/line_fields.h"

namespace verlano::sim {

namespace {

struct UsageError {
  std::string text;
};

// "--key value" pairs, each key at most once and among `known`.
std::map<std::string, std::string> ReadPairs(const std::vector<std::string>& args,
                                             std::initializer_list<std::string_view> known) {
  std::map<std::string, std::string> pairs;
  for (std::size_t i = 1; i < args.size(); i += 2) {
    const std::string& key = args[i];
    const bool knownKey =
        key.starts_with("--") && std::ranges::find(known, key.substr(2)) != known.end();
    if (!knownKey || i + 1 >= args.size() || pairs.contains(key.substr(2))) {
      throw UsageError{"unknown, repeated or incomplete argument '" + key + "'"};
    }
    pairs[key.substr(2)] = args[i + 1];
  }
  return pairs;
}

template <typename Number>
Number NumberOf(const std::map<std::string, std::string>& pairs, const std::string& key, Number low,
                std::optional<Number> fallback = std::nullopt) {
  const auto found = pairs.find(key);
  if (found == pairs.end()) {
    if (fallback) return *fallback;
    throw UsageError{"--" + key + " is required"};
  }
  const std::string& text = found->second;
  Number value{};
  const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || ptr != text.data() + text.size() || value < low) {
    throw UsageError{"bad --" + key + " '" + text + "' (a whole number from " +
                     std::to_string(low) + ")"};
  }
  return value;
}

constexpr const char* kLevelWords = "beginner, classic, strong, expert or master";

engine::Level LevelOf(const std::map<std::string, std::string>& pairs, const std::string& key) {
  const auto found = pairs.find(key);
  if (found == pairs.end()) throw UsageError{"--" + key + " is required (" + kLevelWords + ")"};
  if (const auto level = engine::LevelNamed(found->second)) return *level;
  throw UsageError{"bad --" + key + " '" + found->second + "' (" + kLevelWords + ")"};
}

// What a duel and a ladder share: the variant, the matches, the seed, the threads.
DuelConfig CommonOf(const std::map<std::string, std::string>& pairs) {
  DuelConfig config;
  const auto variant = pairs.find("variant");
  if (variant == pairs.end()) {
    throw UsageError{"--variant is required (nine, romane, romane-extra, napoletane, umbria)"};
  }
  config.variantName = variant->second;
  try {
    const Game game(ParseVariant(config.variantName), 0);
    config.rules = engine::RulesOf(game.settings.Rules);
  } catch (const LineError& e) {
    throw UsageError{e.what()};
  }
  config.matches = NumberOf<long>(pairs, "matches", 1);
  config.seed = NumberOf<std::uint64_t>(pairs, "seed", 0);
  config.threads = NumberOf<int>(pairs, "threads", 1, std::optional<int>(0));
  return config;
}

int Duel(const std::vector<std::string>& args, std::ostream& out) {
  const auto pairs =
      ReadPairs(args, {"variant", "matches", "seed", "us", "them", "samples", "threads"});
  DuelConfig config = CommonOf(pairs);
  config.us = LevelOf(pairs, "us");
  config.them = LevelOf(pairs, "them");
  config.expert.samples =
      NumberOf<int>(pairs, "samples", 1, std::optional<int>(config.expert.samples));
  PrintDuel(config, RunDuel(config), out);
  return 0;
}

int Ladder(const std::vector<std::string>& args, std::ostream& out) {
  const auto pairs = ReadPairs(args, {"variant", "matches", "seed", "threads"});
  PrintLadder(RunLadder(CommonOf(pairs)), out);
  return 0;
}

int Agree(const std::vector<std::string>& args, std::ostream& out) {
  const auto pairs = ReadPairs(args, {"positions", "seed"});
  const long positions = NumberOf<long>(pairs, "positions", 1);
  const auto seed = NumberOf<std::uint64_t>(pairs, "seed", 0);
  bool all = true;
  using Check = Agreement (*)(std::uint64_t, long);
  const std::array<std::pair<const char*, Check>, 3> checks = {
      {{"captures", CheckCaptures}, {"scores", CheckScores}, {"classic", CheckClassic}}};
  for (const auto& [name, check] : checks) {
    const auto start = std::chrono::steady_clock::now();
    const Agreement result = check(seed, positions);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::array<char, 160> line{};
    std::snprintf(line.data(), line.size(), "agree %s positions %ld disagreed %ld positions/s %.0f",
                  name, result.checked, result.disagreed,
                  static_cast<double>(result.checked) / std::max(seconds, 1e-9));
    out << line.data() << (result.first.empty() ? "" : " first: " + result.first) << '\n';
    all = all && result.disagreed == 0;
  }
  return all ? 0 : 1;
}

}  // namespace

int RunEngineCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  try {
    if (args.at(0) == "duel") return Duel(args, out);
    if (args.at(0) == "ladder") return Ladder(args, out);
    return Agree(args, out);
  } catch (const UsageError& e) {
    err << "verlano-sim " << args[0] << ": " << e.text << '\n';
    return 2;
  }
}

}  // namespace verlano::sim
