#pragma once
// Runs a shell command for the suites that start the built programs: its
// standard output and error together, and its exit status.

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <string>

namespace verlano::test {

struct Outcome {
  std::string out;
  int status;
};

// Runs `command` with its standard error joined to its output; status -1 when
// it did not exit by itself.
inline Outcome RunCommand(const std::string& command) {
  Outcome outcome{"", -1};
  FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
  if (pipe == nullptr) return outcome;
  std::array<char, 4096> buffer;
  std::size_t got = 0;
  while ((got = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0) {
    outcome.out.append(buffer.data(), got);
  }
  const int status = ::pclose(pipe);
  outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return outcome;
}

}  // namespace verlano::test
