// Runs the built verlano-sim on whole inputs: one output line per input line,
// empty lines echoed, and the exit status.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "common/scratch_files.h"

namespace verlano {
namespace {

// A process started with popen, always closed.
class Pipe {
 public:
  explicit Pipe(const std::string& command) : file_(::popen(command.c_str(), "r")) {}
  ~Pipe() {
    if (file_ != nullptr) ::pclose(file_);
  }
  Pipe(const Pipe&) = delete;
  Pipe& operator=(const Pipe&) = delete;

  std::string ReadAll() {
    std::string text;
    char buffer[4096];
    std::size_t got = 0;
    while (file_ != nullptr && (got = std::fread(buffer, 1, sizeof buffer, file_)) > 0) {
      text.append(buffer, got);
    }
    return text;
  }

  // The exit code, or -1 if the program did not exit normally.
  int Close() {
    const int status = ::pclose(file_);
    file_ = nullptr;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

 private:
  FILE* file_;
};

struct RunResult {
  std::string output;
  int exitCode;
};

RunResult RunSim(const std::string& arguments, const std::string& input) {
  const test::TempDir scratch;
  const std::string inputPath = scratch / "input";
  test::WriteFile(inputPath, {input.begin(), input.end()});
  Pipe pipe("'" VERLANO_SIM_PATH "' " + arguments + " < '" + inputPath + "' 2>/dev/null");
  RunResult result{pipe.ReadAll(), 0};
  result.exitCode = pipe.Close();
  return result;
}

TEST(SimProgram, ChooseAnswersEveryLineAndEchoesEmptyLines) {
  const RunResult run = RunSim("choose",
                               "variant=nine hand=7S,KC table=7D,3H,4S played=3:1,4:1,7:1\n"
                               "\n"
                               "variant=nine hand=KC table=AC,9C\n");
  EXPECT_EQ(run.output, "1 2 0 1 254.8000\n\nerror: unknown card '9C' in table\n");
  EXPECT_EQ(run.exitCode, 1);
}

TEST(SimProgram, ScoreOfGoodLinesExitsZero) {
  const RunResult run = RunSim("score",
                               "variant=nine we=7D they=AC\r\n"
                               "variant=umbria we=KD they=\n");
  EXPECT_EQ(run.exitCode, 0);
  ASSERT_EQ(std::count(run.output.begin(), run.output.end(), '\n'), 2);
  EXPECT_EQ(run.output.find("error"), std::string::npos);
  EXPECT_EQ(run.output.substr(0, 8), "total=2 ");
}

TEST(SimProgram, MalformedLineDoesNotStopTheRest) {
  const RunResult run = RunSim("score", "variant=nine we=AC they=AC\nvariant=nine we=AC they=\n");
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.output.substr(0, 30), "error: card 'AC' given twice\nt");
}

TEST(SimProgram, UnknownCommandIsRefused) {
  EXPECT_EQ(RunSim("play", "").exitCode, 2);
  EXPECT_EQ(RunSim("", "").exitCode, 2);
}

// Whole matches through the frame loop: every variant runs its checks clean,
// and the same seed gives the same matches.
TEST(SimPlay, EveryVariantPlaysWholeMatchesRepeatably) {
  for (const char* variant : {"nine", "romane", "romane-extra", "napoletane", "umbria"}) {
    const std::string args = std::string("play --variant ") + variant + " --matches 2 --seed 9";
    const RunResult first = RunSim(args + " --sort-key", "");
    ASSERT_EQ(first.exitCode, 0) << variant << "\n" << first.output;
    EXPECT_NE(first.output.find("match 2 "), std::string::npos) << variant;
    EXPECT_NE(first.output.find("summary matches 2 "), std::string::npos) << variant;
    const auto withoutSummary = [](const std::string& out) {
      return out.substr(0, out.find("summary"));
    };
    EXPECT_EQ(withoutSummary(RunSim(args + " --sort-key", "").output),
              withoutSummary(first.output));
  }
}

TEST(SimPlay, SkippingThePausesQuietFramesChangesNoFrameNumberNorResult) {
  for (const char* variant : {"nine", "romane", "romane-extra", "napoletane", "umbria"}) {
    const std::string args = std::string("play --variant ") + variant +
                             " --matches 1 --seed 21 --trace --sort-key --slow --deck royal";
    const RunResult skipping = RunSim(args, "");
    const RunResult everyFrame = RunSim(args + " --every-frame", "");
    ASSERT_EQ(skipping.exitCode, 0) << variant;
    ASSERT_EQ(everyFrame.exitCode, 0) << variant;
    const auto withoutSpeed = [](const std::string& out) {
      return out.substr(0, out.find(" hands/s"));
    };
    EXPECT_EQ(withoutSpeed(skipping.output), withoutSpeed(everyFrame.output)) << variant;
  }
}

TEST(SimPlay, TraceNamesTheStatesAndSlowAnimationTakesMoreFrames) {
  const RunResult trace = RunSim("play --variant nine --matches 1 --seed 4 --trace --quiet", "");
  ASSERT_EQ(trace.exitCode, 0);
  for (const char* state : {" DEAL 2\n", " REVEAL DEAL\n", " PAUSED\n", " END OF MATCH\n"}) {
    EXPECT_NE(trace.output.find(state), std::string::npos) << state;
  }
  const auto framesPerHand = [](const std::string& out) {
    return std::stod(out.substr(out.find("frames/hand ") + 12));
  };
  const std::string args = "play --variant romane --matches 1 --seed 4 --quiet";
  EXPECT_GT(framesPerHand(RunSim(args + " --slow", "").output),
            1.3 * framesPerHand(RunSim(args, "").output));
}

// The fast animation plays the very same cards, hands and matches in every
// variant, with seats of other levels too; only the frames differ, at most
// half as many.
TEST(SimPlay, FastAnimationPlaysTheSameCardsInHalfTheFrames) {
  const auto framesPerHand = [](const std::string& out) {
    return std::stod(out.substr(out.find("frames/hand ") + 12));
  };
  const auto played = [](const std::string& out) { return out.substr(0, out.find(" frames ")); };
  for (const char* run : {"nine", "romane", "romane-extra", "napoletane", "umbria",
                          "nine --opponents expert --partner expert",
                          "umbria --opponents beginner --partner strong"}) {
    const std::string args = std::string("play --matches 2 --seed 6 --variant ") + run;
    const RunResult normal = RunSim(args, "");
    const RunResult fast = RunSim(args + " --fast", "");
    ASSERT_EQ(normal.exitCode, 0) << run;
    ASSERT_EQ(fast.exitCode, 0) << run;
    EXPECT_EQ(played(fast.output), played(normal.output)) << run;
    EXPECT_LE(2 * framesPerHand(fast.output), framesPerHand(normal.output)) << run;
  }
}

TEST(SimPlay, HelpAfterTheCommandIsAnsweredNotRefused) {
  for (const char* args : {"play --help", "choose --help"}) {
    const RunResult help = RunSim(args, "");
    EXPECT_EQ(help.exitCode, 0) << args;
    EXPECT_NE(help.output.find("verlano-sim play --variant V"), std::string::npos) << args;
  }
}

TEST(SimPlay, AWrongCommandLineExitsTwo) {
  for (const char* args : {"play", "play --variant nine --matches 0", "play --variant seven",
                           "play --variant nine --deck paper", "play --variant nine --faster",
                           "play --variant nine --seed", "play --variant nine --seed 1",
                           "play --variant nine --matches 1"}) {
    EXPECT_EQ(RunSim(args, "").exitCode, 2) << args;
  }
}

}  // namespace
}  // namespace verlano
