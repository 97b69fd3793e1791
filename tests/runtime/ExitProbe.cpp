// A program that runs the runtime in a process of its own, for the runtime's Windows
// tests: it ends through one of the exit paths (ProgramExitTest) or prints its run
// directory (FilesTest). "fatal1-console" reports as a console program does. It prints "destroyer" when its destroyer runs; a watcher thread
// waits for the message box titled "error", prints "box:" with its text (GBK bytes) and
// presses OK on it.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <new>
#include <string>
#include <thread>

#include "runtime/FatalError.h"
#include "runtime/Files.h"
#include "runtime/ProgramLifetime.h"
#include "tests/support/MessageBoxWatcher.h"

int main(int argc, char** argv) {
  _setmode(_fileno(stdout), _O_BINARY);  // the box text's line break reaches the test as it is
  _setmode(_fileno(stderr), _O_BINARY);
  const std::string mode = argc > 1 ? argv[1] : "";
  if (mode == "run-directory") {
    std::printf("%s", getlink::RunDirectory().c_str());
    return 0;
  }
  getlink::RegisterDestroyer([] {
    std::printf("destroyer\n");
    std::fflush(stdout);
  });
  if (mode == "exit7") getlink::ProgramExit(7);
  if (mode == "startup") getlink::RunProcess([] { return 3; });

  if (mode == "oom-on-worker") {
    // The program's objects belong to the main thread, which ends normally while the worker's
    // report of running out of memory is still on the screen.
    std::thread([] { getlink::testing::AnswerMessageBox("error", 1000); }).detach();
    getlink::RunProcess([] {
      const DWORD owner = GetCurrentThreadId();
      getlink::RegisterDestroyer([owner] {
        std::printf(GetCurrentThreadId() == owner ? "destroyer\n" : "destroyer on another thread\n");
        std::fflush(stdout);
      });
      std::thread([] {
        volatile std::size_t huge = 0x7FFF0000u;
        char* block = new char[huge];
        std::printf("allocated %d\n", block[0]);
      }).detach();
      while (FindWindowW(L"#32770", L"error") == nullptr) Sleep(10);
      return 0;
    });
  }
  std::thread([] { getlink::testing::AnswerMessageBox("error"); }).detach();
  if (mode == "fatal1") getlink::FatalError(1);
  if (mode == "fatal1-console") {
    getlink::ReportFatalErrorsThrough([](std::string_view report) {
      std::fwrite(report.data(), 1, report.size(), stderr);
    });
    getlink::FatalError(1);
  }
  if (mode == "fatal-in-destroyer") {
    getlink::RegisterDestroyer([] {
      std::printf("destroyer\n");
      std::fflush(stdout);
      getlink::FatalError(4);
    });
    getlink::ProgramExit(5);
  }
  if (mode == "oom") {
    getlink::RunProcess([] {
      volatile std::size_t huge = 0x7FFF0000u;
      char* block = new char[huge];
      return static_cast<int>(block[0]);
    });
  }
  return 2;
}
