// Keeping a thread's windows responsive during long work.
#pragma once

#include <functional>

namespace getlink {

// Dispatches the messages waiting in the calling thread's queue and returns when the queue
// is empty, the next message is WM_QUIT (which stays queued for the message loop), or it
// has dispatched for kPumpBudgetMs: another thread that posts without pause would otherwise
// keep it going for ever. Never blocks. Returns non-zero when it stopped at a waiting
// message (the quit, or what the budget left for the next call).
inline constexpr unsigned kPumpBudgetMs = 50;

int PumpMessages();

// Lets the calling thread's messages and due timers run for about `ms` milliseconds
// (PumpMessages with short sleeps between), and once more at the end: for programs that
// let a window work a while (benchmarks, tests).
void PumpMessagesFor(int ms);

// Lets the calling thread's messages run until `condition` holds (true) or about `ms`
// milliseconds passed (false): for programs that wait on a window with a bound.
bool PumpMessagesUntil(const std::function<bool()>& condition, int ms);

}  // namespace getlink
