#include "ui/controls/UiComboBox.h"

#include <algorithm>

#include "ui/controls/ComboBoxPainter.h"
#include "ui/controls/ComboDropDown.h"
#include "ui/framework/drawing/FrameworkStartup.h"
#include "ui/framework/window/UiWindow.h"

namespace getlink {

// --- creating ---

std::optional<CreateControlOptions> UiComboBox::Prepare(const UiStyle& /*style*/) {
  const ComboBoxOptions& o = options_;
  items_.clear();
  for (std::size_t i = 0; i < o.items.size(); ++i)
    items_.push_back({o.items[i], i < o.itemData.size() ? o.itemData[i] : 0});
  selectedIndex_ = o.selectedIndex.value_or(1);
  dropDownOpen_ = hot_ = false;
  text_ = IsValidIndex(selectedIndex_) ? At(selectedIndex_).text : Text();
  format_ = TextFormat(Gdiplus::StringFormatFlagsLineLimit);
  CreateControlOptions base;
  base.visible = o.visible;
  return base;
}

int UiComboBox::OnCreate() {
  if (!Editable()) return kNotHandled;
  EditOptions look;
  look.text = text_;
  look.textColour = TextColour();
  look.backColour = Argb();
  look.borderColour = Argb();
  edit_.Create(*this, ControlPlace::InPixels(EditRect()), look);
  edit_.SetOnChange([this](UiControl*, UiEdit& edit) {
    text_ = edit.GetText();
    const UiEdit::ChangeHandler handler = onEditChange_;
    if (handler) handler(this, edit);
  });
  // The pointer and the focus on the edit are on the box: its frame follows them.
  const auto becomeHot = [this](UiControl*, UiControl&, const ControlEvent&) { SetHot(true); };
  edit_.BindEvent(EventCode::EvMouseEnter, becomeHot);
  edit_.BindEvent(EventCode::EvMouseLeave,
                  [this](UiControl*, UiControl&, const ControlEvent& event) { PointerLeft(event.Other()); });
  edit_.BindEvent(EventCode::EvFocusGained, becomeHot);
  edit_.BindEvent(EventCode::EvFocusLost, [this](UiControl*, UiControl&, const ControlEvent& event) {
    if (event.Other() != this) SetHot(false);
  });
  return kNotHandled;
}

Rect UiComboBox::EditRect() const {
  const Rect box = PixelRect();
  const ComboBoxStyle& style = Style().comboBox;
  return RectOf(box.left + style.editLeft, box.top + style.editTop, box.width - style.editLessWidth,
                box.height - style.editLessHeight);
}

int UiComboBox::OnResized(int, int) {
  if (Editable()) edit_.SetPixelRect(EditRect());
  return kNotHandled;
}

int UiComboBox::OnAlphaChanged(int alpha) {
  if (Editable()) edit_.SetAlpha(alpha);
  return kNotHandled;
}

int UiComboBox::QueryDimming() { return Editable() ? edit_.SendEvent(EventCode::EvQueryDimming) : kNotHandled; }

int UiComboBox::QueryFocus() {
  return Editable() && Window() != nullptr && Window()->Focused() == &edit_ ? 1 : kNotHandled;
}

int UiComboBox::OnDestroy() {
  items_.clear();
  text_.clear();
  format_.Release();
  onSelect_ = nullptr;
  onDropDown_ = onCloseUp_ = nullptr;
  onEditChange_ = nullptr;
  dropDownOpen_ = hot_ = false;
  return kNotHandled;
}

// --- text, selection and items ---

void UiComboBox::SetText(Text text) {
  if (text == text_) return;
  text_ = std::move(text);
  if (Editable())
    edit_.SetText(text_);
  else
    Repaint();
  TellAccessibility(AccessEvent::ValueChange);
}

void UiComboBox::SetSelectedIndex(int index) {
  if (!IsValidIndex(index)) return;
  selectedIndex_ = index;
  SetText(At(index).text);
}

int UiComboBox::ItemData(int index) const { return IsValidIndex(index) ? At(index).value : 0; }

bool UiComboBox::SetItemData(int index, int value) {
  if (!IsValidIndex(index)) return false;
  At(index).value = value;
  return true;
}

Text UiComboBox::ItemText(int index) const { return IsValidIndex(index) ? At(index).text : Text(); }

bool UiComboBox::SetItemText(int index, Text text) {
  if (!IsValidIndex(index)) return false;
  At(index).text = std::move(text);
  if (index == selectedIndex_) SetText(At(index).text);
  return true;
}

void UiComboBox::AddItem(Text text, int value) { items_.push_back({std::move(text), value}); }

bool UiComboBox::InsertItem(int index, Text text, int value) {
  if (index < 1 || index > ItemCount() + 1) return false;
  // The selected index follows its item, so that index and caption keep naming the same.
  const bool named = IsValidIndex(selectedIndex_);
  items_.insert(items_.begin() + (index - 1), {std::move(text), value});
  if (named && index <= selectedIndex_) ++selectedIndex_;
  return true;
}

bool UiComboBox::RemoveItem(int index) {
  if (!IsValidIndex(index)) return false;
  items_.erase(items_.begin() + (index - 1));
  if (index < selectedIndex_) {
    --selectedIndex_;  // the same item, one place up
  } else if (index == selectedIndex_) {
    selectedIndex_ = std::max(1, index - 1);
    SetText(IsValidIndex(selectedIndex_) ? At(selectedIndex_).text : Text());
  }
  return true;
}

void UiComboBox::Clear() {
  items_.clear();
  SetText(Text());
}

void UiComboBox::SetTextColour(std::optional<Argb> colour) {
  options_.textColour = colour;
  if (Editable())
    edit_.SetTextColour(TextColour());
  else
    Repaint();
}

void UiComboBox::SetInnerEditMode(EditInputMode mode) {
  if (Editable()) edit_.SetInputMode(mode);
}

// --- painting ---

// The hot look follows the last of the pointer's and the focus's events: entering or
// gaining makes the box hot, leaving or losing makes it normal (though the other may still
// be on it), except towards the box's own edit. The open drop-down is always hot.
bool UiComboBox::Hot() const { return hot_ || dropDownOpen_; }

void UiComboBox::SetHot(bool hot) {
  const bool was = Hot();
  hot_ = hot;
  if (Hot() != was) Repaint();  // the open list keeps the frame hot whatever the pointer does
}

int UiComboBox::OnPaint() {
  if (!BeginControlPaint(true)) return kNotHandled;
  const ComboBoxStyle& style = Style().comboBox;
  PaintComboFrame(Graphics(), PixelWidth(), PixelHeight(), Hot(), dropDownOpen_, Style());
  if (!Editable())
    PaintComboText(Graphics(), PixelWidth(), PixelHeight(), text_, DefaultFont(Style().fontSize), TextColour(),
                   format_.Handle(), style);
  EndControlPaint();
  return kNotHandled;
}

int UiComboBox::OnRefresh() {
  Repaint();
  return kNotHandled;
}

int UiComboBox::OnMouseEnter() {
  SetHot(true);
  return kNotHandled;
}

int UiComboBox::OnMouseLeave(UiControl* next) {
  PointerLeft(next);
  return kNotHandled;
}

void UiComboBox::PointerLeft(const UiControl* next) {
  SetHot(Editable() && (next == this || next == &edit_) && hot_);
}

int UiComboBox::OnFocusGained(UiControl*) {
  SetHot(true);
  // An editable box hands the focus on to its edit, where the typing goes.
  if (Editable() && Window() != nullptr) Window()->SetFocusControl(&edit_, false);
  return kNotHandled;
}

int UiComboBox::OnFocusLost(UiControl* next) {
  SetHot(Editable() && next == &edit_ && hot_);
  return kNotHandled;
}

// --- the drop-down ---

int UiComboBox::OnMouseDown(const PointerInput&) {
  DropDown();
  return kNotHandled;
}

int UiComboBox::OnKeyDown(const KeyInput& key) {
  if (key.key == VK_SPACE || key.key == VK_RETURN || key.key == VK_F4) {
    DropDown();
    return 0;  // handled: the window does not click the box as well
  }
  return StepByKey(key.key) ? 0 : kNotHandled;
}

bool UiComboBox::StepByKey(UINT key) {
  int target = 0;
  switch (key) {
    case VK_UP: target = selectedIndex_ - 1; break;
    case VK_DOWN: target = selectedIndex_ + 1; break;
    case VK_HOME: target = 1; break;
    case VK_END: target = ItemCount(); break;
    default: return false;
  }
  // Past either end, or onto the item already shown, is no choice at all.
  if (IsValidIndex(target) && target != selectedIndex_) Choose(target);
  return true;
}

void UiComboBox::Choose(int index) {
  selectedIndex_ = index;
  SetText(At(index).text);
  if (onSelect_) {
    const SelectHandler handler = onSelect_;
    handler(*this, index);
  }
}

bool UiComboBox::Notify(const Handler& handler) {
  if (!handler) return true;
  const std::uint32_t serial = Serial();
  const Handler copy = handler;  // the handler may replace itself
  copy(*this);
  return Serial() == serial;
}

void UiComboBox::DropDown() {
  if (dropDownOpen_ || !IsCreated()) return;
  const std::uint32_t serial = Serial();
  dropDownOpen_ = true;
  Repaint();
  if (!Notify(onDropDown_)) return;
  std::vector<Text> captions;
  for (const Item& item : items_) captions.push_back(item.text);
  TellAccessibility(AccessEvent::StateChange);
  const int chosen =
      RunComboDropDown(HostWindow(), PixelRect(), captions, text_, [this](HWND list) { dropDownWindow_ = list; });
  if (Serial() != serial) return;  // the box went with its window while the list was open
  dropDownWindow_ = nullptr;
  // Closed before anyone hears of it: a handler may open a modal loop of its own.
  dropDownOpen_ = false;
  Repaint();
  TellAccessibility(AccessEvent::StateChange);
  if (!Notify(onCloseUp_) || chosen == 0 || !IsValidIndex(chosen)) return;
  Choose(chosen);
}

// --- accessibility ---

bool UiComboBox::SetAccessibleValue(std::string_view value) {
  if (Editable()) return edit_.SetAccessibleValue(value);
  for (int index = 1; index <= ItemCount(); ++index) {
    if (At(index).text != value) continue;
    if (index != selectedIndex_) Choose(index);
    return true;
  }
  return false;
}

AccessStates UiComboBox::AccessibleState() {
  return UiControl::AccessibleState() | STATE_SYSTEM_HASPOPUP |
         (dropDownOpen_ ? STATE_SYSTEM_EXPANDED : STATE_SYSTEM_COLLAPSED);
}

void UiComboBox::DoDefaultAction() {
  if (Disabled() || !Visible()) return;
  if (!dropDownOpen_)
    DropDown();
  else if (dropDownWindow_ != nullptr)
    PostMessageW(dropDownWindow_, WM_CLOSE, 0, 0);  // closed without a choice, as Esc does
}

AccessibleItem UiComboBox::AccessibleItemAt(int item) const {
  AccessibleItem said;
  if (!IsValidIndex(item)) return said;
  said.name = At(item).text;
  said.defaultAction = "选择";
  said.states = STATE_SYSTEM_SELECTABLE | (item == selectedIndex_ ? STATE_SYSTEM_SELECTED : 0);
  // The items on the screen are those of the drop-down's own list, in its window.
  said.states |= STATE_SYSTEM_INVISIBLE;
  return said;
}

void UiComboBox::SelectAccessibleItem(int item) {
  if (!IsValidIndex(item) || Disabled()) return;
  if (dropDownOpen_ && dropDownWindow_ != nullptr) PostMessageW(dropDownWindow_, WM_CLOSE, 0, 0);
  if (item != selectedIndex_) Choose(item);
}

}  // namespace getlink
