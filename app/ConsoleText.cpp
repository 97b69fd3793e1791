#include "app/ConsoleText.h"

#include <windows.h>

#include <string>

#include "runtime/Codec.h"

namespace getlink {

void WriteText(StandardStream stream, std::string_view gbk) {
  const HANDLE handle = GetStdHandle(stream == StandardStream::Output ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
  if (handle == nullptr || handle == INVALID_HANDLE_VALUE || gbk.empty()) return;
  DWORD mode = 0;
  if (GetConsoleMode(handle, &mode)) {
    const std::wstring wide = ToWide(gbk);
    for (std::size_t at = 0; at < wide.size();) {
      DWORD written = 0;
      if (!WriteConsoleW(handle, wide.data() + at, static_cast<DWORD>(wide.size() - at), &written, nullptr) ||
          written == 0)
        return;
      at += written;
    }
    return;
  }
  const std::string utf8 = GbkToUtf8(gbk);
  for (std::size_t at = 0; at < utf8.size();) {
    DWORD written = 0;
    if (!WriteFile(handle, utf8.data() + at, static_cast<DWORD>(utf8.size() - at), &written, nullptr) ||
        written == 0)
      return;
    at += written;
  }
}

}  // namespace getlink
