// Writing what framework windows show to PNG files, for comparing the look of the
// framework before and after a change (scripts/screens).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace getlink {
class UiWindow;
}

namespace getlink::screens {

// Dispatches the thread's messages until nothing has arrived for a while (queued
// compositions done), or `boundMs` passed. Short of the caret's blink period, so a caret
// just shown is still on.
void Settle(int boundMs = 300);

// The canvas of the window as it is composed (straight from its pixels, so the same on
// every run) to DIR\NAME.png. False, with a line on standard error, when it cannot.
bool WriteCanvas(const UiWindow& window, const std::string& directory, const std::string& name);

// The visible framework windows of this thread other than `except`, topmost first.
std::vector<UiWindow*> OtherWindows(HWND except);

}  // namespace getlink::screens
