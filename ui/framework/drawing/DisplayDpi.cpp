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

DpiFunctions LookUpDpiFunctions() {
  DpiFunctions found;
  found.dpiForSystem = OptionalUserFunction<decltype(found.dpiForSystem)>("GetDpiForSystem");
  found.dpiForWindow = OptionalUserFunction<decltype(found.dpiForWindow)>("GetDpiForWindow");
  found.systemMetricsForDpi = OptionalUserFunction<decltype(found.systemMetricsForDpi)>("GetSystemMetricsForDpi");
  return found;
}

DpiFunctions& UsedDpiFunctions() {
  static DpiFunctions used = SystemDpiFunctions();
  return used;
}

}  // namespace

const DpiFunctions& SystemDpiFunctions() {
  static const DpiFunctions system = LookUpDpiFunctions();
  return system;
}

DpiFunctions UseDpiFunctions(const DpiFunctions& functions) {
  const DpiFunctions before = UsedDpiFunctions();
  UsedDpiFunctions() = functions;
  return before;
}

int SystemDpi() {
  if (const auto dpiForSystem = UsedDpiFunctions().dpiForSystem) {
    if (const UINT dpi = dpiForSystem(); dpi > 0) return static_cast<int>(dpi);
  }
  const WindowDc screen(nullptr);
  const int dpi = screen.get() != nullptr ? GetDeviceCaps(screen.get(), LOGPIXELSX) : 0;
  return dpi > 0 ? dpi : DisplayScale::kBaseDpi;
}

int WindowDpi(HWND hwnd) {
  if (const auto dpiForWindow = UsedDpiFunctions().dpiForWindow; dpiForWindow != nullptr && hwnd != nullptr) {
    if (const UINT dpi = dpiForWindow(hwnd); dpi > 0) return static_cast<int>(dpi);
  }
  return SystemDpi();
}

int SystemMetricForDpi(int index, int dpi) {
  if (const auto systemMetricsForDpi = UsedDpiFunctions().systemMetricsForDpi) {
    if (const int metric = systemMetricsForDpi(index, static_cast<UINT>(dpi)); metric > 0) return metric;
  }
  return MulDiv(GetSystemMetrics(index), dpi, SystemDpi());
}

}  // namespace getlink
