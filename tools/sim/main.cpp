// verlano-sim: the headless simulator.
//   verlano-sim choose   which card and capture the computer player picks
//   verlano-sim score    the hand score of two sides' taken cards
//   verlano-sim play     whole matches through the game's frame loop
//   verlano-sim resume   a kept match played on to its end
//   verlano-sim duel     whole matches on the compact engine between two levels
//   verlano-sim ladder   every pair of levels in duels, and a rating for each
//   verlano-sim agree    the engine checked against the game's own rules code
//   verlano-sim replay   recorded matches played again, every play checked
//   verlano-sim review   one seat's plays of a recorded match judged by the coach
//   verlano-sim bench    one line: the hash of a fixed set of seeded matches, and their time
// choose and score answer one line per input line; an empty input line gives
// an empty output line. Exits 1 when any line was malformed, 2 on a bad
// command line; play and resume exit 2 when a check breaks, resume 1 when
// the match file cannot be used.

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <iostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "sim/answers.h"
#include "sim/engine_commands.h"
#include "sim/play_arguments.h"
#include "sim/play_signature.h"
#include "sim/replay.h"
#include "sim/resume.h"
#include "sim/review.h"
#include "startup/program_args.h"

namespace {

constexpr verlano::ProgramHelp kHelp{
    "verlano-sim",
    "verlano-sim choose|score < lines\n"
    "       verlano-sim play --variant V --matches N --seed S [--slow|--fast] [--deck D]\n"
    "                        [--trace] [--quiet] [--sort-key] [--every-frame]\n"
    "                        [--opponents LEVEL] [--partner LEVEL]\n"
    "                        [--save-every K | --record DIR]\n"
    "       verlano-sim resume MATCH-FILE [--trace] [--quiet]\n"
    "       verlano-sim duel --variant V --matches N --seed S --us LEVEL --them LEVEL\n"
    "                        [--samples K] [--threads T]\n"
    "         LEVEL: beginner, classic, strong, expert or master\n"
    "       verlano-sim ladder --variant V --matches N --seed S [--threads T]\n"
    "       verlano-sim agree --positions N --seed S\n"
    "       verlano-sim replay RECORD...\n"
    "       verlano-sim review RECORD [--seat K] [--times]\n"
    "       verlano-sim bench",
    "The game without a display: answers rules questions one position a line\n"
    "(choose, score), plays whole matches through the game's frame loop (play) and\n"
    "plays a kept match file on to the match's end (resume: exit 1 with the reason\n"
    "when the file cannot be used)."};

int Usage() {
  std::cerr << "usage: " << kHelp.usage << '\n';
  return 2;
}

std::string ProgramFolder() {
  std::error_code ec;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::string(".") : exe.parent_path().string();
}

int Play(int argc, char** argv) {
  std::string error;
  const auto config =
      verlano::sim::ParsePlayArguments(std::vector<std::string>(argv + 2, argv + argc), error);
  if (!config) {
    std::fprintf(stderr, "verlano-sim play: %s\n", error.c_str());
    return Usage();
  }
  return verlano::sim::RunPlay(*config, ProgramFolder(), std::cout);
}

int AnswerLines(std::string_view command) {
  const auto answer = command == "choose"  ? verlano::sim::AnswerChoose
                      : command == "score" ? verlano::sim::AnswerScore
                                           : nullptr;
  if (answer == nullptr) return Usage();
  bool allOk = true;
  std::string line;
  while (std::getline(std::cin, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) {
      std::cout << '\n';
      continue;
    }
    const verlano::sim::Answer result = answer(line);
    allOk = allOk && result.ok;
    std::cout << result.text << '\n';
  }
  return allOk ? 0 : 1;
}

int Run(int argc, char** argv) {
  const std::span<char* const> given(argv + 1, argv + argc);
  if (const auto status = verlano::AnswerHelpOrVersion(given, kHelp, std::cout)) return *status;
  // "verlano-sim play --help" asks for the usage as well.
  if (given.size() >= 2) {
    if (const auto status = verlano::AnswerHelpOrVersion(given.subspan(1), kHelp, std::cout)) {
      return *status;
    }
  }
  if (argc >= 2 && std::string_view(argv[1]) == "play") return Play(argc, argv);
  if (argc == 2 && std::string_view(argv[1]) == "bench") {
    return verlano::sim::RunPlaySignature(ProgramFolder(), std::cout);
  }
  if (argc >= 2 && std::string_view(argv[1]) == "resume") {
    return verlano::sim::RunResume(std::vector<std::string>(argv + 2, argv + argc), ProgramFolder(),
                                   std::cout, std::cerr);
  }
  if (argc >= 2 && std::string_view(argv[1]) == "replay") {
    const int status = verlano::sim::RunReplay({argv + 2, argv + argc}, std::cout, std::cerr);
    return status == 2 ? Usage() : status;
  }
  if (argc >= 2 && std::string_view(argv[1]) == "review") {
    const int status = verlano::sim::RunReview({argv + 2, argv + argc}, std::cout, std::cerr);
    return status == 2 ? Usage() : status;
  }
  if (argc >= 2 && (std::string_view(argv[1]) == "duel" || std::string_view(argv[1]) == "ladder" ||
                    std::string_view(argv[1]) == "agree")) {
    const int status =
        verlano::sim::RunEngineCommand({argv + 1, argv + argc}, std::cout, std::cerr);
    return status == 2 ? Usage() : status;
  }
  if (argc != 2) return Usage();
  return AnswerLines(argv[1]);
}

}  // namespace

int main(int argc, char** argv) {
  return verlano::FinishStandardOutput(
      kHelp.name, verlano::RunGuarded(kHelp.name, [&] { return Run(argc, argv); }));
}
