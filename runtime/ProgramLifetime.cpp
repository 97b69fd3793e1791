#include "runtime/ProgramLifetime.h"

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
bool gComInitialised = false;
std::thread::id gEntryThread;

}  // namespace

void RegisterDestroyer(std::function<void()> destroyer) {
  std::lock_guard<std::mutex> lock(gLifetimeMutex);
  gDestroyer = std::move(destroyer);
}

void ProgramExit(int code) {
  std::function<void()> destroyer;
  bool releaseCom = false;
  {
    std::lock_guard<std::mutex> lock(gLifetimeMutex);
    destroyer.swap(gDestroyer);  // taken out first: a fatal error inside it cannot rerun it
    releaseCom = gComInitialised && std::this_thread::get_id() == gEntryThread;
    if (releaseCom) gComInitialised = false;
  }
  if (destroyer) destroyer();
  std::fflush(nullptr);
#ifdef _WIN32
  if (releaseCom) CoUninitialize();
  ExitProcess(static_cast<UINT>(code));
#else
  (void)releaseCom;
  std::exit(code);
#endif
}

void RunProcess(const std::function<int()>& startUp) {
  std::set_new_handler(ReportOutOfMemory);
#ifdef _WIN32
  {
    std::lock_guard<std::mutex> lock(gLifetimeMutex);
    gComInitialised = SUCCEEDED(CoInitialize(nullptr));
    gEntryThread = std::this_thread::get_id();
  }
#endif
  ProgramExit(startUp());
}

}  // namespace getlink
