// verlano-pak: list, extract and create the game's PAK archives.
#include <iostream>
#include <span>
#include <string>
#include <vector>

#include "pak_commands.h"
#include "startup/program_args.h"

namespace {

constexpr verlano::ProgramHelp kHelp{
    "verlano-pak",
    "verlano-pak list ARCHIVE\n"
    "       verlano-pak extract ARCHIVE DIR\n"
    "       verlano-pak create ARCHIVE FILE|NAME=FILE...",
    "Lists, extracts and creates the PAK archives the game keeps its pictures, fonts and\n"
    "sounds in. An entry is named by its file's base name, or by NAME in NAME=FILE."};

int Usage() {
  std::cerr << "usage: " << kHelp.usage << '\n';
  return 1;
}

int Run(std::span<char* const> given) {
  if (const auto status = verlano::AnswerHelpOrVersion(given, kHelp, std::cout)) return *status;
  const std::vector<std::string> args(given.begin(), given.end());
  if (args.empty()) return Usage();
  const std::string& command = args[0];
  if (command == "list" && args.size() == 2)
    return verlano::ListArchive(args[1], std::cout, std::cerr);
  if (command == "extract" && args.size() == 3) {
    return verlano::ExtractArchive(args[1], args[2], std::cerr);
  }
  if (command == "create" && args.size() >= 3) {
    return verlano::CreateArchive(args[1], {args.begin() + 2, args.end()}, std::cerr);
  }
  return Usage();
}

}  // namespace

int main(int argc, char** argv) {
  return verlano::FinishStandardOutput(kHelp.name, verlano::RunGuarded(kHelp.name, [&] {
                                         return Run({argv + 1, argv + argc});
                                       }));
}
