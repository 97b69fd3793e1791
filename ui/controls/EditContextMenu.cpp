#include "ui/controls/EditContextMenu.h"

#include <iterator>

#include "ui/framework/drawing/FrameworkStartup.h"

namespace getlink {
namespace {

constexpr int kOwnItems = static_cast<int>(std::size(kEditMenuEntries));

void RemoveExtras(UiMenu& menu) {
  while (menu.ItemCount() > kOwnItems) menu.RemoveItem(menu.ItemCount());
}

MenuItem ExtraItem(const EditMenuExtra& extra) {
  MenuItem item;
  item.caption = extra.caption;
  item.sendsCommand = false;
  item.routine = extra.choose;
  if (!extra.available) item.state = static_cast<int>(MenuItemState::Disabled);
  return item;
}

}  // namespace

UiMenu& EditContextMenu() {
  static UiMenu menu;
  return menu;
}

void BuildEditContextMenu() {
  UiMenu& menu = EditContextMenu();
  menu.ClearItems();
  for (const EditMenuEntry& entry : kEditMenuEntries)
    menu.AddItem(entry.IsSeparator() ? SeparatorItem() : CommandItem(Text(entry.caption), static_cast<int>(entry.command)));
}

void PopupEditContextMenu(HWND owner, POINT point, const std::vector<EditMenuExtra>& extras) {
  UiMenu& menu = EditContextMenu();
  RemoveExtras(menu);
  if (!extras.empty()) menu.AddItem(SeparatorItem());
  for (const EditMenuExtra& extra : extras) menu.AddItem(ExtraItem(extra));
  // Returns when the menu closed; a chosen item came back as WM_COMMAND or ran its routine
  // meanwhile.
  menu.PopupNear(owner, point);
  RemoveExtras(menu);
}

}  // namespace getlink
