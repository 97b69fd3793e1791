// The GDI+ flat API as the framework uses it; include this rather than <gdiplus.h>.
#pragma once

#include <windows.h>
#include <objidl.h>  // IStream, which <gdiplus.h> expects to be declared

#include <algorithm>

// Microsoft's GDI+ headers use min and max unqualified, which NOMINMAX takes away.
namespace Gdiplus {
using std::max;
using std::min;
}  // namespace Gdiplus

#include <gdiplus.h>

// <windows.h> maps DrawText to DrawTextW; the framework has a DrawText of its own. Call
// the Win32 function as DrawTextW where it is needed.
#undef DrawText

namespace getlink {

namespace gdip = Gdiplus::DllExports;

using Gdiplus::GpBitmap;
using Gdiplus::GpBrush;
using Gdiplus::GpFont;
using Gdiplus::GpFontFamily;
using Gdiplus::GpGraphics;
using Gdiplus::GpImage;
using Gdiplus::GpImageAttributes;
using Gdiplus::GpPath;
using Gdiplus::GpPen;
using Gdiplus::GpRegion;
using Gdiplus::GpStringFormat;

}  // namespace getlink
