// Timed run of the host window's composition: the whole 450 x 320 window with 20
// controls against one 80 x 24 control's rectangle, and how many timer messages an idle
// window gets. Not a test: prints its figures. build/windows/framework-bench.exe
#include <windows.h>

#include <cstdio>
#include <memory>
#include <vector>

#include "runtime/MessagePump.h"
#include "runtime/ProgramLifetime.h"
#include "ui/framework/drawing/FrameworkStartup.h"
#include "ui/framework/drawing/Shapes.h"
#include "ui/framework/drawing/TextDrawing.h"
#include "ui/framework/drawing/TextFormat.h"
#include "ui/framework/window/UiControl.h"
#include "ui/framework/window/UiWindow.h"
#include "ui/framework/window/WindowFunctions.h"

namespace getlink {
namespace {

// A control with a typical face: a gradient, an outline and a caption.
class BenchTile : public UiControl {
 public:
  bool Create(HWND host, const Rect& rect) {
    CreateControlOptions options;
    options.frameInterval = 60;
    return UiControl::Create(host, rect, ControlType::Button, options);
  }

 protected:
  int OnPaint() override {
    if (!BeginControlPaint(true)) return kNotHandled;
    const Rect face = {0, 0, static_cast<float>(Width() - 1), static_cast<float>(Height() - 1)};
    FillGradient(Graphics(), face, MakeColor(0xF4F4F4), MakeColor(0xDADADA));
    OutlineRoundRect(Graphics(), face, 4, MakeColor(0, 90));
    TextFormat format(Gdiplus::StringFormatFlagsNoWrap);
    DrawText(Graphics(), face, "按钮 Button", DefaultFont(), MakeColor(0x202020, 230), format.Handle());
    EndControlPaint();
    return kNotHandled;
  }
};

double Milliseconds() {
  LARGE_INTEGER frequency, counter;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&counter);
  return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

template <class Work>
double AverageMs(int rounds, Work work) {
  work();  // warm up
  const double start = Milliseconds();
  for (int i = 0; i < rounds; ++i) work();
  return (Milliseconds() - start) / rounds;
}

int Run() {
  FrameworkStartup();
  CreateWindowOptions create;
  create.width = 450;
  create.height = 320;
  HWND hwnd = CreateUiWindow(nullptr, "composition benchmark", create);
  UiWindow window;
  AttachWindowOptions options;
  options.captionFlags = CaptionFlag::Close | CaptionFlag::Minimise;
  options.opacity = 230;
  window.Attach(hwnd, options);
  int timers = 0;
  window.SetMessageHook([&timers](HWND, UINT msg, WPARAM, LPARAM) {
    if (msg == WM_TIMER) ++timers;
    return kNotHandled;
  });
  std::vector<std::unique_ptr<BenchTile>> tiles;
  for (int i = 0; i < 20; ++i) {
    tiles.push_back(std::make_unique<BenchTile>());
    tiles.back()->Create(hwnd, {12.f + (i % 5) * 86.f, 40.f + (i / 5) * 60.f, 80, 24});
  }
  window.ShowAnimated(WindowEffect::None);
  PumpMessages();

  const int rounds = 300;
  const Rect whole = {0, 0, 450, 320};
  const Rect one = tiles[7]->GetRect();
  const double wholeMs = AverageMs(rounds, [&] { window.InvalidateRect(whole, RedrawMode::Immediate); });
  const double oneMs = AverageMs(rounds, [&] { window.InvalidateRect(one, RedrawMode::Immediate); });
  const double presentMs = AverageMs(rounds, [&] { window.Present(); });
  const double presentOneMs = AverageMs(rounds, [&] { window.Present(one); });
  std::printf("compose and present the whole window: %.3f ms\n", wholeMs);
  std::printf("compose and present one 80 x 24 control: %.3f ms (%.1f%% of the whole)\n", oneMs,
              100.0 * oneMs / wholeMs);
  std::printf("present alone: whole %.3f ms, one control's rectangle %.3f ms\n", presentMs, presentOneMs);
  std::printf("compose alone (estimate): whole %.3f ms, one control %.3f ms (%.1f%%)\n", wholeMs - presentMs,
              oneMs - presentOneMs, 100.0 * (oneMs - presentOneMs) / (wholeMs - presentMs));

  // Hover one tile (its fade runs and ends), then leave the window idle for two seconds.
  SendMessageW(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(20, 50));
  const DWORD settle = GetTickCount() + 500;
  while (static_cast<int>(settle - GetTickCount()) > 0) {
    PumpMessages();
    Sleep(5);
  }
  timers = 0;
  const DWORD idle = GetTickCount() + 2000;
  while (static_cast<int>(idle - GetTickCount()) > 0) {
    PumpMessages();
    Sleep(5);
  }
  std::printf("timer messages in 2 s of an idle window: %d\n", timers);
  DestroyWindow(hwnd);
  return 0;
}

}  // namespace
}  // namespace getlink

int main() { getlink::RunProcess(getlink::Run); }
