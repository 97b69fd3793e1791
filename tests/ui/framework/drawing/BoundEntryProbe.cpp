// A program that calls a late-bound entry point that cannot be found, for
// BoundEntryPointTest. A watcher thread reads and answers the "DLL ERROR" message box;
// "returned" is printed only if the call came back.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <string>
#include <thread>

#include "tests/support/MessageBoxWatcher.h"
#include "ui/framework/drawing/BoundEntryPoint.h"

int main(int argc, char** argv) {
  _setmode(_fileno(stdout), _O_BINARY);
  const std::string mode = argc > 1 ? argv[1] : "";
  std::thread([] { getlink::testing::AnswerMessageBox("DLL ERROR"); }).detach();
  if (mode == "missing-module") {
    static getlink::BoundEntryPoint<int(WINAPI*)()> missing("getlink_missing.dll", "Anything");
    missing();
  } else if (mode == "missing-function") {
    static getlink::BoundEntryPoint<int(WINAPI*)()> missing("user32", "GetlinkMissingFunction");
    missing();
  }
  std::printf("returned\n");
  return 3;
}
