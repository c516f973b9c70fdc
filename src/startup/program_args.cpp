#include "startup/program_args.h"

#include <string>

namespace verlano {

std::string_view ProgramVersion() {
  return VERLANO_VERSION;
}

std::optional<int> AnswerHelpOrVersion(std::span<char* const> args, const ProgramHelp& help,
                                       std::ostream& out) {
  if (args.empty()) return std::nullopt;
  const std::string_view first = args.front();
  if (first == "--help") {
    out << "Usage: " << help.usage << "\n\n"
        << help.about << "\n\n"
        << "  --help     show this help and exit\n"
        << "  --version  show the version and exit\n";
    return 0;
  }
  if (first == "--version") {
    out << help.name << ' ' << ProgramVersion() << '\n';
    return 0;
  }
  return std::nullopt;
}

int RefuseArgument(std::string_view argument, const ProgramHelp& help, std::ostream& err) {
  err << help.name << ": unknown argument '" << argument << "'\n"
      << "Usage: " << help.usage << "\n"
      << "Try '" << help.name << " --help' for more information.\n";
  return 2;
}

}  // namespace verlano
