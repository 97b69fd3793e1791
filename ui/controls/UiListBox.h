// The framework's drawn list: items in rows of one or more columns (under an optional
// header in the report view) or in a grid of cells, a hot item under the pointer, a
// selection, a vertical scroll bar when the items do not fit, and callbacks for presses
// and clicks on items. The combo box's drop-down is one: a one-column list without
// header whose selection follows the pointer (hover-select).
//
// Pointer, on an item:
//   move             hover-select: the item becomes the one selected (onItemPress first);
//                    otherwise: it becomes the hot item
//   left/right down  onItemPress, then the selection: single-select or a plain press
//                    selects the item alone; Ctrl toggles it; Shift selects the run from
//                    the current item to it
//   left/right up    over the current item: onItemClick / onItemRightClick
//   wheel            scrolls (three rows a notch in the report view, one otherwise)
// The list acts on no keys. Items are numbered from 1; 0 means none.
#pragma once

#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "ui/controls/ListBoxLayout.h"
#include "ui/controls/ListBoxModel.h"
#include "ui/controls/ListBoxPainter.h"
#include "ui/controls/UiScrollBar.h"
#include "ui/framework/drawing/TextFormat.h"
#include "ui/framework/window/OptionsControl.h"
#include "ui/framework/window/UiTextControl.h"

namespace getlink {

struct ListBoxOptions {
  ListView view = ListView::Report;
  bool noHeader = false;         // the icon and list views never show one
  std::optional<int> gridLines;  // ListGridLine bits; absent: both in the report view
  bool singleSelect = true;
  std::optional<Argb> textColour;  // absent: the style's text colour
  std::optional<Argb> backColour;  // absent: the style's list back colour
  FontChoice font;  // nothing given: the framework's default font; Font() has the one in use
  std::optional<Argb> borderColour;  // absent: the style's border colour
  // Absent: the window's accent colour (its skin colour) as the style tints it for hot
  // and selected items.
  std::optional<Argb> hotBackColour;
  std::optional<Argb> selectedBackColour;
  // Absent: the text colour.
  std::optional<Argb> hotTextColour;
  std::optional<Argb> selectedTextColour;
  bool hoverSelect = false;
  // Row views: every row this many pixels high, whatever the font; absent: from the font.
  std::optional<int> rowHeight;
  bool visible = true;
};

class UiListBox : public OptionsControl<UiTextControl, ListBoxOptions, ControlType::ListBox> {
 public:
  // Called with the list and the 1-based item.
  using ItemHandler = std::function<void(UiListBox& list, int item)>;

  UiListBox() = default;
  ~UiListBox() override { Destroy(); }

  // --- columns and items ---
  // A column `width` 96-DPI units wide (drawn at the window's scale); answers its
  // 1-based number.
  int AddColumn(Text caption, float width, Gdiplus::StringAlignment alignment = Gdiplus::StringAlignmentNear);
  int ColumnCount() const { return static_cast<int>(columns_.size()); }
  float ColumnWidth(int column) const { return columns_.at(static_cast<std::size_t>(column - 1)).width; }
  // An item whose first column is `text`; answers its number.
  int AddItem(Text text, int value = 0);
  // Puts the item before item `index` (1 .. count + 1); false for other indices.
  bool InsertItem(int index, Text text, int value = 0);
  bool RemoveItem(int index);
  void Clear();
  int ItemCount() const { return static_cast<int>(rows_.size()); }
  bool IsValidItem(int index) const { return index >= 1 && index <= ItemCount(); }
  // Column texts and values by item; an invalid item gives empty text or 0 and takes nothing.
  Text ItemText(int index, int column = 1) const;
  bool SetItemText(int index, int column, Text text);
  int ItemValue(int index) const;
  bool SetItemValue(int index, int value);
  ListRowState ItemState(int index) const;
  // The first item from `start` whose `column` (-1: any column) equals `text`, or with
  // `partial` contains it; 0 when none does.
  int FindItem(std::string_view text, int start = 1, bool partial = false, int column = 1) const;

  // --- selection and scrolling ---
  // Only `index` selected, and current; an invalid index leaves nothing selected.
  void SelectItem(int index);
  int CurrentItem() const { return currentRow_; }
  int HotItem() const { return hotRow_; }
  std::vector<int> SelectedItems() const;
  // Scrolls the item into view when it is not (its row then at the view's bottom).
  void EnsureVisible(int index);
  // Scrolls the least that brings the item into view: its row at the view's top when it
  // lies above, at the bottom when below.
  void RevealItem(int index);
  int ScrollY() const { return scrollY_; }
  VisibleRows Visible() const { return layout_.Visible(scrollY_); }
  const ListBoxLayout& Layout() const { return layout_; }
  int RowHeight() const { return layout_.RowHeight(); }
  const UiScrollBar& VerticalBar() const { return bar_; }

  void SetHoverSelect(bool on) { options_.hoverSelect = on; }
  void SetSingleSelect(bool on) { options_.singleSelect = on; }
  void SetOnItemPress(ItemHandler handler) { onItemPress_ = std::move(handler); }
  void SetOnItemClick(ItemHandler handler) { onItemClick_ = std::move(handler); }
  void SetOnItemRightClick(ItemHandler handler) { onItemRightClick_ = std::move(handler); }

  // --- accessibility: the items as a list's items, choosing one as a click does ---
  int AccessibleItemCount() const override { return ItemCount(); }
  AccessibleItem AccessibleItemAt(int item) const override;
  void DoItemDefaultAction(int item) override;
  void SelectAccessibleItem(int item) override;

  // --- look ---
  void SetTextColour(std::optional<Argb> colour) { StoreAndRepaint(options_.textColour, colour); }
  void SetBackColour(std::optional<Argb> colour) { StoreAndRepaint(options_.backColour, colour); }
  void SetBorderColour(std::optional<Argb> colour) { StoreAndRepaint(options_.borderColour, colour); }
  // The colours as given (absent: derived); ResolvedLook() has what is drawn.
  void SetHotColours(std::optional<Argb> back, std::optional<Argb> text);
  void SetSelectedColours(std::optional<Argb> back, std::optional<Argb> text);
  ListBoxLook ResolvedLook() const;

 protected:
  AccessRole DefaultAccessibleRole() const override { return AccessRole::List; }
  Text DefaultAccessibleName() const override { return NameOfLabelBefore(); }
  int OnCreate() override;
  int OnDestroy() override;
  int OnPaint() override;
  int OnResized(int width, int height) override;
  int OnMouseMove(const PointerInput& pointer) override;
  int OnMouseDown(const PointerInput& pointer) override;
  int OnMouseUp(const PointerInput& pointer) override;
  int OnRightDown(const PointerInput& pointer) override;
  int OnRightUp(const PointerInput& pointer) override;
  int OnMouseLeave(UiControl* next) override;
  int OnMouseWheel(const WheelInput& wheel) override;
  void FontChanged() override { Relayout(); }

 private:
  std::optional<CreateControlOptions> Prepare(const UiStyle& style) override;
  // The report view shows its header unless told not to; the others never do.
  bool HasHeader() const { return options_.view == ListView::Report && !options_.noHeader; }
  // The item's row; `index` must be valid.
  ListRow& Row(int index) { return rows_[static_cast<std::size_t>(index - 1)]; }
  const ListRow& Row(int index) const { return rows_[static_cast<std::size_t>(index - 1)]; }
  // Lays the list out again for its size, font and items, keeps the scroll position in
  // range, places the bar and repaints.
  void Relayout();
  void SetScroll(int scrollY);
  int ItemAt(POINT windowPoint) const;
  // Hover-select: `item` (0: none) becomes the current, selected item.
  void SelectUnderPointer(int item);
  void Press(int item, const PointerInput& pointer);
  void Release(int item, const ItemHandler& handler);
  // Calls `handler` with `item`; false when the handler destroyed the list.
  bool Notify(const ItemHandler& handler, int item);
  void MakeCurrent(int item);
  // Tells screen readers the current item: selected, and focused while the list has the focus.
  void TellCurrent();

  ListBoxLayout layout_;
  TextFormat format_ = TextFormat::Empty();
  std::vector<ListColumn> columns_;
  std::vector<ListRow> rows_;
  int currentRow_ = 0;
  int hotRow_ = 0;
  int scrollY_ = 0;
  UiScrollBar bar_;
  ItemHandler onItemPress_;
  ItemHandler onItemClick_;
  ItemHandler onItemRightClick_;
};

}  // namespace getlink
