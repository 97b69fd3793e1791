// The object a screen reader talks to (IAccessible, Microsoft Active Accessibility) for a
// framework window's client area, for one of its controls, or for the list a control
// keeps its items in (a combo box's). The window answers WM_GETOBJECT with its root
// object; the root's children are the window's controls, nested as the controls are, in
// the order Tab visits them (UiWindow::TabOrder).
//
// An object only reads and asks: what it answers comes from the control's accessibility
// functions (UiControl.h). It holds the control by a pointer that the control's Destroy
// cuts (Disconnect), after which every call answers CO_E_OBJNOTCONNECTED; clients in
// other processes may hold it for as long as they like.
//
// Child ids: CHILDID_SELF is the object itself; 1..n its children in order (controls'
// objects first, then the items a control shows without a control each, as simple
// elements); a negative id is the control of that UiControl::AccessibleId anywhere below
// the object, the id the events carry, so that AccessibleObjectFromEvent finds it through
// the root's get_accChild; an id further down names an item of a control's list
// (UiWindow::AccessibleItemId), which the root answers for.
//
// Calls arrive on the window's thread (from another process, while the thread pumps
// messages). accDoDefaultAction posts the action and returns at once: an action that
// opens a modal loop (a message box, a drop-down) must not run inside the caller's call.
// A client does only what the user could do: while a control takes no input (disabled,
// hidden, or its window behind a message box) its actions, item choices and value are
// refused with E_ACCESSDENIED, and it reads as unavailable, as the window does behind a
// message box.
#pragma once

#include <windows.h>
#include <oleacc.h>

#include <vector>

#include "runtime/Text.h"
#include "ui/framework/access/AccessibleObjectPtr.h"

namespace getlink {

class UiControl;
class UiWindow;

class AccessibleObject final : public IAccessible {
 public:
  static AccessibleObjectPtr OfWindow(UiWindow& window);
  static AccessibleObjectPtr OfControl(UiControl& control);

  AccessibleObject(const AccessibleObject&) = delete;
  AccessibleObject& operator=(const AccessibleObject&) = delete;

  // Cuts the object (and its item list) from the window or control: every call answers
  // CO_E_OBJNOTCONNECTED from then on.
  void Disconnect();

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  // IDispatch: no type information; clients call IAccessible directly.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override;
  // IAccessible
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override;
  HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override;
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT childId, IDispatch** child) override;
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT childId, BSTR* name) override;
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT childId, BSTR* value) override;
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT childId, BSTR* description) override;
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT childId, VARIANT* role) override;
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT childId, VARIANT* state) override;
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT childId, BSTR* help) override;
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* helpFile, VARIANT childId, long* topic) override;
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT childId, BSTR* shortcut) override;
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focused) override;
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override;
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT childId, BSTR* action) override;
  HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT childId) override;
  HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height, VARIANT childId) override;
  HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override;
  HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* hit) override;
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT childId) override;
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT childId, BSTR name) override;
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT childId, BSTR value) override;

 private:
  // A window's client area, a control, or the list a control keeps its items in.
  enum class Kind { Window, Control, ItemList };
  // One child: another object (item 0), or item `item` of this object's control.
  struct Child {
    AccessibleObject* object = nullptr;
    int item = 0;
  };

  // Everything a client may ask of one object or item.
  struct Facts;

  AccessibleObject(Kind kind, UiWindow* window, UiControl* control);
  Facts Describe(const Child& target) const;
  // Describe for an object (no item).
  static Facts DescribeObject(const AccessibleObject& object);

  bool Connected() const { return window_ != nullptr; }
  HWND Hwnd() const;
  std::vector<Child> Children() const;
  AccessibleObject* ItemList() const;
  AccessibleObject* Parent() const;
  // The object or item a child id names; false when it names none.
  bool Resolve(const VARIANT& childId, Child& target) const;
  // Resolve for a client's call: CO_E_OBJNOTCONNECTED once disconnected, E_INVALIDARG for
  // an id that names nothing.
  HRESULT Find(const VARIANT& childId, Child& target) const;
  // Find for a client's action: E_ACCESSDENIED as well when the control it names (or
  // whose item it names) takes no input now (UiControl::TakesInput): disabled, hidden, or
  // behind a message box, where a user's mouse and keys cannot reach it either.
  HRESULT Act(const VARIANT& childId, Child& target) const;
  // One fact of what a child id names, as a client's out parameter.
  HRESULT TextFact(const VARIANT& childId, BSTR* out, Text Facts::*field) const;
  HRESULT NumberFact(const VARIANT& childId, VARIANT* out, long (*field)(const Facts&)) const;
  HRESULT NoText(BSTR* out) const;
  // The control of `id` (UiControl::AccessibleId), when it lies below this object.
  UiControl* DescendantById(LONG id) const;
  // The deepest child under a window client point: this object's own child id when it is
  // an item or the object itself, or a deeper object.
  Child HitChild(POINT client) const;
  bool Contains(POINT client) const;
  // A child as a client's VARIANT, relative to this object.
  void PutChild(const Child& child, const std::vector<Child>& children, VARIANT* out) const;

  LONG references_ = 1;
  Kind kind_;
  UiWindow* window_;
  UiControl* control_;
  mutable AccessibleObjectPtr itemList_;  // made when first asked
};

}  // namespace getlink
