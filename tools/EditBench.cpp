// Timed typing and pasting in the drawn edit box, side by side with the system's EDIT
// control doing the same in the same run (figures, not a test): a character typed at
// the end of texts of 200, 2,000 and 20,000 lines, repaint included, and a paste of 1 MB
// from the clipboard, in lines and in one line, then a key typed at its end. Both boxes
// are 430 x 300 with both scroll bars. Then, in the drawn box, a link of 20,000 characters
// on one line, wrapped into rows (the vertical bar only, as in the main window's boxes)
// and scrolling sideways (both bars), and the same characters in lines of 50 (about a row
// of the wrapping box: what the wrapped line should cost): a key typed at the end, Ctrl+A,
// Delete, and a paste of 1 MB over them, in lines and in one line.
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

// A share link padded to 20,000 characters, without a blank: one word no row holds.
Text LongLink() {
  Text link = "https://pan.baidu.com/s/1o6pEJO2?pwd=x7k2&name=";
  for (int i = 0; link.size() < 20000; ++i) link += static_cast<char>('a' + i % 26);
  return link;
}

// The same characters in lines of 50, about what a row of the wrapping box holds.
Text LongLinkInLines() {
  const Text link = LongLink();
  Text lines;
  for (std::size_t at = 0; at < link.size(); at += 50) lines += (at > 0 ? "\r\n" : "") + link.substr(at, 50);
  return lines;
}

// Milliseconds of each edit of the 20,000 characters, the mean of kLongLineRounds.
constexpr int kLongLineRounds = 3;
struct LongLineFigures {
  double typeAtEnd = 0;
  double selectAll = 0;
  double remove = 0;
  double pasteLinesOver = 0;
  double pasteLineOver = 0;
};

// The system's multi-line EDIT control in a plain window, with a 12-pixel font.
class SystemEdit {
 public:
  SystemEdit() {
    host_.reset(CreateWindowExW(0, L"Zt_LayerUI", L"EDIT", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 520, 40, 460, 340,
                                nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
    edit_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                            WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_AUTOVSCROLL |
                                ES_AUTOHSCROLL,
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

// The drawn box driven by its keys and commands, each flushed to the screen.
class DrawnEdit {
 public:
  DrawnEdit(UiWindow& window, bool wraps) : window_(window) {
    edit_.Create(window.Hwnd(), kBox, MultiLine(wraps));
    window.SetFocusControl(&edit_, false);
  }
  void SetText(const Text& text) {
    edit_.SetText(text, true);
    window_.Flush();
    PumpMessagesFor(100);
  }
  void Type() { TypeKey(window_); }
  void SelectAll() { Command('A'); }
  void Delete() {
    SendMessageW(window_.Hwnd(), WM_KEYDOWN, VK_DELETE, 0);
    window_.Flush();
  }
  void Paste() { Command('V'); }
  const Text& GetText() const { return edit_.Document().GetText(); }

 private:
  void Command(UINT key) {
    edit_.KeyCommand(key, true);
    window_.Flush();
  }

  UiWindow& window_;
  UiEdit edit_;
};

struct Megabytes {
  Text inLines = Megabyte(true);
  Text oneLine = Megabyte(false);
};

// Each round: `text` set, a key typed at its end, Ctrl+A, Delete; then for each megabyte
// (in lines, in one line) `text` again, Ctrl+A, and a paste of the megabyte over it.
// Timed: the key, Ctrl+A, Delete and the pastes, each with its repaint and present.
LongLineFigures EditLongLine(DrawnEdit& box, const Text& text, const Megabytes& pastes) {
  LongLineFigures figures;
  const auto pasteOver = [&](const Text& pasted) {
    box.SetText(text);
    box.SelectAll();
    SetClipboardText(pasted);
    const double ms = TimedMs([&] { box.Paste(); });
    if (box.GetText() != pasted) std::printf("a paste over the long line lost text\n");
    return ms / kLongLineRounds;
  };
  for (int round = 0; round < kLongLineRounds; ++round) {
    box.SetText(text);
    figures.typeAtEnd += TimedMs([&] { box.Type(); }) / kLongLineRounds;
    figures.selectAll += TimedMs([&] { box.SelectAll(); }) / kLongLineRounds;
    figures.remove += TimedMs([&] { box.Delete(); }) / kLongLineRounds;
    figures.pasteLinesOver += pasteOver(pastes.inLines);
    figures.pasteLineOver += pasteOver(pastes.oneLine);
  }
  return figures;
}

void PrintLongLineFigures(UiWindow& window) {
  const Megabytes pastes;
  LongLineFigures figures[3];
  {
    DrawnEdit wrapping(window, true);
    figures[0] = EditLongLine(wrapping, LongLink(), pastes);
  }
  DrawnEdit sideways(window, false);
  figures[1] = EditLongLine(sideways, LongLink(), pastes);
  figures[2] = EditLongLine(sideways, LongLinkInLines(), pastes);
  std::printf("\n20,000 characters in UiEdit (ms, mean of %d) %10s %10s %10s\n", kLongLineRounds, "one line",
              "one line", "lines");
  std::printf("%-44s %10s %10s %10s\n", "", "wrapped", "unwrapped", "of 50");
  const auto row = [&](const char* what, double LongLineFigures::*field) {
    std::printf("%-44s %10.1f %10.1f %10.1f\n", what, figures[0].*field, figures[1].*field, figures[2].*field);
  };
  row("a key typed at the end", &LongLineFigures::typeAtEnd);
  row("Ctrl+A", &LongLineFigures::selectAll);
  row("Delete", &LongLineFigures::remove);
  row("paste of 1 MB in lines over them", &LongLineFigures::pasteLinesOver);
  row("paste of 1 MB in one line over them", &LongLineFigures::pasteLineOver);
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
