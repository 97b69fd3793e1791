// Mouse and keyboard input turned into control events, as a user produces it.
#include <gtest/gtest.h>

#include "tests/ui/framework/window/WindowTestSupport.h"
#include "ui/framework/controls/UiCaptionButton.h"
#include "ui/framework/controls/UiCaptionTitle.h"

namespace getlink::testing {
namespace {

using Codes = std::vector<EventCode>;

class InputRoutingTest : public WindowTest {
 protected:
  // Counts of the window's bindings, by code.
  struct Calls {
    int mouseDown = 0, mouseUp = 0, click = 0, doubleClick = 0, rightDown = 0, rightUp = 0;
    UiControl* lastRight = reinterpret_cast<UiControl*>(1);
    ClickInput lastClick = {true, {99, 99}};
  } calls;

  void BindCallbacks() {
    window().BindEvent(EventCode::LeftDown, [this](UiControl*, const ControlEvent&) { ++calls.mouseDown; });
    window().BindEvent(EventCode::LeftUp, [this](UiControl*, const ControlEvent&) { ++calls.mouseUp; });
    window().BindEvent(EventCode::EvClick, [this](UiControl*, const ControlEvent& e) {
      ++calls.click;
      calls.lastClick = e.Click();
    });
    window().BindEvent(EventCode::LeftDoubleClick, [this](UiControl*, const ControlEvent&) { ++calls.doubleClick; });
    window().BindEvent(EventCode::RightDown, [this](UiControl* c, const ControlEvent&) {
      ++calls.rightDown;
      calls.lastRight = c;
    });
    window().BindEvent(EventCode::RightUp, [this](UiControl* c, const ControlEvent&) {
      ++calls.rightUp;
      calls.lastRight = c;
    });
  }

  // Two controls side by side, the pointer pressed on the first; what they heard is cleared.
  void PressTheFirstOf(RecordingControl& pressed, RecordingControl& other) {
    ASSERT_TRUE(pressed.Create(hwnd(), {100, 100, 80, 24}));
    ASSERT_TRUE(other.Create(hwnd(), {250, 100, 80, 24}));
    MouseMove(110, 110);
    LeftDown(110, 110);
    pressed.Clear();
    other.Clear();
  }
};

TEST_F(InputRoutingTest, HoverPressReleaseGivesExactlyOneClick) {
  BindCallbacks();
  RecordingControl control;
  ASSERT_TRUE(control.Create(hwnd(), {100, 100, 80, 24}));
  control.Clear();
  MouseMove(110, 110);
  LeftDown(110, 110);
  EXPECT_EQ(window().Pressed(), &control);
  EXPECT_EQ(window().Focused(), &control);
  LeftUp(112, 111);
  EXPECT_EQ(control.Codes(), (Codes{EventCode::EvMouseEnter, EventCode::MouseMove, EventCode::EvQueryPress,
                                    EventCode::EvFocusGained, EventCode::LeftDown, EventCode::LeftUp,
                                    EventCode::EvClick}));
  EXPECT_TRUE(control.events.back().Click().byPointer);
  EXPECT_EQ(control.events.back().Click().point.x, 112);
  EXPECT_EQ(calls.click, 1);
  EXPECT_EQ(calls.mouseDown, 1);
  EXPECT_EQ(calls.mouseUp, 1);
  EXPECT_EQ(window().Pressed(), nullptr);
}

TEST_F(InputRoutingTest, PressDragOutReleaseGivesLeaveAndNoClick) {
  BindCallbacks();
  RecordingControl pressed, other;
  PressTheFirstOf(pressed, other);
  MouseMove(260, 110);  // still goes to the pressed control
  LeftUp(260, 110);
  EXPECT_EQ(pressed.Codes(), (Codes{EventCode::MouseMove, EventCode::LeftUp, EventCode::EvMouseLeave}));
  EXPECT_EQ(pressed.events.front().Pointer().point.x, 260);  // where the pointer is, outside the control
  EXPECT_EQ(pressed.events.back().Other(), &other);
  EXPECT_EQ(other.Codes(), (Codes{EventCode::EvMouseEnter}));
  EXPECT_EQ(calls.click, 0);
  EXPECT_EQ(window().Hovered(), &other);
}

TEST_F(InputRoutingTest, ReleaseBackOverThePressedControlStillClicks) {
  RecordingControl control;
  ASSERT_TRUE(control.Create(hwnd(), {100, 100, 80, 24}));
  MouseMove(110, 110);
  LeftDown(110, 110);
  MouseMove(300, 200);
  MouseMove(120, 110);
  LeftUp(120, 110);
  EXPECT_EQ(control.Count(EventCode::EvClick), 1);
  EXPECT_EQ(control.Count(EventCode::EvMouseLeave), 0);
}

TEST_F(InputRoutingTest, APressCutShortClicksNothingAndTheNextControlGetsHoverAndClick) {
  BindCallbacks();
  for (const PressCut cut : kPressCuts) {
    SCOPED_TRACE(Describe(cut));
    calls = {};
    RecordingControl pressed, other;
    PressTheFirstOf(pressed, other);
    hooked.clear();
    CutPress(cut);
    EXPECT_EQ(window().Pressed(), nullptr);
    EXPECT_EQ(pressed.Count(EventCode::EvPressCancelled), 1);
    // Each way on its own: the capture taken and WM_CANCELMODE leave the window active.
    const int deactivations =
        HookedCount(WM_ACTIVATE, [](const MSG& m) { return LOWORD(m.wParam) == WA_INACTIVE; });
    EXPECT_EQ(deactivations, cut == PressCut::AnotherWindowActivated ? 1 : 0);
    MouseMove(260, 110);
    EXPECT_EQ(window().Hovered(), &other);
    EXPECT_EQ(other.Count(EventCode::EvMouseEnter), 1);
    LeftDown(260, 110);
    LeftUp(260, 110);
    EXPECT_EQ(other.Count(EventCode::EvClick), 1);
    EXPECT_EQ(pressed.Count(EventCode::EvClick) + pressed.Count(EventCode::MouseMove), 0);
    EXPECT_EQ(calls.click, 1);
  }
}

TEST_F(InputRoutingTest, DoubleClickArrivesAsAMarkedPress) {
  BindCallbacks();
  RecordingControl control;
  ASSERT_TRUE(control.Create(hwnd(), {100, 100, 80, 24}));
  DoubleClick(110, 110);
  ASSERT_GE(control.Count(EventCode::LeftDown), 1);
  for (const ControlEvent& e : control.events) {
    if (e.code == EventCode::LeftDown) {
      EXPECT_TRUE(e.Pointer().doubleClick);
    }
  }
  EXPECT_EQ(calls.doubleClick, 1);
  LeftUp(110, 110);
}

TEST_F(InputRoutingTest, TabSkipsWhatCannotTakeFocusWrapsAndStaysAtTopLevel) {
  RecordingControl first, hidden, disabled, notFocusable, parent, child, last;
  ASSERT_TRUE(first.Create(hwnd(), {20, 60, 40, 20}));
  ASSERT_TRUE(hidden.Create(hwnd(), {70, 60, 40, 20}));
  ASSERT_TRUE(disabled.Create(hwnd(), {120, 60, 40, 20}));
  CreateControlOptions noFocus;
  noFocus.focusable = false;
  ASSERT_TRUE(notFocusable.Create(hwnd(), {170, 60, 40, 20}, noFocus));
  ASSERT_TRUE(parent.Create(hwnd(), {20, 100, 200, 100}));
  ASSERT_TRUE(child.Create(parent, {30, 110, 40, 20}));
  ASSERT_TRUE(last.Create(hwnd(), {250, 100, 40, 20}));
  hidden.SetVisible(false);
  disabled.SetDisabled(true);
  Pump();

  Key(VK_TAB);  // nothing focused yet: the first candidate in the list
  std::vector<UiControl*> visited = {window().Focused()};
  for (int i = 0; i < 4; ++i) {
    Key(VK_TAB);
    visited.push_back(window().Focused());
  }
  // The caption buttons come first in the list (created by the window) but never take focus.
  EXPECT_EQ(visited, (std::vector<UiControl*>{&first, &parent, &last, &first, &parent}));
  EXPECT_EQ(window().KeyboardFocus(), &parent);
  EXPECT_EQ(child.Count(EventCode::EvFocusGained), 0);
}

TEST_F(InputRoutingTest, EnterAndSpaceClickTheFocusedEnabledControl) {
  BindCallbacks();
  RecordingControl control;
  ASSERT_TRUE(control.Create(hwnd(), {100, 100, 80, 24}));
  window().SetFocusControl(&control, true);
  Key(VK_RETURN);
  EXPECT_EQ(control.Count(EventCode::EvClick), 1);
  EXPECT_EQ(calls.click, 1);
  EXPECT_FALSE(calls.lastClick.byPointer);
  Key(VK_SPACE);
  EXPECT_EQ(control.Count(EventCode::EvClick), 2);

  // Disabled, the control is no longer focused; focus it by message and try again.
  control.SetDisabled(true);
  PostMessageW(hwnd(), ToMessage(FrameworkMessage::WmFocusControl), 0, static_cast<LPARAM>(control.Handle()));
  Pump();
  EXPECT_EQ(window().Focused(), nullptr);
  Key(VK_RETURN);
  EXPECT_EQ(control.Count(EventCode::EvClick), 2);
}

TEST_F(InputRoutingTest, KeysGoToTheFocusedControlFirst) {
  RecordingControl control;
  ASSERT_TRUE(control.Create(hwnd(), {100, 100, 80, 24}));
  window().SetFocusControl(&control, false);
  control.onEvent = nullptr;
  SendMessageW(hwnd(), WM_CHAR, L'x', 0);
  SendMessageW(hwnd(), WM_KEYUP, 'X', 0);
  Pump();
  EXPECT_EQ(control.Count(EventCode::Char), 1);
  EXPECT_EQ(control.Count(EventCode::KeyUp), 1);
}

TEST_F(InputRoutingTest, RightClicksReachTheCallbacksAndTheControl) {
  BindCallbacks();
  RecordingControl control;
  ASSERT_TRUE(control.Create(hwnd(), {100, 100, 80, 24}));
  RightClick(110, 110);
  EXPECT_EQ(calls.rightDown, 1);
  EXPECT_EQ(calls.rightUp, 1);
  EXPECT_EQ(calls.lastRight, &control);
  EXPECT_EQ(control.Count(EventCode::RightDown), 1);
  EXPECT_EQ(control.Count(EventCode::RightUp), 1);
  RightClick(300, 250);
  EXPECT_EQ(calls.lastRight, nullptr);
}

TEST_F(InputRoutingTest, AClickOnAControlThatTakesNoPressDragsTheWindow) {
  AttachWindowOptions options = DefaultOptions();
  options.dragMove = true;
  Reopen(options);
  RecordingControl label;
  CreateControlOptions noFocus;
  noFocus.focusable = false;
  ASSERT_TRUE(label.Create(hwnd(), {100, 100, 80, 24}, noFocus));
  int pressesHandled = 0;
  label.BindEvent(EventCode::LeftDown, [&](UiControl*, UiControl&, const ControlEvent&) { ++pressesHandled; });
  hooked.clear();
  Click(110, 110);
  EXPECT_EQ(HookedCount(WM_NCLBUTTONDOWN, [](const MSG& m) { return m.wParam == HTCAPTION; }), 1);
  EXPECT_EQ(pressesHandled, 1);  // the press still reaches the control after the drag
  EXPECT_EQ(label.Count(EventCode::EvClick), 0);
  EXPECT_EQ(window().Pressed(), nullptr);

  label.queryPressAnswer = 0;  // now it takes presses although it is not focusable
  hooked.clear();
  Click(110, 110);
  EXPECT_EQ(HookedCount(WM_NCLBUTTONDOWN), 0);
  EXPECT_EQ(label.Count(EventCode::EvClick), 1);
  EXPECT_EQ(window().Focused(), nullptr);
}

TEST_F(InputRoutingTest, DoubleClickNearTheTopTogglesMaximise) {
  AttachWindowOptions options = DefaultOptions();
  options.captionFlags = CaptionFlag::Close | CaptionFlag::Maximise;
  Reopen(options);
  DoubleClick(150, 60);  // below the top 30 pixels: nothing
  EXPECT_FALSE(PumpUntil([&] { return IsZoomed(hwnd()) != FALSE; }, 300));
  DoubleClick(150, 20);
  EXPECT_TRUE(PumpUntil([&] { return IsZoomed(hwnd()) != FALSE; }));
  DoubleClick(150, 20);
  EXPECT_TRUE(PumpUntil([&] { return IsZoomed(hwnd()) == FALSE; }));

  // On the title it toggles too, and the title still hears of the double click.
  options.captionFlags = CaptionFlag::Title | CaptionFlag::Close | CaptionFlag::Maximise;
  Reopen(options);
  int doubleClicks = 0;
  window().TitleLabel()->BindEvent(EventCode::LeftDoubleClick,
                                   [&](UiControl*, UiControl&, const ControlEvent&) { ++doubleClicks; });
  DoubleClick(150, 20);
  EXPECT_TRUE(PumpUntil([&] { return IsZoomed(hwnd()) != FALSE; }));
  EXPECT_EQ(doubleClicks, 1);
}

TEST_F(InputRoutingTest, BordersOfAResizableWindowStartSizing) {
  AttachWindowOptions options = DefaultOptions();
  options.resizable = true;
  Reopen(options);
  hookAnswers.push_back({WM_SYSCOMMAND, 0});  // keep the system's sizing loop away
  RecordingControl control;
  ASSERT_TRUE(control.Create(hwnd(), {0, 100, 80, 24}));
  struct Case {
    int x, y;
    WPARAM command;
    LPCWSTR cursor;
  } cases[] = {
      {3, 3, SC_SIZE + WMSZ_TOPLEFT, IDC_SIZENWSE},       {200, 7, SC_SIZE + WMSZ_TOP, IDC_SIZENS},
      {kWidth - 5, 3, SC_SIZE + WMSZ_TOPRIGHT, IDC_SIZENESW}, {7, 150, SC_SIZE + WMSZ_LEFT, IDC_SIZEWE},
      {kWidth - 9, 150, SC_SIZE + WMSZ_RIGHT, IDC_SIZEWE},  {200, kHeight - 9, SC_SIZE + WMSZ_BOTTOM, IDC_SIZENS},
      {kWidth - 3, kHeight - 3, SC_SIZE + WMSZ_BOTTOMRIGHT, IDC_SIZENWSE},
  };
  for (const Case& c : cases) {
    hooked.clear();
    MouseMove(c.x, c.y);
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, c.cursor)) << c.x << "," << c.y;
    LeftDown(c.x, c.y);
    EXPECT_EQ(HookedCount(WM_SYSCOMMAND, [&](const MSG& m) { return m.wParam == c.command; }), 1) << c.x << "," << c.y;
    LeftUp(c.x, c.y);
  }
  // A control inside the left band gets no input there.
  EXPECT_EQ(control.Count(EventCode::LeftDown), 0);
  hooked.clear();
  LeftDown(200, 150);  // the middle: no sizing
  LeftUp(200, 150);
  EXPECT_EQ(HookedCount(WM_SYSCOMMAND), 0);

  ShowWindow(hwnd(), SW_MAXIMIZE);
  ASSERT_TRUE(PumpUntil([&] { return IsZoomed(hwnd()) != FALSE; }));
  hooked.clear();
  LeftDown(3, 3);
  LeftUp(3, 3);
  EXPECT_EQ(HookedCount(WM_SYSCOMMAND), 0);
}

TEST_F(InputRoutingTest, FrozenWindowGivesControlsNoMouseEvents) {
  RecordingControl control;
  ASSERT_TRUE(control.Create(hwnd(), {100, 100, 80, 24}));
  window().SetAnimationsOn(true);
  window().SetSkin(std::nullopt, MakeColorRef(200, 220, 240), SkinRepaint::CrossFade);
  ASSERT_TRUE(window().Frozen());
  control.Clear();
  Click(110, 110);
  EXPECT_TRUE(control.events.empty());
  ASSERT_TRUE(PumpUntil([&] { return !window().Frozen(); }));  // five ticks of 50 ms end the cross-fade
  Click(110, 110);
  EXPECT_EQ(control.Count(EventCode::EvClick), 1);
}

TEST_F(InputRoutingTest, MnemonicsClickVisibleEnabledControlsInEitherCase) {
  BindCallbacks();
  RecordingControl control;
  ASSERT_TRUE(control.Create(hwnd(), {100, 100, 80, 24}));
  SendMessageW(hwnd(), ToMessage(FrameworkMessage::WmAddMnemonic), static_cast<WPARAM>(control.Handle()), 't');
  SendMessageW(hwnd(), WM_SYSKEYDOWN, 'T', 0);
  Pump();
  EXPECT_EQ(control.Count(EventCode::EvClick), 1);
  EXPECT_EQ(calls.click, 1);
  window().AddMnemonic(control, 'K');  // replaces the letter
  SendMessageW(hwnd(), WM_SYSKEYDOWN, 'T', 0);
  SendMessageW(hwnd(), WM_SYSKEYDOWN, 'K', 0);
  Pump();
  EXPECT_EQ(control.Count(EventCode::EvClick), 2);
  control.SetDisabled(true);
  SendMessageW(hwnd(), WM_SYSKEYDOWN, 'K', 0);
  Pump();
  EXPECT_EQ(control.Count(EventCode::EvClick), 2);
}

TEST_F(InputRoutingTest, AHandlerMayDestroyTheControlItWasCalledFor) {
  BindCallbacks();
  RecordingControl control;
  ASSERT_TRUE(control.Create(hwnd(), {100, 100, 80, 24}));
  UiControl* pressedDuringClick = reinterpret_cast<UiControl*>(1);
  control.BindEvent(EventCode::EvClick, [&](UiControl*, UiControl& c, const ControlEvent&) {
    pressedDuringClick = window().Pressed();
    c.Destroy();
  });
  Click(110, 110);
  EXPECT_EQ(pressedDuringClick, nullptr);  // the press was over before the handler ran
  EXPECT_FALSE(control.IsCreated());
  EXPECT_EQ(calls.click, 1);
  EXPECT_EQ(window().Hovered(), nullptr);
  MouseMove(120, 115);
  Click(120, 115);
}

TEST_F(InputRoutingTest, TheWindowsBindingsHearWhatItsControlsHearAfterThem) {
  RecordingControl first, second;
  ASSERT_TRUE(first.Create(hwnd(), {100, 100, 80, 24}));
  ASSERT_TRUE(second.Create(hwnd(), {250, 100, 80, 24}));
  struct Heard {
    EventCode code;
    UiControl* control;
    UiControl* other;
    bool controlHeardItFirst;
  };
  std::vector<Heard> heard;
  for (const EventCode code : {EventCode::EvMouseEnter, EventCode::EvMouseLeave, EventCode::EvFocusGained,
                               EventCode::EvFocusLost, EventCode::EvClick}) {
    window().BindEvent(code, [&heard](UiControl* c, const ControlEvent& e) {
      const auto* recorder = static_cast<RecordingControl*>(c);
      heard.push_back({e.code, c, e.Other(), !recorder->events.empty() && recorder->events.back().code == e.code});
    });
  }
  int replaced = 0;
  window().BindEvent(EventCode::EvFocusLost, [&replaced](UiControl*, const ControlEvent&) { ++replaced; });

  Click(110, 110);
  MouseMove(260, 110);
  Key(VK_TAB);
  const std::vector<std::pair<EventCode, UiControl*>> expected = {
      {EventCode::EvMouseEnter, &first}, {EventCode::EvFocusGained, &first}, {EventCode::EvClick, &first},
      {EventCode::EvMouseLeave, &first}, {EventCode::EvMouseEnter, &second}, {EventCode::EvFocusGained, &second}};
  ASSERT_EQ(heard.size(), expected.size());
  for (std::size_t i = 0; i < heard.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(heard[i].code, expected[i].first);
    EXPECT_EQ(heard[i].control, expected[i].second);
    EXPECT_TRUE(heard[i].controlHeardItFirst);
  }
  EXPECT_EQ(heard[3].other, &second);  // where the pointer went
  EXPECT_EQ(heard[5].other, &first);   // where the focus came from
  EXPECT_EQ(replaced, 1);              // the second binding of a code took the first's place
}

TEST_F(InputRoutingTest, CaptionButtonsNeverTakeTheFocus) {
  UiCaptionButton* close = window().CaptionButtons().front();
  const Rect r = close->PixelRect();
  hookAnswers.push_back({WM_CLOSE, 0});
  Click(static_cast<int>(r.left) + 5, static_cast<int>(r.top) + 5);
  EXPECT_EQ(window().Focused(), nullptr);
  window().SetFocusControl(close, true);
  EXPECT_EQ(window().Focused(), nullptr);
}

}  // namespace
}  // namespace getlink::testing
