// The framework's combo box: one chosen text out of a list of items, drawn from a small
// skin, that opens a drop-down list in a pop-up window of its own when pressed.
//
//   opening        a left press, or Space, Enter or F4 while focused (nothing while open)
//   in the list    the item under the pointer is the one selected, and the arrow keys,
//                  PageUp/PageDown and Home/End move the selection; a click or Enter
//                  chooses it
//   closing        a click on an item or Enter (onSelect with its index), a click
//                  elsewhere or Esc (no choice, nothing changes); onCloseUp either way
//   while closed   Up/Down step to the item before or after, Home/End to the first or
//                  last, as a choice (onSelect), as in a Windows drop-down list
// The call that opens the list returns only when the list is gone. Items are numbered
// from 1; the SelectedIndex setter never calls onSelect, and invalid indices are ignored.
//
// An editable box holds its text in an inner edit box (a child control over all of the box
// but its arrow): the user types there, a choice from the list is put there, and the box
// counts as focused and hot while the edit is.
#pragma once

#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "runtime/Text.h"
#include "ui/controls/UiEdit.h"
#include "ui/framework/drawing/Colour.h"
#include "ui/framework/drawing/TextFormat.h"
#include "ui/framework/window/OptionsControl.h"

namespace getlink {

struct ComboBoxOptions {
  // What the box starts with; the items and the selection are the box's own from then on.
  std::vector<Text> items;
  std::vector<int> itemData;         // one value an item; missing values are 0
  std::optional<int> selectedIndex;  // absent: 1
  bool editable = false;
  std::optional<Argb> textColour;  // absent: the style's text colour
  bool visible = true;
};

class UiComboBox : public OptionsControl<UiControl, ComboBoxOptions, ControlType::ComboBox> {
 public:
  // onSelect: with the box and the index chosen; onDropDown, onCloseUp: with the box.
  using SelectHandler = std::function<void(UiComboBox& box, int index)>;
  using Handler = std::function<void(UiComboBox& box)>;

  UiComboBox() = default;
  ~UiComboBox() override { Destroy(); }

  // The text shown: the selected item's caption, or what was set.
  const Text& GetText() const { return text_; }
  void SetText(Text text);
  int SelectedIndex() const { return selectedIndex_; }
  // Takes only a valid index; the text becomes its caption. Never calls onSelect.
  void SetSelectedIndex(int index);
  bool IsValidIndex(int index) const { return index >= 1 && index <= ItemCount(); }

  int ItemCount() const { return static_cast<int>(items_.size()); }
  // An invalid index gives 0 or empty text, and the setters do nothing (false).
  int ItemData(int index) const;
  bool SetItemData(int index, int value);
  Text ItemText(int index) const;
  // Setting the selected item's caption shows it at once.
  bool SetItemText(int index, Text text);
  void AddItem(Text text, int value = 0);
  // Puts the item before item `index` (1 .. count + 1); false for other indices. The
  // selection stays on the item it was on.
  bool InsertItem(int index, Text text, int value = 0);
  // The selection stays on the item it was on; removing the selected item selects the
  // one before it (the first when it was the first); with no items left the box shows
  // no text.
  bool RemoveItem(int index);
  // No items and no text; the selected index keeps its value.
  void Clear();

  void SetTextColour(std::optional<Argb> colour);
  bool Editable() const { return options_.editable; }
  // The inner edit box of an editable box, its input mode and its text-changed callback;
  // for a box that is not editable null, Normal, and nothing.
  UiEdit* InnerEdit() { return Editable() ? &edit_ : nullptr; }
  EditInputMode InnerEditMode() const { return Editable() ? edit_.GetOptions().inputMode : EditInputMode::Normal; }
  void SetInnerEditMode(EditInputMode mode);
  void SetOnEditChange(UiEdit::ChangeHandler handler) { onEditChange_ = std::move(handler); }

  // Opens the drop-down list and returns when it has closed (see the top of the file).
  void DropDown();
  bool IsDroppedDown() const { return dropDownOpen_; }

  void SetOnSelect(SelectHandler handler) { onSelect_ = std::move(handler); }

  // --- accessibility: the chosen item as the value, the items under a list of their own
  // (invisible while the box is closed); opening, closing and choosing as the user does.
  Text AccessibleValue() const override { return text_; }
  // Chooses the item of that caption; an editable box takes any text into its edit.
  bool SetAccessibleValue(std::string_view value) override;
  AccessStates AccessibleState() override;
  Text DefaultActionName() const override { return dropDownOpen_ ? "关闭" : "打开"; }
  void DoDefaultAction() override;
  int AccessibleItemCount() const override { return ItemCount(); }
  AccessibleItem AccessibleItemAt(int item) const override;
  bool ItemsInOwnList() const override { return true; }
  void DoItemDefaultAction(int item) override { SelectAccessibleItem(item); }
  void SelectAccessibleItem(int item) override;
  void SetOnDropDown(Handler handler) { onDropDown_ = std::move(handler); }
  void SetOnCloseUp(Handler handler) { onCloseUp_ = std::move(handler); }

 protected:
  AccessRole DefaultAccessibleRole() const override { return AccessRole::ComboBox; }
  Text DefaultAccessibleName() const override { return NameOfLabelBefore(); }
  int OnDestroy() override;
  int OnPaint() override;
  int OnRefresh() override;
  int OnCreate() override;
  int OnResized(int width, int height) override;
  int OnAlphaChanged(int alpha) override;
  int QueryDimming() override;
  int QueryFocus() override;
  int OnMouseDown(const PointerInput&) override;
  int OnKeyDown(const KeyInput& key) override;
  int OnMouseEnter() override;
  int OnMouseLeave(UiControl* next) override;
  int OnFocusGained(UiControl*) override;
  int OnFocusLost(UiControl*) override;

 private:
  struct Item {
    Text text;
    int value = 0;
  };

  std::optional<CreateControlOptions> Prepare(const UiStyle& style) override;
  Item& At(int index) { return items_[static_cast<std::size_t>(index - 1)]; }
  const Item& At(int index) const { return items_[static_cast<std::size_t>(index - 1)]; }
  // The frame is hot from the pointer's entering or the focus's coming until the next
  // leaving or losing, and while the list is open.
  bool Hot() const;
  void SetHot(bool hot);
  // Calls `handler` when set; false when it destroyed the box.
  bool Notify(const Handler& handler);
  // The user chose item `index` (valid): it is selected and shown, then onSelect.
  void Choose(int index);
  // Up, Down, Home or End on the closed box: a choice; false for other keys.
  bool StepByKey(UINT key);
  // The inner edit's place: all of the box but its frame and the arrow.
  Rect EditRect() const;
  Argb TextColour() const { return options_.textColour.value_or(Style().textColour); }
  // The pointer left the box or its edit for `next` (null: the window).
  void PointerLeft(const UiControl* next);

  std::vector<Item> items_;
  int selectedIndex_ = 1;
  bool dropDownOpen_ = false;
  HWND dropDownWindow_ = nullptr;  // the open list's window
  bool hot_ = false;
  Text text_;
  TextFormat format_ = TextFormat::Empty();
  UiEdit edit_;  // created only in an editable box
  UiEdit::ChangeHandler onEditChange_;
  SelectHandler onSelect_;
  Handler onDropDown_;
  Handler onCloseUp_;
};

}  // namespace getlink
