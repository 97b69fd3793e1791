// The smallest console program that prints one line: the yardstick getlink-cli's start-up
// is measured against (scripts/bench-cli-start). build/windows/minimal-console.exe
#include <windows.h>

int main() {
  constexpr char kLine[] = "minimal console\r\n";
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), kLine, sizeof kLine - 1, &written, nullptr);
  return 0;
}
