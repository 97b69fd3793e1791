#include "ui/framework/window/WindowFunctions.h"

#include <optional>

#include "runtime/Codec.h"
#include "ui/framework/window/ControlEvent.h"
#include "ui/framework/drawing/DisplayDpi.h"
#include "ui/framework/drawing/DisplayScale.h"
#include "ui/framework/drawing/FrameworkStartup.h"
#include "ui/framework/window/UiWindow.h"

namespace getlink {
namespace {

constexpr DWORD kDefaultStyle = WS_POPUP | WS_CLIPCHILDREN | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;

void SetIcon(HWND hwnd, WPARAM which, int classIndex, std::optional<int> programIconDpi) {
  HICON icon = programIconDpi ? ProgramIcon(which, *programIconDpi) : nullptr;
  if (icon == nullptr) icon = reinterpret_cast<HICON>(SendMessageW(hwnd, WM_GETICON, which, 0));
  if (icon == nullptr) icon = reinterpret_cast<HICON>(GetClassLongPtrW(hwnd, classIndex));
  SendMessageW(hwnd, WM_SETICON, which, reinterpret_cast<LPARAM>(icon));
}

// Where a window of `options` goes at `dpi`: its size in pixels, at the place given or
// centred in the work area.
RECT PlaceAt(const CreateWindowOptions& options, int dpi) {
  const DisplayScale scale(options.sizeInPixels ? DisplayScale::kBaseDpi : dpi);
  const int width = scale.ToPixels(options.width);
  const int height = scale.ToPixels(options.height);
  const RECT work = DesktopWorkArea();
  const int left = options.left.value_or(work.left + (work.right - work.left - width) / 2);
  const int top = options.top.value_or(work.top + (work.bottom - work.top - height) / 2);
  return {left, top, left + width, top + height};
}

}  // namespace

bool IsInputMessage(UINT msg) {
  return (msg >= 255 && msg <= 263) || (msg >= WM_MOUSEFIRST && msg <= 525);
}

RECT DesktopWorkArea() {
  RECT work = {};
  if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0) || IsRectEmpty(&work))
    work = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  return work;
}

HWND CreateUiWindow(HWND parent, std::string_view title, const CreateWindowOptions& options) {
  // Placed for the DPI it will be laid out at: its framework owner's, known now, else the
  // system's until the window exists and tells its own; then placed again if that differs.
  const UiWindow* owner = UiWindow::FromHwnd(parent);
  const int expectedDpi = owner != nullptr ? owner->Dpi() : SystemDpi();
  const RECT expected = PlaceAt(options, expectedDpi);
  const std::wstring className = ToWide(options.className.value_or(kUiClassName));
  const std::wstring text = ToWide(title);
  HWND hwnd = CreateWindowExW(options.exStyle, className.c_str(), text.c_str(), options.style.value_or(kDefaultStyle),
                              expected.left, expected.top, expected.right - expected.left,
                              expected.bottom - expected.top, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (hwnd == nullptr) return nullptr;
  const int dpi = FrameworkWindowDpi(hwnd);
  if (dpi != expectedDpi && !options.sizeInPixels) {
    const RECT place = PlaceAt(options, dpi);
    SetWindowPos(hwnd, nullptr, place.left, place.top, place.right - place.left, place.bottom - place.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
  SetWindowIcons(hwnd, dpi);
  if (options.show) {
    ShowWindow(hwnd, SW_SHOWNORMAL);
    UpdateWindow(hwnd);
  }
  if (options.runLoop) ModalLoop(hwnd);
  return hwnd;
}

int FrameworkWindowDpi(HWND hwnd) {
  if (const UiWindow* owner = UiWindow::FromHwnd(GetWindow(hwnd, GW_OWNER))) return owner->Dpi();
  return WindowDpi(hwnd);
}

void SetWindowIcons(HWND hwnd, int dpi) {
  const auto classIcon = reinterpret_cast<HICON>(GetClassLongPtrW(hwnd, GCLP_HICON));
  std::optional<int> programIconDpi;
  if (classIcon != nullptr && classIcon == DefaultIcon()) programIconDpi = dpi;
  SetIcon(hwnd, ICON_SMALL, GCLP_HICONSM, programIconDpi);
  SetIcon(hwnd, ICON_BIG, GCLP_HICON, programIconDpi);
}

int RunMessageLoop() {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}

namespace {

// The window of the thread's innermost ModalLoop, or null.
thread_local HWND gModalWindow = nullptr;

// Whether `hwnd` is the modal window `modal`, one of its children or a window it owns (a
// drop-down or menu it opened).
bool WithinModal(HWND modal, HWND hwnd) {
  for (HWND top = GetAncestor(hwnd, GA_ROOT); top != nullptr; top = GetWindow(top, GW_OWNER))
    if (top == modal) return true;
  return false;
}

void LoopWhileWindow(HWND hwnd, bool dropOthersInput) {
  MSG msg;
  while (IsWindow(hwnd)) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0) {
      // Leave the quit for the loop outside, which must end too.
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    if (got < 0) return;
    if (dropOthersInput && IsInputMessage(msg.message) && !WithinModal(hwnd, msg.hwnd)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

}  // namespace

ModalScope::ModalScope(HWND hwnd) : outer_(gModalWindow) { gModalWindow = hwnd; }

ModalScope::~ModalScope() { gModalWindow = outer_; }

void ModalLoop(HWND hwnd) {
  const ModalScope modal(hwnd);
  LoopWhileWindow(hwnd, true);
}

bool WindowTakesInput(HWND hwnd) {
  if (hwnd == nullptr || !IsWindowEnabled(hwnd)) return false;
  return gModalWindow == nullptr || !IsWindow(gModalWindow) || WithinModal(gModalWindow, hwnd);
}

void PopupLoop(HWND hwnd) { LoopWhileWindow(hwnd, false); }

namespace {

// The role of a framework window of this thread; any other window (of another thread or
// program, whose window object is not ours to read) is no pop-up.
PopupRole RoleOf(HWND hwnd) {
  if (hwnd == nullptr || GetWindowThreadProcessId(hwnd, nullptr) != GetCurrentThreadId()) return {};
  const UiWindow* window = UiWindow::FromHwnd(hwnd);
  return window != nullptr ? window->Popup() : PopupRole{};
}

}  // namespace

int PopupHook(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  const PopupRole role = RoleOf(hwnd);
  switch (msg) {
    case WM_ACTIVATE:
      if (LOWORD(wparam) != WA_INACTIVE) break;
      if (role.kind == PopupKind::Owned) {
        // Another window of a chain (a sub-menu) taking the activation keeps the chain open.
        if (RoleOf(reinterpret_cast<HWND>(lparam)).kind != PopupKind::Owned && role.chainHead != nullptr)
          PostMessageW(role.chainHead, WM_CLOSE, 0, 0);
      } else if (role.kind == PopupKind::CloseOnDeactivate) {
        PostMessageW(hwnd, WM_CLOSE, 0, 0);
      }
      break;
    case WM_KEYDOWN:
      if (role.kind == PopupKind::Owned) SendMessageW(hwnd, WM_SYSKEYDOWN, wparam, lparam);  // mnemonics without Alt
      if (wparam == VK_ESCAPE) PostMessageW(hwnd, WM_CLOSE, 0, 0);
      break;
    default:
      break;
  }
  return kNotHandled;
}

}  // namespace getlink
