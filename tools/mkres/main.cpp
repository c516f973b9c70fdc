// verlano-mkres: draws every picture, renders the bitmap fonts, synthesises the
// sounds and writes the game's archive, or writes contact sheets to look at.
//   verlano-mkres OUT.pak
//   verlano-mkres --sheet DIR
//   verlano-mkres --icons DIR

#include <cstdio>
#include <exception>
#include <iostream>
#include <span>
#include <string>

#include "archive.h"
#include "icon.h"
#include "sheets.h"
#include "startup/program_args.h"

namespace {

constexpr verlano::ProgramHelp kHelp{
    "verlano-mkres",
    "verlano-mkres OUT.pak\n"
    "       verlano-mkres --sheet DIR\n"
    "       verlano-mkres --icons DIR",
    "Draws every picture, renders the bitmap fonts and synthesises the sounds of the game,\n"
    "and writes them into the archive OUT.pak; or writes contact sheets (PNG) of the\n"
    "artwork into DIR; or the desktop icon at every size, as DIR/<n>x<n>/apps/*.png."};

// One line per part, so a build log shows where the archive's bytes go.
void PrintSummary(const std::vector<verlano::mkres::ArchivePart>& parts) {
  std::size_t total = 0;
  for (const auto& part : parts) {
    std::printf("  %-16s %3zu entries %9zu bytes\n", part.label.c_str(), part.entries.size(),
                part.Bytes());
    total += part.Bytes();
  }
  std::printf("  %-16s %3s         %9zu bytes of data\n", "total", "", total);
}

int Run(int argc, char** argv) {
  using namespace verlano::mkres;
  const std::string first = argc > 1 ? argv[1] : "";
  if (argc == 3 && first == "--sheet") {
    WriteContactSheets(argv[2]);
    return 0;
  }
  if (argc == 3 && first == "--icons") {
    WriteIcons(argv[2]);
    return 0;
  }
  if (argc == 2 && !first.empty() && first[0] != '-') {
    const std::vector<ArchivePart> parts = BuildArchiveParts();
    WriteArchiveFile(first, JoinParts(parts));
    std::printf("verlano-mkres: wrote %s\n", first.c_str());
    PrintSummary(parts);
    return 0;
  }
  std::cerr << "usage: " << kHelp.usage << '\n';
  return 1;
}

int RunCatching(int argc, char** argv) {
  const std::span<char* const> args(argv + 1, argv + argc);
  if (const auto status = verlano::AnswerHelpOrVersion(args, kHelp, std::cout)) return *status;
  return verlano::RunGuarded(kHelp.name, [&] { return Run(argc, argv); });
}

}  // namespace

int main(int argc, char** argv) {
  return verlano::FinishStandardOutput(kHelp.name, RunCatching(argc, argv));
}
