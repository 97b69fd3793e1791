// The drop-down list of a combo box: a pop-up window of its own ("Zt_LayerUI_Combox",
// pop-up kind 2: it closes when it loses the activation or on Esc) under the box, or over
// it near the bottom of the work area, holding a list whose selection follows the pointer.
// A click on an item chooses it.
#pragma once

#include <windows.h>

#include <functional>
#include <string_view>
#include <vector>

#include "runtime/Text.h"
#include "ui/framework/drawing/Geometry.h"

namespace getlink {

// Shows the list of `items` for the combo at `combo` (client coordinates of `host`), with
// the item captioned `current` selected and in view, and runs its own message loop until
// the list is gone. Answers the 1-based item clicked, or 0 when it closed without a choice.
// `onOpen`, when given, hears the list's window once it is shown.
int RunComboDropDown(HWND host, const Rect& combo, const std::vector<Text>& items, std::string_view current,
                     const std::function<void(HWND)>& onOpen = nullptr);

}  // namespace getlink
