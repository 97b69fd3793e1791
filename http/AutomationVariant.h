// Owner of one OLE VARIANT: empty (VT_EMPTY) when fresh, cleared when it goes.
#pragma once

#include <windows.h>
#include <oleauto.h>

namespace getlink {

class AutomationVariant {
 public:
  AutomationVariant() { VariantInit(&variant_); }
  AutomationVariant(AutomationVariant&& other) noexcept : variant_(other.variant_) {
    VariantInit(&other.variant_);
  }
  AutomationVariant& operator=(AutomationVariant&& other) noexcept {
    if (this != &other) {
      VariantClear(&variant_);
      variant_ = other.variant_;
      VariantInit(&other.variant_);
    }
    return *this;
  }
  AutomationVariant(const AutomationVariant&) = delete;
  AutomationVariant& operator=(const AutomationVariant&) = delete;
  ~AutomationVariant() { VariantClear(&variant_); }

  VARIANT& Get() { return variant_; }
  const VARIANT& Get() const { return variant_; }
  VARTYPE Type() const { return variant_.vt; }

  // Frees the content and leaves the variant empty.
  void Clear() {
    VariantClear(&variant_);
    VariantInit(&variant_);
  }

  // For an out parameter: clears the variant and lends it to be filled.
  VARIANT* Put() {
    Clear();
    return &variant_;
  }

 private:
  VARIANT variant_{};
};

}  // namespace getlink
