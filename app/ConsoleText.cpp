#include "app/ConsoleText.h"

#include <windows.h>

#include <string>

#include "runtime/Codec.h"

namespace getlink {

namespace {

// Hands all of data to `write` (a WriteFile-like call), which may take it in parts.
template <class Char, class Write>
void WriteAll(const Char* data, std::size_t size, Write write) {
  for (std::size_t at = 0; at < size;) {
    DWORD written = 0;
    if (!write(data + at, static_cast<DWORD>(size - at), &written) || written == 0) return;
    at += written;
  }
}

}  // namespace

void WriteText(StandardStream stream, std::string_view gbk) {
  const HANDLE handle = GetStdHandle(stream == StandardStream::Output ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
  if (handle == nullptr || handle == INVALID_HANDLE_VALUE || gbk.empty()) return;
  DWORD mode = 0;
  if (GetConsoleMode(handle, &mode)) {
    const std::wstring wide = ToWide(gbk);
    WriteAll(wide.data(), wide.size(), [handle](const wchar_t* part, DWORD count, DWORD* written) {
      return WriteConsoleW(handle, part, count, written, nullptr);
    });
  } else {
    const std::string utf8 = GbkToUtf8(gbk);
    WriteAll(utf8.data(), utf8.size(), [handle](const char* part, DWORD count, DWORD* written) {
      return WriteFile(handle, part, count, written, nullptr);
    });
  }
}

std::string ReadStandardInput() {
  const HANDLE handle = GetStdHandle(STD_INPUT_HANDLE);
  if (handle == nullptr || handle == INVALID_HANDLE_VALUE) return std::string();
  DWORD mode = 0;
  if (GetConsoleMode(handle, &mode)) {
    std::wstring typed;
    wchar_t part[1024];
    DWORD read = 0;
    while (ReadConsoleW(handle, part, 1024, &read, nullptr) && read > 0) {
      const std::wstring_view chunk(part, read);
      const std::size_t endOfInput = chunk.find(L'\x1A');  // Ctrl+Z ends console input
      typed.append(chunk.substr(0, endOfInput));
      if (endOfInput != std::wstring_view::npos) break;
    }
    return GbkToUtf8(FromWide(typed));
  }
  std::string bytes;
  char part[4096];
  DWORD read = 0;
  while (ReadFile(handle, part, sizeof part, &read, nullptr) && read > 0) bytes.append(part, read);
  return bytes;
}

}  // namespace getlink
