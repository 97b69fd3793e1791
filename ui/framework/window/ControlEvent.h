// Events of drawn controls and the framework's own window messages.
//
// An event is its code and a typed payload. The window decodes each window message once
// into one (InputRouter); a control's OnEvent switches on the code once and hands the
// payload to its typed handlers; a handler bound with BindEvent gets the whole event.
//
//   code                                     payload
//   MouseMove, LeftDown/Up, RightDown/Up     PointerInput
//   KeyDown, KeyUp                           KeyInput
//   Char                                     CharInput
//   ImeComposition                           ImeInput
//   MouseWheel                               WheelInput
//   Command                                  CommandInput
//   EvFocusGained/Lost, EvMouseEnter/Leave   OtherControl
//   EvClick                                  ClickInput
//   EvResized                                SizeInput
//   EvAlphaChanged                           AlphaInput
//   Timer                                    TimerInput
//   SetText, GetText                         TextInput, TextRequest
//   EvCompose                                ComposeInput
//   EvDefaultAction                          ActionInput
//   EvForwarded, the application's own codes std::any, whatever was put there
//   the rest                                 none
#pragma once

#include <windows.h>

#include <any>
#include <cstdint>
#include <string_view>
#include <type_traits>
#include <variant>

#include "runtime/Text.h"

namespace getlink {

// What kind of control a control is.
enum class ControlType : int {
  None = 0,
  CaptionButton = 1,  // never takes keyboard focus
  Button = 2,
  Label = 3,
  Picture = 4,
  ListBox = 8,
  Edit = 9,
  ComboBox = 15,
  Group = 16,
  ScrollBar = 19,
  MenuItemList = 20,
};

// An event code. Codes below 0x2800 are the Windows messages they are named after; the
// framework's own codes start at 10240.
enum class EventCode : std::int32_t {
  Create = WM_CREATE,      // paint into Surface()
  Destroy = WM_DESTROY,
  Paint = WM_PAINT,        // paint yourself into Surface() now
  SetText = WM_SETTEXT,    // the text (GBK), and whether the caret goes to its end
  GetText = WM_GETTEXT,    // where the text goes
  KeyDown = WM_KEYDOWN,
  KeyUp = WM_KEYUP,
  Char = WM_CHAR,
  ImeComposition = WM_IME_COMPOSITION,
  Command = WM_COMMAND,
  Timer = WM_TIMER,        // one of the control's own timers
  MouseMove = WM_MOUSEMOVE,
  LeftDown = WM_LBUTTONDOWN,  // also the second press of a double click, marked as such
  LeftUp = WM_LBUTTONUP,
  LeftDoubleClick = WM_LBUTTONDBLCLK,  // a control's binding matches a marked LeftDown
  RightDown = WM_RBUTTONDOWN,
  RightUp = WM_RBUTTONUP,
  MouseWheel = WM_MOUSEWHEEL,

  EvFocusGained = 10240,   // the other control: the one that had the focus
  EvFocusLost = 10241,     // the other control: the one that gets the focus
  EvMouseEnter = 10242,    // the other control: the one the pointer came from
  EvMouseLeave = 10243,    // the other control: the one the pointer went to; also on
                           // disabling and when a press ends outside
  EvClick = 10244,
  EvResized = 10245,       // the new width and height, in the window's pixels
  EvHidden = 10246,
  EvShown = 10247,
  EvCompose = 10248,       // > 0 = drawn by the control itself
  EvQueryPress = 10250,    // not -1: the control takes presses even when not focusable
  EvQueryDimming = 10254,  // not -1: a disabled control is drawn at full opacity
  EvMoved = 10257,
  EvForwarded = 10258,     // a value forwarded with WmForwardEvent (std::any of WPARAM)
  EvQueryFocus = 10260,    // 1 focused, 0 not, -1 the window decides
  EvAlphaChanged = 10261,  // the new alpha
  EvRefresh = 10262,       // repaint before a full-window snapshot
  EvPressCancelled = 10264,  // the press ended without a release (the window lost the
                             // activation or the capture): drop press and drag state, no click
  EvDefaultAction = 10265,   // an accessibility client asked for the default action of the
                             // control or of one of its items
};

// wparam of the WM_LBUTTONDOWN the window sends itself for a double click.
constexpr WPARAM kDoubleClickMarker = 10086;

// What every handler returns when it leaves an event to the default handling.
constexpr int kNotHandled = -1;

class UiControl;
struct ComposeContext;

// The pointer at a mouse event, in the window's client coordinates, with the MK_ keys and
// buttons held. The second press of a double click is marked and carries no keys.
struct PointerInput {
  POINT point = {0, 0};
  UINT keys = 0;
  bool doubleClick = false;
  bool Holds(UINT key) const { return (keys & key) != 0; }
};

// A key going down or up: the virtual key, how often it repeated, and the scan code and
// state bits (the high word of the message's lparam).
struct KeyInput {
  UINT key = 0;
  UINT repeat = 0;
  UINT flags = 0;
};

// A typed character: one UTF-16 code unit.
struct CharInput {
  wchar_t unit = 0;
};

// The input method's composition changed: the GCS_ bits of what changed.
struct ImeInput {
  DWORD changes = 0;
};

// The wheel turned by `delta` (WHEEL_DELTA a notch, away from the user positive), with the
// pointer at `point` (client coordinates) and the MK_ keys held.
struct WheelInput {
  int delta = 0;
  POINT point = {0, 0};
  UINT keys = 0;
};

// A command (a menu item chosen): its id, and the handle of the control it was chosen for
// (0: none named).
struct CommandInput {
  UINT id = 0;
  std::uintptr_t target = 0;
};

// The other control of a change of focus or hover; null for none.
struct OtherControl {
  UiControl* control = nullptr;
};

// A click by the pointer (at `point`), or by a key: Enter, Space or a mnemonic.
struct ClickInput {
  bool byPointer = false;
  POINT point = {0, 0};
};

struct SizeInput {
  int width = 0;
  int height = 0;
};

struct AlphaInput {
  int alpha = 255;
};

// Which of a control's timers fired. Each control names its timers with an enum class of
// its own; this keeps the value and lets the control ask which it is.
class TimerPurpose {
 public:
  constexpr TimerPurpose() = default;
  // Implicit: a control passes its own enumerator wherever a purpose is asked for.
  template <class Enum, class = std::enable_if_t<std::is_enum_v<Enum>>>
  constexpr TimerPurpose(Enum purpose) : value_(static_cast<int>(purpose)) {}
  template <class Enum>
  constexpr bool Is(Enum purpose) const {
    return value_ == static_cast<int>(purpose);
  }
  constexpr bool operator==(TimerPurpose other) const { return value_ == other.value_; }
  constexpr bool operator!=(TimerPurpose other) const { return value_ != other.value_; }

 private:
  int value_ = 0;
};

struct TimerInput {
  TimerPurpose purpose;
};

// The text to set (GBK; the sender keeps it alive until the event is handled) and whether
// the caret goes to its end.
struct TextInput {
  std::string_view text;
  bool caretToEnd = false;
};

// Where a control puts its text.
struct TextRequest {
  Text* text = nullptr;
};

struct ComposeInput {
  const ComposeContext* context = nullptr;
};

// Whose default action to perform: the control's own (item 0) or its item's (from 1).
struct ActionInput {
  int item = 0;
};

struct ControlEvent {
  using Payload = std::variant<std::monostate, PointerInput, KeyInput, CharInput, ImeInput, WheelInput, CommandInput,
                               OtherControl, ClickInput, SizeInput, AlphaInput, TimerInput, TextInput, TextRequest,
                               ComposeInput, ActionInput, std::any>;

  // Implicit: a bare code is an event without a payload.
  ControlEvent(EventCode eventCode, Payload eventPayload = {}) : code(eventCode), payload(std::move(eventPayload)) {}

  // The payload as `T`, or a default `T` when the event carries none of that type.
  template <class T>
  T Get() const {
    const T* value = std::get_if<T>(&payload);
    return value != nullptr ? *value : T{};
  }
  PointerInput Pointer() const { return Get<PointerInput>(); }
  KeyInput Key() const { return Get<KeyInput>(); }
  ClickInput Click() const { return Get<ClickInput>(); }
  SizeInput Size() const { return Get<SizeInput>(); }
  UiControl* Other() const { return Get<OtherControl>().control; }
  // The application's own payload, when it is a `T`; null otherwise.
  template <class T>
  const T* Data() const {
    const std::any* data = std::get_if<std::any>(&payload);
    return data != nullptr ? std::any_cast<T>(data) : nullptr;
  }

  EventCode code;
  Payload payload;
};

// Messages the framework sends or posts to a host window.
enum class FrameworkMessage : UINT {
  WmFocusControl = 10240,  // lparam: control to focus
  WmAddMnemonic = 10251,   // wparam: control, lparam: character code (0 removes)
  WmPresent = 10253,       // put the whole canvas on the screen
  WmInvalidate = 10256,    // the flush: paint, compose and present what is queued in the window
  WmControlMoved = 10257,  // wparam: control, lparam: 1 = recompose old and new rectangle
  WmForwardEvent = 10258,  // wparam: value, lparam: control; dispatched as EvForwarded
  WmPostedEvent = 10259,   // the next event posted on the window's own thread (UiWindow)
  WmControlEvent = 10263,  // wparam: control, lparam: ticket of the event (EventMailbox)
};

constexpr UINT ToMessage(FrameworkMessage message) { return static_cast<UINT>(message); }

}  // namespace getlink
