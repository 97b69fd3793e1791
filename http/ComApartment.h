// COM initialised on the calling thread (apartment-threaded) for the scope's lifetime.
#pragma once

#include <windows.h>
#include <objbase.h>

namespace getlink {

class ComApartment {
 public:
  ComApartment() : result_(CoInitialize(nullptr)) {}
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;
  ~ComApartment() {
    // S_FALSE (already initialised on this thread) is balanced too.
    if (SUCCEEDED(result_)) CoUninitialize();
  }

  HRESULT Result() const { return result_; }

 private:
  HRESULT result_;
};

}  // namespace getlink
