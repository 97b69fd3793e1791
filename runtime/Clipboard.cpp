#include "runtime/Clipboard.h"

#include <windows.h>

#include <cstring>
#include <cwchar>
#include <string>

#include "runtime/Codec.h"
#include "runtime/WinHandles.h"

namespace getlink {

Text ClipboardText() {
  const ClipboardScope clipboard;
  if (!clipboard.IsOpen()) return Text();
  if (HANDLE unicode = GetClipboardData(CF_UNICODETEXT)) {
    const GlobalLockScope lock(unicode);
    if (lock.data() == nullptr) return Text();
    // Bounded by the block's size: another program may have put text without its NUL.
    const auto* chars = static_cast<const wchar_t*>(lock.data());
    return FromWide(std::wstring_view(chars, wcsnlen(chars, lock.size() / sizeof(wchar_t))));
  }
  if (HANDLE ansi = GetClipboardData(CF_TEXT)) {
    const GlobalLockScope lock(ansi);
    if (lock.data() == nullptr) return Text();
    const auto* chars = static_cast<const char*>(lock.data());
    return Text(chars, strnlen(chars, lock.size()));
  }
  return Text();
}

bool SetClipboardText(std::string_view text, HWND owner) {
  if (text.empty()) return false;
  const std::wstring wide = ToWide(text);
  const ClipboardScope clipboard(owner);
  if (!clipboard.IsOpen()) return false;
  GlobalMemory memory(GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, (wide.size() + 1) * sizeof(wchar_t)));
  if (memory == nullptr) return false;
  {
    const GlobalLockScope lock(memory.get());
    if (lock.data() == nullptr) return false;
    std::memcpy(lock.data(), wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
  }
  // Without emptying it, another program's text would stay beside ours.
  if (!EmptyClipboard() || SetClipboardData(CF_UNICODETEXT, memory.get()) == nullptr) return false;
  memory.release();  // the clipboard owns the block now
  return true;
}

}  // namespace getlink
