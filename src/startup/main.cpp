// verlano: the game. It speaks the desktop's language, finds the program's folder, where the
// resource archive lies, and shows the options dialog; Play starts the table.
#include <gtk/gtk.h>

#include <cstdlib>
#include <cstring>
#include <exception>
#include <iostream>
#include <span>
#include <string>

#include "i18n/translate.h"
#include "platform/quit_signal.h"
#include "startup/display_loss.h"
#include "startup/display_messages.h"
#include "startup/language.h"
#include "startup/play_button.h"
#include "startup/player_start.h"
#include "startup/program_args.h"
#include "startup/program_folder.h"
#include "startup/startup_dialog.h"

namespace {

constexpr verlano::ProgramHelp kHelp{
    "verlano", "verlano",
    N_("Verlano, the Italian four-player partnership capture card game. Opens the options\n"
       "dialog, where you choose the deck and the rules, then the game table.")};

int Main(const std::string& resPath) {
  if (resPath.empty()) {
    std::cerr << "verlano: " << verlano::_("cannot tell which folder the program is in") << '\n';
    return 1;
  }
  // From here on the quit signals end the program through its own way out.
  verlano::CatchQuitSignals();
  // The game reads and writes numbers the C way; GTK must not switch the locale.
  gtk_disable_setlocale();
  if (!gtk_init_check(nullptr, nullptr)) {
    std::cerr << verlano::NoDisplayMessage([](const char* name) { return std::getenv(name); })
              << '\n';
    return 1;
  }
  verlano::ExitCleanlyOnDisplayLoss();
  verlano::PlayerStart player = verlano::LoadPlayerStart();
  verlano::StartupDialog dialog(resPath + verlano::Settings{}.ArchiveName, player.memory);
  const std::optional<verlano::DialogState> chosen = dialog.Run();
  const int status = chosen ? verlano::PlayChosen(dialog, player, *chosen, resPath) : 0;
  // Whatever was running wound down as Escape would; the status tells the caller.
  if (const int signal = verlano::QuitSignalReceived()) {
    std::cerr << "verlano: "
              << verlano::Format(verlano::_("stopped by signal %d (%s), as with Escape"), signal,
                                 strsignal(signal))
              << '\n';
    return verlano::QuitSignalStatus(signal);
  }
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string resPath = verlano::RunningProgramFolder();
  verlano::SpeakTheDesktopsLanguage(resPath);
  const std::span<char* const> args(argv + 1, argv + argc);
  if (const auto status = verlano::AnswerHelpOrVersion(args, kHelp, std::cout))
    return verlano::FinishStandardOutput(kHelp.name, *status);
  if (!args.empty()) return verlano::RefuseArgument(args.front(), kHelp, std::cerr);
  return verlano::RunGuarded(kHelp.name, [&resPath] { return Main(resPath); });
}
