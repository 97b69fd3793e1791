// Owner of one OLE string (BSTR), and its conversion from and to GBK text.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <string>

#include "runtime/Codec.h"
#include "runtime/HandleOwner.h"

namespace getlink {

struct BStringTraits {
  using Handle = BSTR;
  static Handle Null() noexcept { return nullptr; }
  static void Release(Handle string) noexcept { SysFreeString(string); }
};

class BString : public HandleOwner<BStringTraits> {
 public:
  using HandleOwner::HandleOwner;

  // The GBK text as a new string; the empty text gives the null string.
  static BString FromText(std::string_view text) {
    if (text.empty()) return BString();
    const std::wstring wide = ToWide(text);
    return BString(SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size())));
  }

  // The string's text in GBK; the null string gives the empty text.
  static Text ToText(BSTR string) {
    if (!string) return Text();
    return FromWide(std::wstring_view(string, SysStringLen(string)));
  }
  Text ToText() const { return ToText(Get()); }
};

}  // namespace getlink
