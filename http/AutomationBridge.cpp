#include "http/AutomationBridge.h"

#include <algorithm>
#include <string>

#include "http/ArgumentPack.h"
#include "http/TypeDescription.h"
#include "runtime/Codec.h"

namespace getlink {
namespace {

// Class contexts of CoCreateInstance: in-process server and handler, local and remote
// server; and the same without remote server, for systems that refuse that one.
constexpr DWORD kAnyServer = CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER | CLSCTX_LOCAL_SERVER |
                             CLSCTX_REMOTE_SERVER;  // 23
constexpr DWORD kLocalServers = CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER | CLSCTX_LOCAL_SERVER;  // 7

enum class CallKind { Method, PropertyGet, PropertyPut };

bool IsByReferenceType(VARTYPE type) { return type == VT_PTR || (type & VT_BYREF) != 0; }

// Which of the first `count` parameters the member declares by reference, read from the
// object's type information: the function description of a method, the variable
// description of a property (first parameter only). Nothing is by reference when the
// object describes no such member.
std::vector<bool> DeclaredByReference(IDispatch* dispatch, DISPID member, CallKind kind, std::size_t count) {
  std::vector<bool> declared(count, false);
  if (count == 0) return declared;
  ComPtr<ITypeInfo> info;
  if (FAILED(dispatch->GetTypeInfo(0, LOCALE_USER_DEFAULT, info.Put())) || !info) return declared;
  const TypeDescription<TYPEATTR> attributes(info.Get());
  if (!attributes) return declared;

  if (kind == CallKind::Method) {
    for (UINT i = 0; i < attributes->cFuncs; ++i) {
      const TypeDescription<FUNCDESC> function(info.Get(), i);
      if (!function || function->memid != member) continue;
      const std::size_t described = std::min<std::size_t>(count, static_cast<std::size_t>(function->cParams));
      for (std::size_t j = 0; j < described; ++j)
        declared[j] = IsByReferenceType(function->lprgelemdescParam[j].tdesc.vt);
      break;
    }
  } else {
    for (UINT i = 0; i < attributes->cVars; ++i) {
      const TypeDescription<VARDESC> variable(info.Get(), i);
      if (!variable || variable->memid != member) continue;
      declared[0] = IsByReferenceType(variable->elemdescVar.tdesc.vt);
      break;
    }
  }
  return declared;
}

WORD InvokeFlags(CallKind kind, const AutomationArgs& args, std::size_t count) {
  switch (kind) {
    case CallKind::Method:
      return DISPATCH_METHOD;
    case CallKind::PropertyGet:
      // Wine (and objects whose getters are methods) refuse PROPERTYGET alone.
      return DISPATCH_METHOD | DISPATCH_PROPERTYGET;
    case CallKind::PropertyPut:
      if (count > 0) {
        const AutomationReference* value = args[count - 1].Reference();
        if (value && std::holds_alternative<AutomationObject*>(*value)) return DISPATCH_PROPERTYPUTREF;
      }
      return DISPATCH_PROPERTYPUT;
  }
  return DISPATCH_METHOD;
}

// One late-bound call; the result variant may be null. Returns the HRESULT of the step
// that ended the call.
HRESULT CallMember(const AutomationObject& object, std::string_view member, const AutomationArgs& args,
                   CallKind kind, VARIANT* result) {
  if (!object.instance) return E_POINTER;
  HRESULT hr = S_OK;
  const ComPtr<IDispatch> dispatch = object.instance.Query<IDispatch>(IID_IDispatch, &hr);
  if (FAILED(hr)) return hr;

  std::wstring name = ToWide(member);
  LPOLESTR names[] = {name.data()};
  DISPID id = DISPID_UNKNOWN;
  hr = dispatch->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
  if (FAILED(hr)) return hr;

  // A final omitted argument is not passed at all.
  const std::size_t count = !args.empty() && args.back().IsOmitted() ? args.size() - 1 : args.size();
  ArgumentPack pack(args, count, DeclaredByReference(dispatch.Get(), id, kind, count),
                    kind == CallKind::PropertyPut);
  UINT argumentError = 0;
  hr = dispatch->Invoke(id, IID_NULL, 0, InvokeFlags(kind, args, count), pack.Params(), result,
                        nullptr, &argumentError);
  pack.WriteBack();
  return hr;
}

}  // namespace

bool CreateAutomationObject(AutomationObject& object, std::string_view progIdOrClsid) {
  ReleaseAutomationObject(object);
  if (progIdOrClsid.empty()) return false;

  const std::wstring name = ToWide(progIdOrClsid);
  CLSID clsid{};
  HRESULT hr = CLSIDFromProgID(name.c_str(), &clsid);
  if (FAILED(hr)) hr = CLSIDFromString(name.c_str(), &clsid);  // "{...}"
  if (SUCCEEDED(hr)) {
    ComPtr<IUnknown> instance;
    hr = CoCreateInstance(clsid, nullptr, kAnyServer, IID_IUnknown, reinterpret_cast<void**>(instance.Put()));
    if (hr == E_INVALIDARG)
      hr = CoCreateInstance(clsid, nullptr, kLocalServers, IID_IUnknown, reinterpret_cast<void**>(instance.Put()));
    if (SUCCEEDED(hr)) hr = OleRun(instance.Get());
    if (SUCCEEDED(hr)) object.instance = std::move(instance);
  }
  object.lastResult = hr;
  return SUCCEEDED(hr);
}

void InvokeMethod(AutomationObject& object, std::string_view member, const AutomationArgs& args) {
  AutomationVariant result;
  object.lastResult = CallMember(object, member, args, CallKind::Method, result.Put());
}

Text GetTextProperty(AutomationObject& object, std::string_view member, const AutomationArgs& args) {
  AutomationVariant result;
  object.lastResult = CallMember(object, member, args, CallKind::PropertyGet, result.Put());
  return result.Type() == VT_BSTR ? BString::ToText(result.Get().bstrVal) : Text();
}

AutomationVariant GetVariantProperty(AutomationObject& object, std::string_view member,
                                     const AutomationArgs& args) {
  AutomationVariant result;
  object.lastResult = CallMember(object, member, args, CallKind::PropertyGet, result.Put());
  if (FAILED(object.lastResult)) result.Clear();
  return result;
}

bool SetProperty(AutomationObject& object, std::string_view member, const AutomationArgs& args) {
  object.lastResult = CallMember(object, member, args, CallKind::PropertyPut, nullptr);
  return object.lastResult == S_OK;
}

void ReleaseAutomationObject(AutomationObject& object) {
  object.instance.Reset();
  object.lastResult = S_OK;
}

}  // namespace getlink
