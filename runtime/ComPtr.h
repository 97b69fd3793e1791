// Owner of one reference to a COM interface.
#pragma once

#include <windows.h>
#include <unknwn.h>

#include <utility>

namespace getlink {

template <class Interface>
class ComPtr {
 public:
  ComPtr() = default;
  // Takes over a reference the caller already holds.
  explicit ComPtr(Interface* owned) : pointer_(owned) {}
  ComPtr(ComPtr&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
  ComPtr& operator=(ComPtr&& other) noexcept {
    if (this != &other) {
      Reset();
      pointer_ = std::exchange(other.pointer_, nullptr);
    }
    return *this;
  }
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;
  ~ComPtr() { Reset(); }

  // A holder with a reference of its own to `pointer` (which may be null).
  static ComPtr Share(Interface* pointer) {
    if (pointer) pointer->AddRef();
    return ComPtr(pointer);
  }

  Interface* Get() const { return pointer_; }
  Interface* operator->() const { return pointer_; }
  explicit operator bool() const { return pointer_ != nullptr; }

  void Reset() {
    if (pointer_) std::exchange(pointer_, nullptr)->Release();
  }

  // For an out parameter: drops the current reference and lends the slot.
  Interface** Put() {
    Reset();
    return &pointer_;
  }

  // For an in/out parameter: the callee may release the current reference and store
  // another one, which this holder then owns.
  Interface** InOut() { return &pointer_; }

  // Hands the reference over to a new owner (a variant).
  Interface* Detach() { return std::exchange(pointer_, nullptr); }

  // Asks the object for another of its interfaces; empty when it has none.
  template <class Other>
  ComPtr<Other> Query(REFIID iid, HRESULT* result = nullptr) const {
    ComPtr<Other> other;
    const HRESULT hr =
        pointer_ ? pointer_->QueryInterface(iid, reinterpret_cast<void**>(other.Put())) : E_POINTER;
    if (result) *result = hr;
    return other;
  }

 private:
  Interface* pointer_ = nullptr;
};

}  // namespace getlink
