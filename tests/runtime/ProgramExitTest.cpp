// Runs exit_probe.exe through each of the runtime's exit paths and checks what the user
// sees (the message box text) and how the process ends.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "runtime/FatalError.h"
#include "tests/support/ProbeProcess.h"

namespace {

using getlink::testing::ProbeRun;

ProbeRun RunProbe(const std::string& mode) {
  return getlink::testing::RunProbe(getlink::testing::BesideTestExecutable(EXIT_PROBE_NAME), mode);
}

int Count(const std::string& text, const std::string& what) {
  int n = 0;
  for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

TEST(ProgramExit, RunsTheDestroyerOnceAndExitsWithTheCode) {
  const ProbeRun run = RunProbe("exit7");
  EXPECT_EQ(run.exitCode, 7u);
  EXPECT_EQ(Count(run.output, "destroyer"), 1) << run.output;
}

TEST(ProgramExit, ProcessEntryExitsWithTheStartUpResult) {
  const ProbeRun run = RunProbe("startup");
  EXPECT_EQ(run.exitCode, 3u);
  EXPECT_EQ(Count(run.output, "destroyer"), 1) << run.output;
}

TEST(FatalError, ShowsTheNumberedMessageThenExitsWithTheFatalStatus) {
  const ProbeRun run = RunProbe("fatal1");
  EXPECT_EQ(run.exitCode, static_cast<DWORD>(getlink::kFatalExitStatus));
  EXPECT_NE(run.output.find("box:program internal error number is 1. \r\n数组成员引用下标超出定义范围"),
            std::string::npos)
      << run.output;
  EXPECT_NE(run.output.find("icon:error"), std::string::npos) << run.output;
  EXPECT_EQ(Count(run.output, "destroyer"), 1) << run.output;
  EXPECT_LT(run.output.find("box:"), run.output.find("destroyer"));  // box first, then cleanup
}

TEST(FatalError, AConsoleProgramGetsTheReportWithoutABox) {
  const ProbeRun run = RunProbe("fatal1-console");
  EXPECT_EQ(run.exitCode, static_cast<DWORD>(getlink::kFatalExitStatus));
  EXPECT_NE(run.output.find("error: program internal error number is 1. \r\n数组成员引用下标超出定义范围\r\n"),
            std::string::npos)
      << run.output;
  EXPECT_EQ(run.output.find("box:"), std::string::npos) << run.output;
  EXPECT_EQ(Count(run.output, "destroyer"), 1) << run.output;
}

TEST(FatalError, InsideTheDestroyerDoesNotRunItAgain) {
  const ProbeRun run = RunProbe("fatal-in-destroyer");
  EXPECT_EQ(run.exitCode, static_cast<DWORD>(getlink::kFatalExitStatus));
  EXPECT_EQ(Count(run.output, "destroyer"), 1) << run.output;
  EXPECT_NE(run.output.find("box:program internal error number is 4."), std::string::npos) << run.output;
}

TEST(OutOfMemory, ReportsAndExits) {
  const ProbeRun run = RunProbe("oom");
  EXPECT_EQ(run.exitCode, static_cast<DWORD>(getlink::kFatalExitStatus));
  EXPECT_NE(run.output.find("box:内存不足"), std::string::npos) << run.output;
  EXPECT_EQ(Count(run.output, "destroyer"), 1) << run.output;
}

TEST(OutOfMemory, OnAWorkerReportsOnceAndExitsFatallyWithoutTheProgramsCleanUp) {
  // Meanwhile the main thread ends normally: its exit waits, and the status is the report's.
  const ProbeRun run = RunProbe("oom-on-worker");
  EXPECT_EQ(run.exitCode, static_cast<DWORD>(getlink::kFatalExitStatus)) << run.output;
  EXPECT_EQ(Count(run.output, "box:内存不足"), 1) << run.output;
  EXPECT_EQ(Count(run.output, "destroyer"), 0) << run.output;
}

}  // namespace
