// The smallest program that shows what the tool's main window shows first: a 450 x 320
// layered window with the background picture res\ym.jpg, put on the screen with one
// UpdateLayeredWindow. startup-bench compares the tool's start-up with this one's.
// build/windows/minimal-window.exe; closes on Esc, on a click or on WM_CLOSE.
#include <windows.h>

#include "ui/framework/drawing/GdiHandles.h"
#include "ui/framework/drawing/GdiplusApi.h"

namespace getlink {
namespace {

LRESULT CALLBACK MinimalProc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  switch (msg) {
    case WM_KEYDOWN:
      if (wparam == VK_ESCAPE) DestroyWindow(hwnd);
      return 0;
    case WM_LBUTTONDOWN:
      DestroyWindow(hwnd);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(hwnd, msg, wparam, lparam);
  }
}

// The picture beside the executable, drawn into a 32-bit top-down DIB section.
GdiBitmap PaintPicture(HDC dc, int width, int height) {
  wchar_t path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  wchar_t* slash = path + length;
  while (slash > path && *slash != L'\\') --slash;
  lstrcpyW(slash, L"\\res\\ym.jpg");

  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  GdiBitmap bitmap(CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  Gdiplus::Bitmap picture(path);
  Gdiplus::Bitmap canvas(width, height, width * 4, PixelFormat32bppPARGB, static_cast<BYTE*>(bits));
  Gdiplus::Graphics graphics(&canvas);
  graphics.Clear(Gdiplus::Color(255, 236, 236, 236));
  graphics.DrawImage(&picture, 0, 0, width, height);
  return bitmap;
}

int Run(HINSTANCE instance) {
  Gdiplus::GdiplusStartupInput input;
  ULONG_PTR token = 0;
  if (Gdiplus::GdiplusStartup(&token, &input, nullptr) != Gdiplus::Ok) return 1;

  WNDCLASSW windowClass = {};
  windowClass.lpfnWndProc = MinimalProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  windowClass.lpszClassName = L"MinimalLayeredWindow";
  RegisterClassW(&windowClass);

  const int width = 450, height = 320;
  RECT work;
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  const POINT origin = {work.left + (work.right - work.left - width) / 2, work.top + (work.bottom - work.top - height) / 2};
  HWND hwnd = CreateWindowExW(WS_EX_LAYERED, windowClass.lpszClassName, L"minimal layered window", WS_POPUP,
                              origin.x, origin.y, width, height, nullptr, nullptr, instance, nullptr);

  WindowDc screen(nullptr);
  MemoryDc memory(CreateCompatibleDC(screen.get()));
  GdiBitmap bitmap = PaintPicture(screen.get(), width, height);
  ObjectSelection selection(memory.get(), bitmap.get());
  SIZE size = {width, height};
  POINT source = {0, 0};
  BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  UpdateLayeredWindow(hwnd, screen.get(), const_cast<POINT*>(&origin), &size, memory.get(), &source, 0, &blend, ULW_ALPHA);
  ShowWindow(hwnd, SW_SHOWNORMAL);

  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  Gdiplus::GdiplusShutdown(token);
  return static_cast<int>(msg.wParam);
}

}  // namespace
}  // namespace getlink

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) { return getlink::Run(instance); }
