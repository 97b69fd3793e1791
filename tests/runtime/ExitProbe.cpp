// A program that ends through one of the runtime's exit paths, for ProgramExitTest.
// It prints "destroyer" when its destroyer runs; a watcher thread waits for the message
// box titled "error", prints "box:" with its text (GBK bytes) and presses OK on it.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <new>
#include <string>
#include <thread>

#include "runtime/Codec.h"
#include "runtime/FatalError.h"
#include "runtime/ProgramLifetime.h"

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

void AnswerErrorBox() {
  for (int attempt = 0; attempt < 1000; ++attempt) {
    HWND box = FindWindowW(L"#32770", L"error");
    if (box != nullptr && IsWindowVisible(box)) {
      BoxContents contents;
      EnumChildWindows(box, CollectContents, reinterpret_cast<LPARAM>(&contents));
      const bool errorIcon = contents.icon != nullptr && contents.icon == LoadIconW(nullptr, IDI_ERROR);
      std::printf("box:%s\n", getlink::FromWide(contents.text).c_str());
      std::printf("icon:%s\n", errorIcon ? "error" : "other");
      std::fflush(stdout);
      PostMessageW(box, WM_COMMAND, IDOK, 0);
      return;
    }
    Sleep(20);
  }
  std::printf("no box\n");
  std::fflush(stdout);
  ExitProcess(99);
}

}  // namespace

int main(int argc, char** argv) {
  _setmode(_fileno(stdout), _O_BINARY);  // the box text's line break reaches the test as it is
  const std::string mode = argc > 1 ? argv[1] : "";
  getlink::RegisterDestroyer([] {
    std::printf("destroyer\n");
    std::fflush(stdout);
  });
  if (mode == "exit7") getlink::ProgramExit(7);
  if (mode == "startup") getlink::RunProcess([] { return 3; });

  std::thread(AnswerErrorBox).detach();
  if (mode == "fatal1") getlink::FatalError(1);
  if (mode == "fatal-in-destroyer") {
    getlink::RegisterDestroyer([] {
      std::printf("destroyer\n");
      std::fflush(stdout);
      getlink::FatalError(4);
    });
    getlink::ProgramExit(5);
  }
  if (mode == "oom") {
    getlink::RunProcess([] {
      volatile std::size_t huge = 0x7FFF0000u;
      char* block = new char[huge];
      return static_cast<int>(block[0]);
    });
  }
  return 2;
}
