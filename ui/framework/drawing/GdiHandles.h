// Owners of GDI objects and device-context scopes: one type per kind. No other code
// calls DeleteObject, DeleteDC, ReleaseDC, EndPaint or RemoveFontMemResourceEx.
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>
#include <utility>

namespace getlink {

struct GdiObjectDeleter {
  void operator()(HGDIOBJ object) const noexcept { DeleteObject(object); }
};
using GdiBitmap = std::unique_ptr<std::remove_pointer_t<HBITMAP>, GdiObjectDeleter>;
using GdiRegion = std::unique_ptr<std::remove_pointer_t<HRGN>, GdiObjectDeleter>;
using GdiFont = std::unique_ptr<std::remove_pointer_t<HFONT>, GdiObjectDeleter>;

// Fonts added to the process from memory (AddFontMemResourceEx), removed again with
// RemoveFontMemResourceEx.
struct FontMemoryDeleter {
  void operator()(HANDLE fonts) const noexcept { RemoveFontMemResourceEx(fonts); }
};
using FontMemory = std::unique_ptr<void, FontMemoryDeleter>;

// An icon of the program's own made by LoadImage (not shared), destroyed with DestroyIcon.
struct IconDeleter {
  void operator()(HICON icon) const noexcept { DestroyIcon(icon); }
};
using UniqueIcon = std::unique_ptr<std::remove_pointer_t<HICON>, IconDeleter>;

// A memory device context (CreateCompatibleDC), deleted with DeleteDC.
struct MemoryDcDeleter {
  void operator()(HDC dc) const noexcept { DeleteDC(dc); }
};
using MemoryDc = std::unique_ptr<std::remove_pointer_t<HDC>, MemoryDcDeleter>;

// A window's (or, for a null window, the screen's) device context for the lifetime of
// the scope: GetDC / ReleaseDC.
class WindowDc {
 public:
  explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
  ~WindowDc() {
    if (dc_ != nullptr) ReleaseDC(window_, dc_);
  }
  WindowDc(WindowDc&& other) noexcept : window_(other.window_), dc_(std::exchange(other.dc_, nullptr)) {}
  WindowDc& operator=(WindowDc&& other) noexcept {
    std::swap(window_, other.window_);
    std::swap(dc_, other.dc_);
    return *this;
  }
  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// BeginPaint / EndPaint around a WM_PAINT handler.
class PaintDc {
 public:
  explicit PaintDc(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
  ~PaintDc() { EndPaint(window_, &paint_); }
  PaintDc(const PaintDc&) = delete;
  PaintDc& operator=(const PaintDc&) = delete;
  HDC get() const { return dc_; }
  const RECT& dirty() const { return paint_.rcPaint; }

 private:
  HWND window_;
  PAINTSTRUCT paint_ = {};
  HDC dc_;
};

// An object selected into a device context for the lifetime of the scope; the object
// that was selected before is put back at the end.
class ObjectSelection {
 public:
  ObjectSelection() = default;
  ObjectSelection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~ObjectSelection() {
    if (dc_ != nullptr && previous_ != nullptr) SelectObject(dc_, previous_);
  }
  ObjectSelection(ObjectSelection&& other) noexcept
      : dc_(std::exchange(other.dc_, nullptr)), previous_(std::exchange(other.previous_, nullptr)) {}
  ObjectSelection& operator=(ObjectSelection&& other) noexcept {
    std::swap(dc_, other.dc_);
    std::swap(previous_, other.previous_);
    return *this;
  }

 private:
  HDC dc_ = nullptr;
  HGDIOBJ previous_ = nullptr;
};

}  // namespace getlink
