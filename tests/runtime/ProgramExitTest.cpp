// Runs exit_probe.exe through each of the runtime's exit paths and checks what the user
// sees (the message box text) and how the process ends.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace {

struct ProbeRun {
  DWORD exitCode = 0;
  std::string output;
};

std::string ProbePath() {
  char path[MAX_PATH];
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string dir(path);
  return dir.substr(0, dir.find_last_of('\\') + 1) + EXIT_PROBE_NAME;
}

ProbeRun RunProbe(const std::string& mode) {
  SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
  HANDLE readEnd = nullptr, writeEnd = nullptr;
  CreatePipe(&readEnd, &writeEnd, &inherit, 0);
  SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);

  STARTUPINFOA si = {};
  si.cb = sizeof si;
  si.dwFlags = STARTF_USESTDHANDLES;
  si.hStdOutput = writeEnd;
  si.hStdError = writeEnd;
  si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  PROCESS_INFORMATION pi = {};
  std::string commandLine = "\"" + ProbePath() + "\" " + mode;
  ProbeRun run;
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi)) {
    ADD_FAILURE() << "cannot start " << commandLine;
    CloseHandle(readEnd);
    CloseHandle(writeEnd);
    return run;
  }
  CloseHandle(writeEnd);
  char buffer[4096];
  DWORD read = 0;
  while (ReadFile(readEnd, buffer, sizeof buffer, &read, nullptr) && read > 0) run.output.append(buffer, read);
  WaitForSingleObject(pi.hProcess, 30000);
  GetExitCodeProcess(pi.hProcess, &run.exitCode);
  CloseHandle(pi.hProcess);
  CloseHandle(pi.hThread);
  CloseHandle(readEnd);
  return run;
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

TEST(FatalError, ShowsTheNumberedMessageThenExitsWithZero) {
  const ProbeRun run = RunProbe("fatal1");
  EXPECT_EQ(run.exitCode, 0u);
  EXPECT_NE(run.output.find("box:program internal error number is 1. \r\n数组成员引用下标超出定义范围"),
            std::string::npos)
      << run.output;
  EXPECT_NE(run.output.find("icon:error"), std::string::npos) << run.output;
  EXPECT_EQ(Count(run.output, "destroyer"), 1) << run.output;
  EXPECT_LT(run.output.find("box:"), run.output.find("destroyer"));  // box first, then cleanup
}

TEST(FatalError, InsideTheDestroyerDoesNotRunItAgain) {
  const ProbeRun run = RunProbe("fatal-in-destroyer");
  EXPECT_EQ(run.exitCode, 0u);
  EXPECT_EQ(Count(run.output, "destroyer"), 1) << run.output;
  EXPECT_NE(run.output.find("box:program internal error number is 4."), std::string::npos) << run.output;
}

TEST(OutOfMemory, ReportsAndExits) {
  const ProbeRun run = RunProbe("oom");
  EXPECT_EQ(run.exitCode, 0u);
  EXPECT_NE(run.output.find("box:内存不足"), std::string::npos) << run.output;
  EXPECT_EQ(Count(run.output, "destroyer"), 1) << run.output;
}

}  // namespace
