// Owner of one OLE string (BSTR), and its conversion from and to GBK text.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <string>
#include <utility>

#include "runtime/Codec.h"

namespace getlink {

class BString {
 public:
  BString() = default;
  explicit BString(BSTR owned) : string_(owned) {}
  BString(BString&& other) noexcept : string_(std::exchange(other.string_, nullptr)) {}
  BString& operator=(BString&& other) noexcept {
    if (this != &other) {
      SysFreeString(string_);
      string_ = std::exchange(other.string_, nullptr);
    }
    return *this;
  }
  BString(const BString&) = delete;
  BString& operator=(const BString&) = delete;
  ~BString() { SysFreeString(string_); }

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
  Text ToText() const { return ToText(string_); }

  BSTR Get() const { return string_; }

  // For an in/out parameter: the callee may free the string and store another one, which
  // this holder then owns.
  BSTR* InOut() { return &string_; }

  // Hands the string over to a new owner.
  BSTR Detach() { return std::exchange(string_, nullptr); }

 private:
  BSTR string_ = nullptr;
};

}  // namespace getlink
