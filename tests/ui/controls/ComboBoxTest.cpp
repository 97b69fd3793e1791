// The combo box: its items and selection rules, and its drop-down list opened by mouse and
// keyboard, sized and placed on the screen, chosen from or closed without a choice.
#include <gtest/gtest.h>

#include "tests/ui/controls/PopupInput.h"
#include "tests/ui/framework/window/WindowTestSupport.h"
#include "ui/controls/DropDownPlacement.h"
#include "ui/controls/UiComboBox.h"
#include "ui/controls/UiListBox.h"
#include "ui/framework/window/WindowFunctions.h"

namespace getlink::testing {
namespace {

const std::vector<Text> kServices = {"百度网盘", "360云盘", "腾讯微云", "新浪微盘", "Vdisk", "千脑网盘"};

TEST(DropDownPlacement, HeightFollowsTheItemsUpTo130AndTheListOpensUpwardsNearTheBottom) {
  const std::pair<int, int> heights[] = {{1, 25}, {6, 120}, {7, 130}, {40, 130}, {0, 130}};
  for (const auto& [items, height] : heights) EXPECT_EQ(DropDownHeight(items, DefaultStyle()), height) << items << " items";

  const RECT work = {0, 0, 1280, 1000};
  const RECT host = {100, 200, 550, 520};
  const Rect combo = {20, 50, 150, 24};
  const RECT below = PlaceDropDown(host, combo, 120, work);
  EXPECT_EQ(below.left, 120);
  EXPECT_EQ(below.top, 274);
  EXPECT_EQ(below.right - below.left, 150);
  EXPECT_EQ(below.bottom - below.top, 120);
  const RECT above = PlaceDropDown(host, combo, 120, RECT{0, 0, 1280, 390});
  EXPECT_EQ(above.bottom, 250);  // its bottom meets the combo's top
  EXPECT_EQ(above.top, 130);
}

class ComboBoxTest : public WindowTest {
 protected:
  static constexpr Rect kPlace = {100, 50, 150, 24};

  void SetUp() override {
    WindowTest::SetUp();
    ParkPointer();
  }

  UiComboBox& Combo(const std::vector<Text>& items, std::optional<int> selected = std::nullopt,
                    bool editable = false) {
    combo_ = std::make_unique<UiComboBox>();
    ComboBoxOptions options;
    options.items = items;
    options.selectedIndex = selected;
    options.editable = editable;
    EXPECT_TRUE(combo_->Create(hwnd(), kPlace, options));
    combo_->SetOnDropDown([this](UiComboBox&) { calls.push_back("dropDown"); });
    combo_->SetOnCloseUp([this](UiComboBox&) { calls.push_back("closeUp"); });
    combo_->SetOnSelect([this](UiComboBox&, int index) { calls.push_back("select " + std::to_string(index)); });
    return *combo_;
  }

  // Opens the list with `open` (a click or a key on the box) and runs `action` on it once it
  // is on the screen; false when no list appeared.
  bool WithList(const std::function<void()>& open, const PopupDriver::Action& action) {
    return DrivePopup(L"Zt_LayerUI_Combox", open, action);
  }
  bool ClickOpen(const PopupDriver::Action& action) {
    return WithList([this] { Click(120, 60); }, action);
  }

  static UiListBox& ListOf(HWND popup) {
    return *static_cast<UiListBox*>(UiWindow::FromHwnd(popup)->Controls().front());
  }
  static RECT RectOfWindow(HWND hwnd) {
    RECT r = {};
    GetWindowRect(hwnd, &r);
    return r;
  }
  // Clicks the item as it shows in the list now.
  static void ClickItem(HWND popup, int item) {
    UiListBox& list = ListOf(popup);
    const Rect row = list.Layout().ItemRect(item, list.ScrollY());
    ClickAt(popup, list.Left() + static_cast<int>(row.left + 10),
            list.Top() + static_cast<int>(row.top + row.height / 2));
  }

  std::vector<std::string> calls;

 private:
  std::unique_ptr<UiComboBox> combo_;
};

TEST_F(ComboBoxTest, ANewBoxShowsTheFirstItemAndTheSetterTakesOnlyValidIndicesWithoutOnSelect) {
  UiComboBox& combo = Combo(kServices);
  EXPECT_EQ(combo.SelectedIndex(), 1);
  EXPECT_EQ(combo.GetText(), "百度网盘");
  for (const int invalid : {0, 7, -1}) combo.SetSelectedIndex(invalid);
  EXPECT_EQ(combo.SelectedIndex(), 1);
  combo.SetSelectedIndex(3);
  EXPECT_EQ(combo.SelectedIndex(), 3);
  EXPECT_EQ(combo.GetText(), "腾讯微云");
  EXPECT_TRUE(calls.empty());
  EXPECT_TRUE(combo.SetItemText(3, "微云"));
  EXPECT_EQ(combo.GetText(), "微云");
  EXPECT_FALSE(combo.SetItemData(9, 5));
  EXPECT_EQ(combo.ItemData(2), 0);
  EXPECT_EQ(combo.ItemText(9), "");
  EXPECT_EQ(Combo(kServices, 2).GetText(), "360云盘");
}

TEST_F(ComboBoxTest, InsertingAndRemovingKeepTheSelectionOnItsItem) {
  enum class Op { Insert, Remove, Clear };
  struct Case {
    const char* name;
    int selected;
    std::vector<std::pair<Op, int>> ops;
    int index;
    Text text;
  };
  const Case cases[] = {
      {"removing the selected item selects the one before", 3, {{Op::Remove, 3}}, 2, "360云盘"},
      {"removing the selected first item shows the new first", 1, {{Op::Remove, 1}}, 1, "360云盘"},
      {"removing an item before the selected one", 3, {{Op::Remove, 1}}, 2, "腾讯微云"},
      {"inserting an item before the selected one", 3, {{Op::Insert, 1}}, 4, "腾讯微云"},
      {"inserting after the selected one", 3, {{Op::Insert, 4}, {Op::Insert, 7}}, 3, "腾讯微云"},
      {"inserting past the end does nothing", 3, {{Op::Insert, 9}}, 3, "腾讯微云"},
      {"removing every item leaves no text",
       2,
       {{Op::Remove, 1}, {Op::Remove, 1}, {Op::Remove, 1}, {Op::Remove, 1}, {Op::Remove, 1}, {Op::Remove, 1}},
       1,
       ""},
      {"clearing keeps the index", 4, {{Op::Clear, 0}}, 4, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    UiComboBox& combo = Combo(kServices, c.selected);
    for (const auto& [op, index] : c.ops) {
      if (op == Op::Insert) combo.InsertItem(index, "新项目");
      if (op == Op::Remove) combo.RemoveItem(index);
      if (op == Op::Clear) combo.Clear();
    }
    EXPECT_EQ(combo.SelectedIndex(), c.index);
    EXPECT_EQ(combo.GetText(), c.text);
    if (combo.IsValidIndex(c.index)) {
      EXPECT_EQ(combo.ItemText(c.index), c.text);
    }
  }
}

TEST_F(ComboBoxTest, TheListOpensUnderTheBoxSizedForItsItemsAndAClickChoosesAnItem) {
  struct Case {
    int items;
    int height;
    int choose;
  };
  for (const Case& c : {Case{1, 25, 1}, Case{6, 120, 4}, Case{7, 130, 7}}) {
    SCOPED_TRACE(std::to_string(c.items) + " items");
    std::vector<Text> items(kServices.begin(), kServices.begin() + std::min(c.items, 6));
    if (c.items == 7) items.push_back("第七项");
    UiComboBox& combo = Combo(items);
    calls.clear();
    RECT popupRect = {};
    int selectedInList = 0;
    bool scrolls = false;
    ASSERT_TRUE(ClickOpen([&](HWND popup) {
      popupRect = RectOfWindow(popup);
      selectedInList = ListOf(popup).CurrentItem();
      scrolls = ListOf(popup).VerticalBar().Visible();
      EXPECT_EQ(UiWindow::FromHwnd(popup)->Popup().kind, PopupKind::CloseOnDeactivate);
      EXPECT_TRUE(combo.IsDroppedDown());
      ListOf(popup).EnsureVisible(c.choose);
      ClickItem(popup, c.choose);
    }));
    const RECT host = RectOfWindow(hwnd());
    EXPECT_EQ(popupRect.left, host.left + 100);
    EXPECT_EQ(popupRect.top, host.top + 74);
    EXPECT_EQ(popupRect.right - popupRect.left, 150);
    EXPECT_EQ(popupRect.bottom - popupRect.top, c.height);
    EXPECT_EQ(selectedInList, 1);  // the item shown is selected when the list opens
    EXPECT_EQ(scrolls, c.items > 6);
    EXPECT_FALSE(combo.IsDroppedDown());
    EXPECT_EQ(combo.SelectedIndex(), c.choose);
    EXPECT_EQ(combo.GetText(), items[static_cast<std::size_t>(c.choose - 1)]);
    EXPECT_EQ(calls, (std::vector<std::string>{"dropDown", "closeUp", "select " + std::to_string(c.choose)}));
  }
}

// The list's height and its rows' come from one rule at every scale: six items show whole
// without a scroll bar (at 144 DPI the list was a pixel short of its rows, and its bar
// covered their right edge), a seventh scrolls.
TEST_F(ComboBoxTest, SixItemsShowWithoutAScrollBarAtEveryScale) {
  for (const int dpi : {96, 120, 144, 192}) {
    ChangeDpi(dpi);
    for (const int count : {6, 7}) {
      SCOPED_TRACE(std::to_string(count) + " items at " + std::to_string(dpi) + " DPI");
      std::vector<Text> items = kServices;
      if (count == 7) items.push_back("第七项");
      UiComboBox& combo = Combo(items);
      window().SetFocusControl(&combo, false);
      bool scrolls = false;
      VisibleRows shown = {};
      ASSERT_TRUE(WithList([this] { Key(VK_F4); }, [&](HWND popup) {
        scrolls = ListOf(popup).VerticalBar().Visible();
        shown = ListOf(popup).Visible();
        SendMessageW(popup, WM_KEYDOWN, VK_ESCAPE, 0);
      }));
      EXPECT_EQ(scrolls, count == 7);
      EXPECT_EQ(shown.first, 1);
      EXPECT_EQ(shown.last, 6);  // of seven, the seventh is below
    }
  }
}

TEST_F(ComboBoxTest, ClosingTheListWithoutAChoiceChangesNothing) {
  enum class Way { Escape, OwnerActivated, PressAgain };
  for (const Way way : {Way::Escape, Way::OwnerActivated, Way::PressAgain}) {
    SCOPED_TRACE(static_cast<int>(way));
    UiComboBox& combo = Combo(kServices, 2);
    calls.clear();
    window().SetFocusControl(&combo, false);
    // Opened from the keyboard: Space on the focused box.
    ASSERT_TRUE(
        WithList([this] { Key(VK_SPACE); },
                 [&](HWND popup) {
                   EXPECT_EQ(ListOf(popup).CurrentItem(), 2);
                   const POINT over = {ListOf(popup).Left() + 20, ListOf(popup).Top() + 60};  // hover-selects item 4
                   SendMessageW(popup, WM_MOUSEMOVE, 0, MAKELPARAM(over.x, over.y));
                   EXPECT_NE(ListOf(popup).CurrentItem(), 2);
                   if (way == Way::Escape) SendMessageW(popup, WM_KEYDOWN, VK_ESCAPE, 0);
                   if (way == Way::OwnerActivated) SetForegroundWindow(hwnd());
                   if (way == Way::PressAgain) {
                     SetForegroundWindow(hwnd());
                     ClickAt(hwnd(), 120, 60);  // on the box itself: closes, does not open again
                   }
                 }));
    EXPECT_EQ(combo.SelectedIndex(), 2);
    EXPECT_EQ(combo.GetText(), "360云盘");
    EXPECT_EQ(calls, (std::vector<std::string>{"dropDown", "closeUp"}));
    EXPECT_FALSE(combo.IsDroppedDown());
  }
}

TEST_F(ComboBoxTest, KeysMoveThroughTheOpenListAndStepTheClosedBox) {
  std::vector<Text> items(kServices.begin(), kServices.end());
  for (int n = 7; n <= 12; ++n) items.push_back("第" + std::to_string(n) + "项");
  struct Case {
    const char* name;
    std::vector<WPARAM> keys;
    WPARAM close;
    int index;  // 2 (the start) when nothing was chosen
  };
  // The open list shows six whole rows of twelve.
  const Case cases[] = {
      {"Down twice and Enter", {VK_DOWN, VK_DOWN}, VK_RETURN, 4},
      {"End scrolls to the last item", {VK_END}, VK_RETURN, 12},
      {"a page down, then one up", {VK_NEXT, VK_UP}, VK_RETURN, 7},
      {"Down reaches the last item and stops there", std::vector<WPARAM>(12, VK_DOWN), VK_RETURN, 12},
      {"pages down reach the last item", {VK_NEXT, VK_NEXT, VK_NEXT}, VK_RETURN, 12},
      {"Home after End scrolls back to the top", {VK_END, VK_UP, VK_HOME}, VK_RETURN, 1},
      {"Esc after a move chooses nothing", {VK_DOWN}, VK_ESCAPE, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    UiComboBox& combo = Combo(items, 2);
    calls.clear();
    window().SetFocusControl(&combo, false);
    ASSERT_TRUE(WithList([this] { Key(VK_F4); },
                         [&](HWND popup) {
                           UiListBox& list = ListOf(popup);
                           for (const WPARAM key : c.keys) {
                             SendMessageW(popup, WM_KEYDOWN, key, 0);
                             const VisibleRows shown = list.Visible();
                             EXPECT_TRUE(list.CurrentItem() >= shown.first && list.CurrentItem() <= shown.last)
                                 << "item " << list.CurrentItem() << " out of view after key " << key;
                           }
                           SendMessageW(popup, WM_KEYDOWN, c.close, 0);
                         }));
    EXPECT_EQ(combo.SelectedIndex(), c.index);
    EXPECT_EQ(combo.GetText(), items[static_cast<std::size_t>(c.index - 1)]);
    std::vector<std::string> expected = {"dropDown", "closeUp"};
    if (c.close == VK_RETURN) expected.push_back("select " + std::to_string(c.index));
    EXPECT_EQ(calls, expected);
  }

  // Closed, the arrows and Home/End choose without opening the list; nothing past the ends.
  UiComboBox& combo = Combo(items, 2);
  calls.clear();
  window().SetFocusControl(&combo, false);
  for (const WPARAM key : {VK_UP, VK_UP, VK_END, VK_DOWN, VK_HOME}) Key(key);
  EXPECT_EQ(calls, (std::vector<std::string>{"select 1", "select 12", "select 1"}));
  EXPECT_EQ(combo.GetText(), "百度网盘");
  EXPECT_FALSE(combo.IsDroppedDown());
}

TEST_F(ComboBoxTest, TheFrameIsHotFromAnEnteringOrGainingToTheNextLeavingOrLosing) {
  UiComboBox& combo = Combo(kServices, 1);
  RecordingControl other;
  ASSERT_TRUE(other.Create(hwnd(), {100, 150, 130, 24}));
  const auto hot = [this, &combo] { return BlueOf(SurfaceOf(combo).PixelAt(0, 12)) > 200; };
  window().SetFocusControl(&combo, false);
  EXPECT_TRUE(hot());
  MouseMove(150, 60);
  MouseMove(150, 250);  // the pointer leaves: normal, though the box keeps the focus
  EXPECT_TRUE(combo.IsFocused());
  EXPECT_FALSE(hot());
  MouseMove(150, 60);
  EXPECT_TRUE(hot());
  window().SetFocusControl(&other, false);  // the focus goes: normal, though the pointer stays
  EXPECT_FALSE(hot());
}

TEST_F(ComboBoxTest, AnEditableBoxKeepsItsTextInItsEditAndIsHotAndFocusedWithIt) {
  UiComboBox& combo = Combo(kServices, 2, true);
  UiEdit* edit = combo.InnerEdit();
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(edit->GetText(), "360云盘");
  EXPECT_EQ(edit->PixelRect(), (Rect{102, 54, 126, 16}));
  // The frame's left edge: blue while hot, grey otherwise.
  const auto hot = [this, &combo] { return BlueOf(SurfaceOf(combo).PixelAt(0, 12)) > 200; };
  const struct {
    POINT to;
    bool hot;
  } moves[] = {{{150, 60}, true}, {{240, 60}, true}, {{150, 60}, true}, {{150, 200}, false}};
  for (const auto& move : moves) {
    MouseMove(move.to.x, move.to.y);
    EXPECT_EQ(hot(), move.hot) << "at " << move.to.x << ", " << move.to.y;
  }

  // Focus given to the edit itself (a click in it) or to the box (as Tab would) is the box's.
  window().SetFocusControl(edit, false);
  EXPECT_TRUE(hot());
  window().SetFocusControl(&combo, false);
  EXPECT_EQ(window().Focused(), edit);
  EXPECT_TRUE(combo.IsFocused());
  EXPECT_TRUE(hot());
  int changes = 0;
  combo.SetOnEditChange([&changes](UiControl* parent, UiEdit&) {
    EXPECT_NE(parent, nullptr);
    ++changes;
  });
  SendMessageW(hwnd(), WM_CHAR, 'X', 0);
  Pump();
  EXPECT_EQ(combo.GetText(), "X360云盘");
  EXPECT_EQ(changes, 1);

  ASSERT_TRUE(WithList([this] { Click(240, 60); }, [](HWND popup) {
    EXPECT_EQ(ListOf(popup).CurrentItem(), 0);  // the typed text is no item
    ClickItem(popup, 5);
  }));
  EXPECT_EQ(combo.SelectedIndex(), 5);
  EXPECT_EQ(edit->GetText(), "Vdisk");
  EXPECT_EQ(combo.GetText(), "Vdisk");
}

TEST_F(ComboBoxTest, NearTheBottomOfTheWorkAreaTheListOpensAboveTheBox) {
  const RECT work = DesktopWorkArea();
  SetWindowPos(hwnd(), nullptr, 40, work.bottom - 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  Pump();
  Combo(kServices);
  RECT popupRect = {};
  ASSERT_TRUE(ClickOpen([&](HWND popup) {
    popupRect = RectOfWindow(popup);
    SendMessageW(popup, WM_KEYDOWN, VK_ESCAPE, 0);
  }));
  EXPECT_EQ(popupRect.bottom, RectOfWindow(hwnd()).top + 50);
  EXPECT_EQ(popupRect.bottom - popupRect.top, 120);
}

}  // namespace
}  // namespace getlink::testing
