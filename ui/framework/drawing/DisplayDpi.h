// The dots per inch a window is drawn at. The functions that tell a window's own DPI
// (Windows 10 1607 and later) are looked up when first needed; where they are missing
// (Windows 7, 8 and 8.1, older Wine) the system DPI stands for every window.
#pragma once

#include <windows.h>

namespace getlink {

// The system's DPI functions the readings below go through, each null where the system
// lacks it.
struct DpiFunctions {
  UINT(WINAPI* dpiForSystem)() = nullptr;                 // GetDpiForSystem
  UINT(WINAPI* dpiForWindow)(HWND) = nullptr;             // GetDpiForWindow
  int(WINAPI* systemMetricsForDpi)(int, UINT) = nullptr;  // GetSystemMetricsForDpi
};

// Those of this system, looked up in user32 once.
const DpiFunctions& SystemDpiFunctions();

// The readings go through `functions` from now on, and the ones used until now are
// answered (handing them back restores them). Tests stand in for other systems with it:
// one that lacks a function, a window whose DPI is not the system's. UI thread only.
DpiFunctions UseDpiFunctions(const DpiFunctions& functions);

// The system DPI: GetDpiForSystem where there is one, else the screen's LOGPIXELSX.
int SystemDpi();

// The DPI of the monitor `hwnd` is on, as this process is aware of it; the system DPI
// where the system cannot tell a window's own.
int WindowDpi(HWND hwnd);

// A system metric (SM_CXSMICON...) at `dpi`: GetSystemMetricsForDpi where there is one,
// else the metric at the system DPI scaled to `dpi`.
int SystemMetricForDpi(int index, int dpi);

}  // namespace getlink
