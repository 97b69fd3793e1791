#include "runtime/Threads.h"

#include <windows.h>

#include <memory>

namespace getlink {
namespace {

DWORD WINAPI RunRoutine(void* parameter) {
  // The thread owns the routine from here on and frees it when it has run.
  const std::unique_ptr<std::function<void()>> routine(static_cast<std::function<void()>*>(parameter));
  (*routine)();
  return 0;
}

HANDLE CreateRoutineThread(std::function<void()> routine) {
  auto owned = std::make_unique<std::function<void()>>(std::move(routine));
  DWORD id = 0;
  HANDLE thread = CreateThread(nullptr, 0, RunRoutine, owned.get(), 0, &id);
  if (thread != nullptr) owned.release();  // now the thread's
  return thread;
}

}  // namespace

void SleepMs(int milliseconds) { Sleep(milliseconds > 0 ? static_cast<DWORD>(milliseconds) : 0); }

bool StartThread(std::function<void()> routine) {
  const UniqueHandle thread(CreateRoutineThread(std::move(routine)));
  return thread != nullptr;
}

bool StartThread(std::function<void()> routine, UniqueHandle& handle) {
  handle.reset(CreateRoutineThread(std::move(routine)));
  return handle != nullptr;
}

}  // namespace getlink
