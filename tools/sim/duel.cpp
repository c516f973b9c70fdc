#include "sim/duel.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <numeric>
#include <ostream>
#include <thread>

namespace verlano::sim {

namespace {

std::string LevelName(engine::Level level) {
  return std::string(engine::NameOf(level));
}

void Append(std::vector<double>& into, const std::vector<double>& part) {
  into.insert(into.end(), part.begin(), part.end());
}

void Merge(DuelResult& into, const DuelResult& part) {
  into.won += part.won;
  into.hands += part.hands;
  into.usPoints += part.usPoints;
  into.themPoints += part.themPoints;
  for (std::size_t side = 0; side < 2; ++side) Append(into.decisionMs[side], part.decisionMs[side]);
}

// Plays matches taken from the shared counter until none are left.
void PlayShare(const DuelConfig& config, std::atomic<long>& next, DuelResult& result) {
  for (long m = next++; m < config.matches; m = next++) {
    // The --us level takes seats 0 and 2 in even matches, 1 and 3 in odd ones.
    const int usSide = static_cast<int>(m % 2);
    std::array<engine::Level, 2> levels{};
    levels[static_cast<std::size_t>(usSide)] = config.us;
    levels[static_cast<std::size_t>(1 - usSide)] = config.them;
    engine::DecisionTimes times;
    const engine::MatchOutcome outcome =
        engine::PlayMatch(config.rules, engine::MixSeed(config.seed ^ engine::MixSeed(m)), levels,
                          config.expert, &times);
    Append(result.decisionMs[0], times[static_cast<std::size_t>(usSide)]);
    Append(result.decisionMs[1], times[static_cast<std::size_t>(1 - usSide)]);
    if (outcome.winnerSide == usSide) ++result.won;
    result.hands += outcome.hands;
    result.usPoints += outcome.points[static_cast<std::size_t>(usSide)];
    result.themPoints += outcome.points[static_cast<std::size_t>(1 - usSide)];
  }
}

double Percentile(const std::vector<double>& sorted, double share) {
  const auto index = static_cast<std::size_t>(share * static_cast<double>(sorted.size() - 1));
  return sorted[index];
}

}  // namespace

std::string DecisionSpread(engine::Level level, const std::vector<double>& sorted) {
  std::array<char, 160> line{};
  std::snprintf(
      line.data(), line.size(),
      " %s decisions %zu mean %.2f ms median %.1f ms p99 %.1f ms worst %.1f ms",
      LevelName(level).c_str(), sorted.size(),
      std::accumulate(sorted.begin(), sorted.end(), 0.0) / static_cast<double>(sorted.size()),
      Percentile(sorted, 0.5), Percentile(sorted, 0.99), sorted.back());
  return line.data();
}

DuelResult RunDuel(const DuelConfig& config) {
  const int threads = config.threads > 0
                          ? config.threads
                          : std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
  std::vector<DuelResult> parts(static_cast<std::size_t>(threads));
  std::atomic<long> next{0};
  const auto start = std::chrono::steady_clock::now();
  {
    std::vector<std::jthread> workers;
    for (DuelResult& part : parts) {
      workers.emplace_back([&config, &next, &part] { PlayShare(config, next, part); });
    }
  }
  DuelResult result;
  for (const DuelResult& part : parts) Merge(result, part);
  result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  for (std::vector<double>& times : result.decisionMs) std::sort(times.begin(), times.end());
  return result;
}

std::pair<double, double> WilsonInterval(long won, long total) {
  constexpr double z = 1.96;
  const double n = static_cast<double>(total);
  const double p = static_cast<double>(won) / n;
  const double denominator = 1 + z * z / n;
  const double centre = (p + z * z / (2 * n)) / denominator;
  const double half = z * std::sqrt(p * (1 - p) / n + z * z / (4 * n * n)) / denominator;
  return {centre - half, centre + half};
}

std::string DuelSummary(const DuelConfig& config, const DuelResult& result) {
  const auto [low, high] = WilsonInterval(result.won, config.matches);
  const double hands = static_cast<double>(std::max(1L, result.hands));
  std::array<char, 320> line{};
  std::snprintf(line.data(), line.size(),
                "duel variant %s us %s them %s matches %ld won %ld lost %ld rate %.1f%% ci "
                "%.1f-%.1f%% points %.2f/%.2f matches/s %.1f",
                config.variantName.c_str(), LevelName(config.us).c_str(),
                LevelName(config.them).c_str(), config.matches, result.won,
                config.matches - result.won,
                100.0 * static_cast<double>(result.won) / static_cast<double>(config.matches),
                100 * low, 100 * high, static_cast<double>(result.usPoints) / hands,
                static_cast<double>(result.themPoints) / hands,
                static_cast<double>(config.matches) / std::max(result.seconds, 1e-9));
  return line.data();
}

void PrintDuel(const DuelConfig& config, const DuelResult& result, std::ostream& out) {
  out << DuelSummary(config, result) << '\n';
  const double hands = static_cast<double>(std::max(1L, result.hands));
  std::array<char, 160> line{};
  const double seconds = std::max(result.seconds, 1e-9);
  std::snprintf(line.data(), line.size(), "hands %ld hands/s %.1f", result.hands, hands / seconds);
  out << line.data();
  const std::array<engine::Level, 2> levels = {config.us, config.them};
  for (std::size_t side = 0; side < 2; ++side) {
    if (!result.decisionMs[side].empty())
      out << DecisionSpread(levels[side], result.decisionMs[side]);
  }
  out << '\n';
}

}  // namespace verlano::sim
