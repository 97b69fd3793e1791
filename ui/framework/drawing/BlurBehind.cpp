#include "ui/framework/drawing/BlurBehind.h"

#include "ui/framework/drawing/FrameworkStartup.h"
#include "ui/framework/drawing/GdiHandles.h"
#include "ui/framework/drawing/SystemEntryPoints.h"

namespace getlink {

bool SetBlurBehind(HWND window, const Rect& area, int cornerDiameter, bool on) {
  if (window == nullptr || OsMajorVersion() != 6) return false;
  BOOL composition = FALSE;
  if (FAILED(bound::DwmIsCompositionEnabled(&composition)) || !composition) return false;
  DWM_BLURBEHIND blur = {};
  blur.dwFlags = DWM_BB_ENABLE;
  blur.fEnable = on ? TRUE : FALSE;
  GdiRegion region;
  if (on) {
    region.reset(CreateRoundRectRgn(static_cast<int>(area.left), static_cast<int>(area.top),
                                    static_cast<int>(area.Right()), static_cast<int>(area.Bottom()), cornerDiameter,
                                    cornerDiameter));
    blur.dwFlags |= DWM_BB_BLURREGION;
    blur.hRgnBlur = region.get();
  }
  return SUCCEEDED(bound::DwmEnableBlurBehindWindow(window, &blur));
}

}  // namespace getlink
