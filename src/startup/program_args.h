#pragma once
// The answers every Verlano program gives on its command line: `--help` prints
// how the program is used and `--version` the project's version, both on
// standard output with status 0, so the game and the tools behave alike. And
// the check every program makes of its standard output before it exits.

#include <functional>
#include <optional>
#include <ostream>
#include <span>
#include <string_view>

namespace verlano {

// What `--help` says about one program.
struct ProgramHelp {
  std::string_view name;   // "verlano-pak"
  std::string_view usage;  // one or more lines, each starting with the program's name
  std::string_view about;  // a sentence or two on what it does
};

// The project's version, "major.minor.patch".
std::string_view ProgramVersion();

// When the first argument is `--help` or `--version`, writes the answer to
// `out` and gives the exit status (0); otherwise nothing, and the program reads
// its arguments as usual. `args` excludes the program's own name.
std::optional<int> AnswerHelpOrVersion(std::span<char* const> args, const ProgramHelp& help,
                                       std::ostream& out);

// For an argument the program does not take: says so and how it is used on
// `err`, and gives the conventional status for a wrong command line (2).
int RefuseArgument(std::string_view argument, const ProgramHelp& help, std::ostream& err);

// Called with the status a program's main is about to return: flushes standard
// output and gives `status` when all of it was written. Otherwise (a full disk,
// /dev/full, a closed descriptor) says so on standard error, "PROGRAM: cannot
// write to standard output: REASON", and gives `status`, or 1 if it was 0.
int FinishStandardOutput(std::string_view program, int status);

// Runs a program's body so that nothing escapes without a word: an exception
// (a failed allocation included) unwinds the body, which removes what it made
// on the way, and is told as "PROGRAM: stopped on an unexpected error: WHAT";
// the status is then 1.
int RunGuarded(std::string_view program, const std::function<int()>& body);

}  // namespace verlano
