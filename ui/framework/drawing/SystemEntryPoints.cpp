#include "ui/framework/drawing/SystemEntryPoints.h"

namespace getlink::bound {

// Module names as the system resolves them; "gdiplus" and "user32" get ".dll" added.
BoundEntryPoint<decltype(&Gdiplus::DllExports::GdipGetFamily)> GdipGetFamily("gdiplus", "GdipGetFamily");
BoundEntryPoint<decltype(&Gdiplus::DllExports::GdipDrawLine)> GdipDrawLine("gdiplus", "GdipDrawLine");
BoundEntryPoint<decltype(&Gdiplus::DllExports::GdipCreatePen1)> GdipCreatePen1("gdiplus", "GdipCreatePen1");
BoundEntryPoint<decltype(&::GdiAlphaBlend)> GdiAlphaBlend("gdi32.dll", "GdiAlphaBlend");
BoundEntryPoint<decltype(&::DwmIsCompositionEnabled)> DwmIsCompositionEnabled("dwmapi.dll", "DwmIsCompositionEnabled");
BoundEntryPoint<decltype(&::DwmEnableBlurBehindWindow)> DwmEnableBlurBehindWindow("dwmapi.dll",
                                                                                   "DwmEnableBlurBehindWindow");
BoundEntryPoint<decltype(&::RedrawWindow)> RedrawWindow("user32", "RedrawWindow");
BoundEntryPoint<decltype(&Gdiplus::DllExports::GdipDrawImage)> GdipDrawImage("gdiplus", "GdipDrawImage");
BoundEntryPoint<decltype(&Gdiplus::DllExports::GdipSetStringFormatTabStops)> GdipSetStringFormatTabStops(
    "gdiplus", "GdipSetStringFormatTabStops");
BoundEntryPoint<decltype(&::WindowFromPoint)> WindowFromPoint("user32", "WindowFromPoint");
// Only the first tooltip needs the common controls (WindowTooltip.cpp).
BoundEntryPoint<decltype(&::InitCommonControlsEx)> InitCommonControlsEx("comctl32.dll", "InitCommonControlsEx");

}  // namespace getlink::bound
