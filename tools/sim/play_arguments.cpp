#include "sim/play_arguments.h"

#include <charconv>
#include <filesystem>

#include "memory/option_words.h"
#include "sim/line_fields.h"

namespace verlano::sim {

namespace {

template <typename Number>
bool ReadNumber(const std::string& text, Number low, Number& out) {
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, out);
  return ec == std::errc() && ptr == end && out >= low;
}

bool ReadLevel(const std::string& text, PlayerLevel& level) {
  for (const auto& [word, named] : kLevelWords) {
    if (text == word) {
      level = named;
      return true;
    }
  }
  return false;
}

// A folder named on the command line, as every tool takes it: relative to the
// working folder ("recs", "./recs/"), its trailing slash dropped.
std::string FolderPath(const std::string& named) {
  std::filesystem::path path = std::filesystem::absolute(named).lexically_normal();
  if (!path.has_filename() && path != path.root_path()) path = path.parent_path();
  return path.string();
}

bool ReadDeck(const std::string& text, DeckChoice& deck) {
  if (text == "trevigiano")
    deck = DeckChoice::Trevigiano;
  else if (text == "trent")
    deck = DeckChoice::Trentino;
  else if (text == "royal")
    deck = DeckChoice::Royal;
  else
    return false;
  return true;
}

}  // namespace

std::optional<PlayConfig> ParsePlayArguments(const std::vector<std::string>& args,
                                             std::string& error) {
  PlayConfig config;
  std::string recordFolder;
  bool haveVariant = false;
  bool haveMatches = false;
  bool haveSeed = false;
  DeckChoice deck = DeckChoice::Trevigiano;
  AnimationSpeed speed = AnimationSpeed::Normal;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool hasValue = i + 1 < args.size();
    if (a == "--slow")
      speed = AnimationSpeed::Slow;
    else if (a == "--fast")
      speed = AnimationSpeed::Fast;
    else if (a == "--trace")
      config.trace = true;
    else if (a == "--quiet")
      config.quiet = true;
    else if (a == "--sort-key")
      config.sortKey = true;
    else if (a == "--every-frame")
      config.everyFrame = true;
    else if (a == "--variant" && hasValue) {
      try {
        config.options = ParseVariant(args[++i]);
        haveVariant = true;
      } catch (const LineError& e) {
        error = e.what();
        return std::nullopt;
      }
    } else if (a == "--matches" && hasValue) {
      if (!ReadNumber(args[++i], 1, config.matches)) {
        error = "bad --matches '" + args[i] + "' (a whole number from 1)";
        return std::nullopt;
      }
      haveMatches = true;
    } else if (a == "--save-every" && hasValue) {
      if (!ReadNumber(args[++i], 1, config.saveEvery)) {
        error = "bad --save-every '" + args[i] + "' (a whole number from 1)";
        return std::nullopt;
      }
    } else if (a == "--record" && hasValue && !args[i + 1].empty()) {
      recordFolder = FolderPath(args[++i]);
    } else if (a == "--seed" && hasValue) {
      if (!ReadNumber<std::uint64_t>(args[++i], 0, config.seed)) {
        error = "bad --seed '" + args[i] + "'";
        return std::nullopt;
      }
      haveSeed = true;
    } else if ((a == "--opponents" || a == "--partner") && hasValue) {
      PlayerLevel& level = a == "--opponents" ? config.options.opponents : config.options.partner;
      if (!ReadLevel(args[++i], level)) {
        error = "bad " + a + " '" + args[i] + "' (beginner, classic, strong, expert or master)";
        return std::nullopt;
      }
    } else if (a == "--deck" && hasValue) {
      if (!ReadDeck(args[++i], deck)) {
        error = "bad --deck '" + args[i] + "' (trevigiano, trent or royal)";
        return std::nullopt;
      }
    } else {
      error = "unknown or incomplete argument '" + a + "'";
      return std::nullopt;
    }
  }
  if (!haveVariant) {
    error = "--variant is required (nine, romane, romane-extra, napoletane, umbria)";
    return std::nullopt;
  }
  // A run is repeated from its --matches and --seed: neither is left to a default.
  if (!haveMatches || !haveSeed) {
    error = std::string(haveMatches ? "--seed" : "--matches") +
            " is required (a run is repeated by giving the same --matches and --seed)";
    return std::nullopt;
  }
  config.options.deck = deck;
  config.options.animation = speed;
  // Made when missing, once the rest of the line is good.
  if (!recordFolder.empty()) {
    config.records = GameFolder::Open(recordFolder, error);
    if (!config.records.Usable()) return std::nullopt;
  }
  return config;
}

}  // namespace verlano::sim
