#include "ui/controls/MessageBoxButtons.h"

namespace getlink {
namespace {

MessageBoxButton Ok() { return {"确认", MessageBoxResult::Ok}; }
MessageBoxButton Cancel() { return {"取消", MessageBoxResult::Cancel}; }
MessageBoxButton Retry() { return {"重试", MessageBoxResult::Retry}; }
MessageBoxButton Yes() { return {"是(&Y)", MessageBoxResult::Yes}; }
MessageBoxButton No() { return {"否(&N)", MessageBoxResult::No}; }

}  // namespace

std::vector<MessageBoxButton> MessageBoxButtonsOf(MessageBoxButtons set, const std::vector<Text>& labels) {
  std::vector<MessageBoxButton> buttons;
  switch (set) {
    case MessageBoxButtons::OkCancel:
      buttons = {Cancel(), Ok()};
      break;
    case MessageBoxButtons::AbortRetryIgnore:
      buttons = {{"忽略", MessageBoxResult::Ignore}, Retry(), {"放弃", MessageBoxResult::Abort}};
      break;
    case MessageBoxButtons::YesNoCancel:
      buttons = {Cancel(), No(), Yes()};
      break;
    case MessageBoxButtons::YesNo:
      buttons = {No(), Yes()};
      break;
    case MessageBoxButtons::RetryCancel:
      buttons = {Cancel(), Retry()};
      break;
    default:
      buttons = {Ok()};
      break;
  }
  for (std::size_t i = 0; i < labels.size() && i < buttons.size(); ++i) buttons[i].caption = labels[i];
  return buttons;
}

}  // namespace getlink
