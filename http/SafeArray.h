// Owner of one OLE safe array, and the scope in which its data is locked for access.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <cstring>

#include "runtime/HandleOwner.h"
#include "runtime/Text.h"

namespace getlink {

struct SafeArrayTraits {
  using Handle = SAFEARRAY*;
  static Handle Null() noexcept { return nullptr; }
  static void Release(Handle array) noexcept { SafeArrayDestroy(array); }
};

class SafeArray : public HandleOwner<SafeArrayTraits> {
 public:
  using HandleOwner::HandleOwner;

  // A one-dimensional array of unsigned bytes, lower bound 0, holding a copy of the bytes;
  // empty when the platform cannot allocate it.
  static SafeArray OfBytes(const ByteSet& bytes);
};

// Locks an array's data (SafeArrayAccessData) for the lifetime of the scope.
class SafeArrayAccess {
 public:
  explicit SafeArrayAccess(SAFEARRAY* array) {
    if (array && SUCCEEDED(SafeArrayAccessData(array, &data_))) array_ = array;
  }
  SafeArrayAccess(const SafeArrayAccess&) = delete;
  SafeArrayAccess& operator=(const SafeArrayAccess&) = delete;
  ~SafeArrayAccess() {
    if (array_) SafeArrayUnaccessData(array_);
  }

  // The array's first element, or null when the data could not be locked.
  void* Data() const { return array_ ? data_ : nullptr; }

 private:
  SAFEARRAY* array_ = nullptr;
  void* data_ = nullptr;
};

inline SafeArray SafeArray::OfBytes(const ByteSet& bytes) {
  SafeArray array(SafeArrayCreateVector(VT_UI1, 0, static_cast<ULONG>(bytes.size())));
  if (array && !bytes.empty()) {
    SafeArrayAccess access(array.Get());
    if (!access.Data()) return SafeArray();
    std::memcpy(access.Data(), bytes.data(), bytes.size());
  }
  return array;
}

}  // namespace getlink
