// A borderless Win32 window that hosts drawn controls.
//
// Every message of the window reaches WindowProc first. The window itself attaches to the
// HWND, keeps the list of its controls and answers the framework's messages; the rest is
// done by its parts, one job each:
//   WindowSkin        the skin: picture, colour, shape, border, shadow, blur
//   CaptionBar        the icon, title and caption buttons and where they go
//   WindowComposer    the canvas, the redraw queue, composition and presentation
//   InputRouter       mouse and keyboard input turned into control events
//   ControlTimers     the controls' own timers, by purpose
//   FadeClock         the one timer that steps every control's cross-fade
//   WindowAnimations  opening and closing effects, the skin cross-fade
//   WindowTooltip     the tooltip of the control under the mouse
// All of it runs on the window's thread; other threads use ControlAddress.h.
#pragma once

#include <windows.h>

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <utility>
#include <unordered_set>
#include <vector>

#include "ui/framework/access/AccessibleObjectPtr.h"
#include "runtime/Text.h"
#include "ui/framework/access/AccessibleTypes.h"
#include "ui/framework/drawing/Colour.h"
#include "ui/framework/drawing/DisplayScale.h"
#include "ui/framework/drawing/Geometry.h"
#include "ui/framework/drawing/UiStyle.h"
#include "ui/framework/window/AttachWindowOptions.h"
#include "ui/framework/window/CaptionBar.h"
#include "ui/framework/window/ControlEvent.h"
#include "ui/framework/window/ControlTimers.h"
#include "ui/framework/window/EventBindings.h"
#include "ui/framework/window/FadeClock.h"
#include "ui/framework/window/InputRouter.h"
#include "ui/framework/window/PopupRole.h"
#include "ui/framework/window/WindowAnimations.h"
#include "ui/framework/window/WindowComposer.h"
#include "ui/framework/window/WindowSkin.h"
#include "ui/framework/window/WindowTooltip.h"

namespace getlink {

class AccessibleObject;
class UiControl;

// When SetSkin puts the new look on the screen.
enum class SkinRepaint : int { Quiet = -1, Present = 0, CrossFade = 1 };

class UiWindow {
 public:
  using PaintBackgroundHandler = std::function<void(HWND, GpGraphics*, int width, int height)>;
  // Called first with every message; anything but kNotHandled ends its handling with that result.
  using MessageHook = std::function<int(HWND, UINT, WPARAM, LPARAM)>;
  using ResizeHandler = std::function<void(HWND, int width, int height)>;
  // A handler of what the user does to the window's controls: the control (null where none
  // is named) and the event it heard.
  using EventHandler = std::function<void(UiControl* control, const ControlEvent& event)>;

  using AttachOptions = AttachWindowOptions;

  UiWindow();
  UiWindow(const UiWindow&) = delete;
  UiWindow& operator=(const UiWindow&) = delete;
  ~UiWindow();

  // The window object attached to a window, or null.
  static UiWindow* FromHwnd(HWND hwnd);
  // The style of the framework window `hwnd`, or the default style for any other window.
  static const UiStyle& StyleOf(HWND hwnd);

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

  // --- style ---
  // What the window and its controls are drawn and laid out with. A new style is read
  // from then on: by the caption row and the skin when they are next laid out and
  // painted, by controls as they are made, laid out and painted; SetStyle repaints nothing.
  // The style is given at any scale (a pop-up takes its owner's) and held at the
  // window's own (ScaledStyle.h).
  const UiStyle& Style() const { return style_; }
  void SetStyle(const UiStyle& style);

  // --- display scale ---
  // The DPI the window is drawn at (its monitor's, or the system's where the system
  // cannot tell), and the one conversion between 96-DPI units and its pixels.
  const DisplayScale& Scale() const { return scale_; }
  int Dpi() const { return scale_.Dpi(); }

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
  // Queues a rectangle for composition in the next flush (WindowComposer.h).
  void InvalidateRect(const Rect& rect) { composer_.Queue(rect); }
  // Runs the flush now: the repaints asked for, the composition of what changed, one
  // present. For what must see the result at once (tests and screenshots reading the
  // canvas, benchmarks); the window runs it on its own after each batch of messages.
  void Flush() { composer_.Flush(); }
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
  // The controls under `parent` (null: the window's top-level controls) in the order Tab
  // visits them; screen readers find each level of controls in this order too.
  const std::vector<UiControl*>& TabOrder(const UiControl* parent) const;
  // Whether Tab stops at the control.
  static bool IsTabStop(const UiControl& control);
  // Activates a control as a click, Enter or its mnemonic does: EvClick to the control,
  // then to the window's binding.
  void Click(UiControl& control) { input_.Click(control); }
  // The live control with this handle, or null (a posted event or timer may outlive it).
  UiControl* ControlFromHandle(std::uintptr_t handle) const;
  // Events posted on the window's thread (UiControl::PostEvent) not dispatched yet.
  std::size_t PostedCount() const { return posted_.size(); }
  // The Win32 ids of the control's own running timers, and whether it is fading.
  std::vector<UINT_PTR> TimerIds(const UiControl& control) const { return timers_.IdsOf(control); }
  bool Fading(const UiControl& control) const { return fades_.Fading(control); }
  std::vector<UiCaptionButton*> CaptionButtons() const { return caption_.Buttons(); }
  UiCaptionButton* CaptionButtonAt(float x, float y) const { return caption_.ButtonAt(x, y); }
  UiPicture* IconPicture() const { return caption_.Icon(); }
  UiCaptionTitle* TitleLabel() const { return caption_.Title(); }
  UiControl* TitleControl() const;
  bool Resizable() const { return resizable_; }
  void UpdateTooltip(UiControl* control, std::optional<std::string_view> text = std::nullopt) {
    tooltip_.Update(control, text);
  }

  // --- animations ---
  // Without a duration, the style's.
  void ShowAnimated(WindowEffect effect, std::optional<int> durationMs = std::nullopt) {
    animations_.Show(effect, durationMs.value_or(style_.window.effectMs));
  }
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

  // --- accessibility ---
  // What the client area is to a screen reader: a plain client area, or the pop-up's
  // role (a menu, a dialog, a drop-down's list). The root object answers WM_GETOBJECT.
  AccessRole AccessibleRole() const { return accessRole_; }
  void SetAccessibleRole(AccessRole role) { accessRole_ = role; }
  AccessibleObject* AccessibleRoot();
  // The child id events carry for item `item` of a control's list (a list's row): below
  // every control's id, the same for the same item while the control lives.
  LONG AccessibleItemId(const UiControl& control, int item);
  // The control and item of such an id, while that control lives; {null, 0} otherwise.
  std::pair<UiControl*, int> ItemOfAccessibleId(LONG id) const;
  // Tells accessibility clients that `event` happened to the client area itself.
  void TellAccessibility(AccessEvent event) const { NotifyAccessibilityClients(hwnd_, event, CHILDID_SELF); }

  // --- application callbacks ---
  void SetOnPaintBackground(PaintBackgroundHandler handler) { onPaintBackground_ = std::move(handler); }
  void SetMessageHook(MessageHook hook) { messageHook_ = std::move(hook); }
  void SetOnResize(ResizeHandler handler) { onResize_ = std::move(handler); }
  // After the window's DPI changed, once its controls have their new places and fonts.
  void SetOnScaleChanged(std::function<void()> handler) { onScaleChanged_ = std::move(handler); }
  // Binds a handler to what the user does to any of the window's controls, as a control's
  // BindEvent does to what happens to that control; binding a code again replaces it.
  // The window raises, by code:
  //   LeftDown         a press a control takes, before the control hears it
  //   LeftDoubleClick  besides, when that press is a double click's
  //   LeftUp           the release that ends a press (no control named)
  //   EvClick          a click by pointer, Enter, Space or mnemonic
  //   RightDown/Up     a right button, before the control under the pointer (if any) hears it
  //   EvMouseEnter/Leave, EvFocusGained/Lost   after the control heard it
  void BindEvent(EventCode code, EventHandler handler) { bindings_.Bind(code, std::move(handler)); }

  // The window procedure: every message of the window comes here first.
  LRESULT WindowProc(UINT msg, WPARAM wparam, LPARAM lparam);

 private:
  friend class UiControl;
  friend class InputRouter;
  friend class ControlTimers;
  friend class FadeClock;
  friend class WindowAnimations;
  friend class WindowComposer;

  // Control registry, called by UiControl.
  void AddTopLevel(UiControl& control);
  void Register(UiControl& control);
  void Unregister(UiControl& control);
  bool IsLive(const UiControl* control, std::uint32_t serial) const;
  std::vector<UiControl*>& TopLevelList() { return controls_; }
  int Dispatch(UiControl& control, const ControlEvent& event);
  // Runs the window's handler bound to the event's code.
  void Notify(UiControl* control, const ControlEvent& event);
  // Queues an event of a control for after the current message.
  void Post(UiControl& control, ControlEvent event);
  void DeliverPosted();
  void SetFrozen(bool frozen) { frozen_ = frozen; }

  int CaptionFlagsFor(const AttachOptions& options, LONG_PTR style) const;
  LRESULT OnFrameworkMessage(FrameworkMessage message, WPARAM wparam, LPARAM lparam);
  void OnSize(UINT type);
  void OnClose();
  void OnDestroy();
  // A menu's or dialog's window tells the end of the pop-up as it is destroyed.
  void TellPopupEnd() const;
  void OnGetMinMaxInfo(MINMAXINFO* info) const;
  void OnDpiChanged(int dpi, const RECT& suggested);
  void ClosePopups() const;
  LRESULT DefaultProc(UINT msg, WPARAM wparam, LPARAM lparam);

  DisplayScale scale_;
  UiStyle baseStyle_ = DefaultStyle();  // at 96 DPI
  UiStyle style_ = DefaultStyle();      // at the window's DPI; before the parts that read it
  HWND hwnd_ = nullptr;
  WNDPROC oldWndProc_ = nullptr;
  bool frozen_ = false;
  bool zoomed_ = false;
  bool minimised_ = false;
  SIZE size_ = {0, 0};
  int captionFlags_ = 0;
  bool resizable_ = false;
  bool dragMove_ = true;
  bool animationsOn_ = true;
  WindowEffect closeEffect_ = WindowEffect::None;
  PopupRole popup_;
  AccessRole accessRole_ = AccessRole::Client;
  AccessibleObjectPtr accessibleRoot_;  // made when first asked
  struct AccessibleItemKey {
    const UiControl* control;
    std::uint32_t serial;
    int item;
  };
  std::vector<AccessibleItemKey> accessibleItems_;  // id kFirstItemId - n is entry n
  HCURSOR defaultCursor_ = nullptr;
  std::vector<UiControl*> controls_;
  std::unordered_set<const UiControl*> live_;
  WindowSkin skin_;
  CaptionBar caption_;
  WindowComposer composer_;
  InputRouter input_;
  ControlTimers timers_;
  FadeClock fades_;
  WindowAnimations animations_;
  WindowTooltip tooltip_;
  EventBindings<EventHandler> bindings_;
  struct Posted {
    UiControl* control;
    std::uint32_t serial;
    ControlEvent event;
  };
  std::deque<Posted> posted_;  // one WmPostedEvent each is on its way
  PaintBackgroundHandler onPaintBackground_;
  MessageHook messageHook_;
  ResizeHandler onResize_;
  std::function<void()> onScaleChanged_;
};

}  // namespace getlink
