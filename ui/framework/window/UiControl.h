// The base class of every drawn control. A control is not a Win32 window: it lives in one
// UiWindow, paints itself into its own ARGB surface and is composed by the window. Input
// reaches it as events that the window dispatches: first to the control's OnEvent, which
// decodes the event once and calls the typed handlers below, then to the application's
// handler bound to that event code.
//
// Threads: every member function runs on the thread of the control's window and nowhere
// else, and there an event sent to a control is a plain call. Another thread (a fetch
// worker) holds the control's Address() instead, taken on the window's thread, and reaches
// the control only through SendControlEvent and PostControlEvent (ControlAddress.h).
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "ui/framework/access/AccessibleObjectPtr.h"
#include "runtime/Text.h"
#include "ui/framework/access/AccessibleTypes.h"
#include "ui/framework/window/ControlAddress.h"
#include "ui/framework/window/ControlEvent.h"
#include "ui/framework/window/EventBindings.h"
#include "ui/framework/drawing/DisplayScale.h"
#include "ui/framework/drawing/Geometry.h"
#include "ui/framework/drawing/GdiplusHandles.h"
#include "ui/framework/drawing/Surface.h"
#include "ui/framework/drawing/UiStyle.h"

namespace getlink {

class AccessibleObject;
class UiControl;
class UiWindow;

// Where a control is created: on a host window (a window attached to a UiWindow) or inside
// a parent control. Either converts to it, so one Create takes both.
struct ControlHost {
  ControlHost(HWND host) : window(host) {}
  ControlHost(UiControl& parent) : parent(&parent) {}

  HWND window = nullptr;        // when there is no parent
  UiControl* parent = nullptr;  // the parent control, or null

  // The style of the window the control will be on (the default style when there is none).
  const UiStyle& Style() const;
};

// Where Create puts a control: a rectangle in 96-DPI units, as an application lays out (a
// Rect converts to it), or InPixels, for the framework's own controls placed from the
// window's scaled style.
struct ControlPlace {
  ControlPlace(const Rect& units) : rect(units) {}
  ControlPlace(float left, float top, float width, float height) : rect{left, top, width, height} {}
  static ControlPlace InPixels(const Rect& pixels) {
    ControlPlace place(pixels);
    place.pixels = true;
    return place;
  }

  Rect rect;
  bool pixels = false;
};

// What a control receives with EvCompose: where and how the window is composing it.
struct ComposeContext {
  GpGraphics* graphics;  // the window canvas, clipped to the dirty rectangle
  const Surface* surface;
  GpImage* fadeImage;
  Rect rect;
  int alpha;  // opacity the window would draw the surface with
};

// How UiControl::Create makes a control.
struct CreateControlOptions {
  bool visible = true;
  bool focusable = true;
  std::optional<LPCWSTR> cursorId;  // a system cursor (IDC_...) shown over the control
  int frameInterval = 0;            // ms between fade frames; 0 = no fading (FadeClock.h)
};

class UiControl {
 public:
  // An application handler: `parent` is the parent control, or null for a control that
  // sits directly on the window. What it returns is not used. (A window binds handlers
  // to the same codes: UiWindow::BindEvent.)
  using EventHandler = std::function<void(UiControl* parent, UiControl& control, const ControlEvent& event)>;

  using CreateOptions = CreateControlOptions;

  struct MoveArgs {
    std::optional<float> left = std::nullopt;
    std::optional<float> top = std::nullopt;
    std::optional<float> width = std::nullopt;
    std::optional<float> height = std::nullopt;
    bool redraw = true;
  };

  enum class ZPosition { Top, Bottom = 2 };

  UiControl() = default;
  UiControl(const UiControl&) = delete;
  UiControl& operator=(const UiControl&) = delete;
  virtual ~UiControl();

  // Creates the control on a host window (a window attached to a UiWindow) or inside a
  // parent control. False, and nothing created, when the host is not such a window or
  // the parent does not belong to a live one. Creating a created control does nothing.
  bool Create(ControlHost host, const ControlPlace& place, ControlType type, const CreateOptions& options = {});

  // Back to the state before Create: children destroyed, events unbound, window links
  // cleared. The control may be created again. The destroy event goes through the normal
  // dispatch (OnEvent, then the handler bound to EventCode::Destroy) exactly once;
  // destroying a destroyed or never-created control does nothing.
  //
  // The rule for control classes: a base destructor cannot reach a derived class's
  // handlers, so every class whose destroy handling releases something declares
  //   ~UiX() override { Destroy(); }
  // which runs it while the whole object is still alive. ~UiControl calls Destroy() too,
  // as the last resort for classes that need nothing of their own.
  void Destroy();

  // The control's identity: non-zero while created; also the id of its window timer.
  std::uintptr_t Handle() const { return handle_; }
  // Tells this life of the control from an earlier one (it may be created again).
  std::uint32_t Serial() const { return serial_; }
  bool IsCreated() const { return handle_ != 0; }
  HWND HostWindow() const { return hostWnd_; }
  UiWindow* Window() const { return window_; }
  UiControl* ParentControl() const { return parent_; }
  const std::vector<UiControl*>& Children() const { return children_; }
  ControlType Type() const { return type_; }
  // What the control draws and lays out with: its window's style, the default style while
  // it is not created.
  const UiStyle& Style() const;

  // Moves the control under another parent control of the same window, or onto the window
  // (null). A parent that is the control itself or one of its descendants is refused.
  void SetParentControl(UiControl* newParent);
  // Takes the control out of its sibling list (it is then neither drawn nor hit).
  void Unlink();
  // Top: drawn last and hit first among its siblings; Bottom: the other way round.
  void ZOrder(ZPosition position = ZPosition::Top, bool redraw = true);

  // Geometry as an application gives and reads it: {left, top, width, height} in the
  // window's client coordinates, in 96-DPI units (UiWindow::Scale converts). What is given
  // reads back the same at any DPI.
  Rect GetRect() const { return units_; }
  void SetRect(const Rect& rect) { Move({rect.left, rect.top, rect.width, rect.height}); }
  // Moves and resizes; missing values stay. Descendants move along. A new size gives a new
  // surface, EvResized and a repaint; nothing happens for changes within 1e-7.
  void Move(const MoveArgs& args);
  int Left() const { return static_cast<int>(units_.left); }
  int Top() const { return static_cast<int>(units_.top); }
  int Width() const { return static_cast<int>(units_.width); }
  int Height() const { return static_cast<int>(units_.height); }
  void SetLeft(int value);
  void SetTop(int value);
  void SetWidth(int value);
  void SetHeight(int value);

  // The same geometry in the window's physical pixels: what the framework draws, hits,
  // composes and lays out with. Unchanged from the units at 96 DPI.
  Rect PixelRect() const { return rect_; }
  Rect PreviousPixelRect() const { return prevRect_; }
  int PixelLeft() const { return static_cast<int>(rect_.left); }
  int PixelTop() const { return static_cast<int>(rect_.top); }
  int PixelWidth() const { return static_cast<int>(rect_.width); }
  int PixelHeight() const { return static_cast<int>(rect_.height); }
  void SetPixelRect(const Rect& rect) { MovePixels({rect.left, rect.top, rect.width, rect.height}); }
  void MovePixels(const MoveArgs& args);
  // The scale of the control's window (96 DPI while the control is not created).
  const DisplayScale& Scale() const;

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  bool Disabled() const { return disabled_; }
  // Disabling the focused control takes the focus away from it.
  void SetDisabled(bool disabled);
  bool Focusable() const { return focusable_; }
  void SetFocusable(bool focusable) { focusable_ = focusable; }
  // Asks the control (EvQueryFocus), then the window.
  bool IsFocused();
  // Whether the user can work the control now: enabled, its parents too, on a window that
  // takes input (not behind a message box: WindowTakesInput).
  bool Available() const;
  // Available, created and shown (its parents too): what a click or a key could reach.
  // Accessibility clients act on a control only while it takes input, as a user can.
  bool TakesInput() const;

  // Asks for a repaint after the look changed: OnPaint runs in the window's next flush,
  // which composes what changed and presents it once, however many controls changed in
  // the batch. `area` (in the control's own pixels) is the part that must be painted again
  // (see PaintArea); without it, all of it.
  void Repaint();
  void Repaint(const Rect& area);
  // Queues the control's rectangle for composition in the next flush, its look unchanged
  // (shown, hidden, another opacity, a fade's step).
  void Invalidate();

  Text TipText() const { return tipText_; }
  void SetTipText(Text text, bool apply = false);
  // Shows `text` (the control's own tip text when none is given) as the tooltip.
  void ApplyTip(std::optional<std::string_view> text = std::nullopt);

  // Binds the application's handler to an event code; binding a code again replaces it.
  // A handler bound to LeftDoubleClick runs for a LeftDown carrying kDoubleClickMarker.
  void BindEvent(EventCode code, EventHandler handler);

  // Target opacity (0..255); also sets the current level.
  int Alpha() const { return alpha_; }
  void SetAlpha(int alpha, bool redraw = true);
  // Current opacity during a cross-fade from the previous look; reaching Alpha ends the
  // fade. With the window's animations off it jumps to Alpha.
  int FadeLevel() const { return fadeLevel_; }
  void SetFadeLevel(int level);
  int FrameInterval() const { return frameInterval_; }
  void SetFrameInterval(int milliseconds) { frameInterval_ = milliseconds; }
  bool Animating() const { return animating_; }
  void StopAnimation();
  void StartAnimation() { animating_ = true; }

  // SendEvent dispatches the event at once, a plain call, and returns what the control's
  // OnEvent answered (kNotHandled when the control is not created); PostEvent queues it in
  // the window, to be dispatched after the current message. Window thread only, like
  // everything here; from another thread use the free functions of ControlAddress.h with
  // Address().
  int SendEvent(const ControlEvent& event);
  void PostEvent(ControlEvent event);
  // This life of the control as a value another thread may hold.
  ControlAddress Address() const;

  HCURSOR Cursor() const { return cursor_; }
  void SetCursor(HCURSOR cursor) { cursor_ = cursor; }
  void SetCursorId(LPCWSTR systemCursorId) { cursor_ = LoadCursorW(nullptr, systemCursorId); }

  Text Tag() const { return tag_; }
  void SetTag(Text tag) { tag_ = std::move(tag); }

  // The control's own pixels (straight ARGB), for tests and snapshots.
  const Surface& GetSurface() const { return surface_; }
  GpImage* FadeImage() const { return fadeImage_.get(); }

  // Runs the control's OnEvent, then the first matching bound handler; returns what
  // OnEvent answered. The window calls this for every event of the control.
  int DispatchEvent(const ControlEvent& event);

  // Whether a window point lies inside the rectangle (with the framework's tolerance).
  bool HitTest(float x, float y) const;

  // --- accessibility: what the control is to a screen reader (AccessibleObject.h) ---
  // The role and the name are the control's own unless the application gives others (a
  // group box that is a status strip, an edit box named where no label stands before it).
  AccessRole AccessibleRole() const { return accessRole_.value_or(DefaultAccessibleRole()); }
  void SetAccessibleRole(AccessRole role) { accessRole_ = role; }
  Text AccessibleName() const;
  void SetAccessibleName(Text name);
  // The value a screen reader reads out (an edit box's text, a combo box's choice).
  virtual Text AccessibleValue() const { return Text(); }
  // Sets the value as the user would, with the events that follow; false where the
  // control takes no value.
  virtual bool SetAccessibleValue(std::string_view /*value*/) { return false; }
  // STATE_SYSTEM_ bits: the base answers invisible, unavailable (not Available), focusable
  // and focused; controls add their own.
  virtual AccessStates AccessibleState();
  // "Alt+X" for a control with a mnemonic, else empty.
  Text AccessibleShortcut() const;
  // The name of the default action ("按下", "打开"...), empty when there is none.
  virtual Text DefaultActionName() const { return Text(); }
  // Performs the default action. Accessibility clients reach it through EvDefaultAction,
  // posted, so that a modal loop it opens never runs inside their call; it is dropped when
  // the control no longer takes input by the time it arrives.
  virtual void DoDefaultAction() {}
  // The default action of a control that is pressed as a button is: a click, as Enter,
  // Space or the mnemonic give it.
  static constexpr char kPressAction[] = "按下";
  void PressAsClick();
  // The items a control shows without a control each (a list's rows), numbered from 1,
  // and whether they sit under a list object of their own (a combo box's) rather than
  // directly under the control.
  virtual int AccessibleItemCount() const { return 0; }
  virtual AccessibleItem AccessibleItemAt(int /*item*/) const { return AccessibleItem(); }
  virtual bool ItemsInOwnList() const { return false; }
  virtual void DoItemDefaultAction(int /*item*/) {}
  virtual void SelectAccessibleItem(int /*item*/) {}
  // The child id the control's events carry in its window: negative, so that it is never
  // taken for the position of a child.
  LONG AccessibleId() const { return -static_cast<LONG>(serial_); }
  // Tells accessibility clients that `event` happened to the control (nothing while the
  // control is not created).
  void TellAccessibility(AccessEvent event) const;
  // The same about item `item` of the control's list.
  void TellAccessibility(AccessEvent event, int item) const;
  // The control's object, made when first asked; gone (disconnected) with the control.
  AccessibleObject* AccessibleObjectOf();

 protected:
  // Receives every event before the application's handler; kNotHandled = not handled.
  // The default decodes the event once and calls the typed handlers.
  virtual int OnEvent(const ControlEvent& event);

  // Typed handlers: each returns kNotHandled unless it handles the event.
  virtual int OnCreate() { return kNotHandled; }
  virtual int OnDestroy() { return kNotHandled; }
  virtual int OnPaint() { return kNotHandled; }
  // One of the control's own timers (StartTimer) fired.
  virtual int OnTimer(TimerPurpose) { return kNotHandled; }
  virtual int OnMouseMove(const PointerInput&) { return kNotHandled; }
  virtual int OnMouseDown(const PointerInput&) { return kNotHandled; }  // also a double click's
  virtual int OnMouseUp(const PointerInput&) { return kNotHandled; }
  virtual int OnRightDown(const PointerInput&) { return kNotHandled; }
  virtual int OnRightUp(const PointerInput&) { return kNotHandled; }
  virtual int OnMouseWheel(const WheelInput&) { return kNotHandled; }
  virtual int OnKeyDown(const KeyInput&) { return kNotHandled; }
  virtual int OnKeyUp(const KeyInput&) { return kNotHandled; }
  virtual int OnChar(wchar_t) { return kNotHandled; }
  virtual int OnImeComposition(const ImeInput&) { return kNotHandled; }
  virtual int OnCommand(const CommandInput&) { return kNotHandled; }
  // Text in and out, for a text control that takes it by event (from another thread).
  virtual int OnSetText(const TextInput&) { return kNotHandled; }
  virtual int OnGetText(Text&) { return kNotHandled; }
  virtual int OnFocusGained(UiControl* /*previous*/) { return kNotHandled; }
  virtual int OnFocusLost(UiControl* /*next*/) { return kNotHandled; }
  virtual int OnMouseEnter() { return kNotHandled; }
  virtual int OnMouseLeave(UiControl* /*next*/) { return kNotHandled; }
  virtual int OnClick() { return kNotHandled; }
  // The press this control had ended without a release: forget it, click nothing.
  virtual int OnPressCancelled() { return kNotHandled; }
  // The control's new size in pixels.
  virtual int OnResized(int /*width*/, int /*height*/) { return kNotHandled; }
  // The window's DPI changed by `ratio` (new / old) and the control has its new place:
  // a control with a font makes it again at the new size.
  virtual void OnScaleChanged(float /*ratio*/) {}
  virtual int OnShown() { return kNotHandled; }
  virtual int OnHidden() { return kNotHandled; }
  virtual int OnMoved() { return kNotHandled; }
  virtual int OnRefresh() { return kNotHandled; }
  virtual int OnAlphaChanged(int /*alpha*/) { return kNotHandled; }
  virtual int QueryPress() { return kNotHandled; }
  virtual int QueryDimming() { return kNotHandled; }
  virtual int QueryFocus() { return kNotHandled; }
  virtual int Compose(const ComposeContext&) { return kNotHandled; }

  // What the control is when the application says nothing else.
  virtual AccessRole DefaultAccessibleRole() const { return AccessRole::Client; }
  virtual Text DefaultAccessibleName() const { return TipText(); }
  // The text of the label placed before the control among its siblings (no focusable
  // control between them), the name of a box the application has not named.
  Text NameOfLabelBefore() const;

  // The control's own timers, each named by a purpose of the control's own (an enum
  // class value); OnTimer hears which fired. Starting a running one starts its period over.
  // They never share a Win32 timer with each other or with the fades (ControlTimers.h).
  void StartTimer(TimerPurpose purpose, UINT milliseconds);
  void StopTimer(TimerPurpose purpose);
  bool TimerRunning(TimerPurpose purpose) const;

  // Painting, in OnPaint, which only reads the control's state: BeginControlPaint starts a
  // new look (keeping the old one for a pending cross-fade, clearing the surface when
  // asked) and answers false when there is nothing to paint on; the control then draws
  // into Graphics(); EndControlPaint queues the rectangle for composition and, for a fade,
  // puts the control on the window's FadeClock. PaintArea is the part of the surface asked
  // for, or nothing for all of it.
  bool BeginControlPaint(bool clear = true);
  void EndControlPaint();
  const std::optional<Rect>& PaintArea() const { return paintArea_; }
  // IsFocused for paint code, which sends no events: the control's QueryFocus, then the window.
  bool HoldsFocus();
  GpGraphics* Graphics() const { return surface_.Graphics(); }
  Surface& MutableSurface() { return surface_; }

 private:
  friend class UiWindow;
  friend class WindowComposer;

  // What the window's next flush paints of the control.
  enum class PaintNeed { None, Part, Whole };

  bool Attach(HWND host, UiWindow* window, UiControl* parent, const ControlPlace& place, ControlType type,
              const CreateOptions& options);
  // Takes a place given in pixels and units (the one converted from the other).
  void Place(const Rect& pixels, const Rect& units, bool redraw);
  // The window's scale changed: the control's pixels again from its units.
  void FollowScale();
  // A new surface, EvResized and a repaint.
  void Resized();
  std::vector<UiControl*>& SiblingList();
  // By (dx, dy) pixels, which are (ux, uy) units.
  void ShiftDescendants(float dx, float dy, float ux, float uy);
  void MakeSurface();
  // Stops the control's fade and every timer of its own.
  void StopOwnTimers();
  void DropFadeImage() { fadeImage_.reset(); }
  void AskForPaint(const std::optional<Rect>& area);
  // The flush's call: OnPaint, with PaintArea set to what was asked for.
  void PaintAsRequested();
  bool ComparableTo(float a, float b) const;
  bool FocusAnswer(int queryAnswer) const;

  std::uintptr_t handle_ = 0;
  std::uint32_t serial_ = 0;  // tells a re-created control from its earlier life
  HWND hostWnd_ = nullptr;
  UiWindow* window_ = nullptr;
  UiControl* parent_ = nullptr;
  std::vector<UiControl*> children_;  // drawn first to last, hit last to first
  bool visible_ = false;
  bool disabled_ = false;
  bool focusable_ = true;
  bool animating_ = false;
  bool destroying_ = false;
  HCURSOR cursor_ = nullptr;
  EventBindings<EventHandler> bindings_;
  Rect rect_;      // pixels
  Rect prevRect_;  // pixels
  Rect units_;     // the same place in 96-DPI units
  Text tipText_;
  Text tag_;
  ControlType type_ = ControlType::None;
  int fadeLevel_ = 255;
  int alpha_ = 255;
  int frameInterval_ = 0;
  Surface surface_;
  UniqueBitmap fadeImage_;
  PaintNeed paintNeed_ = PaintNeed::None;
  Rect paintPart_;                  // the part asked for, while paintNeed_ is Part
  std::optional<Rect> paintArea_;   // during OnPaint
  std::optional<AccessRole> accessRole_;
  std::optional<Text> accessName_;
  AccessibleObjectPtr accessible_;
};

}  // namespace getlink
