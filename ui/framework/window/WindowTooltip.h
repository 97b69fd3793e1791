// The tooltip of a framework window: one "tooltips_class32" window that shows the tip
// text of the control under the mouse over that control's rectangle.
#pragma once

#include <windows.h>

#include <optional>
#include <string_view>

#include "runtime/WinHandles.h"

namespace getlink {

class UiControl;

class WindowTooltip {
 public:
  WindowTooltip() = default;
  WindowTooltip(const WindowTooltip&) = delete;
  WindowTooltip& operator=(const WindowTooltip&) = delete;
  ~WindowTooltip() = default;

  // The tooltip window itself is made when the first tip is to be shown.
  void Create(HWND owner);
  void Destroy();
  // Shows `text` (the control's own tip text when none is given) for the control, or
  // nothing for no control or an empty text.
  void Update(UiControl* control, std::optional<std::string_view> text);

 private:
  bool MakeWindow();

  HWND owner_ = nullptr;
  UniqueWindow tooltip_;
};

}  // namespace getlink
