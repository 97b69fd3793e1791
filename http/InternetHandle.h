// Ownership of WinINet handles.
#pragma once

#include <windows.h>
#include <wininet.h>

#include "runtime/HandleOwner.h"

namespace getlink {

struct InternetHandleTraits {
  using Handle = HINTERNET;
  static Handle Null() noexcept { return nullptr; }
  static void Release(Handle handle) noexcept { InternetCloseHandle(handle); }
};

// One WinINet handle (session, connection or request), closed with InternetCloseHandle
// when the owner goes. Declare a request after the session it comes from, so that the
// request is closed first.
using InternetHandle = HandleOwner<InternetHandleTraits>;

}  // namespace getlink
