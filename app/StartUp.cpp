// Start-up of the window program: the framework, then the main window, then the message
// loop. Until the window's controls exist, the main window is the plain skinned framework
// window, with a line on its background that points to getlink-cli.
#include "app/StartUp.h"

#include <windows.h>

#include "runtime/FatalError.h"
#include "runtime/Files.h"
#include "ui/framework/drawing/FrameworkStartup.h"
#include "ui/framework/drawing/TextDrawing.h"
#include "ui/framework/drawing/TextFormat.h"
#include "ui/framework/window/UiWindow.h"
#include "ui/framework/window/WindowFunctions.h"

namespace getlink {
namespace {

constexpr char kTitle[] = "Zolmar网盘外链获取器";
constexpr char kNotice[] = "界面尚未完成，请使用 getlink-cli。";
constexpr int kWidth = 450;
constexpr int kHeight = 320;

void PaintNotice(HWND, GpGraphics* graphics, int width, int height) {
  TextFormat format;
  format.SetAlign(Gdiplus::StringAlignmentCenter);
  format.SetLineAlign(Gdiplus::StringAlignmentCenter);
  DrawText(graphics, {0, 0, static_cast<float>(width), static_cast<float>(height)},
           ConcatTexts(kTitle, "\r\n", kNotice), DefaultFont(), MakeColor(0x202020, 230), format.Handle(),
           TextEffect::Glow);
}

}  // namespace

int StartUp() {
  if (!FrameworkStartup()) return kFatalExitStatus;  // GDI+ did not start: nothing can be drawn
  CreateWindowOptions create;
  create.width = kWidth;
  create.height = kHeight;
  const HWND hwnd = CreateUiWindow(nullptr, kTitle, create);
  if (hwnd == nullptr) return kFatalExitStatus;
  UiWindow window;
  AttachWindowOptions skin;
  skin.skinImage = ReadFileBytes(RunDirectory() + "\\res\\ym.jpg");
  skin.captionFlags = CaptionFlag::Close | CaptionFlag::Minimise;
  skin.opacity = 220;
  skin.imageMode = SkinImageMode::Stretched;
  skin.blurBehind = true;
  window.SetOnPaintBackground(PaintNotice);
  window.Attach(hwnd, skin);
  window.SetMessageHook([](HWND, UINT msg, WPARAM, LPARAM) {
    if (msg == WM_DESTROY) PostQuitMessage(0);
    return kNotHandled;
  });
  window.ShowAnimated(WindowEffect::Zoom);
  window.SetCloseEffect(WindowEffect::Zoom);
  RunMessageLoop();
  return 0;
}

}  // namespace getlink
