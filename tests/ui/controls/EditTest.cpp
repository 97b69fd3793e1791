// The edit box in a real window: typing, keys, mouse selection, the context menu and the
// clipboard as a user meets them, and what the box draws.
#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <initializer_list>
#include <thread>

#include "runtime/Clipboard.h"
#include "tests/ui/controls/PopupInput.h"
#include "tests/ui/framework/drawing/TestBitmaps.h"
#include "tests/ui/framework/window/WindowTestSupport.h"
#include "ui/controls/EditContextMenu.h"
#include "ui/controls/EditTextMeasurer.h"
#include "ui/controls/UiEdit.h"
#include "ui/framework/drawing/Fonts.h"
#include "ui/framework/drawing/FrameworkStartup.h"
#include "ui/framework/drawing/TextDrawing.h"

namespace getlink::testing {
namespace {

class EditTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    BuildEditContextMenu();
  }

  // The box under test, created and focused.
  void Make(const EditOptions& options, Rect rect = {40, 60, 240, 120}) {
    EXPECT_TRUE(edit.Create(hwnd(), rect, options));
    window().SetFocusControl(&edit, false);
    Pump();
  }

  void Type(std::wstring_view characters) {
    for (const wchar_t c : characters) SendMessageW(hwnd(), WM_CHAR, c, 1);
    Pump();
  }
  void Ctrl(WPARAM key) {
    const HeldKeys held({VK_CONTROL});
    Key(key);
  }
  void Shift(WPARAM key) {
    const HeldKeys held({VK_SHIFT});
    Key(key);
  }
  void CtrlShift(WPARAM key) {
    const HeldKeys held({VK_CONTROL, VK_SHIFT});
    Key(key);
  }
  // The window point of the caret before `position`, in the middle of its height.
  POINT PointBefore(TextPosition position) {
    const Rect caret = edit.CaretRectOf(position);
    return {static_cast<LONG>(edit.Left() + caret.left + edit.Scroll().x),
            static_cast<LONG>(edit.Top() + caret.top + edit.Scroll().y + caret.height / 2)};
  }
  // Opens the box's context menu with a right click at `at` and clicks item `index`
  // (from 1); answers the items' states as the menu opened.
  std::vector<int> ChooseFromMenu(POINT at, int index) {
    std::vector<int> states;
    UiMenu& menu = EditContextMenu();
    PopupDriver driver(MenuWindowOf(menu));
    driver.OnOpen([&](HWND hwnd) {
      for (int i = 1; i <= menu.ItemCount(); ++i) states.push_back(menu.ItemState(i));
      ClickMenuItem(hwnd, menu, index);
    });
    driver.Arm();
    MouseMove(at.x, at.y);
    RightClick(at.x, at.y);
    EXPECT_TRUE(driver.Opened());
    return states;
  }

  UiEdit edit;
};

// The items of the context menu, from 1.
constexpr int kUndoItem = 1, kCutItem = 3, kCopyItem = 4, kPasteItem = 5, kSelectAllItem = 7;
constexpr int kDisabled = -1;

EditOptions Multi(Text text = "") {
  EditOptions options;
  options.multiLine = true;
  options.text = std::move(text);
  return options;
}

EditOptions InMode(EditInputMode mode, Text text = "") {
  EditOptions options;
  options.inputMode = mode;
  options.text = std::move(text);
  return options;
}

TEST_F(EditTest, TypedCharactersAreFilteredByTheInputMode) {
  struct Case {
    EditInputMode mode;
    Text start;
    std::wstring typed;
    Text result;
  };
  const Case cases[] = {
      {EditInputMode::Digits, "", L"1a2-", "12"},
      {EditInputMode::Decimal, "1.5", L".7x.", "1.57"},  // a second full stop is refused
      {EditInputMode::Normal, "", L"a.b \x4E2D\t\x1B", "a.b 中"},
      {EditInputMode::ReadOnly, "r", L"xyz", "r"},
  };
  for (const Case& c : cases) {
    Make(InMode(c.mode, c.start));
    {
      // The input method is off while a digits or decimal box has the focus.
      const ImeContextScope ime(hwnd());
      EXPECT_EQ(ime.get() == nullptr, c.mode == EditInputMode::Digits || c.mode == EditInputMode::Decimal);
    }
    Key(VK_END);
    Type(c.typed);
    EXPECT_EQ(edit.GetText(), c.result);
    edit.Destroy();
  }
}

TEST_F(EditTest, ADoubleByteCharacterIsOneColumnForTheCaretAndBackspace) {
  Make(InMode(EditInputMode::Normal, "中文字"));
  Key(VK_END);
  EXPECT_EQ(edit.Caret().column, 3);
  Key(VK_LEFT);
  Key(VK_LEFT);
  EXPECT_EQ(edit.Caret().column, 1);
  Key(VK_BACK);
  EXPECT_EQ(edit.GetText(), "文字");
  EXPECT_EQ(edit.Caret(), (TextPosition{1, 0}));
  Shift(VK_END);
  EXPECT_EQ(edit.SelectedText(), "文字");
}

TEST_F(EditTest, ReadOnlyKeepsTextAndSelectionButCopies) {
  Make(InMode(EditInputMode::ReadOnly, "abc"));
  edit.Select({1, 1}, {1, 2});
  SetClipboardText("pasted");
  for (const WPARAM key : {VK_BACK, VK_DELETE, VK_RETURN}) Key(key);
  Ctrl('V');
  Ctrl('X');
  EXPECT_EQ(edit.GetText(), "abc");
  EXPECT_EQ(edit.Anchor(), (TextPosition{1, 1}));
  EXPECT_EQ(edit.Caret(), (TextPosition{1, 2}));
  EXPECT_EQ(ClipboardText(), "pasted");
  Ctrl('C');
  EXPECT_EQ(ClipboardText(), "b");
  // Owned by the box's window: a clipboard emptied without an owner refuses data on Windows.
  EXPECT_EQ(GetClipboardOwner(), hwnd());
}

TEST_F(EditTest, EnterBreaksTheLineOnlyInAMultiLineBoxAndNeverClicks) {
  int clicks = 0;
  window().BindEvent(EventCode::EvClick, [&](UiControl*, const ControlEvent&) { ++clicks; });
  Make(InMode(EditInputMode::Normal, "ab"));
  Key(VK_END);
  Key(VK_RETURN);
  EXPECT_EQ(edit.GetText(), "ab");
  edit.Destroy();
  Make(Multi("ab"));
  Key(VK_RIGHT);
  Key(VK_RETURN);
  EXPECT_EQ(edit.GetText(), "a\r\nb");
  EXPECT_EQ(edit.Caret(), (TextPosition{2, 0}));
  EXPECT_EQ(clicks, 0);
}

TEST_F(EditTest, ClicksPlaceTheCaretByCharacterHalves) {
  Make(InMode(EditInputMode::Normal, "WWW中文"));
  const POINT start = PointBefore({1, 3});
  const POINT end = PointBefore({1, 4});  // 中 spans start..end
  const int quarter = (end.x - start.x) / 4;
  struct Case {
    POINT at;
    TextPosition expected;
  };
  const Case cases[] = {
      {{start.x + quarter, start.y}, {1, 3}},
      {{end.x - quarter, start.y}, {1, 4}},
      {{edit.Left() + 230, start.y}, {1, 5}},  // right of the line's end
  };
  for (const Case& c : cases) {
    Click(c.at.x, c.at.y);
    EXPECT_EQ(edit.Caret(), c.expected) << c.at.x;
    EXPECT_EQ(edit.Anchor(), c.expected);
  }
}

TEST_F(EditTest, AWrappedLineIsHitAndShownRowByRow) {
  EditOptions options = Multi(Text(60, 'x'));
  options.scrollFlags = 2;  // vertical bar only: lines wrap
  Make(options, {40, 60, 160, 120});
  const Rect firstRow = edit.CaretRectOf({1, 0});
  const Rect lastChar = edit.CaretRectOf({1, 60});
  EXPECT_GT(lastChar.top, firstRow.top);  // the end of the line is on a lower row
  EXPECT_GT(edit.Document().LineRect(1).height, edit.Document().LineHeight());
  // A click at the left of the second row lands in the middle of the line.
  const TextPosition hit = edit.HitTest(edit.Areas().text.left + 1, firstRow.top + 2 + edit.Document().LineHeight() * 1.5f);
  EXPECT_GT(hit.column, 0);
  EXPECT_LT(hit.column, 60);
  EXPECT_EQ(edit.CaretRectOf(hit).top, firstRow.top + edit.Document().LineHeight());
  // Above the first line is line 1.
  EXPECT_EQ(edit.HitTest(60, -20).line, 1);
}

// A wrapped line is drawn row by row where it is laid out, at every scale: after Ctrl+A
// every glyph lies inside the highlight (no ink of the plain text colour spills past it)
// and the caret stands where the highlight ends, after the last character.
TEST_F(EditTest, AWrappedLineIsDrawnWhereItIsLaidOut) {
  Text link = "http://pan.baidu.com/s/1o6pEJO2?name=";
  for (int i = 0; link.size() < 160; ++i) link += static_cast<char>('a' + i % 26);
  EditOptions options = Multi(link);
  options.scrollFlags = 2;
  for (const int dpi : {96, 120, 144, 192}) {
    SCOPED_TRACE(dpi);
    RECT place = {};
    GetWindowRect(hwnd(), &place);
    SendMessageW(hwnd(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&place));
    edit.Destroy();
    Make(options, {40, 60, 240, 120});
    Ctrl('A');
    const Surface& shown = SurfaceOf(edit);
    const Rect text = edit.Areas().text;
    const Rect caret = edit.CaretRect();
    ASSERT_GE(edit.Document().LineRect(1).height, 4 * edit.Document().LineHeight());
    ASSERT_LE(edit.Document().LineRect(1).height, text.height);  // every row in view
    // A glyph may reach left of its row's first character (the hook of a j): not counted.
    const float rowLeft = edit.CaretRectOf({1, 0}).left;
    const auto inText = [&](int x, int y) {
      return x >= rowLeft && x < text.Right() && y >= text.top && y < text.Bottom();
    };
    const auto onCaret = [&](int x) { return x >= caret.left - 1 && x <= caret.Right() + 1; };
    const int plainInk = CountPixels(shown, [&](int x, int y, Argb p) {
      return inText(x, y) && !onCaret(x) && RedOf(p) < 110 && GreenOf(p) < 110 && BlueOf(p) < 110;
    });
    EXPECT_EQ(plainInk, 0);
    // On the caret's row the highlight ends at the caret.
    int highlightEnd = -1;
    for (int y = static_cast<int>(caret.top) + 1; y < caret.Bottom() - 1; ++y)
      for (int x = static_cast<int>(rowLeft); x < text.Right(); ++x)
        if (const Argb p = shown.PixelAt(x, y); RedOf(p) < 100 && BlueOf(p) > 220) highlightEnd = x;
    EXPECT_GE(highlightEnd, caret.left - 2);
    EXPECT_LE(highlightEnd, caret.left + 1);
  }
}

TEST_F(EditTest, DoubleClickSelectsAWordAndAThirdClickTheLine) {
  Make(InMode(EditInputMode::Normal, "abc-def"));
  const POINT b = PointBefore({1, 1});
  Click(b.x + 2, b.y);
  DoubleClick(b.x + 2, b.y);
  LeftUp(b.x + 2, b.y);
  EXPECT_EQ(edit.SelectedText(), "abc");
  Click(b.x + 2, b.y);  // within 500 ms
  EXPECT_EQ(edit.SelectedText(), "abc-def");
}

TEST_F(EditTest, DraggingBelowTheBoxSelectsAndScrolls) {
  Text text;
  for (int i = 1; i <= 40; ++i) text += "line " + std::to_string(i) + "\r\n";
  Make(Multi(text));
  const POINT first = PointBefore({1, 2});
  MouseMove(first.x, first.y);
  LeftDown(first.x, first.y);
  MouseMove(first.x, edit.Top() + edit.Height() + 30);
  // Held there, the selection goes on growing and the view on scrolling.
  const int reached = edit.Caret().line;
  EXPECT_TRUE(PumpUntil([&] { return edit.Caret().line > reached + 2; }));
  LeftUp(first.x, edit.Top() + edit.Height() + 30);
  EXPECT_EQ(edit.Anchor(), (TextPosition{1, 2}));
  EXPECT_LT(edit.Scroll().y, 0);
}

TEST_F(EditTest, ADragCutShortKeepsItsSelectionAndStopsGrowingIt) {
  Text text;
  for (int i = 1; i <= 40; ++i) text += "line " + std::to_string(i) + "\r\n";
  Make(Multi());
  for (const PressCut cut : kPressCuts) {
    SCOPED_TRACE(Describe(cut));
    edit.SetText(text);
    edit.SetScrollY(0);
    const POINT first = PointBefore({1, 2});
    MouseMove(first.x, first.y);
    LeftDown(first.x, first.y);
    MouseMove(first.x, edit.Top() + edit.Height() + 30);
    ASSERT_TRUE(PumpUntil([&] { return edit.Caret().line > 10; }));
    CutPress(cut);
    const TextPosition caret = edit.Caret();
    Pump(300);
    EXPECT_EQ(edit.Caret(), caret);
    EXPECT_EQ(edit.Anchor(), (TextPosition{1, 2}));
  }
}

TEST_F(EditTest, TheWheelAndTheScrollBarScrollWithinTheText) {
  Text text;
  for (int i = 1; i <= 40; ++i) text += "line\r\n";
  Make(Multi(text));
  const float bottom = edit.Areas().text.height - edit.Document().ContentHeight();
  for (int i = 0; i < 20; ++i) SendMessageW(hwnd(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
  EXPECT_EQ(edit.Scroll().y, bottom);
  SendMessageW(hwnd(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
  EXPECT_EQ(edit.Scroll().y, bottom + 3 * edit.Document().LineHeight());
  EXPECT_EQ(edit.ScrollBars().Vertical().Position(), static_cast<int>(-edit.Scroll().y));
  // A press on the bar's top arrow scrolls one line back.
  const Rect bar = edit.ScrollBars().Vertical().PixelRect();
  const float before = edit.Scroll().y;
  LeftDown(static_cast<int>(bar.left + 5), static_cast<int>(bar.top + 4));
  LeftUp(static_cast<int>(bar.left + 5), static_cast<int>(bar.top + 4));
  EXPECT_EQ(edit.Scroll().y, before + edit.Document().LineHeight());
  for (int i = 0; i < 20; ++i) SendMessageW(hwnd(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
  EXPECT_EQ(edit.Scroll().y, 0);
}

TEST_F(EditTest, TheContextMenuOffersWhatAppliesAndCopySendsItsCommand) {
  Make(InMode(EditInputMode::ReadOnly, "abc"));
  edit.Select({1, 0}, {1, 2});
  SetClipboardText("x");
  const std::vector<int> states = ChooseFromMenu(PointBefore({1, 1}), kCopyItem);
  ASSERT_EQ(states.size(), 7u);
  EXPECT_EQ(states[kUndoItem - 1], kDisabled);   // read-only
  EXPECT_EQ(states[kCutItem - 1], kDisabled);    // read-only
  EXPECT_EQ(states[kCopyItem - 1], 0);           // something is selected
  EXPECT_EQ(states[kPasteItem - 1], kDisabled);  // read-only
  EXPECT_NE(states[kSelectAllItem - 1], kDisabled);  // there is text
  EXPECT_EQ(HookedCount(WM_COMMAND, [&](const MSG& m) {
              return m.wParam == 67 && m.lParam == static_cast<LPARAM>(edit.Handle());
            }),
            1);
  EXPECT_EQ(ClipboardText(), "ab");
}

// The menu key, or Shift+F10 on a keyboard without one, opens the same menu below the caret,
// and its items work by their letters: a keyboard reaches every item without the mouse.
TEST_F(EditTest, TheMenuKeyOpensTheMenuBelowTheCaret) {
  for (const bool shiftF10 : {false, true}) {
    SCOPED_TRACE(shiftF10 ? "Shift+F10" : "menu key");
    Make(Multi("abc def"));
    edit.Select({1, 4}, {1, 4});
    const POINT caret = PointBefore({1, 4});
    POINT expected = {caret.x, static_cast<LONG>(edit.Top() + edit.CaretRect().Bottom())};
    ClientToScreen(hwnd(), &expected);
    UiMenu& menu = EditContextMenu();
    RECT opened = {};
    PopupDriver driver(MenuWindowOf(menu));
    driver.OnOpen([&](HWND menuWindow) {
      GetWindowRect(menuWindow, &opened);
      PressKey(menuWindow, 'A');  // 全部选择(&A)
    });
    driver.Arm();
    if (shiftF10) {
      const HeldKeys held({VK_SHIFT});
      SendMessageW(hwnd(), WM_SYSKEYDOWN, VK_F10, 0);
    } else {
      Key(VK_APPS);
    }
    ASSERT_TRUE(driver.Opened());
    EXPECT_EQ(opened.left, expected.x);
    EXPECT_EQ(opened.top, expected.y);
    EXPECT_EQ(edit.SelectedText(), "abc def");
    edit.Destroy();
  }
}

TEST_F(EditTest, CutTakesTheSelectionToTheClipboardByKeyAndByMenuAndTheMenuUndoesIt) {
  for (const bool byMenu : {false, true}) {
    SCOPED_TRACE(byMenu ? "the menu's cut" : "Ctrl+X");
    edit.Destroy();
    Make(InMode(EditInputMode::Normal, "abc def"));
    edit.Select({1, 4}, {1, 7});
    SetClipboardText("old");
    if (byMenu) {
      const std::vector<int> states = ChooseFromMenu(PointBefore({1, 2}), kCutItem);
      EXPECT_EQ(states[kUndoItem - 1], kDisabled);  // nothing edited yet
      EXPECT_EQ(states[kCutItem - 1], 0);
    } else {
      Ctrl('X');
    }
    EXPECT_EQ(edit.GetText(), "abc ");
    EXPECT_EQ(ClipboardText(), "def");
    EXPECT_EQ(edit.Caret(), (TextPosition{1, 4}));

    const std::vector<int> states = ChooseFromMenu(PointBefore({1, 2}), kUndoItem);
    EXPECT_EQ(states[kUndoItem - 1], 0);
    EXPECT_EQ(edit.GetText(), "abc def");
    EXPECT_EQ(edit.SelectedText(), "def");
  }
}

// A user's session: each step's keys, then the text and selection it leaves.
TEST_F(EditTest, UndoAndRedoStepThroughTypingRunsPastesAndBackspaces) {
  Make(Multi("one"));
  SetClipboardText("P");
  const auto clickAtLineEnd = [&] { Click(edit.Left() + 200, PointBefore({1, 0}).y); };
  struct Step {
    const char* what;
    std::function<void()> keys;
    Text text;
    TextPosition anchor, caret;
  };
  const Step steps[] = {
      {"type at the end", [&] { Key(VK_END); Type(L"ab"); }, "oneab", {1, 5}, {1, 5}},
      {"arrows away and back, then type", [&] { Key(VK_LEFT); Key(VK_RIGHT); Type(L"c"); }, "oneabc", {1, 6}, {1, 6}},
      {"a click where the caret is, then type", [&] { clickAtLineEnd(); Type(L"d"); }, "oneabcd", {1, 7}, {1, 7}},
      {"type at the start", [&] { Key(VK_HOME); Type(L"中x"); }, "中xoneabcd", {1, 2}, {1, 2}},
      {"paste", [&] { Ctrl('V'); }, "中xPoneabcd", {1, 3}, {1, 3}},
      {"two Backspaces", [&] { Key(VK_BACK); Key(VK_BACK); }, "中oneabcd", {1, 1}, {1, 1}},
      {"undo: what they took comes back selected", [&] { Ctrl('Z'); }, "中xPoneabcd", {1, 1}, {1, 3}},
      {"undo the paste", [&] { Ctrl('Z'); }, "中xoneabcd", {1, 2}, {1, 2}},
      {"undo the typing at the start", [&] { Ctrl('Z'); }, "oneabcd", {1, 0}, {1, 0}},
      {"undo the typing after the click", [&] { Ctrl('Z'); }, "oneabc", {1, 6}, {1, 6}},
      {"undo the typing after the arrows", [&] { Ctrl('Z'); }, "oneab", {1, 5}, {1, 5}},
      {"undo the first typing", [&] { Ctrl('Z'); }, "one", {1, 3}, {1, 3}},
      {"nothing more to undo", [&] { Ctrl('Z'); }, "one", {1, 3}, {1, 3}},
      {"redo twice", [&] { Ctrl('Y'); Ctrl('Y'); }, "oneabc", {1, 6}, {1, 6}},
      {"a new edit drops what could be redone", [&] { Type(L"!"); Ctrl('Y'); }, "oneabc!", {1, 7}, {1, 7}},
      {"the program's text is not undone", [&] { edit.SetText("fetched"); Ctrl('Z'); }, "fetched", {1, 0}, {1, 0}},
      {"nor anything in a read-only box",
       [&] {
         Type(L"x");
         edit.SetInputMode(EditInputMode::ReadOnly);
         Ctrl('Z');
       },
       "xfetched", {1, 1}, {1, 1}},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.what);
    step.keys();
    EXPECT_EQ(edit.GetText(), step.text);
    EXPECT_EQ(edit.Anchor(), step.anchor);
    EXPECT_EQ(edit.Caret(), step.caret);
  }
  EXPECT_FALSE(edit.CanUndo());
}

// The moves work in the read-only result box too.
TEST_F(EditTest, CtrlMovesByWordsAndToTheEndsOfTheTextWithShiftSelecting) {
  EditOptions options = Multi("链接：http://a.b/c 提取码\r\nx7k2 end");
  options.inputMode = EditInputMode::ReadOnly;
  Make(options);
  struct Case {
    WPARAM key;
    bool shift;
    TextPosition caret;
    Text selected;
  };
  const Case cases[] = {
      {VK_END, false, {2, 8}, ""},
      {VK_LEFT, true, {2, 5}, "end"},
      {VK_LEFT, true, {2, 0}, "x7k2 end"},
      {VK_LEFT, true, {1, 19}, "\r\nx7k2 end"},
      {VK_LEFT, false, {1, 16}, ""},
      {VK_HOME, true, {1, 0}, "链接：http://a.b/c "},
      {VK_RIGHT, false, {1, 2}, ""},
      {VK_RIGHT, true, {1, 3}, "："},
      {VK_RIGHT, true, {1, 16}, "：http://a.b/c "},
  };
  for (const Case& c : cases) {
    if (c.shift)
      CtrlShift(c.key);
    else
      Ctrl(c.key);
    EXPECT_EQ(edit.Caret(), c.caret) << c.selected;
    EXPECT_EQ(edit.SelectedText(), c.selected);
  }
}

TEST_F(EditTest, AMegabytePasteRoundTripsThroughTheClipboard) {
  Text big;
  for (int i = 0; big.size() < 1024 * 1024; ++i) big += "第" + std::to_string(i) + "行 mixed 中文 text\r\n";
  ASSERT_TRUE(SetClipboardText(big));
  int changes = 0;
  Make(Multi());
  edit.SetOnChange([&](UiControl*, UiEdit&) { ++changes; });
  Ctrl('V');
  EXPECT_TRUE(edit.GetText() == big);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(edit.Caret(), edit.Document().EndPosition());
  Ctrl('A');
  Ctrl('C');
  EXPECT_TRUE(ClipboardText() == big);
}

// A line of a megabyte is laid out by its characters' advances and drawn only where it
// shows, in a box that scrolls it sideways and in one that wraps it: points, caret,
// typing, selecting and copying still agree. (Laid out by GDI+, the wrapped line had not
// come back after five minutes; selecting a wrapped link of 20,000 characters took 38 s.)
TEST_F(EditTest, AMegabyteLineIsEditedWhereTheUserPoints) {
  Text line;
  while (line.size() < 1024 * 1024) line += "abc中文 ";
  EditOptions wrapping = Multi();
  wrapping.scrollFlags = 2;
  for (const EditOptions& options : {InMode(EditInputMode::Normal), wrapping}) {
    SCOPED_TRACE(options.multiLine ? "wrapped" : "one line");
    edit.Destroy();
    Make(options);
    edit.SetText(line, true);
    const int end = edit.Document().LineLength(1);
    EXPECT_EQ(edit.Caret().column, end);
    const Rect caret = edit.CaretRect();
    EXPECT_GE(caret.left, edit.Areas().text.left);
    EXPECT_LE(caret.Right(), edit.Areas().text.Right() + 1);
    EXPECT_LE(caret.Bottom(), edit.Areas().text.Bottom() + 2);
    const POINT before = PointBefore({1, end - 3});
    Click(before.x + 1, before.y);
    EXPECT_EQ(edit.Caret(), (TextPosition{1, end - 3}));
    Type(L"x");
    Ctrl('A');
    Ctrl('C');
    const Text expected = line.substr(0, line.size() - 5) + "x" + line.substr(line.size() - 5);  // before 中文
    EXPECT_TRUE(ClipboardText() == expected);
  }
}

// A line that does not wrap is measured by summing its characters' advances: that must
// come to what GDI+ gives for the line laid out whole (up to float rounding), or scroll
// ranges would shift.
TEST_F(EditTest, ALineThatDoesNotWrapMeasuresAsTheWholeLineLaidOut) {
  const Surface scratch(1, 1);
  const TextFormat format(Gdiplus::StringFormatFlagsNoFontFallback | Gdiplus::StringFormatFlagsMeasureTrailingSpaces |
                          Gdiplus::StringFormatFlagsNoClip);
  const UniqueFont bold = MakeFont("宋体", 16, FontStyle::Bold);
  for (GpFont* font : {DefaultFont(), bold.get()}) {
    EditMeasureCache measured;
    EditTextMeasurer measurer(scratch.Graphics(), font, format.Handle(), measured);
    for (const char* text : {" ", "a", "http://pan.baidu.com/s/1o6pEJO2", "文件名：2014国考申论范文精选.doc",
                             "  two  blanks ", "ＡＢ　全角", "第 27000 行 line of mixed 中文 and ASCII"}) {
      const Rect whole = MeasureText(scratch.Graphics(), text, font, Rect{}, format.Handle());
      const LineSize line = measurer.MeasureLine(text, {0});
      EXPECT_NEAR(line.width, whole.width, 1e-3) << text;
      EXPECT_EQ(line.height, whole.height) << text;
    }
  }
}

// The fetch worker's way to the result box: the control's address and its text events.
TEST_F(EditTest, AnotherThreadSetsAndGetsTheTextThroughTheControlsAddress) {
  Make(Multi("old"));
  const ControlAddress address = edit.Address();
  Text seen;
  std::atomic<bool> done{false};
  std::thread worker([&] {
    SendControlEvent(address, {EventCode::SetText, TextInput{"结果\r\nline", true}});
    SendControlEvent(address, {EventCode::GetText, TextRequest{&seen}});
    done = true;
  });
  EXPECT_TRUE(PumpUntil([&] { return done.load(); }));
  worker.join();
  EXPECT_EQ(seen, "结果\r\nline");
  EXPECT_EQ(edit.Caret(), (TextPosition{2, 4}));
}

TEST_F(EditTest, BadBytesAreShownAndCopiedAsTheSameCharacters) {
  Make(Multi());
  edit.SetText(std::string_view("a\rb\nc\x81\xFF\x80\xD6\xD0\0tail", 15), true);
  EXPECT_EQ(edit.GetText(), "a\r\nb\r\nc??\x80中");
  EXPECT_EQ(edit.Caret(), (TextPosition{3, 5}));
  Text shown;
  for (int line = 1; line <= edit.Document().LineCount(); ++line)
    shown += (line > 1 ? "\r\n" : "") + edit.Document().DisplayText(line);
  Ctrl('A');
  Ctrl('C');
  EXPECT_EQ(ClipboardText(), shown);
}

// Typing within a line repaints only the line's band (of a wrapped line, its rows from two
// above the caret's down), and a key that scrolls the box moves the pixels already drawn:
// the pixels must be those of a whole repaint, caret included.
TEST_F(EditTest, ATypedCharacterLooksAsAfterAWholeRepaint) {
  struct Case {
    const char* name;
    EditOptions options;
    Rect rect;
    TextPosition at;
    Text result;
    bool scrolls;  // the keys scroll the box sideways: its whole text moves
  };
  // The combo box's inner edit: one line in a box hardly taller, without face or outline.
  EditOptions bare;
  bare.text = "百度网盘";
  bare.backColour = bare.borderColour = Argb();
  // Lines wider than the box, nowhere the same after a shift of a few characters.
  const Text kLong = "the quick brown fox jumps over 13 lazy dogs, 中文 and 2468 more words";
  // A line wrapped into rows: a key in "lazy" moves words to and from the row above.
  const Text kWrapped = "the quick brown fox jumps over 13 lazy dogs and then " + Text(40, 'w') + " more words";
  EditOptions wrapping = Multi(kWrapped);
  wrapping.scrollFlags = 2;
  const Case cases[] = {
      {"multi-line", Multi("first line\r\nsecond 中文 line\r\nthird"), {40, 60, 240, 120}, {2, 7},
       "first line\r\nsecond x中文 line\r\nthird", false},
      {"a bare line 16 pixels high", bare, {40, 60, 126, 16}, {1, 4}, "百度网盘x", false},
      {"keys that scroll the box sideways", Multi(kLong + "\r\n" + kLong + "\r\n" + kLong), {40, 60, 240, 120},
       {2, 1000}, kLong + "\r\n" + kLong + "x\r\n" + kLong, true},  // at the end of the line
      {"a lower row of a wrapped line", wrapping, {40, 60, 240, 120}, {1, 36},
       kWrapped.substr(0, 36) + "x" + kWrapped.substr(36), false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    edit.Destroy();
    Make(c.options, c.rect);
    edit.Select(c.at, c.at);
    window().Flush();
    const ScrollOffsets before = edit.Scroll();
    // Each key painted on its own, as keys typed one after another are.
    const std::pair<UINT, WPARAM> keys[] = {{WM_CHAR, L'x'}, {WM_CHAR, 0x6587}, {WM_KEYDOWN, VK_BACK}};  // 文
    for (const auto& [message, key] : keys) {
      SendMessageW(hwnd(), message, key, message == WM_CHAR ? 1 : 0);
      window().Flush();
    }
    const Surface& surface = edit.GetSurface();
    std::vector<Argb> typed;
    for (int y = 0; y < surface.Height(); ++y)
      for (int x = 0; x < surface.Width(); ++x) typed.push_back(surface.PixelAt(x, y));
    edit.Repaint();
    window().Flush();
    int differing = 0;
    for (int y = 0; y < surface.Height(); ++y)
      for (int x = 0; x < surface.Width(); ++x)
        differing += typed[static_cast<std::size_t>(y * surface.Width() + x)] != surface.PixelAt(x, y) ? 1 : 0;
    EXPECT_EQ(differing, 0);
    EXPECT_EQ(edit.GetText(), c.result);
    EXPECT_EQ(edit.Scroll().x != before.x, c.scrolls);
  }
}

// A key typed within a line paints and composes that line's band alone, not the whole box.
TEST_F(EditTest, AKeyTypedRecomposesOnlyItsLine) {
  Make(Multi("first line\r\nsecond line\r\nthird line"));
  edit.Select({2, 6}, {2, 6});
  window().Flush();
  // Covered with a marker: every pixel composed again shows as a change.
  const Surface& canvas = window().Canvas();
  const Argb marker = MakeArgb(255, 255, 0, 255);
  gdip::GdipGraphicsClear(canvas.Graphics(), marker.Value());
  SendMessageW(hwnd(), WM_CHAR, L'x', 1);
  window().Flush();
  EXPECT_EQ(edit.GetText(), "first line\r\nsecondx line\r\nthird line");
  const auto composed = [&](TextPosition at) {
    const POINT p = PointBefore(at);
    return canvas.PixelAt(p.x, p.y) != marker;
  };
  EXPECT_TRUE(composed({2, 3}));
  EXPECT_FALSE(composed({1, 3}));
  EXPECT_FALSE(composed({3, 3}));
}

TEST_F(EditTest, SelectionIsDrawnBlueAndTheCaretBlinksOnlyWhileFocused) {
  Make(InMode(EditInputMode::Normal, "a    b"));
  edit.Select({1, 1}, {1, 5});
  const POINT inside = PointBefore({1, 3});
  const Argb pixel = CanvasPixel(inside.x, inside.y);
  EXPECT_LT(RedOf(pixel), 100);  // the blue of the highlight
  EXPECT_GT(BlueOf(pixel), 220);

  const bool shown = edit.CaretShown();
  EXPECT_TRUE(PumpUntil([&] { return edit.CaretShown() != shown; }, 1500));
  RecordingControl other;
  ASSERT_TRUE(other.Create(hwnd(), {300, 60, 40, 20}));
  window().SetFocusControl(&other, false);
  Pump(700);
  EXPECT_FALSE(edit.CaretShown());
  EXPECT_EQ(edit.Anchor(), edit.Caret());  // the selection collapsed
}

}  // namespace
}  // namespace getlink::testing
