// Timed start-up of window programs (figures, not a test): for each program given, over
// several runs, the time from CreateProcess to the first frame on the screen (the pixel
// at the centre of the program's window changes), the time until the program waits for
// input, and its working set once it is idle. The programs take turns run by run; each
// one's first-frame median and fastest run are also given as multiples of the first
// program's.
//   build/windows/startup-bench.exe [--runs N] PROGRAM.exe [PROGRAM.exe ...]
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "runtime/WinHandles.h"
#include "tools/BenchTiming.h"
#include "ui/framework/drawing/GdiHandles.h"

namespace getlink {
namespace {

struct WindowSearch {
  DWORD processId;
  HWND found;
};

BOOL CALLBACK MatchVisibleWindow(HWND hwnd, LPARAM lparam) {
  auto* search = reinterpret_cast<WindowSearch*>(lparam);
  DWORD owner = 0;
  GetWindowThreadProcessId(hwnd, &owner);
  if (owner != search->processId || !IsWindowVisible(hwnd)) return TRUE;
  search->found = hwnd;
  return FALSE;
}

// The first visible top-level window of a process, or null.
HWND VisibleWindowOf(DWORD processId) {
  WindowSearch search = {processId, nullptr};
  EnumWindows(MatchVisibleWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

COLORREF ScreenPixel(POINT point) {
  const WindowDc screen(nullptr);
  return GetPixel(screen.get(), point.x, point.y);
}

struct RunFigures {
  double firstFrameMs = -1;
  double inputIdleMs = -1;
  double workingSetMiB = 0;
  double peakWorkingSetMiB = 0;
};

// Where the program's window will appear: both programs centre a 450 x 320 window in
// the work area, so its centre is the work area's centre.
POINT WorkAreaCentre() {
  RECT work;
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  return {(work.left + work.right) / 2, (work.top + work.bottom) / 2};
}

bool RunOnce(const std::wstring& program, RunFigures& figures) {
  const POINT centre = WorkAreaCentre();
  const COLORREF before = ScreenPixel(centre);
  std::wstring commandLine = L"\"" + program + L"\"";
  STARTUPINFOW startup = {};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info = {};
  const double start = Milliseconds();
  if (!CreateProcessW(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &info)) {
    std::fprintf(stderr, "cannot start %ls (error %lu)\n", program.c_str(), GetLastError());
    return false;
  }
  UniqueHandle process(info.hProcess);
  UniqueHandle thread(info.hThread);

  // Poll the screen until the window has put something on it (at most 20 s).
  while (Milliseconds() - start < 20000) {
    if (VisibleWindowOf(info.dwProcessId) != nullptr && ScreenPixel(centre) != before) {
      figures.firstFrameMs = Milliseconds() - start;
      break;
    }
    if (WaitForSingleObject(process.get(), 0) == WAIT_OBJECT_0) break;
    Sleep(1);
  }
  if (WaitForInputIdle(process.get(), 20000) == 0) figures.inputIdleMs = Milliseconds() - start;

  Sleep(1000);  // let opening animations end before the memory is read
  PROCESS_MEMORY_COUNTERS memory = {};
  memory.cb = sizeof(memory);
  if (GetProcessMemoryInfo(process.get(), &memory, sizeof(memory))) {
    figures.workingSetMiB = memory.WorkingSetSize / 1048576.0;
    figures.peakWorkingSetMiB = memory.PeakWorkingSetSize / 1048576.0;
  }
  TerminateProcess(process.get(), 0);
  WaitForSingleObject(process.get(), 10000);
  // The screen must show the desktop again before the next run samples it.
  const double gone = Milliseconds();
  while (ScreenPixel(centre) != before && Milliseconds() - gone < 5000) Sleep(5);
  return figures.firstFrameMs >= 0;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0 : values[values.size() / 2];
}

// The run the machine's load disturbed least.
double Fastest(const std::vector<double>& values) {
  return values.empty() ? 0 : *std::min_element(values.begin(), values.end());
}

// Every run's figures of one program.
struct ProgramRuns {
  std::wstring program;
  std::vector<double> first, idle, working, peak;
};

int Run(int argc, wchar_t** argv) {
  int runs = 5;
  std::vector<ProgramRuns> programs;
  for (int i = 1; i < argc; ++i) {
    if (std::wstring(argv[i]) == L"--runs" && i + 1 < argc) {
      runs = std::max(1, _wtoi(argv[++i]));
    } else {
      programs.push_back({argv[i], {}, {}, {}, {}});
    }
  }
  if (programs.empty()) {
    std::fprintf(stderr, "usage: startup-bench [--runs N] PROGRAM.exe [PROGRAM.exe ...]\n");
    return 2;
  }
  // The programs take turns, a run of each in each round: a machine whose load changes
  // meanwhile weighs on all of them alike.
  for (int run = 0; run < runs; ++run) {
    for (ProgramRuns& each : programs) {
      RunFigures figures;
      if (!RunOnce(each.program, figures)) {
        std::fprintf(stderr, "%ls: no frame on the screen\n", each.program.c_str());
        continue;
      }
      each.first.push_back(figures.firstFrameMs);
      each.idle.push_back(figures.inputIdleMs);
      each.working.push_back(figures.workingSetMiB);
      each.peak.push_back(figures.peakWorkingSetMiB);
    }
  }
  std::printf("%-28s %16s %9s %9s %9s %16s %14s %14s\n", "program (median of runs)", "first frame ms", "x first",
              "fastest", "x first", "input idle ms", "working MiB", "peak MiB");
  const double yardstick = Median(programs.front().first);
  const double fastestYardstick = Fastest(programs.front().first);
  for (const ProgramRuns& each : programs) {
    const wchar_t* name = each.program.c_str() + each.program.find_last_of(L"\\/") + 1;
    const double first = Median(each.first), fastest = Fastest(each.first);
    std::printf("%-28ls %16.1f %9.2f %9.1f %9.2f %16.1f %14.2f %14.2f\n", name, first,
                yardstick > 0 ? first / yardstick : 0, fastest, fastestYardstick > 0 ? fastest / fastestYardstick : 0,
                Median(each.idle), Median(each.working), Median(each.peak));
  }
  return 0;
}

}  // namespace
}  // namespace getlink

int wmain(int argc, wchar_t** argv) { return getlink::Run(argc, argv); }
