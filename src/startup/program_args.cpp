#include "startup/program_args.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <iostream>
#include <string>

#include "i18n/translate.h"

namespace verlano {

std::string_view ProgramVersion() {
  return VERLANO_VERSION;
}

std::optional<int> AnswerHelpOrVersion(std::span<char* const> args, const ProgramHelp& help,
                                       std::ostream& out) {
  if (args.empty()) return std::nullopt;
  const std::string_view first = args.front();
  if (first == "--help") {
    out << Format(_("Usage: %s"), std::string(help.usage).c_str()) << "\n\n"
        << _(help.about) << "\n\n"
        << _("  --help     show this help and exit\n"
             "  --version  show the version and exit\n");
    return 0;
  }
  if (first == "--version") {
    out << help.name << ' ' << ProgramVersion() << '\n';
    return 0;
  }
  return std::nullopt;
}

int RefuseArgument(std::string_view argument, const ProgramHelp& help, std::ostream& err) {
  const std::string name(help.name);
  err << name << ": " << Format(_("unknown argument '%s'"), std::string(argument).c_str()) << '\n'
      << Format(_("Usage: %s"), std::string(help.usage).c_str()) << '\n'
      << Format(_("Try '%s --help' for more information."), name.c_str()) << '\n';
  return 2;
}

int FinishStandardOutput(std::string_view program, int status) {
  // A write that failed earlier (a flush before reading input, a full buffer)
  // left its reason in errno: nothing after it touched standard output.
  const bool failedBefore = !std::cout.good() || std::ferror(stdout) != 0;
  int reason = failedBefore ? errno : 0;
  errno = 0;
  std::cout.flush();
  if (errno != 0) reason = errno;
  if (std::fflush(stdout) != 0) reason = errno;
  if (std::cout.good() && std::ferror(stdout) == 0) return status;
  std::cerr << program << ": "
            << Format(_("cannot write to standard output: %s"),
                      reason != 0 ? std::strerror(reason) : _("a write failed"))
            << '\n';
  return status == 0 ? 1 : status;
}

int RunGuarded(std::string_view program, const std::function<int()>& body) {
  try {
    return body();
  } catch (const std::exception& error) {
    std::cerr << program << ": " << Format(_("stopped on an unexpected error: %s"), error.what())
              << '\n';
  } catch (...) {
    std::cerr << program << ": " << _("stopped on an unexpected error") << '\n';
  }
  return 1;
}

}  // namespace verlano
