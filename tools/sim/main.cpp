// verlano-sim: answers rules questions line by line on standard input.
//   verlano-sim choose   which card and capture the computer player picks
//   verlano-sim score    the hand score of two sides' taken cards
// One output line per input line; an empty input line gives an empty output
// line. Exits 1 when any line was malformed, 2 on a bad command line.

#include <cstdio>
#include <iostream>
#include <string>
#include <string_view>

#include "sim/answers.h"

namespace {

int Usage() {
  std::fputs("usage: verlano-sim choose|score < lines\n", stderr);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) return Usage();
  const std::string_view command = argv[1];
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
