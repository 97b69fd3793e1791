// The smallest console program that prints one line: the yardstick getlink-cli's start-up
// is measured against (scripts/bench-cli-start). build/windows/minimal-console.exe
// Built with GETLINK_LOAD_WININET (minimal-console-wininet.exe) it also imports WinINet,
// which it never calls: what any program that fetches through WinINet pays at start.
#include <windows.h>
#ifdef GETLINK_LOAD_WININET
#include <wininet.h>
#endif

int main(int argc, char**) {
#ifdef GETLINK_LOAD_WININET
  if (argc < 0) InternetOpenW(L"", INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0);  // never runs
#else
  static_cast<void>(argc);
#endif
  constexpr char kLine[] = "minimal console\r\n";
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), kLine, sizeof kLine - 1, &written, nullptr);
  return 0;
}
