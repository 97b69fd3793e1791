#include "ui/controls/ComboDropDown.h"

#include <algorithm>

#include "ui/controls/ComboBoxPainter.h"
#include "ui/controls/DropDownPlacement.h"
#include "ui/controls/UiListBox.h"
#include "ui/framework/window/UiWindow.h"
#include "ui/framework/window/WindowFunctions.h"

namespace getlink {
namespace {

constexpr char kTitle[] = "Zt_LayerUI_Combox";

ListBoxOptions ListLook(const UiStyle& style) {
  ListBoxOptions look;
  look.view = ListView::List;
  look.noHeader = true;
  look.textColour = style.textColour;
  look.backColour = Argb();
  look.borderColour = Argb();
  look.hotBackColour = look.selectedBackColour = style.comboBox.chosenBack;
  look.hotTextColour = look.selectedTextColour = style.comboBox.chosenText;
  look.hoverSelect = true;
  look.rowHeight = style.comboBox.dropDownRowHeight;
  return look;
}

// Where a key moves the selection in the open list: the item before or after, a list's
// height of items up or down, the first or the last; 0 for other keys. With nothing
// selected every key starts at the first item.
int KeyTarget(WPARAM key, int current, int count, int page) {
  if (count == 0) return 0;
  int to = 0;
  switch (key) {
    case VK_UP: to = current - 1; break;
    case VK_DOWN: to = current + 1; break;
    case VK_PRIOR: to = current - page; break;
    case VK_NEXT: to = current + page; break;
    case VK_HOME: return 1;
    case VK_END: return count;
    default: return 0;
  }
  return current == 0 ? 1 : std::clamp(to, 1, count);
}

// The keys of the open list, as in a Windows drop-down: the arrows, PageUp/PageDown and
// Home/End move the selection (the list itself acts on no keys); Enter chooses the item
// selected, as a click on it would. False for keys left to the pop-up's hook (Esc).
bool OnListKey(UiListBox& list, WPARAM key, int& chosen, HWND popup) {
  if (key == VK_RETURN) {
    if (list.CurrentItem() == 0) return false;
    chosen = list.CurrentItem();
    PostMessageW(popup, WM_CLOSE, 0, 0);
    return true;
  }
  const int target = KeyTarget(key, list.CurrentItem(), list.ItemCount(), list.Layout().RowsInView());
  if (target == 0) return false;
  list.SelectItem(target);
  list.RevealItem(target);
  return true;
}

}  // namespace

int RunComboDropDown(HWND host, const Rect& combo, const std::vector<Text>& items, std::string_view current,
                     const std::function<void(HWND)>& onOpen) {
  // The list looks as its combo box's window does (a copy: that window may go while the list is open).
  const UiStyle style = UiWindow::StyleOf(host);
  RECT hostRect = {};
  GetWindowRect(host, &hostRect);
  const RECT place =
      PlaceDropDown(hostRect, combo, DropDownHeight(static_cast<int>(items.size()), style), DesktopWorkArea());
  CreateWindowOptions create;
  create.left = place.left;
  create.top = place.top;
  create.width = place.right - place.left;
  create.height = place.bottom - place.top;
  create.sizeInPixels = true;
  create.style = WS_POPUP;
  create.exStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
  const HWND hwnd = CreateUiWindow(host, kTitle, create);
  if (hwnd == nullptr) return 0;

  int chosen = 0;
  UiWindow window;  // declared before the list: the list goes first
  window.SetStyle(style);
  window.SetPopup({PopupKind::CloseOnDeactivate});
  window.SetAccessibleRole(AccessRole::List);
  window.SetOnPaintBackground([&window](HWND, GpGraphics* g, int width, int height) {
    PaintDropDownFrame(g, width, height, window.Style());
  });
  AttachWindowOptions look;
  look.captionFlags = 0;
  look.opacity = style.comboBox.dropDownOpacity;
  look.cornerRadius = kImageOnlySkin;
  look.dragMove = false;
  look.resizable = false;
  look.blurBehind = false;
  if (const UiWindow* owner = UiWindow::FromHwnd(host)) look.animationsOn = owner->AnimationsOn();
  window.Attach(hwnd, look);

  UiListBox list;
  const float inset = style.comboBox.dropDownListInset;
  const Rect inside = RectOf(inset, inset, create.width - 2 * inset, create.height - 2 * inset);
  list.Create(hwnd, ControlPlace::InPixels(inside), ListLook(style));
  list.AddColumn(Text(), list.Scale().ToUnits(create.width - style.comboBox.dropDownColumnLessWidth));
  for (const Text& item : items) list.AddItem(item);
  if (!current.empty()) {
    if (const int found = list.FindItem(current)) {
      list.SelectItem(found);
      list.EnsureVisible(found);
    }
  }
  list.SetOnItemClick([&chosen, hwnd](UiListBox&, int item) {
    chosen = item;
    PostMessageW(hwnd, WM_CLOSE, 0, 0);
  });
  window.SetMessageHook([&list, &chosen](HWND popup, UINT msg, WPARAM wparam, LPARAM lparam) {
    if (msg == WM_KEYDOWN && list.IsCreated() && OnListKey(list, wparam, chosen, popup)) return 0;
    return PopupHook(popup, msg, wparam, lparam);
  });

  window.ShowAnimated(WindowEffect::None);
  SetForegroundWindow(hwnd);
  window.SetFocusControl(&list, false);
  if (onOpen) onOpen(hwnd);
  PopupLoop(hwnd);
  return chosen;
}

}  // namespace getlink
