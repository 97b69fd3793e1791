// A borderless Win32 window that hosts drawn controls.
//
// The window keeps two window-size surfaces: the background (the painted skin without
// controls) and the canvas (the background with every visible control composed on it).
// A control that changes its look queues its rectangle; the redraw queue restores that
// rectangle from the background, draws the intersecting controls on it, and presents the
// canvas with one UpdateLayeredWindow (per-pixel alpha) per batch, or through WM_PAINT
// for a window that is not layered.
//
// Every message of the window reaches WindowProc first. Input is turned into control
// events by the window's InputRouter; show, close and skin-change animations are played
// by the window itself.
//
// Index of UiWindow.cpp: attaching; skin; composition and presentation; framework
// messages and the window procedure; size, timers and destruction; animations.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <unordered_set>
#include <vector>

#include "runtime/Text.h"
#include "ui/framework/drawing/Colour.h"
#include "ui/framework/window/ControlEvent.h"
#include "ui/framework/drawing/GdiHandles.h"
#include "ui/framework/drawing/Geometry.h"
#include "ui/framework/drawing/Image.h"
#include "ui/framework/window/InputRouter.h"
#include "ui/framework/window/RedrawQueue.h"
#include "ui/framework/window/SkinPainter.h"
#include "ui/framework/drawing/Surface.h"

namespace getlink {

class UiCaptionButton;
class UiCaptionTitle;
class UiControl;
class UiPicture;

// Bits of a window's caption flags: which caption controls Attach builds.
enum class CaptionFlag : int {
  Icon = 1,
  Title = 2,
  Close = 4,
  Maximise = 8,
  Minimise = 16,
  Extra1 = 32,
  Extra2 = 64,
  Extra3 = 128,
  Extra4 = 256,
  EdgeShadow = 512,  // always set by Attach
  FromStyle = 1024,  // derive the buttons from the window style
};
constexpr int operator|(CaptionFlag a, CaptionFlag b) { return static_cast<int>(a) | static_cast<int>(b); }
constexpr int operator|(int a, CaptionFlag b) { return a | static_cast<int>(b); }

// When SetSkin puts the new look on the screen.
enum class SkinRepaint : int { Quiet = -1, Present = 0, CrossFade = 1 };

// Opening and closing animations.
enum class WindowEffect : int {
  None = 0,
  Fade = 1,
  SlideDown = 3,   // from above
  SlideUp = 4,     // from below
  SlideRight = 5,  // from the left
  SlideLeft = 6,   // from the right
  Zoom = 7,        // grows from the centre
};

// How a rectangle is queued for composition.
enum class RedrawMode : int { Append = 0, Immediate = 1, Front = 2 };

// How UiWindow::Attach makes a window a framework window.
struct AttachWindowOptions {
  ByteSet skinImage;  // empty: no picture
  std::optional<ColorRef> skinColour;
  std::optional<int> captionFlags;
  std::optional<int> opacity;  // 0..255 for a layered window; absent: not layered
  SkinImageMode imageMode = SkinImageMode::Natural;
  int cornerRadius = kRoundCorners;
  bool animationsOn = true;
  std::optional<bool> resizable;  // absent: as the style's WS_THICKFRAME says
  bool dragMove = true;
  bool blendImageEdges = true;
  std::optional<bool> blurBehind;
  Margins nineGrid;
  std::optional<HWND> skinSource;  // borrow the skin of another framework window
};

class UiWindow {
 public:
  using PaintBackgroundHandler = std::function<void(HWND, GpGraphics*, int width, int height)>;
  // Called first with every message; anything but kNotHandled ends its handling with that result.
  using MessageHook = std::function<int(HWND, UINT, WPARAM, LPARAM)>;
  using ResizeHandler = std::function<void(HWND, int width, int height)>;
  using ControlHandler = std::function<void(HWND, UiControl* control, WPARAM, LPARAM, ControlType)>;

  using AttachOptions = AttachWindowOptions;

  UiWindow();
  UiWindow(const UiWindow&) = delete;
  UiWindow& operator=(const UiWindow&) = delete;
  ~UiWindow();

  // The window object attached to a window, or null.
  static UiWindow* FromHwnd(HWND hwnd);

  // Makes `hwnd` a framework window. False when it is not a window or is attached already.
  bool Attach(HWND hwnd, const AttachOptions& options = {});

  HWND Hwnd() const { return hwnd_; }
  std::uintptr_t Handle() const { return reinterpret_cast<std::uintptr_t>(this); }
  int Width() const { return size_.cx; }
  int Height() const { return size_.cy; }
  bool Frozen() const { return frozen_; }
  bool IsLayered() const { return opacity_ != -1; }
  int CaptionFlags() const { return captionFlags_; }
  bool HasCaptionFlag(CaptionFlag flag) const { return (captionFlags_ & static_cast<int>(flag)) != 0; }

  // --- skin ---
  // Paints the skin: a new image and/or colour (absent: keep), then repaints the whole
  // window as `repaint` says.
  void SetSkin(std::optional<ByteSet> image, std::optional<ColorRef> colour, SkinRepaint repaint);
  void LayoutCaptionButtons();
  ColorRef SkinColour() const { return skinColour_; }
  GpImage* SkinImage() const;
  bool DragMove() const { return dragMove_; }
  void SetDragMove(bool on) { dragMove_ = on; }
  int CornerRadius() const { return cornerRadius_; }
  void SetCornerRadius(int radius) { cornerRadius_ = radius; }
  void SetShadowColour(std::optional<ColorRef> colour) { shadowColour_ = colour; }
  bool AnimationsOn() const { return animationsOn_; }
  void SetAnimationsOn(bool on) { animationsOn_ = on; }
  // The skin settings in use, as Attach takes them (no picture bytes), for a window that
  // takes its look from this one.
  AttachWindowOptions SkinOptions() const;

  // --- composition ---
  // Queues a rectangle for composition (see RedrawMode).
  void InvalidateRect(const Rect& rect, RedrawMode mode = RedrawMode::Append);
  // Puts the canvas on the screen without composing anything.
  void Present(std::optional<Rect> rect = std::nullopt);
  const Surface& Canvas() const { return canvas_; }
  const Surface& Background() const { return background_; }

  // --- controls ---
  const std::vector<UiControl*>& Controls() const { return controls_; }
  UiControl* Focused() const { return input_.Focused(); }
  UiControl* Hovered() const { return input_.Hovered(); }
  UiControl* Pressed() const { return input_.Pressed(); }
  UiControl* KeyboardFocus() const { return input_.KeyboardFocus(); }
  void SetFocusControl(UiControl* control, bool fromKeyboard) { input_.SetFocusControl(control, fromKeyboard); }
  bool AddMnemonic(UiControl& control, int character) { return input_.AddMnemonic(control, character); }
  // The live control with this handle, or null (a posted event or timer may outlive it).
  UiControl* ControlFromHandle(std::uintptr_t handle) const;
  std::vector<UiCaptionButton*> CaptionButtons() const;
  UiPicture* IconPicture() const { return iconPicture_.get(); }
  UiCaptionTitle* TitleLabel() const { return titleLabel_.get(); }
  UiControl* TitleControl() const;
  bool Resizable() const { return resizable_; }
  void UpdateTooltip(UiControl* control, std::optional<std::string_view> text = std::nullopt);

  // --- animations ---
  void ShowAnimated(WindowEffect effect, int durationMs = 200);
  void SetCloseEffect(WindowEffect effect) { closeEffect_ = effect; }
  WindowEffect CloseEffect() const { return closeEffect_; }
  void SetDefaultCursor(HCURSOR cursor) { defaultCursor_ = cursor; }
  void SetDefaultCursorId(LPCWSTR systemCursorId) { defaultCursor_ = LoadCursorW(nullptr, systemCursorId); }
  HCURSOR DefaultCursor() const { return defaultCursor_; }

  // --- application callbacks ---
  void SetOnPaintBackground(PaintBackgroundHandler handler) { onPaintBackground_ = std::move(handler); }
  void SetMessageHook(MessageHook hook) { messageHook_ = std::move(hook); }
  void SetOnResize(ResizeHandler handler) { onResize_ = std::move(handler); }
  void SetOnMouseDown(ControlHandler handler) { callbacks_.mouseDown = std::move(handler); }
  void SetOnMouseUp(ControlHandler handler) { callbacks_.mouseUp = std::move(handler); }
  void SetOnClick(ControlHandler handler) { callbacks_.click = std::move(handler); }
  void SetOnDoubleClick(ControlHandler handler) { callbacks_.doubleClick = std::move(handler); }
  void SetOnRightDown(ControlHandler handler) { callbacks_.rightDown = std::move(handler); }
  void SetOnRightUp(ControlHandler handler) { callbacks_.rightUp = std::move(handler); }
  void SetOnMouseLeave(ControlHandler handler) { callbacks_.mouseLeave = std::move(handler); }
  void SetOnMouseEnter(ControlHandler handler) { callbacks_.mouseEnter = std::move(handler); }
  void SetOnFocusGained(ControlHandler handler) { callbacks_.focusGained = std::move(handler); }
  void SetOnFocusLost(ControlHandler handler) { callbacks_.focusLost = std::move(handler); }

  // The window procedure: every message of the window comes here first.
  LRESULT WindowProc(UINT msg, WPARAM wparam, LPARAM lparam);

 private:
  friend class UiControl;
  friend class InputRouter;
  friend class RedrawQueue;

  // Control registry, called by UiControl.
  void AddTopLevel(UiControl& control);
  void Register(UiControl& control);
  void Unregister(UiControl& control);
  bool IsLive(const UiControl* control, std::uint32_t serial) const;
  std::vector<UiControl*>& TopLevelList() { return controls_; }
  const InputRouter::Callbacks& Callbacks() const { return callbacks_; }
  int Dispatch(UiControl& control, const ControlEvent& event);

  void CreateSurfaces();
  void BuildCaptionControls();
  void CreateTooltip();
  void PaintSkin();
  void ApplyBlurBehind(bool on);
  void ComposeRect(const Rect& rect);
  void ComposeEverything(bool refresh);
  void ComposeControls(const std::vector<UiControl*>& controls, const Rect& dirty);
  void ComposeControl(UiControl& control);
  void PresentCanvas(const RECT* dirty);
  void PresentSurface(const Surface& surface, const RECT* dirty);
  void OnSize(UINT type);
  void OnTimer(UINT_PTR id);
  void StepSkinFade();
  void OnDestroy();
  void OnClose();
  LRESULT OnFrameworkMessage(FrameworkMessage message, WPARAM wparam, LPARAM lparam);
  void OnGetMinMaxInfo(MINMAXINFO* info);
  void PlayEffect(WindowEffect effect, int durationMs, bool opening);
  void DropQueuedMessages();
  LRESULT DefaultProc(UINT msg, WPARAM wparam, LPARAM lparam);

  HWND hwnd_ = nullptr;
  WNDPROC oldWndProc_ = nullptr;
  bool frozen_ = false;
  bool zoomed_ = false;
  SIZE size_ = {0, 0};
  std::optional<WindowDc> screenDc_;
  Surface canvas_;
  Surface background_;
  Surface snapshot_;  // the old look during a skin cross-fade
  HWND skinSource_ = nullptr;
  Image skinImage_;
  ColorRef skinColour_ = 0;
  std::vector<UiControl*> controls_;
  std::unordered_set<const UiControl*> live_;
  int captionFlags_ = 0;
  HWND tooltipWnd_ = nullptr;
  int cornerRadius_ = kRoundCorners;
  int opacity_ = -1;
  SkinImageMode imageMode_ = SkinImageMode::Natural;
  std::optional<ColorRef> shadowColour_;
  bool resizable_ = false;
  bool dragMove_ = true;
  bool blendImageEdges_ = true;
  WindowEffect closeEffect_ = WindowEffect::None;
  GdiRegion clipRegionGdi_;
  UniqueRegion clipRegion_;
  bool blurBehind_ = false;
  bool animationsOn_ = true;
  HCURSOR defaultCursor_ = nullptr;
  Margins nineGrid_;
  int skinFadeLevel_ = 255;
  std::vector<std::unique_ptr<UiCaptionButton>> captionButtons_;
  std::unique_ptr<UiPicture> iconPicture_;
  std::unique_ptr<UiCaptionTitle> titleLabel_;
  RedrawQueue redrawQueue_;
  InputRouter input_;
  InputRouter::Callbacks callbacks_;
  PaintBackgroundHandler onPaintBackground_;
  MessageHook messageHook_;
  ResizeHandler onResize_;
};

}  // namespace getlink
