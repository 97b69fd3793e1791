// Sleeping and worker threads.
#pragma once

#include <functional>

#include "runtime/WinHandles.h"

namespace getlink {

// Suspends the calling thread; a negative count sleeps 0 ms (never "forever").
void SleepMs(int milliseconds);

// Runs `routine` on a new thread that nobody waits for. True when the thread was
// created; false leaves `routine` unrun.
bool StartThread(std::function<void()> routine);

// The same, handing the new thread's handle to the caller (to wait on it); `handle` is
// left empty when no thread was created.
bool StartThread(std::function<void()> routine, UniqueHandle& handle);

}  // namespace getlink
