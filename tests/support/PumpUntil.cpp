#include "tests/support/PumpUntil.h"

#include "runtime/MessagePump.h"

namespace getlink::testing {

bool PumpUntil(const std::function<bool()>& condition, int ms) {
  if (!PumpMessagesUntil(condition, ms)) return false;
  PumpMessagesFor(50);
  return true;
}

}  // namespace getlink::testing
