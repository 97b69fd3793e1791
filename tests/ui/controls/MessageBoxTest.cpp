// The message box: its size and text place for short, long and tall messages, the button
// sets and their answers by mouse, Enter, Alt letters and Esc, the arrow keys moving the
// focus along the buttons, input to other windows dropped while it is open, the owner's
// skin, and buttons that stay anchored on resizing.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/ui/controls/PopupInput.h"
#include "tests/ui/framework/window/WindowTestSupport.h"
#include "ui/controls/MessageBoxLayout.h"
#include "ui/controls/UiLabel.h"
#include "ui/controls/UiMessageBox.h"
#include "ui/framework/controls/UiButton.h"

namespace getlink::testing {
namespace {

TEST(MessageBoxLayout, GrowsForLongAndTallMessagesAndDropsASingleLine) {
  struct Case {
    const char* name;
    Rect measured;
    bool icon;
    SIZE box;
    Rect text;
  };
  const Case cases[] = {
      {"one line", {0, 0, 100, 14}, false, {320, 150}, {30, 47, 260, 50}},
      {"one line beside an icon", {0, 0, 100, 14}, true, {320, 150}, {85, 47, 200, 50}},
      {"a long line", {0, 0, 400.5f, 14}, false, {461, 150}, {30, 47, 410.5f, 50}},
      {"a long line beside an icon", {0, 0, 250, 14}, true, {370, 150}, {85, 47, 260, 50}},
      {"two short lines stay a single line's height", {0, 0, 100, 28}, false, {320, 150}, {30, 47, 260, 50}},
      {"many lines", {0, 0, 100, 70}, false, {320, 170}, {30, 43, 260, 75}},
      {"more lines than the screen holds are cut", {0, 0, 100, 2000}, false, {320, 768}, {30, 43, 260, 668}},
  };
  const RECT screen = {0, 0, 1024, 768};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const MessageBoxLayout layout = LayOutMessageBox(c.measured, c.icon, screen, DefaultStyle().messageBox);
    EXPECT_EQ(layout.box.cx, c.box.cx);
    EXPECT_EQ(layout.box.cy, c.box.cy);
    EXPECT_EQ(layout.text, c.text);
  }
  // A line wraps where the box would pass 5/8 of the screen's width, never below 320.
  EXPECT_EQ(MessageTextWidthLimit(screen, false, DefaultStyle().messageBox), 640 - 60 - 10);
  EXPECT_EQ(MessageTextWidthLimit(screen, true, DefaultStyle().messageBox), 640 - 120 - 10);
  EXPECT_EQ(MessageTextWidthLimit(RECT{0, 0, 400, 300}, false, DefaultStyle().messageBox), 320 - 60 - 10);
  const POINT at = CentreOn(RECT{100, 50, 900, 650}, SIZE{320, 150});
  EXPECT_EQ(at.x, 340);
  EXPECT_EQ(at.y, 275);
  EXPECT_EQ(MessageBoxButtonRect(320, 150, 1, DefaultStyle().messageBox), (Rect{237, 115, 70, 24}));
  EXPECT_EQ(MessageBoxButtonRect(320, 150, 3, DefaultStyle().messageBox), (Rect{87, 115, 70, 24}));
}

TEST(MessageBoxButtons, SetsReadRightToLeftAndCallerLabelsKeepTheResults) {
  const auto captions = [](const std::vector<MessageBoxButton>& buttons) {
    std::vector<Text> texts;
    for (const MessageBoxButton& b : buttons) texts.push_back(b.caption);
    return texts;
  };
  EXPECT_EQ(captions(MessageBoxButtonsOf(MessageBoxButtons::YesNoCancel)),
            (std::vector<Text>{"取消", "否(&N)", "是(&Y)"}));
  EXPECT_EQ(captions(MessageBoxButtonsOf(MessageBoxButtons::AbortRetryIgnore)),
            (std::vector<Text>{"忽略", "重试", "放弃"}));
  const auto labelled = MessageBoxButtonsOf(MessageBoxButtons::OkCancel, {"手贱了", "是的", "多余"});
  ASSERT_EQ(labelled.size(), 2u);
  EXPECT_EQ(captions(labelled), (std::vector<Text>{"手贱了", "是的"}));
  EXPECT_EQ(labelled[0].result, MessageBoxResult::Cancel);
  EXPECT_EQ(labelled[1].result, MessageBoxResult::Ok);
  EXPECT_EQ(captions(MessageBoxButtonsOf(static_cast<MessageBoxButtons>(9))), std::vector<Text>{"确认"});
}

// The box's buttons, left to right.
std::vector<UiButton*> ButtonsOf(HWND box) {
  std::vector<UiButton*> buttons;
  for (UiControl* control : UiWindow::FromHwnd(box)->Controls())
    if (control->Type() == ControlType::Button) buttons.push_back(static_cast<UiButton*>(control));
  std::sort(buttons.begin(), buttons.end(), [](UiButton* a, UiButton* b) { return a->Left() < b->Left(); });
  return buttons;
}

UiLabel* MessageLabel(HWND box) {
  for (UiControl* control : UiWindow::FromHwnd(box)->Controls())
    if (control->Type() == ControlType::Label && control != UiWindow::FromHwnd(box)->TitleControl())
      return static_cast<UiLabel*>(control);
  return nullptr;
}

void ClickButton(UiButton* button) { ClickAt(button->HostWindow(), button->Left() + 10, button->Top() + 10); }

// What the box's canvas shows at a point, read by a timer inside the box's own loop, which
// then closes the box.
struct LoopProbe {
  HWND box = nullptr;
  POINT at = {0, 0};
  Argb seen;
};
LoopProbe gProbe;

void CALLBACK ReadCanvasAndClose(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  gProbe.seen = UiWindow::FromHwnd(gProbe.box)->Canvas().PixelAt(gProbe.at.x, gProbe.at.y);
  PostMessageW(gProbe.box, WM_CLOSE, 0, 0);
}

class MessageBoxTest : public WindowTest {
 protected:
  // Shows the box, and `action` on it once it is on the screen; answers its result.
  MessageBoxResult Show(HWND owner, std::string_view message, const MessageBoxOptions& options,
                        PopupDriver::Action action) {
    MessageBoxResult result = MessageBoxResult::Ok;
    const bool shown =
        DrivePopup(L"提示：", [&] { result = ShowMessageBox(owner, message, options); }, std::move(action));
    EXPECT_TRUE(shown);
    return result;
  }
};

// One line of words that no screen here is wide enough for.
Text LongLine() {
  Text line;
  for (int word = 0; word < 12; ++word) line += Text(40, 'W') + "，一句很长的话 ";
  return line;
}

TEST_F(MessageBoxTest, AShortMessageGetsTheStandardBoxALongOneAWiderBoxCentredAgain) {
  struct Case {
    const char* name;
    Text message;
    MessageBoxIcon icon;
    bool wider, wrapped;
    float textLeft, textTop;
  };
  const Case cases[] = {
      {"one line", "文件已保存。", MessageBoxIcon::None, false, false, 30, 47},
      {"one line and an icon", "文件已保存。", MessageBoxIcon::Information, false, false, 85, 47},
      {"a long line", Text(60, 'W') + "：这一行放不进标准的宽度", MessageBoxIcon::None, true, false, 30, 47},
      {"a line too long for the screen wraps", LongLine(), MessageBoxIcon::None, true, true, 30, 43},
  };
  RECT work = {};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RECT box = {};
    Rect text;
    MessageBoxOptions options;
    options.icon = c.icon;
    options.beep = false;
    Show(nullptr, c.message, options, [&](HWND hwnd) {
      GetWindowRect(hwnd, &box);
      text = MessageLabel(hwnd)->PixelRect();
      SendMessageW(hwnd, WM_KEYDOWN, VK_ESCAPE, 0);
    });
    const int width = box.right - box.left;
    EXPECT_EQ(box.bottom - box.top > 150, c.wrapped);
    EXPECT_LE(width, (work.right - work.left) * 5 / 8);
    if (c.wider) {
      EXPECT_GT(width, 320);
      EXPECT_NEAR(text.width, width - 60 + 10, 1.0f);  // measured + 10, in a box of measured + 60
    } else {
      EXPECT_EQ(width, 320);
    }
    EXPECT_EQ(box.left, work.left + (work.right - work.left - width) / 2);
    EXPECT_EQ(text.left, c.textLeft);
    EXPECT_EQ(text.top, c.textTop);
  }
}

TEST_F(MessageBoxTest, EachWayOutGivesItsResult) {
  enum class Way { ClickPosition, Enter, AltLetter, Escape, CloseMessage };
  struct Case {
    const char* name;
    MessageBoxButtons buttons;
    std::vector<Text> labels;
    int defaultButton;
    Way way;
    int detail;  // the button's position from the right, or the Alt letter
    MessageBoxResult result;
  };
  const Case cases[] = {
      {"the middle of yes, no, cancel",
       MessageBoxButtons::YesNoCancel,
       {},
       1,
       Way::ClickPosition,
       2,
       MessageBoxResult::No},
      {"Esc, even with only an OK button", MessageBoxButtons::Ok, {}, 1, Way::Escape, 0, MessageBoxResult::Cancel},
      {"the right of two caller captions",
       MessageBoxButtons::OkCancel,
       {"手贱了", "是的"},
       2,
       Way::ClickPosition,
       1,
       MessageBoxResult::Cancel},
      {"the left of two caller captions",
       MessageBoxButtons::OkCancel,
       {"手贱了", "是的"},
       2,
       Way::ClickPosition,
       2,
       MessageBoxResult::Ok},
      {"Enter on the default button",
       MessageBoxButtons::OkCancel,
       {"手贱了", "是的"},
       2,
       Way::Enter,
       0,
       MessageBoxResult::Ok},
      {"Enter on the rightmost button by default",
       MessageBoxButtons::RetryCancel,
       {},
       1,
       Way::Enter,
       0,
       MessageBoxResult::Cancel},
      {"Alt with a caption's letter", MessageBoxButtons::YesNo, {}, 1, Way::AltLetter, 'Y', MessageBoxResult::Yes},
      {"closed by the system", MessageBoxButtons::YesNo, {}, 1, Way::CloseMessage, 0, MessageBoxResult::Cancel},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MessageBoxOptions options;
    options.buttons = c.buttons;
    options.buttonLabels = c.labels;
    options.defaultButton = c.defaultButton;
    std::vector<Text> captions;
    const MessageBoxResult result = Show(hwnd(), "确定吗？", options, [&](HWND box) {
      const std::vector<UiButton*> buttons = ButtonsOf(box);
      for (UiButton* button : buttons) captions.push_back(button->GetOptions().caption);
      switch (c.way) {
        case Way::ClickPosition:
          ClickButton(buttons[buttons.size() - static_cast<std::size_t>(c.detail)]);
          break;
        case Way::Enter:
          SendMessageW(box, WM_KEYDOWN, VK_RETURN, 0);
          break;
        case Way::AltLetter:
          SendMessageW(box, WM_SYSKEYDOWN, static_cast<WPARAM>(c.detail), 1 << 29);
          break;
        case Way::Escape:
          SendMessageW(box, WM_KEYDOWN, VK_ESCAPE, 0);
          break;
        case Way::CloseMessage:
          PostMessageW(box, WM_CLOSE, 0, 0);
          break;
      }
    });
    EXPECT_EQ(result, c.result);
    if (c.buttons == MessageBoxButtons::YesNoCancel) {
      EXPECT_EQ(captions, (std::vector<Text>{"是(&Y)", "否(&N)", "取消"}));
    }
  }
}

// The arrow keys move the focus along the buttons as in the system's message boxes: Left
// and Up to the one on the left, Right and Down to the one on the right, round the row;
// Enter then clicks the button they came to.
TEST_F(MessageBoxTest, ArrowKeysMoveTheFocusAlongTheButtonsRoundTheRow) {
  struct Step {
    WPARAM key;
    const char* focused;  // the caption holding the focus after the key
  };
  const Step steps[] = {
      {VK_LEFT, "否(&N)"}, {VK_UP, "是(&Y)"},    {VK_LEFT, "取消"},   {VK_RIGHT, "是(&Y)"},
      {VK_DOWN, "否(&N)"}, {VK_RIGHT, "取消"}, {VK_UP, "否(&N)"},
  };
  MessageBoxOptions options;
  options.buttons = MessageBoxButtons::YesNoCancel;  // 是 否 取消, 取消 focused
  std::vector<Text> seen;
  const MessageBoxResult result = Show(hwnd(), "保存吗？", options, [&](HWND box) {
    for (const Step& step : steps) {
      SendMessageW(box, WM_KEYDOWN, step.key, 0);
      const UiControl* focused = UiWindow::FromHwnd(box)->Focused();
      seen.push_back(focused != nullptr ? static_cast<const UiButton*>(focused)->GetOptions().caption : "");
    }
    SendMessageW(box, WM_KEYDOWN, VK_RETURN, 0);
  });
  std::vector<Text> expected;
  for (const Step& step : steps) expected.push_back(step.focused);
  EXPECT_EQ(seen, expected);
  EXPECT_EQ(result, MessageBoxResult::No);
}

TEST_F(MessageBoxTest, InputToTheOwnerIsDroppedWhileTheBoxIsOpenAndTheBoxWearsTheOwnersSkin) {
  RecordingControl target;
  ASSERT_TRUE(target.Create(hwnd(), {20, 60, 100, 40}));
  const LPARAM inside = MAKELPARAM(50, 80);
  const auto postClickAndKey = [this, inside] {
    PostMessageW(hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, inside);
    PostMessageW(hwnd(), WM_LBUTTONUP, 0, inside);
    PostMessageW(hwnd(), WM_KEYDOWN, VK_TAB, 0);
  };
  std::optional<HWND> borrowed;
  MessageBoxOptions options;
  options.icon = MessageBoxIcon::Question;
  options.beep = false;
  options.centreOnOwner = true;
  target.Clear();
  postClickAndKey();  // still queued when the box opens: its opening pumps them
  Show(hwnd(), "主窗口收不到输入", options, [&](HWND box) {
    borrowed = UiWindow::FromHwnd(box)->Skin().Settings().skinSource;
    postClickAndKey();
    PostMessageW(box, WM_CLOSE, 0, 0);  // handled after the owner's input
  });
  EXPECT_EQ(target.Count(EventCode::LeftDown), 0);
  EXPECT_EQ(window().Focused(), nullptr);
  EXPECT_EQ(borrowed, std::optional<HWND>(hwnd()));
  // The same input once the box is gone arrives.
  postClickAndKey();
  Pump();
  EXPECT_EQ(target.Count(EventCode::LeftDown), 1);
}

TEST_F(MessageBoxTest, ResizingKeepsTheButtonsAnchoredToTheBottomRight) {
  SIZE size = {};
  std::vector<Rect> places;
  MessageBoxOptions options;
  options.buttons = MessageBoxButtons::AbortRetryIgnore;
  Show(nullptr, "重试吗？", options, [&](HWND box) {
    SetWindowPos(box, nullptr, 0, 0, 420, 200, SWP_NOMOVE | SWP_NOZORDER);
    RECT r = {};
    GetWindowRect(box, &r);
    size = {r.right - r.left, r.bottom - r.top};
    for (UiButton* button : ButtonsOf(box)) places.push_back(button->PixelRect());
    SendMessageW(box, WM_KEYDOWN, VK_ESCAPE, 0);
  });
  EXPECT_EQ(size.cx, 420);
  EXPECT_EQ(size.cy, 200);
  ASSERT_EQ(places.size(), 3u);
  for (int position = 1; position <= 3; ++position)
    EXPECT_EQ(places[3 - static_cast<std::size_t>(position)], MessageBoxButtonRect(420, 200, position, DefaultStyle().messageBox));
}

// The box's own message loop runs the window's flush: a button the pointer goes onto shows
// its hot look while the box is open.
TEST_F(MessageBoxTest, ItsOwnLoopShowsAButtonChanging) {
  Argb before;
  MessageBoxOptions options;
  options.beep = false;
  Show(nullptr, "文件已保存。", options, [&](HWND box) {
    const UiButton* button = ButtonsOf(box).front();
    gProbe = {box, {button->Left() + 10, button->Top() + 18}, Argb()};
    before = UiWindow::FromHwnd(box)->Canvas().PixelAt(gProbe.at.x, gProbe.at.y);
    SendMessageW(box, WM_MOUSEMOVE, 0, MAKELPARAM(gProbe.at.x, gProbe.at.y));
    SetTimer(nullptr, 0, 400, ReadCanvasAndClose);  // past the hot look's fade
  });
  EXPECT_NE(gProbe.seen, before);
}

}  // namespace
}  // namespace getlink::testing
