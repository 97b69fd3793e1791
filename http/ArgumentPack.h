// The arguments of one late-bound call packed the way IDispatch::Invoke takes them.
#pragma once

#include <deque>
#include <functional>
#include <vector>

#include "http/AutomationArg.h"
#include "http/AutomationVariant.h"
#include "http/BString.h"
#include "runtime/ComPtr.h"

namespace getlink {

// Slots in reverse order (the first argument in the last slot). The pack owns every
// string, array and temporary it made and frees them when it goes; the caller's own
// variants are lent, never freed.
class ArgumentPack {
 public:
  // Packs the first `count` arguments. `declaredByReference[i]` tells whether the member
  // declares parameter i by reference; only then is a by-reference argument passed as
  // one (a variant always is). A property put names its value (slot 0) as the value to
  // store.
  ArgumentPack(const std::vector<AutomationArg>& args, std::size_t count,
               const std::vector<bool>& declaredByReference, bool propertyPut);
  ArgumentPack(const ArgumentPack&) = delete;
  ArgumentPack& operator=(const ArgumentPack&) = delete;

  DISPPARAMS* Params() { return &params_; }

  // Copies what the member left in by-reference texts, numbers, booleans and objects
  // back into the caller's variables.
  void WriteBack();

 private:
  void PackValue(VARIANTARG& slot, const AutomationValue& value);
  void PackReference(VARIANTARG& slot, Text* text);
  void PackReference(VARIANTARG& slot, ByteSet* bytes);
  void PackReference(VARIANTARG& slot, AutomationVariant* variant);
  void PackReference(VARIANTARG& slot, AutomationObject* object);
  template <class Kind>
  void PackReference(VARIANTARG& slot, Kind* variable);

  std::vector<VARIANTARG> slots_;
  // Stable homes of what the slots point at (deques never move their elements).
  std::deque<AutomationVariant> values_;
  std::deque<BString> strings_;
  std::deque<VARIANT> scalars_;
  std::deque<ComPtr<IDispatch>> objects_;
  std::vector<std::function<void()>> writeBacks_;
  DISPID putId_ = DISPID_PROPERTYPUT;
  DISPPARAMS params_{};
};

}  // namespace getlink
