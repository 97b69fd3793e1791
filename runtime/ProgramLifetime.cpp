#include "runtime/ProgramLifetime.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <new>
#include <thread>

#include "runtime/FatalError.h"

#ifdef _WIN32
#include <objbase.h>
#include <windows.h>
#endif

namespace getlink {
namespace {

std::mutex gLifetimeMutex;
std::function<void()> gDestroyer;
std::thread::id gDestroyerThread;
bool gComInitialised = false;
std::thread::id gEntryThread;
// The thread whose fatal report is on its way; none while there is none.
std::thread::id gFatalReporter;

// Waits for the process to end: another thread is reporting a fatal error and ends it.
[[noreturn]] void WaitForTheEnd() {
  for (;;) std::this_thread::sleep_for(std::chrono::hours(1));
}

[[noreturn]] void EndProcess(int code) {
  std::fflush(nullptr);
#ifdef _WIN32
  ExitProcess(static_cast<UINT>(code));
#else
  std::_Exit(code);
#endif
}

}  // namespace

void RegisterDestroyer(std::function<void()> destroyer) {
  std::lock_guard<std::mutex> lock(gLifetimeMutex);
  gDestroyer = std::move(destroyer);
  gDestroyerThread = std::this_thread::get_id();
}

void ProgramExit(int code) {
  const std::thread::id self = std::this_thread::get_id();
  std::function<void()> destroyer;
  bool releaseCom = false;
  {
    std::unique_lock<std::mutex> lock(gLifetimeMutex);
    if (gFatalReporter != std::thread::id() && gFatalReporter != self) {
      lock.unlock();  // the reporter needs the lock to end the process
      WaitForTheEnd();
    }
    // Taken out first: a fatal error inside it cannot rerun it.
    if (self == gDestroyerThread) destroyer.swap(gDestroyer);
    releaseCom = gComInitialised && self == gEntryThread;
    if (releaseCom) gComInitialised = false;
  }
  if (destroyer) destroyer();
#ifdef _WIN32
  if (releaseCom) CoUninitialize();
#else
  (void)releaseCom;
#endif
  EndProcess(code);
}

void EndWithFatalReport(std::string_view report, std::string_view title) {
  const std::thread::id self = std::this_thread::get_id();
  {
    std::unique_lock<std::mutex> lock(gLifetimeMutex);
    if (gFatalReporter == self) EndProcess(kFatalExitStatus);  // failed inside its own report
    if (gFatalReporter != std::thread::id()) {
      lock.unlock();
      WaitForTheEnd();
    }
    gFatalReporter = self;
  }
  ShowErrorBox(report, title);
  ProgramExit(kFatalExitStatus);
}

void RunProcess(const std::function<int()>& startUp, ProcessCom com) {
  std::set_new_handler(ReportOutOfMemory);
#ifdef _WIN32
  {
    std::lock_guard<std::mutex> lock(gLifetimeMutex);
    gComInitialised = com == ProcessCom::Apartment && SUCCEEDED(CoInitialize(nullptr));
    gEntryThread = std::this_thread::get_id();
  }
#else
  (void)com;
#endif
  ProgramExit(startUp());
}

}  // namespace getlink
