#include "ui/controls/ComboDropDown.h"

#include "ui/controls/ComboBoxPainter.h"
#include "ui/controls/DropDownPlacement.h"
#include "ui/controls/UiListBox.h"
#include "ui/framework/window/UiWindow.h"
#include "ui/framework/window/WindowFunctions.h"

namespace getlink {
namespace {

constexpr char kTitle[] = "Zt_LayerUI_Combox";
// The list inside the pop-up's 1-pixel frame, its one column clear of the scroll bar.
constexpr float kFrame = 1;
constexpr int kColumnLessWidth = 10;
constexpr Argb kItemText = MakeArgb(210, 0, 0, 0);
constexpr Argb kChosenBack = MakeArgb(190, 0, 96, 192);
constexpr Argb kChosenText = MakeArgb(kOpaqueAlpha, 255, 255, 255);

ListBoxOptions ListLook() {
  ListBoxOptions look;
  look.view = ListView::List;
  look.noHeader = true;
  look.textColour = kItemText;
  look.backColour = 0;
  look.borderColour = 0;
  look.hotBackColour = look.selectedBackColour = kChosenBack;
  look.hotTextColour = look.selectedTextColour = kChosenText;
  look.hoverSelect = true;
  look.rowHeight = kDropDownRowHeight;
  return look;
}

}  // namespace

int RunComboDropDown(HWND host, const Rect& combo, const std::vector<Text>& items, std::string_view current) {
  RECT hostRect = {};
  GetWindowRect(host, &hostRect);
  const RECT place = PlaceDropDown(hostRect, combo, DropDownHeight(static_cast<int>(items.size())), DesktopWorkArea());
  CreateWindowOptions create;
  create.left = place.left;
  create.top = place.top;
  create.width = place.right - place.left;
  create.height = place.bottom - place.top;
  create.style = WS_POPUP;
  create.exStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
  const HWND hwnd = CreateUiWindow(host, kTitle, create);
  if (hwnd == nullptr) return 0;
  SetPropW(hwnd, kPopupFlagsProperty, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(PopupKind::CloseOnDeactivate)));

  int chosen = 0;
  UiWindow window;  // declared before the list: the list goes first
  window.SetOnPaintBackground([](HWND, GpGraphics* g, int width, int height) { PaintDropDownFrame(g, width, height); });
  AttachWindowOptions look;
  look.captionFlags = 0;
  look.opacity = 255;
  look.cornerRadius = kImageOnlySkin;
  look.dragMove = false;
  look.resizable = false;
  look.blurBehind = false;
  if (const UiWindow* owner = UiWindow::FromHwnd(host)) look.animationsOn = owner->AnimationsOn();
  window.Attach(hwnd, look);
  window.SetMessageHook(PopupHook);

  UiListBox list;
  list.Create(hwnd, RectOf(kFrame, kFrame, create.width - 2 * kFrame, create.height - 2 * kFrame), ListLook());
  list.AddColumn(Text(), create.width - kColumnLessWidth);
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

  window.ShowAnimated(WindowEffect::None);
  SetForegroundWindow(hwnd);
  window.SetFocusControl(&list, false);
  PopupLoop(hwnd);
  return chosen;
}

}  // namespace getlink
