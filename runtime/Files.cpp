#include "runtime/Files.h"

#include <windows.h>

#include <string>

#include "runtime/Codec.h"
#include "runtime/WinHandles.h"

namespace getlink {

Text RunDirectory() {
  // Grows the buffer until the whole path fits: a truncated path would name another
  // directory.
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return Text();
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  const std::size_t slash = path.rfind(L'\\');
  if (slash != std::wstring::npos) path.resize(slash);
  return FromWide(path);
}

ByteSet ReadFileBytes(std::string_view path) {
  const std::wstring widePath = ToWide(path);
  if (widePath.empty()) return ByteSet();
  HANDLE raw = CreateFileW(widePath.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_ARCHIVE, nullptr);
  if (raw == INVALID_HANDLE_VALUE) return ByteSet();
  const UniqueHandle file(raw);

  LARGE_INTEGER size;
  // A 32-bit process cannot hold more than a few hundred megabytes in one block anyway.
  if (!GetFileSizeEx(file.get(), &size) || size.QuadPart <= 0 || size.QuadPart > 0x7FFFFFFF) return ByteSet();
  ByteSet bytes(static_cast<std::size_t>(size.QuadPart));
  std::size_t filled = 0;
  while (filled < bytes.size()) {
    DWORD read = 0;
    if (!ReadFile(file.get(), bytes.data() + filled, static_cast<DWORD>(bytes.size() - filled), &read, nullptr))
      return ByteSet();
    if (read == 0) break;  // the file shrank meanwhile: keep what is there
    filled += read;
  }
  bytes.resize(filled);
  return bytes;
}

}  // namespace getlink
