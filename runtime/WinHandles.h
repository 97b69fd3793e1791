// Owners of the kernel, memory, module and window handles the runtime and the framework use.
// Each kind has exactly one owner type here (COM interfaces: runtime/ComPtr.h); no other
// code releases these handles.
#pragma once

#include <windows.h>

#include <cstddef>
#include <memory>
#include <type_traits>

namespace getlink {

// A kernel object handle (file, thread, event). Wrap only valid handles: CreateFile's
// INVALID_HANDLE_VALUE must be checked before.
struct HandleCloser {
  void operator()(HANDLE handle) const noexcept { CloseHandle(handle); }
};
using UniqueHandle = std::unique_ptr<void, HandleCloser>;

// A search of a folder's files (FindFirstFile). Wrap only valid handles.
struct FindCloser {
  void operator()(HANDLE search) const noexcept { FindClose(search); }
};
using FindHandle = std::unique_ptr<void, FindCloser>;

// A block from GlobalAlloc. release() it once ownership has passed to the system
// (SetClipboardData, a stream created to free it).
struct GlobalFreer {
  void operator()(HGLOBAL memory) const noexcept { GlobalFree(memory); }
};
using GlobalMemory = std::unique_ptr<void, GlobalFreer>;

// A module loaded with LoadLibrary.
struct ModuleFreer {
  void operator()(HMODULE module) const noexcept { FreeLibrary(module); }
};
using UniqueModule = std::unique_ptr<std::remove_pointer_t<HMODULE>, ModuleFreer>;

// A window that its creator destroys (a helper window such as a tooltip).
struct WindowDestroyer {
  void operator()(HWND window) const noexcept { DestroyWindow(window); }
};
using UniqueWindow = std::unique_ptr<std::remove_pointer_t<HWND>, WindowDestroyer>;

// GlobalLock for the lifetime of the scope. data() is null when the lock failed;
// size() is the block's size, which may exceed what was asked for.
class GlobalLockScope {
 public:
  explicit GlobalLockScope(HGLOBAL memory) : memory_(memory), data_(memory ? GlobalLock(memory) : nullptr) {}
  ~GlobalLockScope() {
    if (data_ != nullptr) GlobalUnlock(memory_);
  }
  GlobalLockScope(const GlobalLockScope&) = delete;
  GlobalLockScope& operator=(const GlobalLockScope&) = delete;

  void* data() const { return data_; }
  std::size_t size() const { return data_ != nullptr ? GlobalSize(memory_) : 0; }

 private:
  HGLOBAL memory_;
  void* data_;
};

// The clipboard, open for the lifetime of the scope.
class ClipboardScope {
 public:
  explicit ClipboardScope(HWND owner = nullptr) : open_(OpenClipboard(owner) != FALSE) {}
  ~ClipboardScope() {
    if (open_) CloseClipboard();
  }
  ClipboardScope(const ClipboardScope&) = delete;
  ClipboardScope& operator=(const ClipboardScope&) = delete;

  bool IsOpen() const { return open_; }

 private:
  bool open_;
};

}  // namespace getlink
