#include "tools/screens/ScreenCapture.h"

#include <cstdio>
#include <fstream>

#include "runtime/MessagePump.h"
#include "ui/framework/drawing/Image.h"
#include "ui/framework/window/UiWindow.h"

namespace getlink::screens {

void Settle(int boundMs) {
  const DWORD start = GetTickCount();
  DWORD quietSince = start;
  while (GetTickCount() - start < static_cast<DWORD>(boundMs)) {
    MSG message;
    if (PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE)) {
      PumpMessages();
      quietSince = GetTickCount();
    } else if (GetTickCount() - quietSince >= 60) {
      return;
    }
    Sleep(5);
  }
}

bool WriteCanvas(const UiWindow& window, const std::string& directory, const std::string& name) {
  const std::string path = directory + "\\" + name + ".png";
  const ByteSet png = EncodePng(window.Canvas().Bitmap());
  std::ofstream file(path, std::ios::binary);
  if (png.empty() || !file.write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()))) {
    std::fprintf(stderr, "screens: cannot write %s\n", path.c_str());
    return false;
  }
  std::printf("%s.png %dx%d\n", name.c_str(), window.Canvas().Width(), window.Canvas().Height());
  return true;
}

namespace {

struct WindowSearch {
  HWND except;
  std::vector<UiWindow*> found;
};

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM data) {
  auto& search = *reinterpret_cast<WindowSearch*>(data);
  UiWindow* window = UiWindow::FromHwnd(hwnd);
  if (hwnd != search.except && window != nullptr && IsWindowVisible(hwnd)) search.found.push_back(window);
  return TRUE;
}

}  // namespace

std::vector<UiWindow*> OtherWindows(HWND except) {
  WindowSearch search{except, {}};
  EnumThreadWindows(GetCurrentThreadId(), &CollectWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace getlink::screens
