// What a control tells accessibility clients (screen readers, through Microsoft Active
// Accessibility): its role, its states, the events that announce changes, and the record
// of one item of a list a control shows without a control per item. The enumerators keep
// the system's numbers (oleacc.h, winuser.h).
#pragma once

#include <windows.h>
#include <oleacc.h>

#include "runtime/Text.h"
#include "ui/framework/drawing/Geometry.h"

namespace getlink {

enum class AccessRole : long {
  Client = ROLE_SYSTEM_CLIENT,
  PushButton = ROLE_SYSTEM_PUSHBUTTON,
  StaticText = ROLE_SYSTEM_STATICTEXT,
  EditableText = ROLE_SYSTEM_TEXT,
  ComboBox = ROLE_SYSTEM_COMBOBOX,
  List = ROLE_SYSTEM_LIST,
  ListItem = ROLE_SYSTEM_LISTITEM,
  ScrollBar = ROLE_SYSTEM_SCROLLBAR,
  Grouping = ROLE_SYSTEM_GROUPING,
  MenuPopup = ROLE_SYSTEM_MENUPOPUP,
  MenuItem = ROLE_SYSTEM_MENUITEM,
  Separator = ROLE_SYSTEM_SEPARATOR,
  Dialog = ROLE_SYSTEM_DIALOG,
  StatusBar = ROLE_SYSTEM_STATUSBAR,
  Graphic = ROLE_SYSTEM_GRAPHIC,
  Alert = ROLE_SYSTEM_ALERT,
};

// A set of STATE_SYSTEM_ bits.
using AccessStates = long;

// What NotifyWinEvent announces about a control or a window.
enum class AccessEvent : DWORD {
  Focus = EVENT_OBJECT_FOCUS,
  ValueChange = EVENT_OBJECT_VALUECHANGE,
  StateChange = EVENT_OBJECT_STATECHANGE,
  NameChange = EVENT_OBJECT_NAMECHANGE,
  Show = EVENT_OBJECT_SHOW,
  Hide = EVENT_OBJECT_HIDE,
  Selection = EVENT_OBJECT_SELECTION,
  MenuPopupStart = EVENT_SYSTEM_MENUPOPUPSTART,
  MenuPopupEnd = EVENT_SYSTEM_MENUPOPUPEND,
  DialogStart = EVENT_SYSTEM_DIALOGSTART,
  DialogEnd = EVENT_SYSTEM_DIALOGEND,
  Alert = EVENT_SYSTEM_ALERT,
};

// One item of a control's list (a combo box's or a list box's), answered by the control.
struct AccessibleItem {
  Text name;
  AccessRole role = AccessRole::ListItem;
  AccessStates states = 0;
  Rect location;  // window client pixels; empty while the item is not shown
  Text defaultAction;
};

// Tells the accessibility clients of window `hwnd` that `event` happened to the object of
// the client area with `childId` (CHILDID_SELF: the client area itself).
inline void NotifyAccessibilityClients(HWND hwnd, AccessEvent event, LONG childId) {
  if (hwnd != nullptr) NotifyWinEvent(static_cast<DWORD>(event), hwnd, OBJID_CLIENT, childId);
}

}  // namespace getlink
