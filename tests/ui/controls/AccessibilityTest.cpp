// What a screen reader finds in a framework window, read as one reads it: through
// AccessibleObjectFromWindow (the window's WM_GETOBJECT), the objects' IAccessible calls
// and the events NotifyWinEvent sends (heard with SetWinEventHook).
#include <gtest/gtest.h>
#include <windows.h>
#include <oleacc.h>

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "http/BString.h"
#include "http/ComApartment.h"
#include "runtime/ComPtr.h"
#include "runtime/WinHandles.h"
#include "tests/ui/controls/PopupInput.h"
#include "tests/ui/framework/window/WindowTestSupport.h"
#include "ui/controls/UiComboBox.h"
#include "ui/controls/UiEdit.h"
#include "ui/controls/UiGroupBox.h"
#include "ui/controls/UiLabel.h"
#include "ui/controls/UiListBox.h"
#include "ui/controls/UiMessageBox.h"
#include "ui/framework/controls/UiButton.h"
#include "ui/framework/controls/UiCaptionButton.h"

namespace getlink::testing {
namespace {

VARIANT Self(long id = CHILDID_SELF) {
  VARIANT child;
  VariantInit(&child);
  child.vt = VT_I4;
  child.lVal = id;
  return child;
}

// What a screen reader reads of one object.
struct Reading {
  long role = 0;
  Text name;
  Text value;
  long states = 0;
  Text shortcut;
  Text action;
};

Reading Read(IAccessible* object, long id = CHILDID_SELF) {
  Reading reading;
  VARIANT result;
  if (SUCCEEDED(object->get_accRole(Self(id), &result)) && result.vt == VT_I4) reading.role = result.lVal;
  if (SUCCEEDED(object->get_accState(Self(id), &result)) && result.vt == VT_I4) reading.states = result.lVal;
  BString text;
  if (SUCCEEDED(object->get_accName(Self(id), text.Put()))) reading.name = text.ToText();
  if (SUCCEEDED(object->get_accValue(Self(id), text.Put()))) reading.value = text.ToText();
  if (SUCCEEDED(object->get_accKeyboardShortcut(Self(id), text.Put()))) reading.shortcut = text.ToText();
  if (SUCCEEDED(object->get_accDefaultAction(Self(id), text.Put()))) reading.action = text.ToText();
  return reading;
}

// The children as AccessibleChildren hands them out: objects as IAccessible, simple
// elements (VT_I4) left empty.
std::vector<ComPtr<IAccessible>> Children(IAccessible* parent) {
  long count = 0;
  parent->get_accChildCount(&count);
  std::vector<VARIANT> slots(static_cast<std::size_t>(count));
  long got = 0;
  std::vector<ComPtr<IAccessible>> children;
  if (count == 0 || FAILED(AccessibleChildren(parent, 0, count, slots.data(), &got))) return children;
  for (long i = 0; i < got; ++i) {
    ComPtr<IAccessible> child;
    if (slots[i].vt == VT_DISPATCH && slots[i].pdispVal != nullptr)
      slots[i].pdispVal->QueryInterface(IID_IAccessible, reinterpret_cast<void**>(child.Put()));
    VariantClear(&slots[i]);
    children.push_back(std::move(child));
  }
  return children;
}

// What a client finds in an answer that names a child (accHitTest, get_accFocus): an
// object's name, "#n" for child id n of the object asked (#0: the object itself), or ""
// for nothing.
Text Named(HRESULT answer, VARIANT& found) {
  if (answer != S_OK) return Text();
  if (found.vt == VT_I4) return "#" + std::to_string(found.lVal);
  if (found.vt != VT_DISPATCH || found.pdispVal == nullptr) return Text();
  const ComPtr<IDispatch> object(found.pdispVal);
  return Read(object.Query<IAccessible>(IID_IAccessible).Get()).name;
}

// What NotifyWinEvent said, as an out-of-context hook hears it while the thread pumps.
struct HeardEvent {
  DWORD event;
  HWND hwnd;
  LONG object;
  LONG child;
};
std::vector<HeardEvent> gHeard;

void CALLBACK Hear(HWINEVENTHOOK, DWORD event, HWND hwnd, LONG object, LONG child, DWORD, DWORD) {
  gHeard.push_back({event, hwnd, object, child});
}

class AccessibilityTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    gHeard.clear();
    hook_ = SetWinEventHook(EVENT_MIN, EVENT_MAX, nullptr, Hear, GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
  }
  void TearDown() override {
    UnhookWinEvent(hook_);
    WindowTest::TearDown();
  }
  // The child id of the last focus event in `hwnd`'s client area that named no control
  // (an item's), or 0.
  static LONG FocusedItem(HWND hwnd) {
    for (auto it = gHeard.rbegin(); it != gHeard.rend(); ++it)
      if (it->event == EVENT_OBJECT_FOCUS && it->hwnd == hwnd && it->object == OBJID_CLIENT && it->child < -0x40000000)
        return it->child;
    return 0;
  }
  // Whether the hook heard `event` about the object `child` of `hwnd`'s client area.
  static bool Heard(DWORD event, HWND hwnd, LONG child) {
    return std::any_of(gHeard.begin(), gHeard.end(), [&](const HeardEvent& e) {
      return e.event == event && e.hwnd == hwnd && e.object == OBJID_CLIENT && e.child == child;
    });
  }

  ComPtr<IAccessible> Root() {
    ComPtr<IAccessible> root;
    AccessibleObjectFromWindow(hwnd(), OBJID_CLIENT, IID_IAccessible, reinterpret_cast<void**>(root.Put()));
    return root;
  }
  // The object of the control with `id` (UiControl::AccessibleId), as an event's
  // receiver finds it.
  ComPtr<IAccessible> FromEvent(LONG id) {
    ComPtr<IAccessible> object;
    VARIANT child;
    AccessibleObjectFromEvent(hwnd(), OBJID_CLIENT, id, object.Put(), &child);
    return object;
  }

  bool MakeLabel(UiLabel& label, const char* text, const Rect& rect) {
    LabelOptions options;
    options.text = text;
    return label.Create(hwnd(), rect, options);
  }
  bool MakeButton(UiButton& button, const char* text, const Rect& rect) {
    ButtonOptions options;
    options.caption = text;
    return button.Create(hwnd(), rect, options);
  }
  // A list of three rows: 一, 二, 三.
  bool MakeList(UiListBox& list, const Rect& rect) {
    if (!list.Create(hwnd(), rect, ListBoxOptions{})) return false;
    for (const char* item : {"一", "二", "三"}) list.AddItem(item);
    return true;
  }

  ComApartment com_;
  HWINEVENTHOOK hook_ = nullptr;
};

TEST_F(AccessibilityTest, EveryControlSaysItsRoleNameValueAndStates) {
  UiLabel label, latin, serviceLabel;
  ASSERT_TRUE(MakeLabel(label, "分享\r\n链接", {20, 60, 80, 40}));
  ASSERT_TRUE(MakeLabel(latin, "two\r\nlines", {20, 200, 80, 40}));
  latin.ZOrder(UiControl::ZPosition::Bottom);  // not between the link box and its label
  UiEdit link;
  EditOptions linkText;
  linkText.text = "http://pan.baidu.com/s/1";
  ASSERT_TRUE(link.Create(hwnd(), {100, 60, 200, 24}, linkText));
  UiButton fetch;
  ButtonOptions caption;
  caption.caption = "获取(&G)";
  ASSERT_TRUE(fetch.Create(hwnd(), {310, 60, 80, 24}, caption));
  UiButton off;
  caption.caption = "停止";
  ASSERT_TRUE(off.Create(hwnd(), {310, 90, 80, 24}, caption));
  off.SetDisabled(true);
  UiEdit secret;
  EditOptions password;
  password.text = "hidden";
  password.inputMode = EditInputMode::Password;
  ASSERT_TRUE(secret.Create(hwnd(), {100, 90, 200, 24}, password));
  secret.SetAccessibleName("提取码");
  UiEdit result;
  EditOptions readOnly;
  readOnly.text = "结果";
  readOnly.inputMode = EditInputMode::ReadOnly;
  ASSERT_TRUE(result.Create(hwnd(), {100, 120, 200, 24}, readOnly));
  result.SetAccessibleName("获取结果");
  ASSERT_TRUE(MakeLabel(serviceLabel, "网盘", {20, 150, 60, 24}));
  UiComboBox services;
  ComboBoxOptions items;
  items.items = {"百度网盘", "360云盘"};
  ASSERT_TRUE(services.Create(hwnd(), {100, 150, 120, 24}, items));
  UiListBox list;
  ASSERT_TRUE(list.Create(hwnd(), {240, 150, 120, 60}, ListBoxOptions{}));
  list.SetAccessibleName("文件");
  UiGroupBox strip;
  ASSERT_TRUE(strip.Create(hwnd(), {0, 280, 450, 40}, GroupBoxOptions{}));
  strip.SetAccessibleRole(AccessRole::StatusBar);
  strip.SetAccessibleName("状态");
  window().SetFocusControl(&link, true);

  const ComPtr<IAccessible> root = Root();
  ASSERT_TRUE(root);
  struct Case {
    UiControl* control;
    long role;
    const char* name;
    const char* value;
    long hasStates;
    long lacksStates;
    const char* shortcut;
    const char* action;
  };
  const Case cases[] = {
      {&label, ROLE_SYSTEM_STATICTEXT, "分享链接", "", 0, STATE_SYSTEM_FOCUSABLE, "", ""},
      {&latin, ROLE_SYSTEM_STATICTEXT, "two lines", "", 0, STATE_SYSTEM_FOCUSABLE, "", ""},
      {&link, ROLE_SYSTEM_TEXT, "分享链接", "http://pan.baidu.com/s/1", STATE_SYSTEM_FOCUSED | STATE_SYSTEM_FOCUSABLE,
       STATE_SYSTEM_READONLY | STATE_SYSTEM_PROTECTED, "", ""},
      {&fetch, ROLE_SYSTEM_PUSHBUTTON, "获取(G)", "", STATE_SYSTEM_FOCUSABLE, STATE_SYSTEM_FOCUSED | STATE_SYSTEM_UNAVAILABLE,
       "Alt+G", "按下"},
      {&off, ROLE_SYSTEM_PUSHBUTTON, "停止", "", STATE_SYSTEM_UNAVAILABLE, STATE_SYSTEM_FOCUSABLE, "", "按下"},
      {&secret, ROLE_SYSTEM_TEXT, "提取码", "", STATE_SYSTEM_PROTECTED, STATE_SYSTEM_READONLY, "", ""},
      {&result, ROLE_SYSTEM_TEXT, "获取结果", "结果", STATE_SYSTEM_READONLY, STATE_SYSTEM_PROTECTED, "", ""},
      {&services, ROLE_SYSTEM_COMBOBOX, "网盘", "百度网盘", STATE_SYSTEM_COLLAPSED | STATE_SYSTEM_FOCUSABLE,
       STATE_SYSTEM_EXPANDED, "", "打开"},
      {&list, ROLE_SYSTEM_LIST, "文件", "", STATE_SYSTEM_FOCUSABLE, STATE_SYSTEM_INVISIBLE, "", ""},
      {&strip, ROLE_SYSTEM_STATUSBAR, "状态", "", 0, STATE_SYSTEM_INVISIBLE, "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const ComPtr<IAccessible> object = FromEvent(c.control->AccessibleId());
    ASSERT_TRUE(object);
    const Reading reading = Read(object.Get());
    EXPECT_EQ(reading.role, c.role);
    EXPECT_EQ(reading.name, c.name);
    EXPECT_EQ(reading.value, c.value);
    EXPECT_EQ(reading.states & c.hasStates, c.hasStates);
    EXPECT_EQ(reading.states & c.lacksStates, 0);
    EXPECT_EQ(reading.shortcut, c.shortcut);
    EXPECT_EQ(reading.action, c.action);
    long left = 0, top = 0, width = 0, height = 0;
    ASSERT_EQ(object->accLocation(&left, &top, &width, &height, Self()), S_OK);
    POINT corner = {c.control->Left(), c.control->Top()};
    ClientToScreen(hwnd(), &corner);
    EXPECT_EQ(left, corner.x);
    EXPECT_EQ(top, corner.y);
    EXPECT_EQ(width, c.control->Width());
    EXPECT_EQ(height, c.control->Height());
    // What lies under the middle of the control is the control.
    VARIANT hit;
    ASSERT_EQ(root->accHitTest(left + width / 2, top + height / 2, &hit), S_OK);
    ASSERT_EQ(hit.vt, VT_DISPATCH);
    ComPtr<IDispatch> owned(hit.pdispVal);
    EXPECT_EQ(Read(owned.Query<IAccessible>(IID_IAccessible).Get()).name, c.name);
  }
  // The focus is on the link box, and the root says so.
  VARIANT focused;
  ASSERT_EQ(root->get_accFocus(&focused), S_OK);
  ASSERT_EQ(focused.vt, VT_DISPATCH);
  ComPtr<IDispatch> focusedObject(focused.pdispVal);
  EXPECT_EQ(Read(focusedObject.Query<IAccessible>(IID_IAccessible).Get()).value, "http://pan.baidu.com/s/1");
}

// A control's and a row's last column and last line are theirs and the next ones are not;
// the caption buttons lie above a title the application laid over the caption row after
// them (as the main window does), for a screen reader as for the mouse.
TEST_F(AccessibilityTest, AHitEndsAtTheLastPixelAndFindsTheCaptionButtonsAboveATitle) {
  UiLabel title;
  ASSERT_TRUE(MakeLabel(title, "标题", {10, 8, kWidth - 40.f, 24}));
  UiButton fetch;
  ASSERT_TRUE(MakeButton(fetch, "获取", {100, 60, 80, 24}));
  UiListBox list;
  ASSERT_TRUE(MakeList(list, {240, 60, 120, 100}));
  window().Flush();
  const ComPtr<IAccessible> root = Root();
  const ComPtr<IAccessible> rows = FromEvent(list.AccessibleId());
  ASSERT_TRUE(root && rows);
  const Rect row = list.Layout().ItemRect(1, 0);
  const Text row1 = "#" + std::to_string(list.Children().size() + 1);  // the rows follow the scroll bars
  const Text row2 = "#" + std::to_string(list.Children().size() + 2);
  const LONG rowTop = 60 + static_cast<LONG>(row.top), rowBottom = 60 + static_cast<LONG>(row.Bottom());
  const LONG rowRight = 240 + static_cast<LONG>(row.Right());
  const Rect minimise = window().CaptionButtons().at(1)->PixelRect();
  struct Case {
    const char* name;
    IAccessible* asked;
    POINT at;  // client pixels
    Text hit;
  };
  const Case cases[] = {
      {"the button's last column", root.Get(), {179, 70}, "获取"},
      {"right of the button", root.Get(), {180, 70}, "#0"},
      {"the button's last line", root.Get(), {140, 83}, "获取"},
      {"below the button", root.Get(), {140, 84}, "#0"},
      {"the first row's last line", rows.Get(), {260, rowBottom - 1}, row1},
      {"the second row's first line", rows.Get(), {260, rowBottom}, row2},
      {"the first row's last column", rows.Get(), {rowRight - 1, rowTop + 2}, row1},
      {"right of the first row, on the list's frame", rows.Get(), {rowRight, rowTop + 2}, "#0"},
      {"the list's last column", rows.Get(), {359, rowTop + 2}, "#0"},
      {"right of the list", rows.Get(), {360, rowTop + 2}, ""},
      {"the minimise button under the title", root.Get(),
       {static_cast<LONG>(minimise.left) + 4, static_cast<LONG>(minimise.top) + 4}, "最小化"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    POINT screen = c.at;
    ClientToScreen(hwnd(), &screen);
    VARIANT hit;
    const HRESULT answer = c.asked->accHitTest(screen.x, screen.y, &hit);
    EXPECT_EQ(Named(answer, hit), c.hit);
  }
}

// The window's object is focused only while the window has the system's focus and none of
// its controls holds it, and get_accFocus names what is.
TEST_F(AccessibilityTest, TheWindowReadsAsFocusedOnlyWhileNoControlIs) {
  UiButton fetch;
  ASSERT_TRUE(MakeButton(fetch, "获取", {100, 60, 80, 24}));
  const UniqueWindow other(CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 600, 500, 40, 40, nullptr,
                                           nullptr, GetModuleHandleW(nullptr), nullptr));
  const ComPtr<IAccessible> root = Root();
  const ComPtr<IAccessible> button = FromEvent(fetch.AccessibleId());
  ASSERT_TRUE(root && button);
  struct Case {
    const char* name;
    std::function<void()> arrange;
    bool windowFocused, buttonFocused;
    Text focus;  // what the window's object says has the focus
  };
  const Case cases[] = {
      {"no control focused", [&] { SetForegroundWindow(hwnd()); }, true, false, "#0"},
      {"the button focused", [&] { window().SetFocusControl(&fetch, true); }, false, true, "获取"},
      {"another window focused", [&] { SetForegroundWindow(other.get()); }, false, false, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    c.arrange();
    Pump();
    EXPECT_EQ((Read(root.Get()).states & STATE_SYSTEM_FOCUSED) != 0, c.windowFocused);
    EXPECT_EQ((Read(button.Get()).states & STATE_SYSTEM_FOCUSED) != 0, c.buttonFocused);
    VARIANT focused;
    const HRESULT answer = root->get_accFocus(&focused);
    EXPECT_EQ(Named(answer, focused), c.focus);
  }
  SetForegroundWindow(hwnd());
}

// A screen reader points at what is drawn: at 144 DPI places are read in the window's
// pixels (a control placed in 96-DPI units, a list's rows), and a point there hits them.
TEST_F(AccessibilityTest, AtAnotherScaleObjectsAreWhereTheyAreDrawn) {
  RECT suggested = {0, 0, kWidth * 3 / 2, kHeight * 3 / 2};
  SendMessageW(hwnd(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
  UiButton fetch;
  ASSERT_TRUE(MakeButton(fetch, "获取", {20, 20, 80, 24}));
  UiListBox list;
  ASSERT_TRUE(MakeList(list, {120, 20, 120, 120}));
  window().Flush();
  const auto onScreen = [&](const Rect& r) {
    POINT corner = {static_cast<LONG>(r.left), static_cast<LONG>(r.top)};
    ClientToScreen(hwnd(), &corner);
    return RECT{corner.x, corner.y, corner.x + static_cast<LONG>(r.width), corner.y + static_cast<LONG>(r.height)};
  };
  const auto located = [](IAccessible* object, long id) {
    long left = 0, top = 0, width = 0, height = 0;
    object->accLocation(&left, &top, &width, &height, Self(id));
    return RECT{left, top, left + width, top + height};
  };
  const ComPtr<IAccessible> button = FromEvent(fetch.AccessibleId());
  const ComPtr<IAccessible> rows = FromEvent(list.AccessibleId());
  ASSERT_TRUE(button && rows);
  const RECT buttonAt = located(button.Get(), CHILDID_SELF), buttonDrawn = onScreen(fetch.PixelRect());
  EXPECT_TRUE(EqualRect(&buttonAt, &buttonDrawn));
  EXPECT_EQ(buttonAt.right - buttonAt.left, 120);  // 80 units
  const Rect row = list.Layout().ItemRect(1, 0);
  const Text row1 = "#" + std::to_string(list.Children().size() + 1);  // the rows follow the scroll bars
  const Text row2 = "#" + std::to_string(list.Children().size() + 2);
  const Rect drawn = RectOf(list.PixelRect().left + row.left, list.PixelRect().top + row.top, row.width, row.height);
  const RECT second = located(rows.Get(), 2);  // child ids count from 1
  const RECT secondDrawn = onScreen(drawn);
  EXPECT_TRUE(EqualRect(&second, &secondDrawn));
  VARIANT hit;
  ASSERT_EQ(rows->accHitTest((second.left + second.right) / 2, (second.top + second.bottom) / 2, &hit), S_OK);
  ASSERT_EQ(hit.vt, VT_I4);
  EXPECT_EQ(hit.lVal, 2);
}

TEST_F(AccessibilityTest, TheRootHoldsTheControlsInTabOrderNestedAsTheyAre) {
  UiLabel label;
  ASSERT_TRUE(MakeLabel(label, "链接", {20, 60, 80, 24}));
  UiEdit box;
  EditOptions lines;
  lines.multiLine = true;
  ASSERT_TRUE(box.Create(hwnd(), {100, 60, 200, 80}, lines));
  UiButton first, second;
  ButtonOptions caption;
  caption.caption = "一";
  ASSERT_TRUE(first.Create(hwnd(), {20, 160, 80, 24}, caption));
  caption.caption = "二";
  ASSERT_TRUE(second.Create(hwnd(), {120, 160, 80, 24}, caption));
  second.ZOrder(UiControl::ZPosition::Bottom);  // now the first control Tab visits

  const ComPtr<IAccessible> root = Root();
  ASSERT_TRUE(root);
  std::vector<Text> names;
  for (const ComPtr<IAccessible>& child : Children(root.Get())) names.push_back(child ? Read(child.Get()).name : "?");
  // The caption row's controls (on the window before these) and then, as Tab goes.
  ASSERT_GE(names.size(), 4u);
  EXPECT_EQ(names.front(), "二");
  EXPECT_EQ(std::vector<Text>(names.end() - 3, names.end()), (std::vector<Text>{"链接", "链接", "一"}));
  // Navigation walks the same order.
  VARIANT found;
  ASSERT_EQ(root->accNavigate(NAVDIR_FIRSTCHILD, Self(), &found), S_OK);
  ASSERT_EQ(found.vt, VT_DISPATCH);
  const ComPtr<IAccessible> firstChild = ComPtr<IDispatch>(found.pdispVal).Query<IAccessible>(IID_IAccessible);
  EXPECT_EQ(Read(firstChild.Get()).name, "二");
  ASSERT_EQ(firstChild->accNavigate(NAVDIR_NEXT, Self(), &found), S_OK);
  ASSERT_EQ(found.vt, VT_DISPATCH);
  EXPECT_EQ(Read(ComPtr<IDispatch>(found.pdispVal).Query<IAccessible>(IID_IAccessible).Get()).name, names[1]);
  ASSERT_EQ(root->accNavigate(NAVDIR_LASTCHILD, Self(), &found), S_OK);
  EXPECT_EQ(Read(ComPtr<IDispatch>(found.pdispVal).Query<IAccessible>(IID_IAccessible).Get()).name, "一");
  // Tab from the box goes to the next control in the same order.
  window().SetFocusControl(&box, true);
  Key(VK_TAB);
  EXPECT_EQ(Read(root.Get(), static_cast<long>(names.size())).name, "一");
  EXPECT_TRUE(first.IsFocused());

  // The edit box's two scroll bars are its children.
  const std::vector<ComPtr<IAccessible>> bars = Children(FromEvent(box.AccessibleId()).Get());
  ASSERT_EQ(bars.size(), 2u);
  for (const ComPtr<IAccessible>& bar : bars) EXPECT_EQ(Read(bar.Get()).role, ROLE_SYSTEM_SCROLLBAR);
}

// A client acts as the user would, and only where the user could: a default action is
// posted (run after the call, as it may open a modal loop), a value is typed as one undo
// step. While a control is disabled, or its window waits behind a message box (whose loop
// drops the window's mouse and keys), pressing, giving a value, taking the focus and
// choosing an item are refused and change nothing, and what they would act on reads as
// unavailable. An action asked for just before the box opened arrives inside the box's
// loop and is dropped there.
TEST_F(AccessibilityTest, AClientActsAsTheUserWouldAndOnlyWhereTheUserCould) {
  UiButton fetch;
  ASSERT_TRUE(MakeButton(fetch, "获取", {20, 60, 80, 24}));
  int clicks = 0;
  window().BindEvent(EventCode::EvClick, [&clicks](UiControl*, const ControlEvent&) { ++clicks; });
  UiEdit link;
  ASSERT_TRUE(link.Create(hwnd(), {110, 60, 200, 24}, EditOptions{}));
  UiListBox list;
  ASSERT_TRUE(MakeList(list, {20, 100, 120, 80}));
  UiComboBox services;
  ComboBoxOptions items;
  items.items = {"百度网盘", "360云盘", "腾讯微云"};
  ASSERT_TRUE(services.Create(hwnd(), {160, 100, 120, 24}, items));
  const ComPtr<IAccessible> root = Root();
  const ComPtr<IAccessible> button = FromEvent(fetch.AccessibleId());
  const ComPtr<IAccessible> box = FromEvent(link.AccessibleId());
  const ComPtr<IAccessible> rows = FromEvent(list.AccessibleId());
  const ComPtr<IAccessible> combo = FromEvent(services.AccessibleId());
  ASSERT_TRUE(root && button && box && rows && combo);
  const std::vector<ComPtr<IAccessible>> comboChildren = Children(combo.Get());
  ASSERT_EQ(comboChildren.size(), 1u);
  IAccessible* const choices = comboChildren.front().Get();
  const BString address = BString::FromText("http://yunpan.cn/abc");
  const BString service = BString::FromText("360云盘");
  const long row1 = static_cast<long>(list.Children().size()) + 1;  // the rows follow the list's scroll bars

  struct Action {
    const char* name;
    bool posted;
    std::function<HRESULT()> act;
    std::function<bool()> done;  // what the user would see once it is done
  };
  const Action actions[] = {
      {"press the button", true, [&] { return button->accDoDefaultAction(Self()); }, [&] { return clicks == 1; }},
      {"give the link box a value", false, [&] { return box->put_accValue(Self(), address.Get()); },
       [&] { return link.GetText() == "http://yunpan.cn/abc" && link.CanUndo(); }},
      {"focus the link box", false, [&] { return box->accSelect(SELFLAG_TAKEFOCUS, Self()); },
       [&] { return link.IsFocused(); }},
      {"take the list's second item", false, [&] { return rows->accSelect(SELFLAG_TAKESELECTION, Self(row1 + 1)); },
       [&] { return list.CurrentItem() == 2; }},
      {"the list's third item's action", true, [&] { return rows->accDoDefaultAction(Self(row1 + 2)); },
       [&] { return list.CurrentItem() == 3; }},
      {"give the combo box a value", false, [&] { return combo->put_accValue(Self(), service.Get()); },
       [&] { return services.SelectedIndex() == 2; }},
      {"take the combo box's second item", false,
       [&] { return choices->accSelect(SELFLAG_TAKESELECTION, Self(2)); }, [&] { return services.SelectedIndex() == 2; }},
      {"the combo box's third item's action", true, [&] { return choices->accDoDefaultAction(Self(3)); },
       [&] { return services.SelectedIndex() == 3; }},
  };
  const auto reset = [&] {
    clicks = 0;
    link.SetText("");
    window().SetFocusControl(&fetch, false);
    list.SelectItem(1);
    services.SetSelectedIndex(1);
    Pump();
  };
  // Each action refused, and nothing changed.
  const auto refused = [&](const char* when) {
    for (const Action& action : actions) {
      SCOPED_TRACE(std::string(when) + ": " + action.name);
      reset();
      EXPECT_EQ(action.act(), E_ACCESSDENIED);
      Pump(50);
      EXPECT_FALSE(action.done());
    }
    for (IAccessible* object : {button.Get(), box.Get(), rows.Get(), combo.Get()})
      EXPECT_NE(Read(object).states & STATE_SYSTEM_UNAVAILABLE, 0) << when;
    EXPECT_NE(Read(rows.Get(), row1).states & STATE_SYSTEM_UNAVAILABLE, 0) << when;
  };

  for (UiControl* control : std::initializer_list<UiControl*>{&fetch, &link, &list, &services}) control->SetDisabled(true);
  refused("disabled");
  for (UiControl* control : std::initializer_list<UiControl*>{&fetch, &link, &list, &services}) control->SetDisabled(false);
  EXPECT_EQ(Read(root.Get()).states & STATE_SYSTEM_UNAVAILABLE, 0);

  long rootBehind = 0;
  MessageBoxOptions ask;
  ask.beep = false;
  reset();
  // Asked for now, they arrive once the box is open.
  ASSERT_EQ(button->accDoDefaultAction(Self()), S_OK);
  ASSERT_EQ(rows->accDoDefaultAction(Self(row1 + 2)), S_OK);
  ASSERT_TRUE(DrivePopup(L"提示：", [&] { ShowMessageBox(hwnd(), "确定吗？", ask); }, [&](HWND popup) {
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(list.CurrentItem(), 1);
    rootBehind = Read(root.Get()).states;
    refused("behind a message box");
    PressKey(popup, VK_ESCAPE);
  }));
  EXPECT_NE(rootBehind & STATE_SYSTEM_UNAVAILABLE, 0);
  Pump();
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(list.CurrentItem(), 1);

  // The box gone, every action is the user's again.
  for (const Action& action : actions) {
    SCOPED_TRACE(action.name);
    reset();
    EXPECT_EQ(action.act(), S_OK);
    EXPECT_EQ(action.done(), !action.posted);
    EXPECT_TRUE(PumpUntil(action.done));
  }
  EXPECT_EQ(Read(root.Get()).states & STATE_SYSTEM_UNAVAILABLE, 0);
}

TEST_F(AccessibilityTest, ObjectsOfGoneControlsAndWindowsAreDisconnected) {
  ComPtr<IAccessible> held;
  {
    UiButton button;
    ASSERT_TRUE(button.Create(hwnd(), {20, 60, 80, 24}, ButtonOptions{}));
    held = FromEvent(button.AccessibleId());
    ASSERT_TRUE(held);
  }
  BString name;
  EXPECT_EQ(held->get_accName(Self(), name.Put()), CO_E_OBJNOTCONNECTED);
  EXPECT_EQ(held->accDoDefaultAction(Self()), CO_E_OBJNOTCONNECTED);

  const ComPtr<IAccessible> root = Root();
  ASSERT_TRUE(root);
  Reopen(DefaultOptions());  // the old window is destroyed
  long count = 0;
  EXPECT_EQ(root->get_accChildCount(&count), CO_E_OBJNOTCONNECTED);
}

TEST_F(AccessibilityTest, ComboBoxHoldsItsItemsInAListAndChoosesAsTheUserDoes) {
  UiComboBox services;
  ComboBoxOptions items;
  items.items = {"百度网盘", "360云盘", "腾讯微云"};
  ASSERT_TRUE(services.Create(hwnd(), {100, 60, 120, 24}, items));
  std::vector<int> chosen;
  services.SetOnSelect([&chosen](UiComboBox&, int index) { chosen.push_back(index); });
  const ComPtr<IAccessible> combo = FromEvent(services.AccessibleId());
  ASSERT_TRUE(combo);

  // Closed, the list is there but not shown, its items with it.
  const std::vector<ComPtr<IAccessible>> children = Children(combo.Get());
  ASSERT_EQ(children.size(), 1u);
  const ComPtr<IAccessible>& list = children.front();
  EXPECT_EQ(Read(list.Get()).role, ROLE_SYSTEM_LIST);
  EXPECT_NE(Read(list.Get()).states & STATE_SYSTEM_INVISIBLE, 0);
  long count = 0;
  ASSERT_EQ(list->get_accChildCount(&count), S_OK);
  ASSERT_EQ(count, 3);
  const Reading second = Read(list.Get(), 2);
  EXPECT_EQ(second.role, ROLE_SYSTEM_LISTITEM);
  EXPECT_EQ(second.name, "360云盘");
  EXPECT_NE(Read(list.Get(), 1).states & STATE_SYSTEM_SELECTED, 0);
  EXPECT_EQ(second.states & STATE_SYSTEM_SELECTED, 0);

  // A value that is an item's caption chooses it; an item's default action chooses it.
  const BString caption = BString::FromText("360云盘");
  EXPECT_EQ(combo->put_accValue(Self(), caption.Get()), S_OK);
  EXPECT_EQ(Read(combo.Get()).value, "360云盘");
  EXPECT_EQ(list->accDoDefaultAction(Self(3)), S_OK);
  EXPECT_TRUE(PumpUntil([&] { return services.SelectedIndex() == 3; }));
  EXPECT_EQ(chosen, (std::vector<int>{2, 3}));
  EXPECT_TRUE(Heard(EVENT_OBJECT_VALUECHANGE, hwnd(), services.AccessibleId()));

  // The default action opens the drop-down (a list window) and, while open, closes it.
  long openState = 0, openRole = 0;
  Text focusedItem;
  Text openAction;
  bool acted = false;
  const bool opened = DrivePopup(
      L"Zt_LayerUI_Combox",
      [&] {
        combo->accDoDefaultAction(Self());
        PumpUntil([&] { return acted && !services.IsDroppedDown(); });
      },
      [&](HWND popup) {
        acted = true;
        const Reading now = Read(combo.Get());
        openState = now.states;
        openAction = now.action;
        ComPtr<IAccessible> root;
        AccessibleObjectFromWindow(popup, OBJID_CLIENT, IID_IAccessible, reinterpret_cast<void**>(root.Put()));
        if (root) openRole = Read(root.Get()).role;
        // An arrow in the open list: the item it comes to is told as the focus.
        gHeard.clear();
        PressKey(popup, VK_UP);
        // Within the driver's patience, so that a missing event fails rather than hangs.
        PumpUntil([&] { return FocusedItem(popup) != 0; }, 2000);
        ComPtr<IAccessible> item;
        VARIANT itemChild;
        BString name;
        if (FocusedItem(popup) != 0 && SUCCEEDED(AccessibleObjectFromEvent(popup, OBJID_CLIENT, FocusedItem(popup), item.Put(), &itemChild)) &&
            SUCCEEDED(item->get_accName(itemChild, name.Put())))
          focusedItem = name.ToText();
        combo->accDoDefaultAction(Self());
      });
  ASSERT_TRUE(opened);
  EXPECT_NE(openState & STATE_SYSTEM_EXPANDED, 0);
  EXPECT_EQ(openAction, "关闭");
  EXPECT_EQ(openRole, ROLE_SYSTEM_LIST);
  EXPECT_EQ(focusedItem, "360云盘");
  EXPECT_FALSE(services.IsDroppedDown());
  EXPECT_EQ(services.SelectedIndex(), 3);  // closed without a choice
  EXPECT_TRUE(Heard(EVENT_OBJECT_STATECHANGE, hwnd(), services.AccessibleId()));
}

TEST_F(AccessibilityTest, ChangesAreAnnouncedToTheirControlsObjects) {
  UiLabel status;
  ASSERT_TRUE(MakeLabel(status, "就绪", {20, 60, 120, 24}));
  UiEdit box;
  ASSERT_TRUE(box.Create(hwnd(), {150, 60, 200, 24}, EditOptions{}));
  box.SetAccessibleName("分享链接");
  UiButton button;
  ButtonOptions caption;
  caption.caption = "获取";
  ASSERT_TRUE(button.Create(hwnd(), {150, 100, 80, 24}, caption));

  struct Case {
    const char* what;
    std::function<void()> change;
    DWORD event;
    UiControl* control;
    const char* name;
  };
  const Case cases[] = {
      {"focus by Tab", [&] { Key(VK_TAB); }, EVENT_OBJECT_FOCUS, &box, "分享链接"},
      {"typing", [&] { SendMessageW(hwnd(), WM_CHAR, L'x', 0); }, EVENT_OBJECT_VALUECHANGE, &box, "分享链接"},
      {"a label's text", [&] { status.SetText("正在获取"); }, EVENT_OBJECT_NAMECHANGE, &status, "正在获取"},
      {"disabling", [&] { button.SetDisabled(true); }, EVENT_OBJECT_STATECHANGE, &button, "获取"},
      {"hiding", [&] { button.SetVisible(false); }, EVENT_OBJECT_HIDE, &button, "获取"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    gHeard.clear();
    c.change();
    EXPECT_TRUE(PumpUntil([&] { return Heard(c.event, hwnd(), c.control->AccessibleId()); }));
    const ComPtr<IAccessible> object = FromEvent(c.control->AccessibleId());
    ASSERT_TRUE(object);
    EXPECT_EQ(Read(object.Get()).name, c.name);
  }
}

TEST_F(AccessibilityTest, PopUpsTakeTheirRolesAndAreAnnounced) {
  UiMenu menu;
  menu.AddItem(CommandItem("复制(&C)", 1));
  menu.AddItem(SeparatorItem());
  struct Seen {
    long role = 0;
    Text name;
    std::vector<Reading> children;
    HWND popup = nullptr;
  };
  const auto look = [](Seen& seen) {
    return [&seen](HWND popup) {
      seen.popup = popup;
      ComPtr<IAccessible> root;
      AccessibleObjectFromWindow(popup, OBJID_CLIENT, IID_IAccessible, reinterpret_cast<void**>(root.Put()));
      if (root) {
        const Reading reading = Read(root.Get());
        seen.role = reading.role;
        seen.name = reading.name;
        for (const ComPtr<IAccessible>& child : Children(root.Get()))
          if (child) seen.children.push_back(Read(child.Get()));
      }
      PressKey(popup, VK_ESCAPE);
    };
  };

  Seen box;
  MessageBoxOptions ask;
  ask.title = "确认";
  ask.buttons = MessageBoxButtons::OkCancel;
  ASSERT_TRUE(DrivePopup(L"确认", [&] { ShowMessageBox(hwnd(), "真的要退出吗?", ask); }, look(box)));
  EXPECT_EQ(box.role, ROLE_SYSTEM_DIALOG);
  EXPECT_EQ(box.name, "确认");
  // The caption row, the two buttons, then the message.
  ASSERT_FALSE(box.children.empty());
  EXPECT_EQ(std::count_if(box.children.begin(), box.children.end(),
                          [](const Reading& r) { return r.role == ROLE_SYSTEM_PUSHBUTTON && !r.action.empty(); }),
            3);  // 关闭 too
  EXPECT_EQ(box.children.back().name, "真的要退出吗?");
  EXPECT_TRUE(Heard(EVENT_OBJECT_SHOW, box.popup, CHILDID_SELF));
  EXPECT_TRUE(Heard(EVENT_SYSTEM_DIALOGSTART, box.popup, CHILDID_SELF));
  EXPECT_TRUE(Heard(EVENT_SYSTEM_ALERT, box.popup, CHILDID_SELF));

  Seen opened;
  PopupDriver driver(MenuWindowOf(menu), look(opened));
  ASSERT_TRUE(driver.Run([&] { menu.PopupAt(hwnd(), 300, 150); }));
  EXPECT_EQ(opened.role, ROLE_SYSTEM_MENUPOPUP);
  ASSERT_EQ(opened.children.size(), 2u);
  EXPECT_EQ(opened.children[0].role, ROLE_SYSTEM_MENUITEM);
  EXPECT_EQ(opened.children[0].name, "复制(C)");
  EXPECT_EQ(opened.children[0].action, "执行");
  EXPECT_EQ(opened.children[1].role, ROLE_SYSTEM_SEPARATOR);
  EXPECT_TRUE(Heard(EVENT_OBJECT_SHOW, opened.popup, CHILDID_SELF));
  EXPECT_TRUE(Heard(EVENT_SYSTEM_MENUPOPUPSTART, opened.popup, CHILDID_SELF));
}

}  // namespace
}  // namespace getlink::testing
