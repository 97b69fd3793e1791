#include "tests/ui/framework/window/WindowTestSupport.h"

#include "runtime/WinHandles.h"
#include "tests/ui/framework/drawing/TestBitmaps.h"
#include "ui/framework/window/WindowFunctions.h"

namespace getlink::testing {

int RecordingControl::Count(EventCode code) const {
  int n = 0;
  for (const ControlEvent& event : events) n += event.code == code ? 1 : 0;
  return n;
}

std::vector<EventCode> RecordingControl::Codes() const {
  std::vector<EventCode> codes;
  for (const ControlEvent& event : events) {
    if (event.code != EventCode::Paint && event.code != EventCode::Timer && event.code != EventCode::EvCompose &&
        event.code != EventCode::EvQueryFocus && event.code != EventCode::EvRefresh &&
        event.code != EventCode::EvQueryDimming)
      codes.push_back(event.code);
  }
  return codes;
}

int RecordingControl::OnEvent(const ControlEvent& event) {
  events.push_back(event);
  if (onEvent) onEvent(event);
  return UiControl::OnEvent(event);
}

int RecordingControl::OnPaint() {
  if (!BeginControlPaint(true)) return kNotHandled;
  MutableSurface().Clear(colour_);
  EndControlPaint();
  return kNotHandled;
}

AttachWindowOptions WindowTest::DefaultOptions() {
  AttachWindowOptions options;
  options.captionFlags = CaptionFlag::Close | CaptionFlag::Minimise;
  options.opacity = 255;
  options.skinColour = MakeColorRef(230, 230, 230);
  options.animationsOn = false;
  options.dragMove = false;
  options.resizable = false;
  options.blurBehind = false;
  return options;
}

void WindowTest::SetUp() {
  StartFramework();
  Open(DefaultOptions());
}

void WindowTest::TearDown() { Close(); }

void WindowTest::Reopen(AttachWindowOptions options) {
  Close();
  Open(options);
}

void WindowTest::Open(const AttachWindowOptions& options) {
  CreateWindowOptions create;
  create.left = 40;
  create.top = 40;
  create.width = kWidth;
  create.height = kHeight;
  UniqueWindow created(CreateUiWindow(nullptr, "测试窗口", create));
  ASSERT_NE(created, nullptr);
  window_ = std::make_unique<UiWindow>();
  ASSERT_TRUE(window_->Attach(created.get(), options));
  hwnd_ = created.release();  // the window object destroys it from now on
  window_->SetMessageHook([this](HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
    hooked.push_back(MSG{hwnd, msg, wparam, lparam, 0, {0, 0}});
    for (const auto& [message, answer] : hookAnswers)
      if (message == msg) return answer;
    return kNotHandled;
  });
  ShowWindow(hwnd_, SW_SHOWNORMAL);
  Pump();
}

void WindowTest::Close() {
  if (window_ != nullptr) {
    window_->SetMessageHook(nullptr);
    window_->Destroy();
  }
  window_.reset();
  hwnd_ = nullptr;
  Pump();
  hooked.clear();
}

void WindowTest::ChangeDpi(int dpi) {
  RECT place = {};
  GetWindowRect(hwnd_, &place);
  place.right = place.left + MulDiv(kWidth, dpi, DisplayScale::kBaseDpi);
  place.bottom = place.top + MulDiv(kHeight, dpi, DisplayScale::kBaseDpi);
  SendMessageW(hwnd_, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&place));
}

void WindowTest::MouseMove(int x, int y) {
  SendMessageW(hwnd_, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
  Pump();
}

void WindowTest::LeftDown(int x, int y) {
  SendMessageW(hwnd_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  Pump();
}

void WindowTest::LeftUp(int x, int y) {
  SendMessageW(hwnd_, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
  Pump();
}

void WindowTest::Click(int x, int y) {
  MouseMove(x, y);
  LeftDown(x, y);
  LeftUp(x, y);
}

void WindowTest::DoubleClick(int x, int y) {
  SendMessageW(hwnd_, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(x, y));
  Pump();
}

void WindowTest::RightClick(int x, int y) {
  SendMessageW(hwnd_, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(x, y));
  SendMessageW(hwnd_, WM_RBUTTONUP, 0, MAKELPARAM(x, y));
  Pump();
}

void WindowTest::Key(WPARAM key) {
  SendMessageW(hwnd_, WM_KEYDOWN, key, 0);
  Pump();
}

const char* WindowTest::Describe(PressCut cut) {
  switch (cut) {
    case PressCut::AnotherWindowActivated: return "another window activated";
    case PressCut::CancelMode: return "WM_CANCELMODE";
    case PressCut::CaptureTaken: return "capture taken by another window";
  }
  return "";
}

void WindowTest::CutPress(PressCut cut) {
  if (cut == PressCut::CancelMode) {
    SendMessageW(hwnd_, WM_CANCELMODE, 0, 0);
    Pump();
    return;
  }
  // The capture is taken by a window that is never shown: the window keeps the activation,
  // and only WM_CAPTURECHANGED tells it.
  const bool activate = cut == PressCut::AnotherWindowActivated;
  UniqueWindow other(CreateWindowExW(0, L"STATIC", L"", WS_POPUP | (activate ? WS_VISIBLE : 0), 600, 500, 40, 40,
                                    nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
  if (activate)
    SetForegroundWindow(other.get());
  else
    SetCapture(other.get());
  Pump();
  if (cut == PressCut::CaptureTaken) ReleaseCapture();
  other.reset();
  SetForegroundWindow(hwnd_);
  Pump();
}

Argb WindowTest::CanvasPixel(int x, int y) {
  Pump();
  return window_->Canvas().PixelAt(x, y);
}

const Surface& WindowTest::SurfaceOf(const UiControl& control) {
  window_->Flush();
  return control.GetSurface();
}

int WindowTest::HookedCount(UINT msg, std::function<bool(const MSG&)> match) const {
  int n = 0;
  for (const MSG& m : hooked) n += m.message == msg && (!match || match(m)) ? 1 : 0;
  return n;
}

}  // namespace getlink::testing
