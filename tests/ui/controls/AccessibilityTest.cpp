// What a screen reader finds in a framework window, read as one reads it: through
// AccessibleObjectFromWindow (the window's WM_GETOBJECT), the objects' IAccessible calls
// and the events NotifyWinEvent sends (heard with SetWinEventHook).
#include <gtest/gtest.h>
#include <windows.h>
#include <oleacc.h>

#include <string>
#include <vector>

#include "http/BString.h"
#include "http/ComApartment.h"
#include "runtime/ComPtr.h"
#include "tests/ui/framework/window/WindowTestSupport.h"
#include "ui/controls/UiEdit.h"
#include "ui/controls/UiLabel.h"
#include "ui/framework/controls/UiButton.h"

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

class AccessibilityTest : public WindowTest {
 protected:
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

  ComApartment com_;
};

TEST_F(AccessibilityTest, EveryControlSaysItsRoleNameValueAndStates) {
  UiLabel label;
  LabelOptions labelText;
  labelText.text = "分享\r\n链接";
  ASSERT_TRUE(label.Create(hwnd(), {20, 60, 80, 40}, labelText));
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
      {&label, ROLE_SYSTEM_STATICTEXT, "分享 链接", "", 0, STATE_SYSTEM_FOCUSABLE, "", ""},
      {&link, ROLE_SYSTEM_TEXT, "分享 链接", "http://pan.baidu.com/s/1", STATE_SYSTEM_FOCUSED | STATE_SYSTEM_FOCUSABLE,
       STATE_SYSTEM_READONLY | STATE_SYSTEM_PROTECTED, "", ""},
      {&fetch, ROLE_SYSTEM_PUSHBUTTON, "获取(G)", "", STATE_SYSTEM_FOCUSABLE, STATE_SYSTEM_FOCUSED | STATE_SYSTEM_UNAVAILABLE,
       "Alt+G", "按下"},
      {&off, ROLE_SYSTEM_PUSHBUTTON, "停止", "", STATE_SYSTEM_UNAVAILABLE, STATE_SYSTEM_FOCUSABLE, "", "按下"},
      {&secret, ROLE_SYSTEM_TEXT, "提取码", "", STATE_SYSTEM_PROTECTED, STATE_SYSTEM_READONLY, "", ""},
      {&result, ROLE_SYSTEM_TEXT, "获取结果", "结果", STATE_SYSTEM_READONLY, STATE_SYSTEM_PROTECTED, "", ""},
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
  }
}

TEST_F(AccessibilityTest, TheRootHoldsTheControlsInTabOrderNestedAsTheyAre) {
  UiLabel label;
  LabelOptions text;
  text.text = "链接";
  ASSERT_TRUE(label.Create(hwnd(), {20, 60, 80, 24}, text));
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

TEST_F(AccessibilityTest, DefaultActionIsPostedAndValueIsSetAsTheUserWould) {
  UiButton button;
  ButtonOptions caption;
  caption.caption = "获取";
  ASSERT_TRUE(button.Create(hwnd(), {20, 60, 80, 24}, caption));
  int clicks = 0;
  window().BindEvent(EventCode::EvClick, [&clicks](UiControl*, const ControlEvent&) { ++clicks; });
  UiEdit box;
  ASSERT_TRUE(box.Create(hwnd(), {100, 60, 200, 24}, EditOptions{}));
  int changes = 0;
  box.SetOnChange([&changes](UiControl*, UiEdit&) { ++changes; });

  const ComPtr<IAccessible> pressed = FromEvent(button.AccessibleId());
  ASSERT_EQ(pressed->accDoDefaultAction(Self()), S_OK);
  EXPECT_EQ(clicks, 0);  // not inside the call: a click may open a modal loop
  EXPECT_TRUE(PumpUntil([&] { return clicks == 1; }));

  const ComPtr<IAccessible> typed = FromEvent(box.AccessibleId());
  const BString text = BString::FromText("http://yunpan.cn/abc");
  ASSERT_EQ(typed->put_accValue(Self(), text.Get()), S_OK);
  EXPECT_EQ(box.GetText(), "http://yunpan.cn/abc");
  EXPECT_EQ(changes, 1);
  EXPECT_TRUE(box.CanUndo());
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

}  // namespace
}  // namespace getlink::testing
