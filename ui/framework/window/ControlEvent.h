// Events of drawn controls and the framework's own window messages.
#pragma once

#include <windows.h>

#include <cstdint>

namespace getlink {

// What kind of control a control is; passed to the window-level callbacks.
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
  Create = WM_CREATE,      // wparam, lparam: nothing of use; paint into Surface()
  Destroy = WM_DESTROY,
  Paint = WM_PAINT,        // paint yourself into Surface() now
  SetText = WM_SETTEXT,    // wparam: const std::string_view* (GBK); lparam 1: caret to the end
  GetText = WM_GETTEXT,    // wparam: Text* that receives the text
  KeyDown = WM_KEYDOWN,
  KeyUp = WM_KEYUP,
  Char = WM_CHAR,          // wparam: a UTF-16 code unit
  ImeComposition = WM_IME_COMPOSITION,
  Command = WM_COMMAND,
  Timer = WM_TIMER,        // the control's own timer
  MouseMove = WM_MOUSEMOVE,
  LeftDown = WM_LBUTTONDOWN,  // wparam kDoubleClickMarker for a double click
  LeftUp = WM_LBUTTONUP,
  LeftDoubleClick = WM_LBUTTONDBLCLK,  // only as a binding: matches a marked LeftDown
  RightDown = WM_RBUTTONDOWN,
  RightUp = WM_RBUTTONUP,
  MouseWheel = WM_MOUSEWHEEL,

  EvFocusGained = 10240,   // lparam: the control that had the focus
  EvFocusLost = 10241,     // lparam: the control that gets the focus
  EvMouseEnter = 10242,
  EvMouseLeave = 10243,    // also on disabling and when a press ends outside
  EvClick = 10244,
  EvResized = 10245,       // wparam, lparam: new width, height
  EvHidden = 10246,
  EvShown = 10247,
  EvCompose = 10248,       // lparam: ComposeContext*; > 0 = drawn by the control itself
  EvQueryPress = 10250,    // not -1: the control takes presses even when not focusable
  EvQueryDimming = 10254,  // not -1: a disabled control is drawn at full opacity
  EvMoved = 10257,
  EvQueryFocus = 10260,    // 1 focused, 0 not, -1 the window decides
  EvAlphaChanged = 10261,  // lparam: the new alpha
  EvRefresh = 10262,       // repaint before a full-window snapshot
  EvPressCancelled = 10264,  // the press ended without a release (the window lost the
                             // activation or the capture): drop press and drag state, no click
};

// wparam of a LeftDown that is really a double click.
constexpr WPARAM kDoubleClickMarker = 10086;

// What every handler returns when it leaves an event to the default handling.
constexpr int kNotHandled = -1;

struct ControlEvent {
  EventCode code;
  WPARAM wparam = 0;
  LPARAM lparam = 0;
};

// Messages the framework sends or posts to a host window.
enum class FrameworkMessage : UINT {
  WmFocusControl = 10240,  // lparam: control to focus
  WmAddMnemonic = 10251,   // wparam: control, lparam: character code (0 removes)
  WmPresent = 10253,       // put the whole canvas on the screen
  WmInvalidate = 10256,    // the flush: paint, compose and present what is queued in the window
  WmControlMoved = 10257,  // wparam: control, lparam: 1 = recompose old and new rectangle
  WmForwardEvent = 10258,  // wparam: value, lparam: control; dispatched as event 10258
  WmControlEvent = 10263,  // wparam: control, lparam: ticket of the event (EventMailbox)
};

constexpr UINT ToMessage(FrameworkMessage message) { return static_cast<UINT>(message); }

}  // namespace getlink
