// Waiting in a test for what a window does in its own time, with a bound instead of a
// fixed sleep.
#pragma once

#include <functional>

namespace getlink::testing {

// Runs the thread's messages until `condition` holds (true) or about `ms` milliseconds
// passed (false); after a success it lets what follows the change settle for 50 ms.
bool PumpUntil(const std::function<bool()>& condition, int ms = 5000);

}  // namespace getlink::testing
