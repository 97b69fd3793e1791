// The window's style is what its controls draw and lay out with: a control made on a
// window whose style differs from the default in one value shows that value, and does not
// with the default style.
#include <gtest/gtest.h>

#include <functional>

#include "tests/ui/framework/window/WindowTestSupport.h"
#include "ui/controls/UiEdit.h"
#include "ui/controls/UiGroupBox.h"
#include "ui/controls/UiLabel.h"
#include "ui/controls/UiListBox.h"
#include "ui/controls/UiScrollBar.h"
#include "ui/framework/controls/UiButton.h"

namespace getlink::testing {
namespace {

constexpr Argb kRed = MakeArgb(255, 220, 0, 0);
constexpr Argb kGreen = MakeArgb(255, 0, 200, 0);
constexpr Argb kBlue = MakeArgb(255, 0, 0, 200);

using UiStyleTest = WindowTest;

// The control's pixels once its window has painted what was asked for.
const Surface& Painted(HWND host, const UiControl& control) {
  UiWindow::FromHwnd(host)->Flush();
  return control.GetSurface();
}

TEST_F(UiStyleTest, ControlsDrawAndLayOutWithTheirWindowsStyle) {
  struct Case {
    const char* name;
    std::function<void(UiStyle&)> change;
    // Makes the control on the window and answers whether it shows the changed value.
    std::function<bool(HWND)> shows;
  };
  const Case cases[] = {
      {"button face",
       [](UiStyle& s) {
         for (ButtonFaceColours* face : {&s.button.normal, &s.button.hot, &s.button.pressed, &s.button.focused})
           *face = {kRed, Argb(), Argb(), Argb(), Argb(), Argb()};
       },
       [](HWND host) {
         UiButton button;
         return button.Create(host, {100, 100, 80, 24}) && Painted(host, button).PixelAt(40, 12) == kRed;
       }},
      {"edit box back",
       [](UiStyle& s) { s.edit.backColour = kGreen; },
       [](HWND host) {
         UiEdit edit;
         return edit.Create(host, {100, 100, 120, 24}) && Painted(host, edit).PixelAt(60, 12) == kGreen;
       }},
      {"list box back",
       [](UiStyle& s) { s.listBox.backColour = kBlue; },
       [](HWND host) {
         UiListBox list;
         return list.Create(host, {100, 100, 100, 60}) && Painted(host, list).PixelAt(50, 30) == kBlue;
       }},
      {"group box border",
       [](UiStyle& s) { s.borderColour = kRed; },
       [](HWND host) {
         UiGroupBox box;
         GroupBoxOptions square;
         square.roundCorners = false;
         return box.Create(host, {100, 100, 120, 60}, square) &&
                Painted(host, box).PixelAt(60, static_cast<int>(box.FrameRect().top)) == kRed;
       }},
      {"label inset",
       [](UiStyle& s) { s.label.inset = 9; },
       [](HWND host) {
         UiLabel label;
         return label.Create(host, {100, 100, 120, 30}) && label.TextLayout().left == 9;
       }},
      {"font size of a named font",
       [](UiStyle& s) { s.fontSize = 20; },
       [](HWND host) {
         UiLabel label;
         LabelOptions named;
         named.font.name = "宋体";
         return label.Create(host, {100, 100, 120, 30}, named) && label.Font().Size() == 20;
       }},
      {"scroll bar arrows",
       [](UiStyle& s) { s.scrollBar.arrowLength = 15; },
       [](HWND host) {
         UiScrollBar bar;
         return bar.Create(host, {100, 100, 120, 10}) && bar.Geometry().FirstArrow().width == 15;
       }},
      {"fade timer",
       [](UiStyle& s) { s.fade.frameMs = 25; },
       [](HWND host) {
         UiButton button;
         return button.Create(host, {100, 100, 80, 24}) && button.FrameInterval() == 25;
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    window().SetStyle(DefaultStyle());
    EXPECT_FALSE(c.shows(hwnd()));
    UiStyle changed = DefaultStyle();
    c.change(changed);
    window().SetStyle(changed);
    EXPECT_TRUE(c.shows(hwnd()));
  }
  window().SetStyle(DefaultStyle());
}

}  // namespace
}  // namespace getlink::testing
