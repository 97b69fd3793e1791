// The one owner of a handle that must be released exactly once: move-only, released when
// the owner goes or takes another handle. Each kind gives a traits struct:
//
//   struct Traits {
//     using Handle = ...;                          // the handle type
//     static Handle Null() noexcept;               // the value that owns nothing
//     static void Release(Handle handle) noexcept; // called once for every owned handle
//   };
//
// Kinds that need only get/reset/release and no out-parameter slot use std::unique_ptr with
// a deleter instead (runtime/WinHandles.h, the GDI and GDI+ handle headers).
#pragma once

#include <utility>

namespace getlink {

template <class Traits>
class HandleOwner {
 public:
  using Handle = typename Traits::Handle;

  HandleOwner() = default;
  // Takes over a handle the caller owns (the null value owns nothing).
  explicit HandleOwner(Handle owned) noexcept : handle_(owned) {}
  HandleOwner(HandleOwner&& other) noexcept : handle_(other.Detach()) {}
  HandleOwner& operator=(HandleOwner&& other) noexcept {
    Reset(other.Detach());  // safe for self-move: Detach empties this owner first
    return *this;
  }
  HandleOwner(const HandleOwner&) = delete;
  HandleOwner& operator=(const HandleOwner&) = delete;
  ~HandleOwner() { Reset(); }

  Handle Get() const noexcept { return handle_; }
  explicit operator bool() const noexcept { return handle_ != Traits::Null(); }

  // Releases the handle held and takes `owned` instead.
  void Reset(Handle owned = Traits::Null()) noexcept {
    const Handle old = std::exchange(handle_, owned);
    if (old != Traits::Null()) Traits::Release(old);
  }

  // Hands the handle over to a new owner; this owner is left empty.
  Handle Detach() noexcept { return std::exchange(handle_, Traits::Null()); }

  // For an out parameter: releases the handle held and lends the empty slot.
  Handle* Put() noexcept {
    Reset();
    return &handle_;
  }

  // For an in/out parameter: the callee may release the handle held and store another one,
  // which this owner then owns.
  Handle* InOut() noexcept { return &handle_; }

 private:
  Handle handle_ = Traits::Null();
};

}  // namespace getlink
