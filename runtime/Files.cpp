#include "runtime/Files.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
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

ByteSet ReadFileBytes(std::string_view path, std::optional<std::size_t> atMost) {
  const std::wstring widePath = ToWide(path);
  if (widePath.empty()) return ByteSet();
  HANDLE raw = CreateFileW(widePath.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_ARCHIVE, nullptr);
  if (raw == INVALID_HANDLE_VALUE) return ByteSet();
  const UniqueHandle file(raw);

  constexpr std::uint64_t kLargestWhole = 0x7FFFFFFF;
  LARGE_INTEGER size;
  if (!GetFileSizeEx(file.get(), &size) || size.QuadPart <= 0) return ByteSet();
  const auto length = static_cast<std::uint64_t>(size.QuadPart);
  if (!atMost && length > kLargestWhole) return ByteSet();
  ByteSet bytes(static_cast<std::size_t>(atMost ? std::min<std::uint64_t>(length, *atMost) : length));
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

std::vector<Text> ListFiles(std::string_view folder, std::string_view pattern) {
  std::vector<Text> names;
  WIN32_FIND_DATAW found;
  HANDLE raw = FindFirstFileW(ToWide(ConcatTexts(folder, "\\", pattern)).c_str(), &found);
  if (raw == INVALID_HANDLE_VALUE) return names;
  const FindHandle search(raw);
  do {
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) names.push_back(FromWide(found.cFileName));
  } while (FindNextFileW(search.get(), &found));
  return names;
}

}  // namespace getlink
