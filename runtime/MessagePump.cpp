#include "runtime/MessagePump.h"

#include <windows.h>

namespace getlink {

int PumpMessages() {
  const DWORD start = GetTickCount();
  MSG msg;
  BOOL waiting;
  while ((waiting = PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) != FALSE && msg.message != WM_QUIT) {
    if (GetTickCount() - start >= kPumpBudgetMs) break;
    // Removed with PeekMessage rather than GetMessage, so that a quit posted by another
    // thread in between can neither block us nor be swallowed.
    if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) break;
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return TRUE;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return waiting;
}

void PumpMessagesFor(int ms) {
  const DWORD until = GetTickCount() + static_cast<DWORD>(ms);
  do {
    PumpMessages();
    if (ms > 0) Sleep(5);
  } while (static_cast<int>(until - GetTickCount()) > 0);
  PumpMessages();
}

bool PumpMessagesUntil(const std::function<bool()>& condition, int ms) {
  const DWORD until = GetTickCount() + static_cast<DWORD>(ms);
  while (!condition()) {
    if (static_cast<int>(until - GetTickCount()) <= 0) return false;
    PumpMessagesFor(10);
  }
  return true;
}

}  // namespace getlink
