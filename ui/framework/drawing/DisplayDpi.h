// The dots per inch a window is drawn at. The functions that tell a window's own DPI
// (Windows 10 1607 and later) are looked up when first needed; where they are missing
// (Windows 7, 8, older Wine) the system DPI stands for every window.
#pragma once

#include <windows.h>

namespace getlink {

// The system DPI: GetDpiForSystem where there is one, else the screen's LOGPIXELSX.
int SystemDpi();

// The DPI of the monitor `hwnd` is on, as this process is aware of it; the system DPI
// where the system cannot tell a window's own.
int WindowDpi(HWND hwnd);

// A system metric (SM_CXSMICON...) at `dpi`: GetSystemMetricsForDpi where there is one,
// else the metric at the system DPI scaled to `dpi`.
int SystemMetricForDpi(int index, int dpi);

}  // namespace getlink
