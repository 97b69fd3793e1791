#include "RecordingObject.h"

#include <string>

#include "http/BString.h"
#include "http/TypeDescription.h"

namespace getlink {
namespace {

// Declared parameter types as CreateDispTypeInfo takes them.
PARAMDATA describeParams[] = {{const_cast<OLECHAR*>(L"text"), VT_BSTR | VT_BYREF}};
PARAMDATA joinParams[] = {{const_cast<OLECHAR*>(L"a"), VT_BSTR},
                          {const_cast<OLECHAR*>(L"b"), VT_I4},
                          {const_cast<OLECHAR*>(L"c"), VT_BOOL}};
PARAMDATA bumpParams[] = {{const_cast<OLECHAR*>(L"number"), VT_I4 | VT_BYREF},
                          {const_cast<OLECHAR*>(L"flag"), VT_BOOL | VT_BYREF}};
PARAMDATA getValueParams[] = {{const_cast<OLECHAR*>(L"index"), VT_I4}};
PARAMDATA putValueParams[] = {{const_cast<OLECHAR*>(L"index"), VT_I4},
                              {const_cast<OLECHAR*>(L"value"), VT_I4}};
PARAMDATA takeParams[] = {{const_cast<OLECHAR*>(L"any"), VT_VARIANT}};
PARAMDATA forgetParams[] = {{const_cast<OLECHAR*>(L"object"), VT_DISPATCH | VT_BYREF}};

// Method slots: the position of each member in RecordingMembers' virtual table.
METHODDATA methods[] = {
    {const_cast<OLECHAR*>(L"Describe"), describeParams, 1, 0, CC_STDCALL, 1, DISPATCH_METHOD, VT_EMPTY},
    {const_cast<OLECHAR*>(L"Join"), joinParams, 2, 1, CC_STDCALL, 3, DISPATCH_METHOD, VT_EMPTY},
    {const_cast<OLECHAR*>(L"Bump"), bumpParams, 3, 2, CC_STDCALL, 2, DISPATCH_METHOD, VT_EMPTY},
    {const_cast<OLECHAR*>(L"Value"), getValueParams, 4, 3, CC_STDCALL, 1, DISPATCH_PROPERTYGET, VT_I4},
    {const_cast<OLECHAR*>(L"Value"), putValueParams, 4, 4, CC_STDCALL, 2, DISPATCH_PROPERTYPUT, VT_EMPTY},
    {const_cast<OLECHAR*>(L"Number"), nullptr, 5, 5, CC_STDCALL, 0, DISPATCH_PROPERTYGET, VT_I4},
    {const_cast<OLECHAR*>(L"Name"), nullptr, 6, 6, CC_STDCALL, 0, DISPATCH_PROPERTYGET, VT_BSTR},
    {const_cast<OLECHAR*>(L"Take"), takeParams, 7, 7, CC_STDCALL, 1, DISPATCH_METHOD, VT_EMPTY},
    {const_cast<OLECHAR*>(L"Forget"), forgetParams, 8, 8, CC_STDCALL, 1, DISPATCH_METHOD, VT_EMPTY},
};

// The interface's type information. CreateDispTypeInfo may answer with a coclass that
// implements the interface; the standard dispatch needs the interface itself.
ComPtr<ITypeInfo> MembersTypeInfo() {
  INTERFACEDATA data = {methods, static_cast<UINT>(sizeof methods / sizeof methods[0])};
  ComPtr<ITypeInfo> info;
  if (FAILED(CreateDispTypeInfo(&data, LOCALE_SYSTEM_DEFAULT, info.Put()))) return info;
  {
    const TypeDescription<TYPEATTR> attributes(info.Get());
    if (!attributes) return ComPtr<ITypeInfo>();
    if (attributes->typekind != TKIND_COCLASS) return info;
  }
  HREFTYPE reference = 0;
  ComPtr<ITypeInfo> interfaceInfo;
  if (SUCCEEDED(info->GetRefTypeOfImplType(0, &reference))) info->GetRefTypeInfo(reference, interfaceInfo.Put());
  return interfaceInfo;
}

}  // namespace

void RecordingMembers::Describe(BSTR* text) {
  const BString old(*text);  // the member owns the string it was handed and replaces it
  std::wstring described = L"\x4E2D\x6587:";  // 中文:
  if (old.Get()) described.append(old.Get(), SysStringLen(old.Get()));
  *text = SysAllocStringLen(described.data(), static_cast<UINT>(described.size()));
}

void RecordingMembers::Join(BSTR, LONG, VARIANT_BOOL) {}

void RecordingMembers::Bump(LONG* number, VARIANT_BOOL* flag) {
  *number += 1;
  *flag = *flag ? VARIANT_FALSE : VARIANT_TRUE;
}

LONG RecordingMembers::GetValue(LONG index) { return values_[index]; }

void RecordingMembers::PutValue(LONG index, LONG value) { values_[index] = value; }

LONG RecordingMembers::GetNumber() { return 7; }

BSTR RecordingMembers::GetName() { return SysAllocString(L"\x540D\x79F0"); }  // 名称

void RecordingMembers::Take(VARIANT) {}

void RecordingMembers::Forget(IDispatch** object) {
  const ComPtr<IDispatch> dropped(*object);
  *object = nullptr;
}

RecordingObject::RecordingObject() {
  const ComPtr<ITypeInfo> info = MembersTypeInfo();
  ComPtr<IUnknown> standard;
  if (info && SUCCEEDED(CreateStdDispatch(nullptr, &members_, info.Get(), standard.Put())))
    standard_ = standard.Query<IDispatch>(IID_IDispatch);
}

ComPtr<RecordingObject> RecordingObject::Create() { return ComPtr<RecordingObject>(new RecordingObject()); }

HRESULT RecordingObject::QueryInterface(REFIID iid, void** out) {
  if (!out) return E_POINTER;
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch)) {
    *out = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
  }
  *out = nullptr;
  return E_NOINTERFACE;
}

ULONG RecordingObject::AddRef() { return static_cast<ULONG>(++references_); }

ULONG RecordingObject::Release() {
  const LONG left = --references_;
  if (left == 0) delete this;
  return static_cast<ULONG>(left);
}

HRESULT RecordingObject::GetTypeInfoCount(UINT* count) { return standard_->GetTypeInfoCount(count); }

HRESULT RecordingObject::GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) {
  return standard_->GetTypeInfo(index, locale, info);
}

HRESULT RecordingObject::GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale, DISPID* ids) {
  return standard_->GetIDsOfNames(iid, names, count, locale, ids);
}

HRESULT RecordingObject::Invoke(DISPID member, REFIID iid, LCID locale, WORD flags, DISPPARAMS* params,
                                VARIANT* result, EXCEPINFO* exception, UINT* argumentError) {
  RecordedCall call;
  call.member = member;
  call.flags = flags;
  for (UINT i = 0; params && i < params->cArgs; ++i) {
    VARIANTARG& slot = params->rgvarg[i];
    call.slotTypes.push_back(slot.vt);
    call.slotReferences.push_back((slot.vt & VT_BYREF) ? slot.byref : nullptr);
    AutomationVariant value;
    VariantCopyInd(value.Put(), &slot);
    call.slotValues.push_back(std::move(value));
  }
  for (UINT i = 0; params && i < params->cNamedArgs; ++i) call.named.push_back(params->rgdispidNamedArgs[i]);
  calls_.push_back(std::move(call));
  return standard_->Invoke(member, iid, locale, flags, params, result, exception, argumentError);
}

}  // namespace getlink
