// A skinned framework window to look at every drawn control: one page per group of
// controls (tools/demo/*Section.cpp), chosen with the tab buttons at the top. Not the
// product: build/windows/framework-demo.exe [--page N] [--close-after MS] [--screens DIR]
// --screens DIR writes every page, as the window composes it, to DIR\demo-N.png and ends.
#include <windows.h>

#include <cstdlib>
#include <string>

#include "runtime/Files.h"
#include "runtime/ProgramLifetime.h"
#include "tools/demo/DemoSection.h"
#include "tools/screens/ScreenCapture.h"
#include "ui/controls/EditContextMenu.h"
#include "ui/framework/drawing/FrameworkStartup.h"
#include "ui/framework/controls/UiButton.h"
#include "ui/framework/window/UiWindow.h"
#include "ui/framework/window/WindowFunctions.h"

namespace getlink {
namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 460;
// The tabs' row, and the area every page lays itself out in.
constexpr float kTabTop = 40;
constexpr float kTabWidth = 76;
constexpr float kTabHeight = 26;
const Rect kPageArea = {24, 84, kWidth - 48.f, kHeight - 84 - 24.f};

struct Page {
  std::unique_ptr<demo::DemoSection> section;
  std::unique_ptr<UiButton> tab;
};

void Select(UiWindow& window, std::vector<Page>& pages, std::size_t chosen) {
  for (std::size_t i = 0; i < pages.size(); ++i) {
    pages[i].section->Show(i == chosen);
    pages[i].tab->SetFontStyle(i == chosen ? FontStyle::Bold : FontStyle::Regular);
  }
  pages[chosen].section->Shown(window);
}

void CALLBACK QuitLoop(HWND, UINT, UINT_PTR, DWORD) { PostQuitMessage(0); }

int OptionAfter(const std::string& args, const char* name) {
  const auto at = args.find(name);
  return at == std::string::npos ? 0 : std::atoi(args.c_str() + at + std::string(name).size());
}

// The word after `name` in the arguments; empty when it is not there.
std::string WordAfter(const std::string& args, const char* name) {
  auto at = args.find(name);
  if (at == std::string::npos) return {};
  at = args.find_first_not_of(' ', at + std::string(name).size());
  return at == std::string::npos ? std::string() : args.substr(at, args.find(' ', at) - at);
}

// Every page in turn, settled and written out; animations are off, so each shows its
// final look.
int WriteScreens(UiWindow& window, std::vector<Page>& pages, const std::string& directory) {
  window.ShowAnimated(WindowEffect::None);
  bool written = true;
  for (std::size_t i = 0; i < pages.size(); ++i) {
    Select(window, pages, i);
    screens::Settle();
    written = screens::WriteCanvas(window, directory, "demo-" + std::to_string(i + 1)) && written;
  }
  return written ? 0 : 1;
}

int RunDemo(const std::string& args) {
  const std::string screensDirectory = WordAfter(args, "--screens");
  if (!screensDirectory.empty()) SetCursorPos(0, 0);  // no hover from wherever the pointer is
  FrameworkStartup(BuildEditContextMenu);
  CreateWindowOptions windowOptions;
  windowOptions.width = kWidth;
  windowOptions.height = kHeight;
  HWND hwnd = CreateUiWindow(nullptr, "框架演示 - 拖动、缩放、Tab 切换焦点", windowOptions);
  UiWindow window;
  AttachWindowOptions skin;
  skin.skinImage = ReadFileBytes(RunDirectory() + "\\res\\ym.jpg");
  skin.captionFlags = CaptionFlag::Icon | CaptionFlag::Title | CaptionFlag::Close | CaptionFlag::Maximise |
                      static_cast<int>(CaptionFlag::Minimise);
  skin.opacity = 235;
  skin.imageMode = SkinImageMode::Stretched;
  skin.resizable = true;
  skin.animationsOn = screensDirectory.empty();
  window.Attach(hwnd, skin);
  window.SetMessageHook([](HWND, UINT msg, WPARAM, LPARAM) {
    if (msg == WM_DESTROY) PostQuitMessage(0);
    return kNotHandled;
  });

  std::vector<Page> pages;
  for (const demo::DemoSectionEntry& entry : demo::DemoSections()) {
    Page page{entry.make(), std::make_unique<UiButton>()};
    ButtonOptions tab;
    tab.caption = entry.title;
    const float left = kPageArea.left + static_cast<float>(pages.size()) * (kTabWidth + 6);
    page.tab->Create(hwnd, {left, kTabTop, kTabWidth, kTabHeight}, tab);
    page.section->Build(window, kPageArea);
    pages.push_back(std::move(page));
  }
  for (std::size_t i = 0; i < pages.size(); ++i) {
    pages[i].tab->BindEvent(EventCode::EvClick, [&window, &pages, i](UiControl*, UiControl&, const ControlEvent&) {
      Select(window, pages, i);
    });
  }
  if (!screensDirectory.empty()) {
    const int result = WriteScreens(window, pages, screensDirectory);
    DestroyWindow(hwnd);
    return result;
  }
  if (!pages.empty())
    Select(window, pages, std::min<std::size_t>(static_cast<std::size_t>(OptionAfter(args, "--page")), pages.size() - 1));

  window.ShowAnimated(WindowEffect::Zoom);
  if (const int closeAfter = OptionAfter(args, "--close-after"); closeAfter > 0)
    SetTimer(nullptr, 0, static_cast<UINT>(closeAfter), &QuitLoop);
  const int result = RunMessageLoop();
  window.Destroy();
  return result;
}

}  // namespace
}  // namespace getlink

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
  const std::string args = commandLine != nullptr ? commandLine : "";
  getlink::RunProcess([&args] { return getlink::RunDemo(args); });
}
