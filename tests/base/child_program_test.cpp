// Child programs: input fed while output is read (more than a pipe holds
// either way), how a run ended, and runs cut short by the time limit, the
// output limit and the stop request, with what they started.
#include "base/child_program.h"

#include <chrono>

#include "test_support.h"

namespace korvelin {

namespace {

ChildResult RunFor(std::vector<std::string> arguments, std::string_view input = {},
                   std::chrono::milliseconds limit = std::chrono::seconds(20)) {
  ChildRun run;
  run.arguments = std::move(arguments);
  run.input = input;
  run.read_output = true;
  run.limit = limit;
  NeverStop never;
  return RunChild(run, never);
}

TEST(ChildProgramTest, FedAndReadAtOnceAndEndsTold) {
  const std::string megabyte(1 << 20, 'x');
  const ChildResult copied = RunFor({"cat"}, megabyte);
  EXPECT_EQ(copied.end, ChildEnd::kSucceeded);
  EXPECT_EQ(copied.output, megabyte);
  // A child that stops reading its input early still ends well.
  EXPECT_EQ(RunFor({"sh", "-c", "echo ok"}, megabyte).output, "ok\n");
  EXPECT_EQ(RunFor({"sh", "-c", "echo half; exit 3"}).end, ChildEnd::kFailed);
  EXPECT_EQ(RunFor({"sh", "-c", "echo half; exit 3"}).output, "");
  EXPECT_EQ(RunFor({"korvelin-no-such-program"}).end, ChildEnd::kMissing);
}

TEST(ChildProgramTest, CutShortWithWhatItStarted) {
  const auto started = std::chrono::steady_clock::now();
  // The background sleep holds the output open: it is ended with its group.
  EXPECT_EQ(RunFor({"sh", "-c", "sleep 30 & sleep 30"}, {}, std::chrono::milliseconds(200)).end,
            ChildEnd::kTimedOut);
  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(10));
  ChildRun run;
  run.arguments = {"yes"};
  run.read_output = true;
  run.output_limit = 100000;
  NeverStop never;
  EXPECT_EQ(RunChild(run, never).end, ChildEnd::kTooMuch);
  struct Now final : StopRequest {
    bool Requested() override { return true; }
  } now;
  run.arguments = {"sleep", "30"};
  EXPECT_EQ(RunChild(run, now).end, ChildEnd::kStopped);
}

}  // namespace

}  // namespace korvelin
