#include "ui/controls/EditContextMenu.h"

#include "ui/framework/drawing/FrameworkStartup.h"

namespace getlink {

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

}  // namespace getlink
