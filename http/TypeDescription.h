// A description borrowed from a type information object (type attributes, a function or a
// variable description), given back to it when the holder goes.
#pragma once

#include <windows.h>
#include <oaidl.h>

namespace getlink {

inline HRESULT FetchDescription(ITypeInfo* info, UINT, TYPEATTR** out) { return info->GetTypeAttr(out); }
inline HRESULT FetchDescription(ITypeInfo* info, UINT index, FUNCDESC** out) {
  return info->GetFuncDesc(index, out);
}
inline HRESULT FetchDescription(ITypeInfo* info, UINT index, VARDESC** out) {
  return info->GetVarDesc(index, out);
}

inline void ReturnDescription(ITypeInfo* info, TYPEATTR* description) { info->ReleaseTypeAttr(description); }
inline void ReturnDescription(ITypeInfo* info, FUNCDESC* description) { info->ReleaseFuncDesc(description); }
inline void ReturnDescription(ITypeInfo* info, VARDESC* description) { info->ReleaseVarDesc(description); }

template <class Description>
class TypeDescription {
 public:
  // The description at `index` (unused for type attributes); empty when the type
  // information cannot give it.
  explicit TypeDescription(ITypeInfo* info, UINT index = 0) : info_(info) {
    if (FAILED(FetchDescription(info, index, &description_))) description_ = nullptr;
  }
  TypeDescription(const TypeDescription&) = delete;
  TypeDescription& operator=(const TypeDescription&) = delete;
  ~TypeDescription() {
    if (description_) ReturnDescription(info_, description_);
  }

  explicit operator bool() const { return description_ != nullptr; }
  const Description* operator->() const { return description_; }

 private:
  ITypeInfo* info_;
  Description* description_ = nullptr;
};

}  // namespace getlink
