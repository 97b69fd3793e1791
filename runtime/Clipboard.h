// The text clipboard. Text goes out as CF_UNICODETEXT converted from GBK with code page
// 936, so Chinese pastes correctly into any program on any Windows locale.
#pragma once

#include <windows.h>

#include <string_view>

#include "runtime/Text.h"

namespace getlink {

// The clipboard's text as GBK: its CF_UNICODETEXT, or its CF_TEXT when it holds no
// Unicode text. Empty when the clipboard cannot be opened or holds no text.
Text ClipboardText();

// Replaces the clipboard's contents with `text`, owned by the window `owner`. An empty
// text leaves the clipboard as it was and answers false; false also when the clipboard
// cannot be opened or the text cannot be placed. Give the window the copy is made from:
// Windows documents that emptying a clipboard opened without an owner makes the data
// that follows fail to be placed.
bool SetClipboardText(std::string_view text, HWND owner = nullptr);

}  // namespace getlink
