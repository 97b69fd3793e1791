#include "tests/support/MessageBoxWatcher.h"

#include <windows.h>

#include <cstdio>

#include "runtime/Codec.h"
#include "tests/support/PopupDriver.h"

namespace getlink::testing {
namespace {

struct BoxContents {
  std::wstring text;
  HICON icon = nullptr;
};

BOOL CALLBACK CollectContents(HWND child, LPARAM out) {
  auto* contents = reinterpret_cast<BoxContents*>(out);
  wchar_t className[32];
  GetClassNameW(child, className, 32);
  if (lstrcmpiW(className, L"Static") != 0) return TRUE;
  if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
    contents->icon = reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0));
  } else {
    wchar_t text[512];
    if (GetWindowTextW(child, text, 512) > 0) contents->text += text;
  }
  return TRUE;
}

}  // namespace

void AnswerMessageBox(const std::string& title, int delayMs) {
  PopupDriver driver(SystemMessageBoxTitled(ToWide(title)), [delayMs](HWND box) {
    BoxContents contents;
    EnumChildWindows(box, CollectContents, reinterpret_cast<LPARAM>(&contents));
    const bool errorIcon = contents.icon != nullptr && contents.icon == LoadIconW(nullptr, IDI_ERROR);
    std::printf("box:%s\n", FromWide(contents.text).c_str());
    std::printf("icon:%s\n", errorIcon ? "error" : "other");
    std::fflush(stdout);
    Sleep(static_cast<DWORD>(delayMs));
    PostMessageW(box, WM_COMMAND, IDOK, 0);
  });
  if (driver.Watch(20000)) return;
  std::printf("no box\n");
  std::fflush(stdout);
  ExitProcess(99);
}

}  // namespace getlink::testing
