// Owners of the input-method context and of the system caret an edit box uses. No other
// code releases an IME context or destroys a caret.
#pragma once

#include <windows.h>
#include <imm.h>

#include <utility>

namespace getlink {

// The window's input context for the lifetime of the scope: ImmGetContext /
// ImmReleaseContext.
class ImeContextScope {
 public:
  explicit ImeContextScope(HWND window) : window_(window), context_(ImmGetContext(window)) {}
  ~ImeContextScope() {
    if (context_ != nullptr) ImmReleaseContext(window_, context_);
  }
  ImeContextScope(const ImeContextScope&) = delete;
  ImeContextScope& operator=(const ImeContextScope&) = delete;
  HIMC get() const { return context_; }

 private:
  HWND window_;
  HIMC context_;
};

// The input method switched off for a window: its context is taken away and given back
// when the owner is reset or destroyed.
class DetachedImeContext {
 public:
  DetachedImeContext() = default;
  ~DetachedImeContext() { reset(); }
  DetachedImeContext(const DetachedImeContext&) = delete;
  DetachedImeContext& operator=(const DetachedImeContext&) = delete;

  void Detach(HWND window) {
    if (window_ != nullptr) return;
    window_ = window;
    context_ = ImmAssociateContext(window, nullptr);
  }
  void reset() {
    if (window_ != nullptr) ImmAssociateContext(std::exchange(window_, nullptr), context_);
    context_ = nullptr;
  }

 private:
  HWND window_ = nullptr;
  HIMC context_ = nullptr;
};

// The thread's system caret, created for a window and destroyed with the owner. It is
// never shown: it tells the input method where the drawn caret is.
class SystemCaret {
 public:
  SystemCaret() = default;
  ~SystemCaret() { reset(); }
  SystemCaret(const SystemCaret&) = delete;
  SystemCaret& operator=(const SystemCaret&) = delete;

  void Create(HWND window, int width, int height) {
    reset();
    created_ = CreateCaret(window, nullptr, width, height) != FALSE;
  }
  void MoveTo(int x, int y) const {
    if (created_) SetCaretPos(x, y);
  }
  void reset() {
    if (created_) DestroyCaret();
    created_ = false;
  }

 private:
  bool created_ = false;
};

}  // namespace getlink
