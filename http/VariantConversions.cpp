#include "http/VariantConversions.h"

#include <vector>

#include "http/AutomationObject.h"
#include "http/BString.h"
#include "http/SafeArray.h"
#include "http/VariantScalars.h"

namespace getlink {
namespace {

// MinGW declares the source of VariantCopy and VariantCopyInd without const; neither
// changes it.
VARIANT* Source(const VARIANT& variant) { return const_cast<VARIANT*>(&variant); }

// Fills an empty variant with one value; false when nothing could be stored.
struct ValueStore {
  VARIANT& target;

  bool operator()(const Text& text) const {
    target.bstrVal = BString::FromText(text).Detach();
    target.vt = VT_BSTR;
    return true;
  }
  bool operator()(const ByteSet& bytes) const {
    SafeArray array = SafeArray::OfBytes(bytes);
    if (!array) return false;
    target.parray = array.Detach();
    target.vt = VT_ARRAY | VT_UI1;
    return true;
  }
  bool operator()(const AutomationVariant* variant) const {
    return SUCCEEDED(VariantCopy(&target, Source(variant->Get())));
  }
  bool operator()(const AutomationObject* object) const {
    target.punkVal = ComPtr<IUnknown>::Share(object->instance.Get()).Detach();
    target.vt = VT_UNKNOWN;
    return true;
  }
  template <class Kind>
  bool operator()(Kind value) const {
    StoreScalar(target, value);
    return true;
  }
};

// The first element of an array variant as a variant of the element's type.
HRESULT FirstElement(const VARIANT& arrayVariant, AutomationVariant& element) {
  SAFEARRAY* array = arrayVariant.parray;
  VARTYPE type = VT_EMPTY;
  HRESULT hr = array ? SafeArrayGetVartype(array, &type) : E_INVALIDARG;
  if (FAILED(hr)) return hr;
  const UINT dimensions = SafeArrayGetDim(array);
  std::vector<LONG> indices(dimensions);
  for (UINT d = 0; d < dimensions; ++d) {
    // SafeArrayGetLBound counts dimensions from the left-most (1), while the index
    // vector starts with the right-most dimension.
    hr = SafeArrayGetLBound(array, dimensions - d, &indices[d]);
    if (FAILED(hr)) return hr;
  }
  VARIANT& target = *element.Put();
  // A variant or decimal element fills the whole variant; any other fills its union.
  const bool whole = type == VT_VARIANT || type == VT_DECIMAL;
  hr = SafeArrayGetElement(array, indices.data(), whole ? static_cast<void*>(&target)
                                                        : static_cast<void*>(&target.llVal));
  if (SUCCEEDED(hr) && type != VT_VARIANT) target.vt = type;
  return hr;
}

ByteSet BytesOfArray(SAFEARRAY* array) {
  if (!array || SafeArrayGetElemsize(array) != 1) return ByteSet();
  std::size_t count = 1;
  for (UINT d = 1; d <= SafeArrayGetDim(array); ++d) {
    LONG lower = 0, upper = -1;
    if (FAILED(SafeArrayGetLBound(array, d, &lower)) || FAILED(SafeArrayGetUBound(array, d, &upper)))
      return ByteSet();
    count *= upper >= lower ? static_cast<std::size_t>(upper - lower) + 1 : 0;
  }
  if (count == 0) return ByteSet();
  SafeArrayAccess access(array);
  if (!access.Data()) return ByteSet();
  const auto* first = static_cast<const std::uint8_t*>(access.Data());
  return ByteSet(first, first + count);
}

bool IsByteArray(VARTYPE type) { return type == (VT_ARRAY | VT_UI1) || type == (VT_ARRAY | VT_I1); }

}  // namespace

bool VariantFromValue(AutomationVariant& variant, const AutomationValue& value) {
  if (const auto* bytes = std::get_if<ByteSet>(&value); bytes && bytes->empty()) return false;
  if (const auto* source = std::get_if<const AutomationVariant*>(&value); source && *source == &variant)
    return true;  // a copy of itself: nothing to do
  return std::visit(ValueStore{*variant.Put()}, value);
}

ByteSet VariantToByteSet(const AutomationVariant& variant) {
  const VARIANT& original = variant.Get();
  if (IsByteArray(original.vt)) return BytesOfArray(original.parray);

  // A variant by reference is read through its reference.
  AutomationVariant direct;
  if (FAILED(VariantCopyInd(direct.Put(), Source(original)))) return ByteSet();
  if (IsByteArray(direct.Type())) return BytesOfArray(direct.Get().parray);

  AutomationVariant single;
  if (direct.Type() & VT_ARRAY) {
    if (FAILED(FirstElement(direct.Get(), single))) return ByteSet();
  } else {
    single = std::move(direct);
  }
  AutomationVariant converted;
  if (FAILED(VariantChangeType(converted.Put(), &single.Get(), 0, VT_ARRAY | VT_UI1))) return ByteSet();
  return BytesOfArray(converted.Get().parray);
}

void ClearVariant(AutomationVariant& variant) { variant.Clear(); }

}  // namespace getlink
