#include "tests/support/PumpUntil.h"

#include <windows.h>

#include "runtime/MessagePump.h"

namespace getlink::testing {

bool PumpUntil(const std::function<bool()>& condition, int ms) {
  const DWORD until = GetTickCount() + static_cast<DWORD>(ms);
  while (!condition()) {
    if (static_cast<int>(until - GetTickCount()) <= 0) return false;
    PumpMessagesFor(10);
  }
  PumpMessagesFor(50);
  return true;
}

}  // namespace getlink::testing
