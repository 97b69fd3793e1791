#include "ui/framework/drawing/FrameworkStartup.h"

#include <map>

#include "runtime/Codec.h"
#include "ui/framework/drawing/BoundEntryPoint.h"
#include "ui/framework/drawing/DisplayDpi.h"
#include "ui/framework/drawing/EmbeddedImages.h"
#include "ui/framework/drawing/GdiHandles.h"
#include "ui/framework/drawing/Fonts.h"
#include "ui/framework/drawing/UiStyle.h"

namespace getlink {
namespace {

struct FrameworkState {
  bool started = false;
  ULONG_PTR gdiplusToken = 0;
  int osMajorVersion = 0;
  UniqueFont defaultFont;
  std::map<float, UniqueFont> defaultFontSizes;  // the default family at other sizes (other DPIs)
  HCURSOR defaultCursor = nullptr;
  HICON defaultIcon = nullptr;
  std::map<int, UniqueIcon> programIcons;  // by size in pixels
};

FrameworkState& State() {
  static FrameworkState state;
  return state;
}

LRESULT CALLBACK DefaultUiProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(window, message, wParam, lParam);
}

// The real version, which GetVersionEx hides from programs without a manifest.
int ReadOsMajorVersion() {
  static BoundEntryPoint<LONG(WINAPI*)(OSVERSIONINFOW*)> rtlGetVersion("ntdll.dll", "RtlGetVersion");
  OSVERSIONINFOW version = {};
  version.dwOSVersionInfoSize = sizeof version;
  return rtlGetVersion(&version) == 0 ? static_cast<int>(version.dwMajorVersion) : 0;
}

}  // namespace

bool FrameworkStartup(const std::function<void()>& buildEditMenu) {
  FrameworkState& state = State();
  if (state.started) return true;
  Gdiplus::GdiplusStartupInput input;
  if (Gdiplus::GdiplusStartup(&state.gdiplusToken, &input, nullptr) != Gdiplus::Ok) return false;
  state.started = true;
  state.osMajorVersion = ReadOsMajorVersion();
  state.defaultFont = MakeDefaultFont();
  state.defaultCursor = LoadCursorW(nullptr, IDC_ARROW);
  CaptionButtonImage();  // every window's caption row needs it: decoded now
  RegisterUiClass();
  if (buildEditMenu) buildEditMenu();
  return true;
}

GpFont* DefaultFont() { return State().defaultFont.get(); }

GpFont* DefaultFont(float size) {
  FrameworkState& state = State();
  GpFont* standard = state.defaultFont.get();
  if (standard == nullptr || size == DefaultStyle().fontSize) return standard;
  UniqueFont& sized = state.defaultFontSizes[size];
  if (sized == nullptr) sized = MakeFont(FontFamilyName(standard), size, FontStyle::Regular);
  return sized != nullptr ? sized.get() : standard;
}
GpImage* CaptionButtonImage() { return SharedEmbeddedImage(EmbeddedImage::CaptionButtons, ImageScale::Normal); }
int OsMajorVersion() { return State().osMajorVersion; }
HCURSOR DefaultCursor() { return State().defaultCursor; }
HICON DefaultIcon() { return State().defaultIcon; }

HICON ProgramIcon(WPARAM which, int dpi) {
  const int size = SystemMetricForDpi(which == ICON_SMALL ? SM_CXSMICON : SM_CXICON, dpi);
  UniqueIcon& icon = State().programIcons[size];
  if (icon == nullptr)
    icon.reset(static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kProgramIconId), IMAGE_ICON, size, size, 0)));
  return icon.get();
}

ATOM RegisterUiClass(const UiClassOptions& options) {
  HINSTANCE program = GetModuleHandleW(nullptr);
  HICON icon = nullptr;
  if (options.icon) {
    icon = *options.icon;
  } else {
    icon = LoadIconW(program, MAKEINTRESOURCEW(kProgramIconId));
    State().defaultIcon = icon;
  }
  HCURSOR cursor = options.cursor ? *options.cursor : DefaultCursor();
  if (cursor == nullptr) cursor = LoadCursorW(nullptr, IDC_ARROW);
  const std::wstring name = ToWide(options.name.value_or(kUiClassName));

  WNDCLASSEXW windowClass = {};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = options.style.value_or(CS_DBLCLKS);
  windowClass.lpfnWndProc = options.procedure.value_or(DefaultUiProcedure);
  windowClass.hInstance = program;
  windowClass.hIcon = icon;
  windowClass.hCursor = cursor;
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
  windowClass.lpszClassName = name.c_str();
  return RegisterClassExW(&windowClass);
}

}  // namespace getlink
