#include "sim/play_signature.h"

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <ostream>
#include <sstream>

#include "sim/match_runner.h"
#include "sim/play_arguments.h"

namespace verlano::sim {

namespace {

// The set: every variant, two matches of classic seats and one of expert
// seats, each traced so that every state change and its frame count.
constexpr const char* kVariants[] = {"nine", "romane", "romane-extra", "napoletane", "umbria"};
struct SignatureRun {
  const char* level;
  const char* matches;
  const char* seed;
};
constexpr SignatureRun kRuns[] = {{"classic", "2", "101"}, {"expert", "1", "202"}};

// FNV-1a: small, stable across machines and builds, enough to tell outputs apart.
std::uint64_t Fnv1a(std::uint64_t hash, const std::string& text) {
  for (const unsigned char c : text) {
    hash ^= c;
    hash *= 0x100000001b3ULL;
  }
  return hash;
}

// The summary's speed changes from run to run; what precedes it does not.
std::string WithoutSpeed(const std::string& printed) {
  const auto at = printed.rfind(" hands/s ");
  return at == std::string::npos ? printed : printed.substr(0, at);
}

}  // namespace

int RunPlaySignature(const std::string& archiveFolder, std::ostream& out) {
  const auto start = std::chrono::steady_clock::now();
  std::uint64_t hash = 0xcbf29ce484222325ULL;
  int matches = 0;
  for (const char* variant : kVariants) {
    for (const SignatureRun& run : kRuns) {
      std::string error;
      const auto config = ParsePlayArguments({"--variant", variant, "--matches", run.matches,
                                              "--seed", run.seed, "--opponents", run.level,
                                              "--partner", run.level, "--trace"},
                                             error);
      if (!config) {
        std::fprintf(stderr, "verlano-sim bench: %s\n", error.c_str());
        return 2;
      }
      std::ostringstream printed;
      if (const int status = RunPlay(*config, archiveFolder, printed); status != 0) return status;
      hash = Fnv1a(hash, WithoutSpeed(printed.str()));
      matches += config->matches;
    }
  }
  const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
  char line[96];
  std::snprintf(line, sizeof line, "signature %016llx matches %d seconds %.1f\n",
                static_cast<unsigned long long>(hash), matches, seconds.count());
  out << line;
  return 0;
}

}  // namespace verlano::sim
