// The message box's answers and its sets of buttons. Button 1 stands at the right edge,
// button 2 to its left, and so on: a set reads right to left.
#pragma once

#include <vector>

#include "runtime/Text.h"

namespace getlink {

// What ShowMessageBox answers: the result of the button that closed the box, or Cancel
// when it was closed any other way (Esc, the close button, WM_CLOSE).
enum class MessageBoxResult : int { Ok = 0, Cancel = 1, Abort = 2, Retry = 3, Ignore = 4, Yes = 5, No = 6 };

enum class MessageBoxButtons : int {
  Ok = 0,                // 确认
  OkCancel = 1,          // 取消, 确认
  AbortRetryIgnore = 2,  // 忽略, 重试, 放弃
  YesNoCancel = 3,       // 取消, 否(&N), 是(&Y)
  YesNo = 4,             // 否(&N), 是(&Y)
  RetryCancel = 5,       // 取消, 重试
};

struct MessageBoxButton {
  Text caption;  // an "&" marks the Alt letter
  MessageBoxResult result;
};

// The buttons of `set` in button order (button 1 first). `labels` replace the captions
// from button 1 on, as many as the set has buttons; the results stay the set's. A value
// outside the sets gives the Ok set.
std::vector<MessageBoxButton> MessageBoxButtonsOf(MessageBoxButtons set, const std::vector<Text>& labels = {});

}  // namespace getlink
