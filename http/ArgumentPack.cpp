#include "http/ArgumentPack.h"

#include "http/AutomationObject.h"
#include "http/SafeArray.h"
#include "http/VariantConversions.h"
#include "http/VariantScalars.h"

namespace getlink {

ArgumentPack::ArgumentPack(const std::vector<AutomationArg>& args, std::size_t count,
                           const std::vector<bool>& declaredByReference, bool propertyPut)
    : slots_(count) {
  for (std::size_t i = 0; i < count; ++i) {
    const AutomationArg& arg = args[i];
    VARIANTARG& slot = slots_[count - 1 - i];
    VariantInit(&slot);
    if (arg.IsOmitted()) {
      // An argument left out in the middle of the list.
      slot.vt = VT_ERROR;
      slot.scode = DISP_E_PARAMNOTFOUND;
      continue;
    }
    const AutomationReference* reference = arg.Reference();
    const bool declared = i < declaredByReference.size() && declaredByReference[i];
    if (reference && (declared || std::holds_alternative<AutomationVariant*>(*reference))) {
      std::visit([this, &slot](auto* variable) { PackReference(slot, variable); }, *reference);
    } else {
      PackValue(slot, arg.CurrentValue());
    }
  }
  params_.rgvarg = slots_.empty() ? nullptr : slots_.data();
  params_.cArgs = static_cast<UINT>(count);
  if (propertyPut && count > 0) {
    params_.rgdispidNamedArgs = &putId_;
    params_.cNamedArgs = 1;
  }
}

void ArgumentPack::WriteBack() {
  for (const auto& writeBack : writeBacks_) writeBack();
}

void ArgumentPack::PackValue(VARIANTARG& slot, const AutomationValue& value) {
  if (const auto* variant = std::get_if<const AutomationVariant*>(&value)) {
    slot = (*variant)->Get();  // the caller's variant as it is, lent for the call
    return;
  }
  AutomationVariant& owned = values_.emplace_back();
  if (const auto* object = std::get_if<const AutomationObject*>(&value)) {
    // IDispatch where the object has one: an IUnknown pointer is not an IDispatch one.
    ComPtr<IDispatch> dispatch = (*object)->instance.Query<IDispatch>(IID_IDispatch);
    if (dispatch || !(*object)->instance) {
      owned.Get().pdispVal = dispatch.Detach();
      owned.Get().vt = VT_DISPATCH;
    } else {
      VariantFromValue(owned, value);
    }
  } else if (const auto* bytes = std::get_if<ByteSet>(&value); bytes && bytes->empty()) {
    owned.Get().parray = SafeArray::OfBytes(*bytes).Detach();  // an array of no bytes
    owned.Get().vt = VT_ARRAY | VT_UI1;
  } else {
    VariantFromValue(owned, value);
  }
  slot = owned.Get();
}

void ArgumentPack::PackReference(VARIANTARG& slot, Text* text) {
  BString& string = strings_.emplace_back(BString::FromText(*text));
  slot.vt = VT_BSTR | VT_BYREF;
  slot.pbstrVal = string.InOut();
  writeBacks_.push_back([text, &string] { *text = string.ToText(); });
}

void ArgumentPack::PackReference(VARIANTARG& slot, ByteSet* bytes) {
  PackValue(slot, AutomationValue(*bytes));  // a copy of the bytes either way
}

void ArgumentPack::PackReference(VARIANTARG& slot, AutomationVariant* variant) {
  slot.vt = VT_VARIANT | VT_BYREF;
  slot.pvarVal = &variant->Get();
}

void ArgumentPack::PackReference(VARIANTARG& slot, AutomationObject* object) {
  ComPtr<IDispatch>& dispatch = objects_.emplace_back(object->instance.Query<IDispatch>(IID_IDispatch));
  slot.vt = VT_DISPATCH | VT_BYREF;
  slot.ppdispVal = dispatch.InOut();
  writeBacks_.push_back([object, &dispatch, lent = dispatch.Get()] {
    if (dispatch.Get() != lent) object->instance = dispatch.Query<IUnknown>(IID_IUnknown);
  });
}

template <class Kind>
void ArgumentPack::PackReference(VARIANTARG& slot, Kind* variable) {
  VARIANT& temporary = scalars_.emplace_back();
  const auto field = StoreScalar(temporary, *variable);
  slot.vt = static_cast<VARTYPE>(temporary.vt | VT_BYREF);
  slot.byref = field;
  writeBacks_.push_back([variable, field] { *variable = FromScalarField<Kind>(*field); });
}

}  // namespace getlink
