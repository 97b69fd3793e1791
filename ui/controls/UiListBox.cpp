#include "ui/controls/UiListBox.h"

#include <algorithm>

#include "runtime/TextSearch.h"
#include "ui/framework/window/UiWindow.h"

namespace getlink {
namespace {


}  // namespace

// --- creating ---

std::optional<CreateControlOptions> UiListBox::Prepare(const UiStyle& style) {
  MutableFont().Choose(options_.font, style);
  format_ = TextFormat(Gdiplus::StringFormatFlagsNoWrap | Gdiplus::StringFormatFlagsMeasureTrailingSpaces);
  format_.SetTrimming(Gdiplus::StringTrimmingEllipsisCharacter);
  format_.SetHotkeyPrefix(Gdiplus::HotkeyPrefixNone);
  format_.SetLineAlign(Gdiplus::StringAlignmentCenter);  // the text sits in the middle of its row
  columns_.clear();
  rows_.clear();
  currentRow_ = hotRow_ = scrollY_ = 0;
  CreateControlOptions base;
  base.visible = options_.visible;
  return base;
}

int UiListBox::OnCreate() {
  ScrollBarOptions bar;
  bar.orientation = ScrollOrientation::Vertical;
  bar.maximum = 0;
  bar.visible = false;
  bar_.Create(*this, ControlPlace::InPixels(PixelRect()), bar);
  bar_.SetOnChange([this](UiControl*, int position) { SetScroll(-position); });
  Relayout();
  return kNotHandled;
}

int UiListBox::OnDestroy() {
  format_.Release();
  columns_.clear();
  rows_.clear();
  currentRow_ = hotRow_ = scrollY_ = 0;
  onItemPress_ = onItemClick_ = onItemRightClick_ = nullptr;
  return kNotHandled;
}

int UiListBox::OnResized(int, int) {
  Relayout();
  return kNotHandled;
}

void UiListBox::Relayout() {
  if (!IsCreated()) return;
  layout_ = ListBoxLayout({options_.view, Font().Height(), PixelWidth(), PixelHeight(), HasHeader(), ItemCount(), 0,
                           options_.rowHeight.value_or(0)},
                          Style());
  scrollY_ = layout_.ClampScroll(scrollY_);
  const Rect bar = layout_.BarRect();
  bar_.MovePixels(
      {static_cast<float>(PixelLeft()) + bar.left, static_cast<float>(PixelTop()) + bar.top, bar.width, bar.height});
  bar_.SetMaximum(layout_.ScrollRange());
  bar_.SetPosition(-scrollY_);
  bar_.SetVisible(layout_.BarShown());
  Repaint();
}

void UiListBox::SetScroll(int scrollY) {
  scrollY = layout_.ClampScroll(scrollY);
  if (scrollY == scrollY_) return;
  scrollY_ = scrollY;
  bar_.SetPosition(-scrollY_);
  Repaint();
}

// --- columns and items ---

int UiListBox::AddColumn(Text caption, float width, Gdiplus::StringAlignment alignment) {
  columns_.push_back({std::move(caption), width, alignment});
  Repaint();
  return ColumnCount();
}

int UiListBox::AddItem(Text text, int value) {
  InsertItem(ItemCount() + 1, std::move(text), value);
  return ItemCount();
}

bool UiListBox::InsertItem(int index, Text text, int value) {
  if (index < 1 || index > ItemCount() + 1) return false;
  ListRow row;
  row.texts.push_back(std::move(text));
  row.value = value;
  rows_.insert(rows_.begin() + (index - 1), std::move(row));
  // The current and hot items move down with the rows after them.
  if (currentRow_ >= index) ++currentRow_;
  if (hotRow_ >= index) ++hotRow_;
  Relayout();
  return true;
}

bool UiListBox::RemoveItem(int index) {
  if (!IsValidItem(index)) return false;
  rows_.erase(rows_.begin() + (index - 1));
  const auto follow = [index](int& item) {
    if (item == index)
      item = 0;
    else if (item > index)
      --item;
  };
  follow(currentRow_);
  follow(hotRow_);
  Relayout();
  return true;
}

void UiListBox::Clear() {
  rows_.clear();
  currentRow_ = hotRow_ = scrollY_ = 0;
  Relayout();
}

Text UiListBox::ItemText(int index, int column) const {
  if (!IsValidItem(index) || column < 1) return Text();
  const std::vector<Text>& texts = Row(index).texts;
  return column <= static_cast<int>(texts.size()) ? texts[static_cast<std::size_t>(column - 1)] : Text();
}

bool UiListBox::SetItemText(int index, int column, Text text) {
  if (!IsValidItem(index) || column < 1) return false;
  std::vector<Text>& texts = Row(index).texts;
  if (static_cast<int>(texts.size()) < column) texts.resize(static_cast<std::size_t>(column));
  texts[static_cast<std::size_t>(column - 1)] = std::move(text);
  Repaint();
  return true;
}

int UiListBox::ItemValue(int index) const {
  return IsValidItem(index) ? Row(index).value : 0;
}

bool UiListBox::SetItemValue(int index, int value) {
  if (!IsValidItem(index)) return false;
  Row(index).value = value;
  return true;
}

ListRowState UiListBox::ItemState(int index) const {
  if (!IsValidItem(index)) return ListRowState::Normal;
  if (Row(index).selected) return ListRowState::Selected;
  return index == hotRow_ ? ListRowState::Hot : ListRowState::Normal;
}

int UiListBox::FindItem(std::string_view text, int start, bool partial, int column) const {
  const auto matches = [&](const Text& candidate) {
    return partial ? text.empty() || FindText(candidate, text) > 0 : candidate == text;
  };
  for (int index = std::max(start, 1); index <= ItemCount(); ++index) {
    const std::vector<Text>& texts = Row(index).texts;
    if (column == -1) {
      if (std::any_of(texts.begin(), texts.end(), matches)) return index;
    } else if (matches(ItemText(index, column))) {
      return index;
    }
  }
  return 0;
}

// --- selection and scrolling ---

void UiListBox::SelectItem(int index) {
  for (ListRow& row : rows_) row.selected = false;
  currentRow_ = IsValidItem(index) ? index : 0;
  if (currentRow_ != 0) Row(currentRow_).selected = true;
  Repaint();
  TellCurrent();
}

void UiListBox::TellCurrent() {
  if (currentRow_ == 0) return;
  TellAccessibility(AccessEvent::Selection, currentRow_);
  if (IsFocused()) TellAccessibility(AccessEvent::Focus, currentRow_);
}

// --- accessibility ---

AccessibleItem UiListBox::AccessibleItemAt(int item) const {
  AccessibleItem said;
  if (!IsValidItem(item)) return said;
  for (int column = 1; column <= std::max(1, ColumnCount()); ++column) {
    const Text text = ItemText(item, column);
    if (text.empty()) continue;
    said.name += said.name.empty() ? text : " " + text;
  }
  said.defaultAction = "选择";
  said.states = STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_FOCUSABLE;
  if (Row(item).selected) said.states |= STATE_SYSTEM_SELECTED;
  if (item == currentRow_ && const_cast<UiListBox*>(this)->IsFocused()) said.states |= STATE_SYSTEM_FOCUSED;
  const Rect row = layout_.ItemRect(item, scrollY_);
  const Rect inList = RectOf(PixelLeft() + row.left, PixelTop() + row.top, row.width, row.height);
  if (UiControl::Visible() && row.top < PixelHeight() && row.Bottom() > 0)
    said.location = inList;
  else
    said.states |= STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN;
  return said;
}

void UiListBox::SelectAccessibleItem(int item) {
  if (!IsValidItem(item)) return;
  SelectItem(item);
  RevealItem(item);
}

void UiListBox::DoItemDefaultAction(int item) {
  if (!IsValidItem(item)) return;
  SelectAccessibleItem(item);
  Notify(onItemClick_, item);
}

void UiListBox::MakeCurrent(int item) {
  if (currentRow_ != 0) Row(currentRow_).selected = false;
  currentRow_ = item;
  Row(item).selected = true;
  TellCurrent();
}

std::vector<int> UiListBox::SelectedItems() const {
  std::vector<int> selected;
  for (int index = 1; index <= ItemCount(); ++index)
    if (Row(index).selected) selected.push_back(index);
  return selected;
}

void UiListBox::EnsureVisible(int index) { SetScroll(layout_.ScrollToShow(index, scrollY_)); }

void UiListBox::RevealItem(int index) { SetScroll(layout_.ScrollToReveal(index, scrollY_)); }

// --- look ---

void UiListBox::SetHotColours(std::optional<Argb> back, std::optional<Argb> text) {
  options_.hotBackColour = back;
  options_.hotTextColour = text;
  Repaint();
}

void UiListBox::SetSelectedColours(std::optional<Argb> back, std::optional<Argb> text) {
  options_.selectedBackColour = back;
  options_.selectedTextColour = text;
  Repaint();
}

ListBoxLook UiListBox::ResolvedLook() const {
  const ListBoxOptions& o = options_;
  const UiStyle& style = Style();
  const ColorRef accent = Window() != nullptr ? Window()->SkinColour() : ColorRef();
  ListBoxLook look;
  look.text = o.textColour.value_or(style.textColour);
  look.back = o.backColour.value_or(style.listBox.backColour);
  look.border = o.borderColour.value_or(style.borderColour);
  look.hotBack = o.hotBackColour.value_or(MakeColor(accent, style.listBox.accentHotAlpha));
  look.selectedBack = o.selectedBackColour.value_or(MakeColor(accent, style.listBox.accentSelectedAlpha));
  look.hotText = o.hotTextColour.value_or(look.text);
  look.selectedText = o.selectedTextColour.value_or(look.text);
  const int bothLines = static_cast<int>(ListGridLine::Horizontal) | static_cast<int>(ListGridLine::Vertical);
  look.gridLines = o.gridLines.value_or(o.view == ListView::Report ? bothLines : 0);
  return look;
}

int UiListBox::OnPaint() {
  if (!BeginControlPaint(true)) return kNotHandled;
  const ListBoxLook look = ResolvedLook();
  const ListBoxPainter painter(Graphics(), Font().Get(), format_.Handle(), look, Style().listBox);
  painter.Paint(PixelWidth(), PixelHeight(), {layout_, columns_, rows_, hotRow_, scrollY_, Scale()});
  EndControlPaint();
  return kNotHandled;
}

// --- pointer ---

int UiListBox::ItemAt(POINT windowPoint) const {
  return layout_.ItemAt(static_cast<float>(windowPoint.x - PixelLeft()), static_cast<float>(windowPoint.y - PixelTop()),
                        scrollY_);
}

bool UiListBox::Notify(const ItemHandler& handler, int item) {
  if (!handler) return true;
  const std::uint32_t serial = Serial();
  const ItemHandler copy = handler;  // the handler may replace itself
  copy(*this, item);
  return Serial() == serial;
}

void UiListBox::SelectUnderPointer(int item) {
  if (item == 0 || item == currentRow_) return;
  if (!Notify(onItemPress_, item) || !IsValidItem(item)) return;
  MakeCurrent(item);
  Repaint();
}

int UiListBox::OnMouseMove(const PointerInput& pointer) {
  const int item = ItemAt(pointer.point);
  if (options_.hoverSelect) {
    SelectUnderPointer(item);
    return kNotHandled;
  }
  if (item == hotRow_) return kNotHandled;
  hotRow_ = item;
  Repaint();
  return kNotHandled;
}

int UiListBox::OnMouseLeave(UiControl*) {
  if (hotRow_ == 0) return kNotHandled;
  hotRow_ = 0;
  Repaint();
  return kNotHandled;
}

void UiListBox::Press(int item, const PointerInput& pointer) {
  if (item == 0 || !Notify(onItemPress_, item) || !IsValidItem(item)) return;
  if (options_.singleSelect || (!pointer.Holds(MK_CONTROL) && !pointer.Holds(MK_SHIFT))) {
    SelectItem(item);
    return;
  }
  if (pointer.Holds(MK_CONTROL)) {
    ListRow& row = Row(item);
    row.selected = !row.selected;
    currentRow_ = item;
  } else {
    // Shift: the run from the current item (the anchor, which stays) to this one.
    const int anchor = currentRow_ != 0 ? currentRow_ : item;
    for (int index = 1; index <= ItemCount(); ++index)
      Row(index).selected =
          index >= std::min(anchor, item) && index <= std::max(anchor, item);
    currentRow_ = anchor;
  }
  Repaint();
  TellCurrent();
}

void UiListBox::Release(int item, const ItemHandler& handler) {
  if (item != 0 && item == currentRow_) Notify(handler, item);
}

int UiListBox::OnMouseDown(const PointerInput& pointer) {
  Press(ItemAt(pointer.point), pointer);
  return kNotHandled;
}

int UiListBox::OnRightDown(const PointerInput& pointer) {
  Press(ItemAt(pointer.point), pointer);
  return kNotHandled;
}

int UiListBox::OnMouseUp(const PointerInput& pointer) {
  Release(ItemAt(pointer.point), onItemClick_);
  return kNotHandled;
}

int UiListBox::OnRightUp(const PointerInput& pointer) {
  Release(ItemAt(pointer.point), onItemRightClick_);
  return kNotHandled;
}

int UiListBox::OnMouseWheel(const WheelInput& wheel) {
  if (!layout_.BarShown()) return kNotHandled;
  const int delta = wheel.delta;
  int notches = delta / WHEEL_DELTA;
  if (notches == 0 && delta != 0) notches = delta > 0 ? 1 : -1;  // a fine-grained wheel still moves
  SetScroll(scrollY_ + notches * layout_.WheelStep());
  if (options_.hoverSelect) {
    // The rows moved under the pointer: the one now under it is the selected one.
    POINT pointer = {};
    GetCursorPos(&pointer);
    ScreenToClient(HostWindow(), &pointer);
    if (HitTest(static_cast<float>(pointer.x), static_cast<float>(pointer.y))) SelectUnderPointer(ItemAt(pointer));
  }
  return 0;
}

}  // namespace getlink
