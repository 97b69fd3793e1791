#include "ui/controls/UiComboBox.h"

#include <algorithm>

#include "ui/controls/ComboBoxPainter.h"
#include "ui/controls/ComboDropDown.h"
#include "ui/framework/drawing/FrameworkStartup.h"

namespace getlink {

// --- creating ---

bool UiComboBox::Create(HWND host, const Rect& rect, const Options& options) {
  if (IsCreated()) return true;
  return UiControl::Create(host, rect, ControlType::ComboBox, Prepare(options));
}

bool UiComboBox::Create(UiControl& parent, const Rect& rect, const Options& options) {
  if (IsCreated()) return true;
  return UiControl::Create(parent, rect, ControlType::ComboBox, Prepare(options));
}

CreateControlOptions UiComboBox::Prepare(const Options& options) {
  items_.clear();
  for (std::size_t i = 0; i < options.items.size(); ++i)
    items_.push_back({options.items[i], i < options.itemData.size() ? options.itemData[i] : 0});
  textColour_ = options.textColour;
  selectedIndex_ = options.selectedIndex.value_or(1);
  editable_ = options.editable;
  dropDownOpen_ = pointerOver_ = false;
  text_ = IsValidIndex(selectedIndex_) ? At(selectedIndex_).text : Text();
  format_ = TextFormat(Gdiplus::StringFormatFlagsLineLimit);
  CreateControlOptions base;
  base.visible = options.visible;
  return base;
}

int UiComboBox::OnDestroy() {
  items_.clear();
  text_.clear();
  format_.Release();
  onSelect_ = nullptr;
  onDropDown_ = onCloseUp_ = nullptr;
  dropDownOpen_ = pointerOver_ = false;
  return kNotHandled;
}

// --- text, selection and items ---

void UiComboBox::SetText(Text text) {
  if (text == text_) return;
  text_ = std::move(text);
  PaintNow();
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

void UiComboBox::SetTextColour(Argb colour) {
  textColour_ = colour;
  PaintNow();
}

// --- painting ---

bool UiComboBox::Hot() { return pointerOver_ || dropDownOpen_ || IsFocused(); }

int UiComboBox::OnPaint() {
  Paint();
  return kNotHandled;
}

void UiComboBox::Paint() {
  if (!BeginControlPaint(true)) return;
  PaintComboFrame(Graphics(), Width(), Height(), Hot(), dropDownOpen_);
  if (!editable_) PaintComboText(Graphics(), Width(), Height(), text_, DefaultFont(), textColour_, format_.Handle());
  EndControlPaint();
}

int UiComboBox::OnMouseEnter() {
  pointerOver_ = true;
  Paint();
  return kNotHandled;
}

int UiComboBox::OnMouseLeave() {
  pointerOver_ = false;
  Paint();
  return kNotHandled;
}

int UiComboBox::OnFocusGained(UiControl*) {
  Paint();
  return kNotHandled;
}

int UiComboBox::OnFocusLost(UiControl*) {
  Paint();
  return kNotHandled;
}

// --- the drop-down ---

int UiComboBox::OnMouseDown(POINT, WPARAM) {
  DropDown();
  return kNotHandled;
}

int UiComboBox::OnKeyDown(WPARAM key) {
  if (key != VK_SPACE && key != VK_RETURN) return kNotHandled;
  DropDown();
  return 0;  // handled: the window does not click the box as well
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
  Paint();
  if (!Notify(onDropDown_)) return;
  std::vector<Text> captions;
  for (const Item& item : items_) captions.push_back(item.text);
  const int chosen = RunComboDropDown(HostWindow(), GetRect(), captions, text_);
  if (Serial() != serial) return;  // the box went with its window while the list was open
  // Closed before anyone hears of it: a handler may open a modal loop of its own.
  dropDownOpen_ = false;
  Paint();
  if (!Notify(onCloseUp_) || chosen == 0 || !IsValidIndex(chosen)) return;
  selectedIndex_ = chosen;
  SetText(At(chosen).text);
  if (onSelect_) {
    const SelectHandler handler = onSelect_;
    handler(*this, chosen);
  }
}

}  // namespace getlink
