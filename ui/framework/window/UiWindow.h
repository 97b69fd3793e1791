// A borderless Win32 window that hosts drawn controls.
//
// Every message of the window reaches WindowProc first. The window itself attaches to the
// HWND, keeps the list of its controls and answers the framework's messages; the rest is
// done by its parts, one job each:
//   WindowSkin        the skin: picture, colour, shape, border, shadow, blur
//   CaptionBar        the icon, title and caption buttons and where they go
//   WindowComposer    the canvas, the redraw queue, composition and presentation
//   InputRouter       mouse and keyboard input turned into control events
//   WindowAnimations  opening and closing effects, the skin cross-fade
//   WindowTooltip     the tooltip of the control under the mouse
// All of it runs on the window's thread; other threads use ControlAddress.h.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <unordered_set>
#include <vector>

#include "runtime/Text.h"
#include "ui/framework/drawing/Colour.h"
#include "ui/framework/drawing/Geometry.h"
#include "ui/framework/window/AttachWindowOptions.h"
#include "ui/framework/window/CaptionBar.h"
#include "ui/framework/window/ControlEvent.h"
#include "ui/framework/window/InputRouter.h"
#include "ui/framework/window/PopupRole.h"
#include "ui/framework/window/WindowAnimations.h"
#include "ui/framework/window/WindowComposer.h"
#include "ui/framework/window/WindowSkin.h"
#include "ui/framework/window/WindowTooltip.h"

namespace getlink {

class UiControl;

// When SetSkin puts the new look on the screen.
enum class SkinRepaint : int { Quiet = -1, Present = 0, CrossFade = 1 };

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
  // The window object owns the window it is attached to: this destroys it now (with its
  // controls), as the object's destructor does. Nothing happens when none is attached.
  void Destroy();

  HWND Hwnd() const { return hwnd_; }
  std::uintptr_t Handle() const { return reinterpret_cast<std::uintptr_t>(this); }
  SIZE Size() const { return size_; }
  int Width() const { return size_.cx; }
  int Height() const { return size_.cy; }
  bool Frozen() const { return frozen_; }
  bool IsLayered() const { return skin_.IsLayered(); }
  int CaptionFlags() const { return captionFlags_; }
  bool HasCaptionFlag(CaptionFlag flag) const { return (captionFlags_ & static_cast<int>(flag)) != 0; }

  // --- skin ---
  // Paints the skin: a new image and/or colour (absent: keep), then repaints the whole
  // window as `repaint` says.
  void SetSkin(std::optional<ByteSet> image, std::optional<ColorRef> colour, SkinRepaint repaint);
  void LayoutCaptionButtons() { caption_.Layout(size_.cx); }
  const WindowSkin& Skin() const { return skin_; }
  ColorRef SkinColour() const { return skin_.Colour(); }
  GpImage* SkinImage() const { return skin_.Image(); }
  bool DragMove() const { return dragMove_; }
  void SetDragMove(bool on) { dragMove_ = on; }
  int CornerRadius() const { return skin_.CornerRadius(); }
  void SetCornerRadius(int radius) { skin_.SetCornerRadius(radius); }
  void SetShadowColour(std::optional<ColorRef> colour) { skin_.SetShadowColour(colour); }
  bool AnimationsOn() const { return animationsOn_; }
  void SetAnimationsOn(bool on) { animationsOn_ = on; }

  // --- composition ---
  // Queues a rectangle for composition (see RedrawMode).
  void InvalidateRect(const Rect& rect, RedrawMode mode = RedrawMode::Append) { composer_.Add(rect, mode); }
  // Queues a rectangle for the next WmInvalidate, which composes everything queued by
  // then and presents it once.
  void QueueInvalidation(const Rect& rect) { composer_.Queue(rect); }
  // Puts the canvas on the screen without composing anything.
  void Present(std::optional<Rect> rect = std::nullopt);
  WindowComposer& Composer() { return composer_; }
  const Surface& Canvas() const { return composer_.Canvas(); }
  const Surface& Background() const { return composer_.Background(); }

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
  std::vector<UiCaptionButton*> CaptionButtons() const { return caption_.Buttons(); }
  UiPicture* IconPicture() const { return caption_.Icon(); }
  UiCaptionTitle* TitleLabel() const { return caption_.Title(); }
  UiControl* TitleControl() const;
  bool Resizable() const { return resizable_; }
  void UpdateTooltip(UiControl* control, std::optional<std::string_view> text = std::nullopt) {
    tooltip_.Update(control, text);
  }

  // --- animations ---
  void ShowAnimated(WindowEffect effect, int durationMs = 200) { animations_.Show(effect, durationMs); }
  void SetCloseEffect(WindowEffect effect) { closeEffect_ = effect; }
  WindowEffect CloseEffect() const { return closeEffect_; }
  void SetDefaultCursor(HCURSOR cursor) { defaultCursor_ = cursor; }
  void SetDefaultCursorId(LPCWSTR systemCursorId) { defaultCursor_ = LoadCursorW(nullptr, systemCursorId); }
  HCURSOR DefaultCursor() const { return defaultCursor_; }

  // --- pop-up ---
  // What PopupHook does for this window: nothing until the opener sets it; cleared when the
  // window is destroyed.
  void SetPopup(PopupRole role) { popup_ = role; }
  const PopupRole& Popup() const { return popup_; }

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
  friend class WindowAnimations;
  friend class WindowComposer;

  // Control registry, called by UiControl.
  void AddTopLevel(UiControl& control);
  void Register(UiControl& control);
  void Unregister(UiControl& control);
  bool IsLive(const UiControl* control, std::uint32_t serial) const;
  std::vector<UiControl*>& TopLevelList() { return controls_; }
  const InputRouter::Callbacks& Callbacks() const { return callbacks_; }
  int Dispatch(UiControl& control, const ControlEvent& event);
  void SetFrozen(bool frozen) { frozen_ = frozen; }

  int CaptionFlagsFor(const AttachOptions& options, LONG_PTR style) const;
  LRESULT OnFrameworkMessage(FrameworkMessage message, WPARAM wparam, LPARAM lparam);
  void OnSize(UINT type);
  void OnClose();
  void OnDestroy();
  void OnGetMinMaxInfo(MINMAXINFO* info) const;
  LRESULT DefaultProc(UINT msg, WPARAM wparam, LPARAM lparam);

  HWND hwnd_ = nullptr;
  WNDPROC oldWndProc_ = nullptr;
  bool frozen_ = false;
  bool zoomed_ = false;
  SIZE size_ = {0, 0};
  int captionFlags_ = 0;
  bool resizable_ = false;
  bool dragMove_ = true;
  bool animationsOn_ = true;
  WindowEffect closeEffect_ = WindowEffect::None;
  PopupRole popup_;
  HCURSOR defaultCursor_ = nullptr;
  std::vector<UiControl*> controls_;
  std::unordered_set<const UiControl*> live_;
  WindowSkin skin_;
  CaptionBar caption_;
  WindowComposer composer_;
  InputRouter input_;
  WindowAnimations animations_;
  WindowTooltip tooltip_;
  InputRouter::Callbacks callbacks_;
  PaintBackgroundHandler onPaintBackground_;
  MessageHook messageHook_;
  ResizeHandler onResize_;
};

}  // namespace getlink
