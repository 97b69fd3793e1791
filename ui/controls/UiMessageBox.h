// The framework's message box: a small skinned window with an icon, the message and a
// row of buttons along its bottom edge. ShowMessageBox builds it, centres it, shows it,
// runs its own loop and answers which button closed it. From the moment its window exists
// until it is gone, the thread's other windows take no mouse or keys and refuse what an
// accessibility client asks them to do (ModalScope); the owner is not disabled.
//
//   MessageBoxOptions ask;
//   ask.buttons = MessageBoxButtons::OkCancel;
//   ask.buttonLabels = {"手贱了", "是的"};  // button 1 (right) answers Cancel, button 2 Ok
//   ask.icon = MessageBoxIcon::Question;
//   ask.centreOnOwner = true;
//   ask.defaultButton = 2;
//   if (ShowMessageBox(mainWindow, "真的要退出吗?", ask) == MessageBoxResult::Ok) ...
//
// Keys: Enter or Space clicks the focused button, Alt with a caption's "&" letter clicks
// that button, Tab moves between the buttons, and so do the arrow keys (Left and Up to the
// button on the left, Right and Down to the right, round the row), Esc closes the box
// (Cancel).
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "ui/controls/MessageBoxButtons.h"
#include "ui/framework/drawing/EmbeddedImages.h"
#include "ui/framework/window/UiWindow.h"

namespace getlink {

// The box's own skin, instead of the owner's.
struct MessageBoxLook {
  ByteSet skinImage;
  std::optional<ColorRef> skinColour;
  std::optional<int> opacity;  // absent: a window that is not layered
  SkinImageMode imageMode = SkinImageMode::Natural;
  int cornerRadius = kRoundCorners;
  bool blendImageEdges = true;
  std::optional<bool> blurBehind;  // absent: on Windows 6 and later
  Margins nineGrid;
};

struct MessageBoxOptions {
  MessageBoxButtons buttons = MessageBoxButtons::Ok;
  Text title = "提示：";
  MessageBoxIcon icon = MessageBoxIcon::None;  // also the sound MessageBeep plays
  // Called once the box is built, before it is shown: its window, width and height.
  std::function<void(HWND box, int width, int height)> onCreated;
  bool beep = true;            // only a box with an icon beeps
  bool centreOnOwner = false;  // false: centred on the desktop's work area
  int captionFlags = CaptionFlag::Title | CaptionFlag::Close;
  std::vector<Text> buttonLabels;  // in button order (button 1, the rightmost, first); empty: the set's
  int defaultButton = 1;           // the button that has the keyboard focus, 1 = the rightmost
  // Absent: the owner's skin when the owner is a framework window, else a blue one.
  std::optional<MessageBoxLook> customLook;
  WindowEffect showEffect = WindowEffect::None;
  std::optional<WindowEffect> closeEffect;
};

// Shows the box and returns when it is gone: the result of the button clicked, Cancel for
// any other way out (and when no window could be made).
MessageBoxResult ShowMessageBox(HWND owner, std::string_view message, const MessageBoxOptions& options = {});

}  // namespace getlink
