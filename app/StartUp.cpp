// Stand-in main window until the drawn user interface exists: a plain window that says
// so, closed like any other.
#include "app/StartUp.h"

#include <windows.h>

#include "runtime/Codec.h"

namespace getlink {
namespace {

LRESULT CALLBACK PlaceholderProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd, &ps);
      RECT rc;
      GetClientRect(hwnd, &rc);
      HFONT font = CreateFontW(-16, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET, 0, 0,
                               CLEARTYPE_QUALITY, 0, ToWide("微软雅黑").c_str());
      HGDIOBJ oldFont = SelectObject(dc, font);
      rc.top += 40;
      const std::wstring text = ToWide("Zolmar网盘外链获取器\r\n\r\n界面尚未完成，请使用 getlink-cli。");
      DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rc, DT_CENTER | DT_WORDBREAK);
      SelectObject(dc, oldFont);
      DeleteObject(font);
      EndPaint(hwnd, &ps);
      return 0;
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(hwnd, msg, wParam, lParam);
  }
}

}  // namespace

int StartUp() {
  WNDCLASSW wc = {};
  wc.lpfnWndProc = PlaceholderProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = L"Zt_LayerUI";
  RegisterClassW(&wc);
  const std::wstring title = ToWide("Zolmar网盘外链获取器");
  HWND hwnd = CreateWindowExW(0, wc.lpszClassName, title.c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                              CW_USEDEFAULT, 450, 320, nullptr, nullptr, wc.hInstance, nullptr);
  ShowWindow(hwnd, SW_SHOWNORMAL);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}

}  // namespace getlink
