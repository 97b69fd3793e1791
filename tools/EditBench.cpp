// Timed typing and pasting in the drawn edit box, side by side with the system's EDIT
// control doing the same in the same run (figures, not a test): a character typed at
// the end of texts of 200, 2,000 and 20,000 lines, repaint included, and a paste of 1 MB
// from the clipboard, in lines and in one line, then a key typed at its end. Both boxes
// are 430 x 300 with both scroll bars. Then a link of 20,000 characters on one line, in
// boxes that wrap it (the vertical bar only, as the main window's boxes) and in boxes that
// do not: Ctrl+A, Delete, and a paste of 1 MB in lines over it.
// build/windows/edit-bench.exe
#include <windows.h>

#include <cstdio>
#include <string>

#include "runtime/Clipboard.h"
#include "runtime/Codec.h"
#include "runtime/MessagePump.h"
#include "runtime/ProgramLifetime.h"
#include "runtime/WinHandles.h"
#include "tools/BenchTiming.h"
#include "ui/controls/EditContextMenu.h"
#include "ui/controls/UiEdit.h"
#include "ui/framework/drawing/FrameworkStartup.h"
#include "ui/framework/drawing/GdiHandles.h"
#include "ui/framework/window/UiWindow.h"
#include "ui/framework/window/WindowFunctions.h"

namespace getlink {
namespace {

constexpr int kKeystrokes = 100;
constexpr Rect kBox = {10, 10, 430, 300};

Text Lines(int count) {
  Text text;
  for (int i = 1; i <= count; ++i) text += "第 " + std::to_string(i) + " 行 line of mixed 中文 and ASCII\r\n";
  return text;
}

// A megabyte in lines of about 40 bytes, or in one line.
Text Megabyte(bool lineBreaks) {
  Text text;
  for (int i = 0; text.size() < 1024 * 1024; ++i)
    text += "粘贴 " + std::to_string(i) + " pasted 中文 text" + (lineBreaks ? "\r\n" : " ");
  return text;
}

// A share link padded to 20,000 characters, without a blank: one word a row cannot hold.
Text LongLink() {
  Text link = "https://pan.baidu.com/s/1o6pEJO2?pwd=x7k2&name=";
  for (int i = 0; link.size() < 20000; ++i) link += static_cast<char>('a' + i % 26);
  return link;
}

// Milliseconds of each edit of the 20,000-character line.
struct LongLineFigures {
  double selectAll = 0;
  double remove = 0;
  double pasteOver = 0;
};

// The system's multi-line EDIT control in a plain window, with a 12-pixel font.
class SystemEdit {
 public:
  // Without the horizontal bar and its automatic scrolling the control wraps its lines.
  explicit SystemEdit(bool wraps = false) {
    host_.reset(CreateWindowExW(0, L"Zt_LayerUI", L"EDIT", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 520, 40, 460, 340,
                                nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
    const DWORD sideways = wraps ? 0 : WS_HSCROLL | ES_AUTOHSCROLL;
    edit_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                            WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | sideways,
                            static_cast<int>(kBox.left), static_cast<int>(kBox.top), static_cast<int>(kBox.width),
                            static_cast<int>(kBox.height), host_.get(), nullptr, GetModuleHandleW(nullptr), nullptr);
    font_.reset(CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, GB2312_CHARSET, 0, 0, 0, 0, L"SimSun"));
    SendMessageW(edit_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
    SendMessageW(edit_, EM_SETLIMITTEXT, 0, 0);  // no limit: the default stops at 30,000 characters
  }

  void SetText(const Text& text) {
    SetWindowTextW(edit_, ToWide(text).c_str());
    const LRESULT end = GetWindowTextLengthW(edit_);
    SendMessageW(edit_, EM_SETSEL, static_cast<WPARAM>(end), end);
    SendMessageW(edit_, EM_SCROLLCARET, 0, 0);
    UpdateWindow(edit_);
  }
  void Type(wchar_t c) {
    SendMessageW(edit_, WM_CHAR, c, 1);
    UpdateWindow(edit_);
  }
  void Paste() {
    SendMessageW(edit_, WM_PASTE, 0, 0);
    UpdateWindow(edit_);
  }
  void SelectAll() {
    SendMessageW(edit_, EM_SETSEL, 0, -1);
    UpdateWindow(edit_);
  }
  void Delete() {
    SendMessageW(edit_, WM_CLEAR, 0, 0);
    UpdateWindow(edit_);
  }
  int Length() const { return GetWindowTextLengthW(edit_); }

 private:
  GdiFont font_;
  UniqueWindow host_;  // declared after the font: the window goes first
  HWND edit_ = nullptr;
};

// A character typed into the focused box, repaint and present included.
void TypeKey(UiWindow& window) {
  SendMessageW(window.Hwnd(), WM_CHAR, L'x', 1);
  window.Flush();
}

EditOptions MultiLine(bool wraps = false) {
  EditOptions options;
  options.multiLine = true;
  if (wraps) options.scrollFlags = static_cast<int>(EditScrollFlags::Vertical);
  return options;
}

template <class Work>
double TimedMs(Work work) {
  const double start = Milliseconds();
  work();
  return Milliseconds() - start;
}

// Ctrl+A and Delete on the long link, then the link again, Ctrl+A and a paste of `pasted`
// over it, each repaint and present included.
LongLineFigures EditLongLine(UiWindow& window, bool wraps, const Text& pasted) {
  const Text link = LongLink();
  UiEdit edit;
  edit.Create(window.Hwnd(), kBox, MultiLine(wraps));
  window.SetFocusControl(&edit, false);
  const auto setLink = [&] {
    edit.SetText(link, true);
    window.Flush();
    PumpMessagesFor(100);
  };
  LongLineFigures figures;
  setLink();
  figures.selectAll = TimedMs([&] {
    edit.KeyCommand('A', true);
    window.Flush();
  });
  figures.remove = TimedMs([&] {
    SendMessageW(window.Hwnd(), WM_KEYDOWN, VK_DELETE, 0);
    window.Flush();
  });
  setLink();
  edit.KeyCommand('A', true);
  window.Flush();
  SetClipboardText(pasted);
  figures.pasteOver = TimedMs([&] {
    edit.KeyCommand('V', true);
    window.Flush();
  });
  if (edit.GetText() != pasted) std::printf("the paste over the long line lost text\n");
  return figures;
}

LongLineFigures EditLongLine(SystemEdit& system, const Text& pasted) {
  LongLineFigures figures;
  system.SetText(LongLink());
  figures.selectAll = TimedMs([&] { system.SelectAll(); });
  figures.remove = TimedMs([&] { system.Delete(); });
  system.SetText(LongLink());
  system.SelectAll();
  SetClipboardText(pasted);
  figures.pasteOver = TimedMs([&] { system.Paste(); });
  return figures;
}

void PrintLongLineFigures(UiWindow& window) {
  const Text pasted = Megabyte(true);
  LongLineFigures figures[4];
  figures[0] = EditLongLine(window, true, pasted);
  figures[1] = EditLongLine(window, false, pasted);
  SystemEdit wrapping(true);
  figures[2] = EditLongLine(wrapping, pasted);
  SystemEdit sideways(false);
  figures[3] = EditLongLine(sideways, pasted);
  std::printf("\n%-34s %11s %11s %11s %11s\n", "a line of 20,000 characters (ms)", "UiEdit", "UiEdit", "system EDIT",
              "system EDIT");
  std::printf("%-34s %11s %11s %11s %11s\n", "", "wrapped", "unwrapped", "wrapped", "unwrapped");
  const auto row = [&](const char* what, double LongLineFigures::*field) {
    std::printf("%-34s %11.1f %11.1f %11.1f %11.1f\n", what, figures[0].*field, figures[1].*field, figures[2].*field,
                figures[3].*field);
  };
  row("Ctrl+A", &LongLineFigures::selectAll);
  row("Delete", &LongLineFigures::remove);
  row("paste of 1 MB in lines over it", &LongLineFigures::pasteOver);
}

int RunBench() {
  FrameworkStartup(BuildEditContextMenu);
  CreateWindowOptions create;
  create.left = 40;
  create.top = 40;
  create.width = 450;
  create.height = 320;
  const HWND hwnd = CreateUiWindow(nullptr, "edit bench", create);
  UiWindow window;
  AttachWindowOptions skin;
  skin.opacity = 255;
  skin.captionFlags = 0;
  skin.animationsOn = false;
  skin.blurBehind = false;
  window.Attach(hwnd, skin);
  window.ShowAnimated(WindowEffect::None);
  SystemEdit system;

  std::printf("%-40s %14s %14s\n", "", "UiEdit", "system EDIT");
  for (const int lines : {200, 2000, 20000}) {
    const Text text = Lines(lines);
    UiEdit edit;
    edit.Create(hwnd, kBox, MultiLine());
    window.SetFocusControl(&edit, false);
    edit.SetText(text, true);
    PumpMessagesFor(100);
    const double ours = AverageMs(kKeystrokes, [&] { TypeKey(window); });
    system.SetText(text);
    const double theirs = AverageMs(kKeystrokes, [&] { system.Type(L'x'); });
    std::printf("type at the end of %5d lines (ms a key) %14.2f %14.2f\n", lines, ours, theirs);
  }

  for (const bool lineBreaks : {true, false}) {
    const Text big = Megabyte(lineBreaks);
    SetClipboardText(big);
    UiEdit edit;
    edit.Create(hwnd, kBox, MultiLine());
    window.SetFocusControl(&edit, false);
    double start = Milliseconds();
    edit.KeyCommand('V', true);
    window.Flush();
    const double ours = Milliseconds() - start;
    system.SetText("");
    start = Milliseconds();
    system.Paste();
    const double theirs = Milliseconds() - start;
    const char* what = lineBreaks ? "1 MB in lines" : "1 MB in one line";
    std::printf("paste %-16s (ms)                 %14.1f %14.1f\n", what, ours, theirs);
    std::printf("pasted text intact                        %14s %14s\n", edit.GetText() == big ? "yes" : "NO",
                system.Length() == static_cast<int>(ToWide(big).size()) ? "yes" : "NO");
    const double oursTyping = AverageMs(20, [&] { TypeKey(window); });
    const double theirsTyping = AverageMs(20, [&] { system.Type(L'x'); });
    std::printf("type at the end of %-16s (ms a key) %8.2f %14.2f\n", what, oursTyping, theirsTyping);
  }
  PrintLongLineFigures(window);
  std::fflush(stdout);
  window.Destroy();
  return 0;
}

}  // namespace
}  // namespace getlink

int main() {
  getlink::RunProcess([] { return getlink::RunBench(); });
}
