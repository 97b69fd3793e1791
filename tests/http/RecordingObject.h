// An automation object for the bridge's tests. Its members are described with the
// system's CreateDispTypeInfo and dispatched by the system's standard IDispatch
// (CreateStdDispatch); every Invoke is recorded exactly as it arrives (flags, slots in
// order, named arguments) before it is passed on.
//
// Members (dispatch identifiers in brackets):
//   [1] Describe(BSTR* text)                      method: text becomes "中文:" + text
//   [2] Join(BSTR a, LONG b, VARIANT_BOOL c)      method: does nothing
//   [3] Bump(LONG* number, VARIANT_BOOL* flag)    method: number + 1, flag inverted
//   [4] Value(LONG index)                         property get and put, one value per index
//   [5] Number                                    property get: 7
//   [6] Name                                      property get: "名称"
//   [7] Take(VARIANT any)                         method: does nothing
//   [8] Forget(IDispatch** object)                method: releases the object, leaves null
#pragma once

#include <map>
#include <vector>

#include "http/AutomationVariant.h"
#include "runtime/ComPtr.h"

namespace getlink {

struct RecordedCall {
  DISPID member = DISPID_UNKNOWN;
  WORD flags = 0;
  std::vector<VARTYPE> slotTypes;             // slot 0 first
  std::vector<void*> slotReferences;          // the pointer of a by-reference slot
  std::vector<AutomationVariant> slotValues;  // each slot's value, references followed
  std::vector<DISPID> named;
};

// The members themselves, called through their virtual table by the standard dispatch.
// The order of the virtual functions is the table the type information describes.
class RecordingMembers {
 public:
  virtual void STDMETHODCALLTYPE Describe(BSTR* text);
  virtual void STDMETHODCALLTYPE Join(BSTR a, LONG b, VARIANT_BOOL c);
  virtual void STDMETHODCALLTYPE Bump(LONG* number, VARIANT_BOOL* flag);
  virtual LONG STDMETHODCALLTYPE GetValue(LONG index);
  virtual void STDMETHODCALLTYPE PutValue(LONG index, LONG value);
  virtual LONG STDMETHODCALLTYPE GetNumber();
  virtual BSTR STDMETHODCALLTYPE GetName();
  virtual void STDMETHODCALLTYPE Take(VARIANT any);
  virtual void STDMETHODCALLTYPE Forget(IDispatch** object);

 private:
  std::map<LONG, LONG> values_;
};

class RecordingObject final : public IDispatch {
 public:
  static ComPtr<RecordingObject> Create();

  const std::vector<RecordedCall>& Calls() const { return calls_; }
  const RecordedCall& LastCall() const { return calls_.back(); }
  void ClearCalls() { calls_.clear(); }  // the records hold references to objects passed
  ULONG References() const { return static_cast<ULONG>(references_); }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                          DISPID* ids) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID iid, LCID locale, WORD flags,
                                   DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                                   UINT* argumentError) override;

 private:
  RecordingObject();
  ~RecordingObject() = default;

  LONG references_ = 1;
  RecordingMembers members_;
  ComPtr<IDispatch> standard_;
  std::vector<RecordedCall> calls_;
};

}  // namespace getlink
