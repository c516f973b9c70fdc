// verlano-pak: list, extract and create the game's PAK archives.
#include <iostream>
#include <string>
#include <vector>

#include "pak_commands.h"

namespace {

int Usage() {
  std::cerr << "usage: verlano-pak list ARCHIVE\n"
               "       verlano-pak extract ARCHIVE DIR\n"
               "       verlano-pak create ARCHIVE FILE|NAME=FILE...\n";
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
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
