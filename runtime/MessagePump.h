// Keeping a thread's windows responsive during long work.
#pragma once

namespace getlink {

// Dispatches every message waiting in the calling thread's queue and returns when the
// queue is empty or the next message is WM_QUIT, which stays queued for the message loop.
// Never blocks. Returns non-zero when it stopped at a waiting message (the quit).
int PumpMessages();

}  // namespace getlink
