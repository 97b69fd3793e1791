// A skinned framework window to look at: caption buttons, a picture, a few plain drawn
// controls (hover, press, focus, disabled, a child cut at its parent). Not the product:
// build/windows/framework-demo.exe [--close-after MS]
#include <windows.h>

#include <cstdlib>
#include <string>

#include "runtime/Files.h"
#include "runtime/ProgramLifetime.h"
#include "ui/framework/drawing/EmbeddedImages.h"
#include "ui/framework/drawing/FrameworkStartup.h"
#include "ui/framework/drawing/Shapes.h"
#include "ui/framework/drawing/TextDrawing.h"
#include "ui/framework/drawing/TextFormat.h"
#include "ui/framework/window/UiPicture.h"
#include "ui/framework/window/UiWindow.h"
#include "ui/framework/window/WindowFunctions.h"

namespace getlink {
namespace {

// A plain tile: a rounded face that shows hover, press and focus and counts its clicks.
class DemoTile : public UiControl {
 public:
  bool Create(HWND host, const Rect& rect, Text caption) {
    caption_ = std::move(caption);
    CreateControlOptions options;
    options.frameInterval = 60;
    return UiControl::Create(host, rect, ControlType::Button, options);
  }
  bool Create(UiControl& parent, const Rect& rect, Text caption) {
    caption_ = std::move(caption);
    return UiControl::Create(parent, rect, ControlType::Button);
  }

 protected:
  int OnPaint() override { return Repaint(255); }
  int OnMouseEnter() override { return Hover(true); }
  int OnMouseLeave() override { return Hover(false); }
  int OnMouseDown(POINT, WPARAM) override { return Press(true); }
  int OnMouseUp(POINT, WPARAM) override { return Press(false); }
  int OnFocusGained(UiControl*) override { return Repaint(153); }
  int OnFocusLost(UiControl*) override { return Repaint(153); }
  int OnClick() override {
    ++clicks_;
    return Repaint(102);
  }
  int OnTimer() override {
    SetFadeLevel(FadeLevel() + 51);
    Invalidate();
    return kNotHandled;
  }

 private:
  int Hover(bool on) {
    hot_ = on;
    return Repaint(102);
  }
  int Press(bool on) {
    pressed_ = on;
    return Repaint(153);
  }
  int Repaint(int startFade) {
    SetFadeLevel(startFade);
    if (!BeginControlPaint(true)) return kNotHandled;
    GpGraphics* g = Graphics();
    const Rect face = {0, 0, static_cast<float>(Width() - 1), static_cast<float>(Height() - 1)};
    const Argb top = pressed_ ? MakeColor(0xD8D8D8) : hot_ ? MakeColor(0xFFFFFF) : MakeColor(0xF4F4F4);
    const Argb bottom = pressed_ ? MakeColor(0xF0F0F0) : hot_ ? MakeColor(0xE8F0FA) : MakeColor(0xE2E2E2);
    ClipToRoundRect(g, face, 6);
    FillGradient(g, {0, 0, static_cast<float>(Width()), static_cast<float>(Height())}, top, bottom);
    ResetClipOf(g);
    OutlineRoundRect(g, face, 6, IsFocused() ? MakeColor(0xC07830, 230) : MakeColor(0x000000, 90));
    TextFormat format(Gdiplus::StringFormatFlagsNoWrap);
    format.SetAlign(Gdiplus::StringAlignmentCenter);
    format.SetLineAlign(Gdiplus::StringAlignmentCenter);
    const Text label = clicks_ > 0 ? caption_ + " (" + std::to_string(clicks_) + ")" : caption_;
    DrawText(g, face, label, DefaultFont(), MakeColor(0x202020, 230), format.Handle());
    EndControlPaint();
    return kNotHandled;
  }
  static void ResetClipOf(GpGraphics* g) { gdip::GdipResetClip(g); }

  Text caption_;
  int clicks_ = 0;
  bool hot_ = false;
  bool pressed_ = false;
};

// A translucent panel that holds child tiles.
class DemoPanel : public UiControl {
 public:
  bool Create(HWND host, const Rect& rect) {
    CreateControlOptions options;
    options.focusable = false;
    return UiControl::Create(host, rect, ControlType::Group, options);
  }

 protected:
  int OnPaint() override {
    if (!BeginControlPaint(true)) return kNotHandled;
    const Rect face = {0, 0, static_cast<float>(Width() - 1), static_cast<float>(Height() - 1)};
    FillRoundRect(Graphics(), face, 8, SolidBrush(MakeColor(0xFFFFFF, 110)).get());
    OutlineRoundRect(Graphics(), face, 8, MakeColor(0x000000, 50));
    TextFormat format(Gdiplus::StringFormatFlagsNoWrap);
    DrawText(Graphics(), {8, 4, face.width - 16, 20}, "子控件裁剪在面板内", DefaultFont(), MakeColor(0x303030, 220),
             format.Handle());
    EndControlPaint();
    return kNotHandled;
  }
};

void CALLBACK QuitLoop(HWND, UINT, UINT_PTR, DWORD) { PostQuitMessage(0); }

int RunDemo(int closeAfterMs) {
  FrameworkStartup();
  CreateWindowOptions windowOptions;
  windowOptions.width = 450;
  windowOptions.height = 320;
  HWND hwnd = CreateUiWindow(nullptr, "框架演示 - 拖动、缩放、Tab 切换", windowOptions);
  UiWindow window;
  AttachWindowOptions skin;
  skin.skinImage = ReadFileBytes(RunDirectory() + "\\res\\ym.jpg");
  skin.captionFlags = CaptionFlag::Icon | CaptionFlag::Title | CaptionFlag::Close | CaptionFlag::Maximise |
                      static_cast<int>(CaptionFlag::Minimise);
  skin.opacity = 235;
  skin.imageMode = SkinImageMode::Stretched;
  skin.resizable = true;
  window.Attach(hwnd, skin);
  window.SetMessageHook([](HWND, UINT msg, WPARAM, LPARAM) {
    if (msg == WM_DESTROY) PostQuitMessage(0);
    return kNotHandled;
  });

  UiPicture picture;
  UiPicture::Options pictureOptions;
  pictureOptions.placement = UiPicture::Placement::Centred;
  pictureOptions.animate = false;
  pictureOptions.focusable = false;
  picture.Create(hwnd, {24, 48, 200, 40}, EmbeddedImageBytes(EmbeddedImage::MessageBoxIcons), pictureOptions);

  DemoTile first, second, disabled;
  first.Create(hwnd, {24, 104, 120, 30}, "第一个");
  second.Create(hwnd, {156, 104, 120, 30}, "第二个");
  disabled.Create(hwnd, {288, 104, 120, 30}, "已禁用");
  disabled.SetDisabled(true);
  first.SetTipText("悬停提示：第一个", true);

  DemoPanel panel;
  panel.Create(hwnd, {24, 150, 384, 110});
  DemoTile inner, clipped;
  inner.Create(panel, {40, 184, 140, 30}, "面板里的");
  clipped.Create(panel, {300, 220, 160, 30}, "被面板裁剪");

  window.ShowAnimated(WindowEffect::Zoom);
  if (closeAfterMs > 0) SetTimer(nullptr, 0, static_cast<UINT>(closeAfterMs), &QuitLoop);
  return RunMessageLoop();
}

}  // namespace
}  // namespace getlink

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
  const std::string args = commandLine != nullptr ? commandLine : "";
  const auto at = args.find("--close-after");
  const int closeAfter = at == std::string::npos ? 0 : std::atoi(args.c_str() + at + 13);
  getlink::RunProcess([closeAfter] { return getlink::RunDemo(closeAfter); });
}
