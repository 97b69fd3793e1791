// The system functions the framework binds by name on first use (BoundEntryPoint).
// Call them like the functions they stand for: bound::WindowFromPoint(point).
#pragma once

#include <windows.h>

#include <commctrl.h>
#include <dwmapi.h>

#include "ui/framework/drawing/BoundEntryPoint.h"
#include "ui/framework/drawing/GdiplusApi.h"

namespace getlink::bound {

extern BoundEntryPoint<decltype(&Gdiplus::DllExports::GdipGetFamily)> GdipGetFamily;
extern BoundEntryPoint<decltype(&Gdiplus::DllExports::GdipDrawLine)> GdipDrawLine;
extern BoundEntryPoint<decltype(&Gdiplus::DllExports::GdipCreatePen1)> GdipCreatePen1;
extern BoundEntryPoint<decltype(&::GdiAlphaBlend)> GdiAlphaBlend;
extern BoundEntryPoint<decltype(&::DwmIsCompositionEnabled)> DwmIsCompositionEnabled;
extern BoundEntryPoint<decltype(&::DwmEnableBlurBehindWindow)> DwmEnableBlurBehindWindow;
extern BoundEntryPoint<decltype(&::RedrawWindow)> RedrawWindow;
extern BoundEntryPoint<decltype(&Gdiplus::DllExports::GdipDrawImage)> GdipDrawImage;
extern BoundEntryPoint<decltype(&Gdiplus::DllExports::GdipSetStringFormatTabStops)> GdipSetStringFormatTabStops;
extern BoundEntryPoint<decltype(&::WindowFromPoint)> WindowFromPoint;
extern BoundEntryPoint<decltype(&::InitCommonControlsEx)> InitCommonControlsEx;

}  // namespace getlink::bound
