// Owner of one reference to an AccessibleObject, usable where the class is only declared
// (a control and a window hold theirs in their headers).
#pragma once

#include "runtime/HandleOwner.h"

namespace getlink {

class AccessibleObject;

struct AccessibleObjectReference {
  using Handle = AccessibleObject*;
  static Handle Null() noexcept { return nullptr; }
  static void Release(Handle object) noexcept;  // AccessibleObject.cpp
};

using AccessibleObjectPtr = HandleOwner<AccessibleObjectReference>;

}  // namespace getlink
