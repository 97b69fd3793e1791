#include "ui/framework/drawing/DisplayDpi.h"

#include "ui/framework/drawing/DisplayScale.h"
#include "ui/framework/drawing/GdiHandles.h"

namespace getlink {
namespace {

// A user32 function that may be missing on this system, or null.
template <class Function>
Function OptionalUserFunction(const char* name) {
  const HMODULE user32 = GetModuleHandleW(L"user32.dll");
  if (user32 == nullptr) return nullptr;
  // Through void(*)(), which every function pointer type converts from without a warning.
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(user32, name)));
}

using GetDpiForSystemFunction = UINT(WINAPI*)();
using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using GetSystemMetricsForDpiFunction = int(WINAPI*)(int, UINT);

}  // namespace

int SystemDpi() {
  static const auto getDpiForSystem = OptionalUserFunction<GetDpiForSystemFunction>("GetDpiForSystem");
  if (getDpiForSystem != nullptr) {
    if (const UINT dpi = getDpiForSystem(); dpi > 0) return static_cast<int>(dpi);
  }
  const WindowDc screen(nullptr);
  const int dpi = screen.get() != nullptr ? GetDeviceCaps(screen.get(), LOGPIXELSX) : 0;
  return dpi > 0 ? dpi : DisplayScale::kBaseDpi;
}

int WindowDpi(HWND hwnd) {
  static const auto getDpiForWindow = OptionalUserFunction<GetDpiForWindowFunction>("GetDpiForWindow");
  if (getDpiForWindow != nullptr && hwnd != nullptr) {
    if (const UINT dpi = getDpiForWindow(hwnd); dpi > 0) return static_cast<int>(dpi);
  }
  return SystemDpi();
}

int SystemMetricForDpi(int index, int dpi) {
  static const auto getSystemMetricsForDpi =
      OptionalUserFunction<GetSystemMetricsForDpiFunction>("GetSystemMetricsForDpi");
  if (getSystemMetricsForDpi != nullptr) {
    if (const int metric = getSystemMetricsForDpi(index, static_cast<UINT>(dpi)); metric > 0) return metric;
  }
  return MulDiv(GetSystemMetrics(index), dpi, SystemDpi());
}

}  // namespace getlink
