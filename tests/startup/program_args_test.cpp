// --help and --version as every program answers them, through the helper and
// through the built programs; any other argument to the game is refused with
// status 2 before a window could open; output that cannot be written fails.

#include "startup/program_args.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <new>
#include <sstream>
#include <string>
#include <vector>

#include "common/run_command.h"
#include "common/scratch_files.h"

namespace verlano {
namespace {

constexpr ProgramHelp kHelp{"prog", "prog THING\n       prog --other", "Does things."};

std::optional<int> Answer(std::vector<std::string> words, std::string& out) {
  std::vector<char*> args;
  for (std::string& word : words) args.push_back(word.data());
  std::ostringstream stream;
  const std::optional<int> status = AnswerHelpOrVersion(args, kHelp, stream);
  out = stream.str();
  return status;
}

TEST(ProgramArgs, HelpAndVersionAreAnsweredOnlyAsTheFirstArgument) {
  std::string out;
  EXPECT_EQ(Answer({"--help"}, out), 0);
  EXPECT_TRUE(out.starts_with("Usage: prog THING\n       prog --other\n\nDoes things.\n")) << out;
  EXPECT_NE(out.find("--version"), std::string::npos);

  EXPECT_EQ(Answer({"--version"}, out), 0);
  EXPECT_EQ(out, "prog " VERLANO_EXPECTED_VERSION "\n");

  for (const auto& words : std::vector<std::vector<std::string>>{
           {}, {"list"}, {"list", "--help"}, {"-h"}, {"--versions"}, {"--help=x"}}) {
    EXPECT_EQ(Answer(words, out), std::nullopt) << (words.empty() ? "(none)" : words[0]);
    EXPECT_EQ(out, "");
  }
}

TEST(ProgramArgs, RefusedArgumentIsNamedWithTheUsage) {
  std::ostringstream err;
  EXPECT_EQ(RefuseArgument("--bogus", kHelp, err), 2);
  EXPECT_EQ(err.str(),
            "prog: unknown argument '--bogus'\nUsage: prog THING\n       prog --other\n"
            "Try 'prog --help' for more information.\n");
}

using test::Outcome;
using test::RunCommand;

TEST(ProgramArgs, AnExceptionFromTheBodyIsToldAndEndsWithOne) {
  const struct {
    std::function<int()> body;
    int status;
    const char* says;
  } cases[] = {
      {[] { return 3; }, 3, ""},
      {[]() -> int { throw std::bad_alloc(); }, 1,
       "prog: stopped on an unexpected error: std::bad_alloc\n"},
      {[]() -> int { throw 7; }, 1, "prog: stopped on an unexpected error\n"},
  };
  for (const auto& c : cases) {
    testing::internal::CaptureStderr();
    EXPECT_EQ(RunGuarded("prog", c.body), c.status);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), c.says);
  }
}

TEST(ProgramArgs, BuiltProgramsAnswerHelpAndVersion) {
  const struct {
    const char* path;
    const char* name;
  } programs[] = {
      {VERLANO_GAME, "verlano"},
      {VERLANO_PAK_TOOL, "verlano-pak"},
      {VERLANO_MKRES_TOOL, "verlano-mkres"},
      {VERLANO_SIM_TOOL, "verlano-sim"},
  };
  for (const auto& program : programs) {
    const std::string quoted = std::string("'") + program.path + "'";
    const Outcome version = RunCommand(quoted + " --version");
    EXPECT_EQ(version.status, 0) << program.name;
    EXPECT_EQ(version.out, std::string(program.name) + " " VERLANO_EXPECTED_VERSION "\n");
    const Outcome help = RunCommand(quoted + " --help");
    EXPECT_EQ(help.status, 0) << program.name;
    EXPECT_TRUE(help.out.starts_with(std::string("Usage: ") + program.name)) << help.out;
  }
}

// With standard output on /dev/full every program says so and fails, rather
// than exit 0 having said nothing: --help and --version everywhere, and the
// tools' own output.
TEST(ProgramArgs, EveryProgramFailsWhenItsOutputCannotBeWritten) {
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
  const test::TempDir dir;
  std::ofstream(dir / "f") << "x";
  std::ofstream(dir / "choose") << "variant=nine hand=7S,KC table=7D,3H,4S\n";
  std::ofstream(dir / "score") << "variant=nine we=7D they=AC\n";
  const std::string pak = std::string("'") + VERLANO_PAK_TOOL + "' ";
  ASSERT_EQ(RunCommand(pak + "create '" + dir / "a.pak" + "' '" + dir / "f" + "'").status, 0);
  const struct {
    const char* path;
    const char* name;
    std::string arguments;
  } runs[] = {
      {VERLANO_GAME, "verlano", "--help"},
      {VERLANO_GAME, "verlano", "--version"},
      {VERLANO_PAK_TOOL, "verlano-pak", "--help"},
      {VERLANO_PAK_TOOL, "verlano-pak", "--version"},
      {VERLANO_PAK_TOOL, "verlano-pak", "list '" + dir / "a.pak" + "'"},
      {VERLANO_MKRES_TOOL, "verlano-mkres", "--help"},
      {VERLANO_MKRES_TOOL, "verlano-mkres", "--version"},
      {VERLANO_SIM_TOOL, "verlano-sim", "--help"},
      {VERLANO_SIM_TOOL, "verlano-sim", "--version"},
      {VERLANO_SIM_TOOL, "verlano-sim", "choose < '" + dir / "choose" + "'"},
      {VERLANO_SIM_TOOL, "verlano-sim", "score < '" + dir / "score" + "'"},
      {VERLANO_SIM_TOOL, "verlano-sim", "play --variant nine --matches 1 --seed 1 --quiet"},
  };
  for (const auto& run : runs) {
    // Standard error reaches the pipe, standard output the full device.
    const Outcome outcome =
        RunCommand("('" + std::string(run.path) + "' " + run.arguments + " 2>&1 >/dev/full)");
    EXPECT_EQ(outcome.status, 1) << run.name << " " << run.arguments;
    EXPECT_EQ(outcome.out, std::string(run.name) +
                               ": cannot write to standard output: No space left on device\n");
  }
}

// The game started with no display to open.
std::string NoDisplay() {
  return std::string("env -u DISPLAY -u WAYLAND_DISPLAY '") + VERLANO_GAME + "' ";
}

TEST(ProgramArgs, GameRefusesAnyOtherArgumentWithStatusTwo) {
  // No display is given, so a game that let an argument through would fail
  // differently (status 1), not hang on a window.
  for (const std::string argument : {"--bogus", "play", "-h", "--display=:0", "--sync"}) {
    const Outcome outcome = RunCommand(NoDisplay() + argument);
    EXPECT_EQ(outcome.status, 2) << argument;
    EXPECT_NE(outcome.out.find("unknown argument '" + argument + "'"), std::string::npos)
        << outcome.out;
    EXPECT_NE(outcome.out.find("Usage: verlano"), std::string::npos) << outcome.out;
  }
}

TEST(ProgramArgs, GameWithoutADisplaySaysSoAndFails) {
  const Outcome outcome = RunCommand(NoDisplay());
  EXPECT_EQ(outcome.status, 1);
  EXPECT_NE(outcome.out.find("cannot open the display"), std::string::npos) << outcome.out;
}

}  // namespace
}  // namespace verlano
