// Owner of one reference to a COM interface.
#pragma once

#include <windows.h>
#include <unknwn.h>

#include "runtime/HandleOwner.h"

namespace getlink {

template <class Interface>
struct ComReferenceTraits {
  using Handle = Interface*;
  static Handle Null() noexcept { return nullptr; }
  static void Release(Handle pointer) noexcept { pointer->Release(); }
};

template <class Interface>
class ComPtr : public HandleOwner<ComReferenceTraits<Interface>> {
  using Owner = HandleOwner<ComReferenceTraits<Interface>>;

 public:
  ComPtr() = default;
  // Takes over a reference the caller already holds.
  explicit ComPtr(Interface* owned) noexcept : Owner(owned) {}

  // A holder with a reference of its own to `pointer` (which may be null).
  static ComPtr Share(Interface* pointer) {
    if (pointer) pointer->AddRef();
    return ComPtr(pointer);
  }

  Interface* operator->() const { return this->Get(); }

  // Asks the object for another of its interfaces; empty when it has none.
  template <class Other>
  ComPtr<Other> Query(REFIID iid, HRESULT* result = nullptr) const {
    ComPtr<Other> other;
    Interface* const pointer = this->Get();
    const HRESULT hr =
        pointer ? pointer->QueryInterface(iid, reinterpret_cast<void**>(other.Put())) : E_POINTER;
    if (result) *result = hr;
    return other;
  }
};

}  // namespace getlink
