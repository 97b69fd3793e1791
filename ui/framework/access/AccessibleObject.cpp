#include "ui/framework/access/AccessibleObject.h"

#include <algorithm>

#include "http/BString.h"
#include "runtime/Codec.h"
#include "ui/framework/controls/UiCaptionButton.h"
#include "ui/framework/window/UiControl.h"
#include "ui/framework/window/UiWindow.h"
#include "ui/framework/window/WindowFunctions.h"

namespace getlink {

struct AccessibleObject::Facts {
  Text name;
  Text value;
  bool hasValue = false;
  AccessRole role = AccessRole::Client;
  AccessStates states = 0;
  Rect location;  // window client pixels; empty: not on the screen
  Text shortcut;
  Text action;
};

namespace {

// What a BSTR out parameter gets: the text, or S_FALSE and null for none.
HRESULT PutText(const Text& text, BSTR* out) {
  if (out == nullptr) return E_POINTER;
  *out = BString::FromText(text).Detach();
  return text.empty() ? S_FALSE : S_OK;
}

HRESULT PutLong(long value, VARIANT* out) {
  if (out == nullptr) return E_POINTER;
  VariantInit(out);
  out->vt = VT_I4;
  out->lVal = value;
  return S_OK;
}

HRESULT PutObject(AccessibleObject* object, VARIANT* out) {
  VariantInit(out);
  out->vt = VT_DISPATCH;
  object->AddRef();
  out->pdispVal = object;
  return S_OK;
}

Text WindowTitle(HWND hwnd) {
  const int length = GetWindowTextLengthW(hwnd);
  std::wstring title(static_cast<std::size_t>(length) + 1, L'\0');
  title.resize(static_cast<std::size_t>(GetWindowTextW(hwnd, title.data(), length + 1)));
  return FromWide(title);
}

bool IsEmpty(const Rect& rect) { return rect.width <= 0 || rect.height <= 0; }

// Whether a client point lies in a place: its left and top edges inside, its right and
// bottom ones outside, as pixels are.
bool Inside(const Rect& place, POINT client) {
  return !IsEmpty(place) && client.x >= place.left && client.y >= place.top && client.x < place.Right() &&
         client.y < place.Bottom();
}

// The control of that UiControl::AccessibleId below `under` (null: the window), at any depth.
UiControl* FindControl(const UiWindow& window, const UiControl* under, LONG id) {
  for (UiControl* control : window.TabOrder(under)) {
    if (control->AccessibleId() == id) return control;
    if (UiControl* deeper = FindControl(window, control, id)) return deeper;
  }
  return nullptr;
}

}  // namespace

void AccessibleObjectReference::Release(AccessibleObject* object) noexcept { object->Release(); }

AccessibleObject::AccessibleObject(Kind kind, UiWindow* window, UiControl* control)
    : kind_(kind), window_(window), control_(control) {}

AccessibleObjectPtr AccessibleObject::OfWindow(UiWindow& window) {
  return AccessibleObjectPtr(new AccessibleObject(Kind::Window, &window, nullptr));
}

AccessibleObjectPtr AccessibleObject::OfControl(UiControl& control) {
  return AccessibleObjectPtr(new AccessibleObject(Kind::Control, control.Window(), &control));
}

void AccessibleObject::Disconnect() {
  window_ = nullptr;
  control_ = nullptr;
  if (itemList_) itemList_.Get()->Disconnect();
  itemList_.Reset();
}

HWND AccessibleObject::Hwnd() const { return window_ != nullptr ? window_->Hwnd() : nullptr; }

// --- the tree ---

std::vector<AccessibleObject::Child> AccessibleObject::Children() const {
  std::vector<Child> children;
  if (kind_ != Kind::ItemList) {
    for (UiControl* control : window_->TabOrder(control_)) children.push_back({control->AccessibleObjectOf(), 0});
  }
  if (kind_ == Kind::Window) return children;
  if (kind_ == Kind::Control && control_->ItemsInOwnList()) {
    children.push_back({ItemList(), 0});
    return children;
  }
  const int count = control_->AccessibleItemCount();
  for (int item = 1; item <= count; ++item) children.push_back({const_cast<AccessibleObject*>(this), item});
  return children;
}

AccessibleObject* AccessibleObject::ItemList() const {
  if (!itemList_) itemList_.Reset(new AccessibleObject(Kind::ItemList, window_, control_));
  return itemList_.Get();
}

AccessibleObject* AccessibleObject::Parent() const {
  switch (kind_) {
    case Kind::Window: return nullptr;
    case Kind::ItemList: return control_->AccessibleObjectOf();
    case Kind::Control:
    default: {
      UiControl* parent = control_->ParentControl();
      return parent != nullptr ? parent->AccessibleObjectOf() : window_->AccessibleRoot();
    }
  }
}

UiControl* AccessibleObject::DescendantById(LONG id) const {
  return kind_ != Kind::ItemList ? FindControl(*window_, control_, id) : nullptr;
}

bool AccessibleObject::Resolve(const VARIANT& childId, Child& target) const {
  if (childId.vt != VT_I4) return false;
  const LONG id = childId.lVal;
  if (id == CHILDID_SELF) {
    target = {const_cast<AccessibleObject*>(this), 0};
    return true;
  }
  if (id < 0) {
    if (UiControl* control = DescendantById(id)) {
      target = {control->AccessibleObjectOf(), 0};
      return true;
    }
    // An item an event named: answered by its control's object (or that one's item list).
    const auto [control, item] = window_->ItemOfAccessibleId(id);
    if (control == nullptr || (kind_ != Kind::Window && DescendantById(control->AccessibleId()) == nullptr)) return false;
    AccessibleObject* owner = control->AccessibleObjectOf();
    target = {control->ItemsInOwnList() ? owner->ItemList() : owner, item};
    return true;
  }
  const std::vector<Child> children = Children();
  if (static_cast<std::size_t>(id) > children.size()) return false;
  target = children[static_cast<std::size_t>(id) - 1];
  return true;
}

AccessibleObject::Facts AccessibleObject::Describe(const Child& target) const {
  Facts facts;
  const AccessibleObject& object = *target.object;
  if (target.item != 0) {
    const AccessibleItem item = object.control_->AccessibleItemAt(target.item);
    facts.name = item.name;
    facts.role = item.role;
    facts.states = item.states;
    facts.location = item.location;
    facts.action = item.defaultAction;
    if (!object.control_->Available()) facts.states |= STATE_SYSTEM_UNAVAILABLE;
  } else {
    facts = DescribeObject(object);
  }
  // What a control holds within the window is the keyboard's focus only while the window
  // has it: with another window focused, nothing here is.
  if (GetFocus() != object.Hwnd()) facts.states &= ~STATE_SYSTEM_FOCUSED;
  return facts;
}

AccessibleObject::Facts AccessibleObject::DescribeObject(const AccessibleObject& object) {
  Facts facts;
  switch (object.kind_) {
    case Kind::Window: {
      const HWND hwnd = object.Hwnd();
      facts.name = WindowTitle(hwnd);
      facts.role = object.window_->AccessibleRole();
      facts.states = WindowTakesInput(hwnd) ? STATE_SYSTEM_FOCUSABLE : STATE_SYSTEM_UNAVAILABLE;
      if (!IsWindowVisible(hwnd)) facts.states |= STATE_SYSTEM_INVISIBLE;
      if (object.window_->Focused() == nullptr) facts.states |= STATE_SYSTEM_FOCUSED;
      facts.location = RectOf(0, 0, static_cast<float>(object.window_->Width()), static_cast<float>(object.window_->Height()));
      break;
    }
    case Kind::ItemList:
      // Shown while its control is open (a combo box's drop-down); there all the same.
      facts.name = object.control_->AccessibleName();
      facts.role = AccessRole::List;
      facts.states = (object.control_->AccessibleState() & STATE_SYSTEM_EXPANDED) != 0 ? 0 : STATE_SYSTEM_INVISIBLE;
      break;
    case Kind::Control:
    default: {
      UiControl& control = *object.control_;
      facts.name = control.AccessibleName();
      facts.value = control.AccessibleValue();
      facts.hasValue = true;
      facts.role = control.AccessibleRole();
      facts.states = control.AccessibleState();
      if ((facts.states & STATE_SYSTEM_INVISIBLE) == 0) facts.location = control.PixelRect();
      facts.shortcut = control.AccessibleShortcut();
      facts.action = control.DefaultActionName();
      break;
    }
  }
  return facts;
}

// --- IUnknown and IDispatch ---

HRESULT AccessibleObject::QueryInterface(REFIID iid, void** object) {
  if (object == nullptr) return E_POINTER;
  if (iid == IID_IUnknown || iid == IID_IDispatch || iid == IID_IAccessible) {
    *object = static_cast<IAccessible*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG AccessibleObject::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&references_)); }

ULONG AccessibleObject::Release() {
  const LONG left = InterlockedDecrement(&references_);
  if (left == 0) delete this;
  return static_cast<ULONG>(left);
}

HRESULT AccessibleObject::GetTypeInfoCount(UINT* count) {
  if (count == nullptr) return E_POINTER;
  *count = 0;
  return S_OK;
}

HRESULT AccessibleObject::GetTypeInfo(UINT, LCID, ITypeInfo**) { return E_NOTIMPL; }

HRESULT AccessibleObject::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) { return E_NOTIMPL; }

HRESULT AccessibleObject::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) {
  return E_NOTIMPL;
}

// --- IAccessible: the tree ---

HRESULT AccessibleObject::get_accParent(IDispatch** parent) {
  if (parent == nullptr) return E_POINTER;
  *parent = nullptr;
  if (!Connected()) return CO_E_OBJNOTCONNECTED;
  if (AccessibleObject* object = Parent()) {
    object->AddRef();
    *parent = object;
    return S_OK;
  }
  // The client area's parent is the window, as the system describes it.
  return CreateStdAccessibleObject(Hwnd(), OBJID_WINDOW, IID_IDispatch, reinterpret_cast<void**>(parent));
}

HRESULT AccessibleObject::get_accChildCount(long* count) {
  if (count == nullptr) return E_POINTER;
  *count = 0;
  if (!Connected()) return CO_E_OBJNOTCONNECTED;
  *count = static_cast<long>(Children().size());
  return S_OK;
}

HRESULT AccessibleObject::get_accChild(VARIANT childId, IDispatch** child) {
  if (child == nullptr) return E_POINTER;
  *child = nullptr;
  Child target;
  if (const HRESULT found = Find(childId, target); found != S_OK) return found;
  if (target.item != 0) return S_FALSE;  // an item is no object: the client asks this one about it
  target.object->AddRef();
  *child = target.object;
  return S_OK;
}

void AccessibleObject::PutChild(const Child& child, const std::vector<Child>& children, VARIANT* out) const {
  if (child.item == 0) {
    PutObject(child.object, out);
    return;
  }
  const auto at = std::find_if(children.begin(), children.end(),
                               [&child](const Child& c) { return c.object == child.object && c.item == child.item; });
  PutLong(static_cast<long>(at - children.begin()) + 1, out);
}

HRESULT AccessibleObject::accNavigate(long direction, VARIANT start, VARIANT* end) {
  if (end == nullptr) return E_POINTER;
  VariantInit(end);
  Child from;
  if (const HRESULT found = Find(start, from); found != S_OK) return found;
  if (direction == NAVDIR_FIRSTCHILD || direction == NAVDIR_LASTCHILD) {
    if (from.item != 0) return S_FALSE;
    const std::vector<Child> children = from.object->Children();
    if (children.empty()) return S_FALSE;
    const Child& found = direction == NAVDIR_FIRSTCHILD ? children.front() : children.back();
    if (from.object == this) PutChild(found, children, end);
    else if (found.item == 0) PutObject(found.object, end);
    else return S_FALSE;  // a simple element of another object: reached through that object
    return S_OK;
  }
  // Siblings: among this object's children when the start is one of them, else among the
  // children of the object's parent.
  const AccessibleObject* container = from.object == this && from.item == 0 ? Parent() : this;
  if (container == nullptr) return S_FALSE;
  const std::vector<Child> siblings = container->Children();
  const auto at = std::find_if(siblings.begin(), siblings.end(),
                               [&from](const Child& c) { return c.object == from.object && c.item == from.item; });
  if (at == siblings.end()) return S_FALSE;
  long index = static_cast<long>(at - siblings.begin());
  switch (direction) {
    case NAVDIR_NEXT:
    case NAVDIR_DOWN:
    case NAVDIR_RIGHT: ++index; break;
    case NAVDIR_PREVIOUS:
    case NAVDIR_UP:
    case NAVDIR_LEFT: --index; break;
    default: return E_INVALIDARG;
  }
  if (index < 0 || index >= static_cast<long>(siblings.size())) return S_FALSE;
  const Child& found = siblings[static_cast<std::size_t>(index)];
  if (container == this) PutChild(found, siblings, end);
  else if (found.item == 0) PutObject(found.object, end);
  else return S_FALSE;
  return S_OK;
}

bool AccessibleObject::Contains(POINT client) const {
  return Inside(Describe({const_cast<AccessibleObject*>(this), 0}).location, client);
}

AccessibleObject::Child AccessibleObject::HitChild(POINT client) const {
  if (kind_ == Kind::Window) {
    if (UiCaptionButton* frame = window_->CaptionButtonAt(static_cast<float>(client.x), static_cast<float>(client.y)))
      return {frame->AccessibleObjectOf(), 0};
  }
  const std::vector<Child> children = Children();
  // Drawn last is hit first, as the window hits controls.
  for (auto it = children.rbegin(); it != children.rend(); ++it) {
    if (it->item != 0) {
      if (Inside(control_->AccessibleItemAt(it->item).location, client)) return *it;
      continue;
    }
    if (it->object->Contains(client)) {
      const Child deeper = it->object->HitChild(client);
      return deeper.item == 0 ? deeper : Child{it->object, 0};
    }
  }
  return {const_cast<AccessibleObject*>(this), 0};
}

HRESULT AccessibleObject::accHitTest(long x, long y, VARIANT* hit) {
  if (hit == nullptr) return E_POINTER;
  VariantInit(hit);
  if (!Connected()) return CO_E_OBJNOTCONNECTED;
  POINT client = {x, y};
  ScreenToClient(Hwnd(), &client);
  if (!Contains(client)) return S_FALSE;
  const Child found = HitChild(client);
  if (found.object != this) return PutObject(found.object, hit);
  if (found.item == 0) return PutLong(CHILDID_SELF, hit);
  PutChild(found, Children(), hit);
  return S_OK;
}

// --- IAccessible: what an object or item says ---

HRESULT AccessibleObject::Find(const VARIANT& childId, Child& target) const {
  if (!Connected()) return CO_E_OBJNOTCONNECTED;
  return Resolve(childId, target) ? S_OK : E_INVALIDARG;
}

HRESULT AccessibleObject::TextFact(const VARIANT& childId, BSTR* out, Text Facts::*field) const {
  if (out == nullptr) return E_POINTER;
  *out = nullptr;
  Child target;
  if (const HRESULT found = Find(childId, target); found != S_OK) return found;
  return PutText(Describe(target).*field, out);
}

HRESULT AccessibleObject::NumberFact(const VARIANT& childId, VARIANT* out, long (*field)(const Facts&)) const {
  if (out == nullptr) return E_POINTER;
  VariantInit(out);
  Child target;
  if (const HRESULT found = Find(childId, target); found != S_OK) return found;
  return PutLong(field(Describe(target)), out);
}

// Nothing to say, when connected.
HRESULT AccessibleObject::NoText(BSTR* out) const {
  if (out == nullptr) return E_POINTER;
  *out = nullptr;
  return Connected() ? S_FALSE : CO_E_OBJNOTCONNECTED;
}

HRESULT AccessibleObject::get_accName(VARIANT childId, BSTR* name) { return TextFact(childId, name, &Facts::name); }

HRESULT AccessibleObject::get_accValue(VARIANT childId, BSTR* value) {
  if (value == nullptr) return E_POINTER;
  *value = nullptr;
  Child target;
  if (const HRESULT found = Find(childId, target); found != S_OK) return found;
  const Facts facts = Describe(target);
  if (!facts.hasValue) return DISP_E_MEMBERNOTFOUND;
  PutText(facts.value, value);
  return S_OK;  // an empty value is a value
}

HRESULT AccessibleObject::get_accDescription(VARIANT, BSTR* description) { return NoText(description); }

HRESULT AccessibleObject::get_accRole(VARIANT childId, VARIANT* role) {
  return NumberFact(childId, role, [](const Facts& facts) { return static_cast<long>(facts.role); });
}

HRESULT AccessibleObject::get_accState(VARIANT childId, VARIANT* state) {
  return NumberFact(childId, state, [](const Facts& facts) { return facts.states; });
}

HRESULT AccessibleObject::get_accHelp(VARIANT, BSTR* help) { return NoText(help); }

HRESULT AccessibleObject::get_accHelpTopic(BSTR* helpFile, VARIANT, long* topic) {
  if (topic != nullptr) *topic = 0;
  return NoText(helpFile);
}

HRESULT AccessibleObject::get_accKeyboardShortcut(VARIANT childId, BSTR* shortcut) {
  return TextFact(childId, shortcut, &Facts::shortcut);
}

HRESULT AccessibleObject::get_accDefaultAction(VARIANT childId, BSTR* action) {
  return TextFact(childId, action, &Facts::action);
}

HRESULT AccessibleObject::accLocation(long* left, long* top, long* width, long* height, VARIANT childId) {
  if (left == nullptr || top == nullptr || width == nullptr || height == nullptr) return E_POINTER;
  *left = *top = *width = *height = 0;
  Child target;
  if (const HRESULT found = Find(childId, target); found != S_OK) return found;
  const Rect r = Describe(target).location;
  if (IsEmpty(r)) return S_FALSE;
  POINT origin = {static_cast<LONG>(r.left), static_cast<LONG>(r.top)};
  ClientToScreen(Hwnd(), &origin);
  *left = origin.x;
  *top = origin.y;
  *width = static_cast<long>(r.width);
  *height = static_cast<long>(r.height);
  return S_OK;
}

HRESULT AccessibleObject::get_accFocus(VARIANT* focused) {
  if (focused == nullptr) return E_POINTER;
  VariantInit(focused);
  if (!Connected()) return CO_E_OBJNOTCONNECTED;
  if (GetFocus() != Hwnd()) return S_FALSE;
  UiControl* focus = window_->Focused();
  if (focus == control_) return kind_ == Kind::ItemList ? S_FALSE : PutLong(CHILDID_SELF, focused);
  if (focus == nullptr || kind_ == Kind::ItemList) return S_FALSE;
  if (kind_ == Kind::Control && DescendantById(focus->AccessibleId()) == nullptr) return S_FALSE;
  return PutObject(focus->AccessibleObjectOf(), focused);
}

HRESULT AccessibleObject::get_accSelection(VARIANT* selection) {
  if (selection == nullptr) return E_POINTER;
  VariantInit(selection);
  return Connected() ? S_FALSE : CO_E_OBJNOTCONNECTED;
}

// --- IAccessible: what a client does ---

HRESULT AccessibleObject::Act(const VARIANT& childId, Child& target) const {
  if (const HRESULT found = Find(childId, target); found != S_OK) return found;
  if (target.object->kind_ == Kind::Window) return S_OK;  // each action says what it does with the window
  return target.object->control_->TakesInput() ? S_OK : E_ACCESSDENIED;
}

HRESULT AccessibleObject::accSelect(long flags, VARIANT childId) {
  Child target;
  if (const HRESULT allowed = Act(childId, target); allowed != S_OK) return allowed;
  if (target.object->kind_ == Kind::Window) return E_INVALIDARG;
  UiControl* control = target.object->control_;
  if (target.item != 0) {
    if ((flags & (SELFLAG_TAKESELECTION | SELFLAG_TAKEFOCUS)) == 0) return E_INVALIDARG;
    control->SelectAccessibleItem(target.item);
    return S_OK;
  }
  if ((flags & SELFLAG_TAKEFOCUS) == 0 || target.object->kind_ != Kind::Control) return E_INVALIDARG;
  if ((control->AccessibleState() & STATE_SYSTEM_FOCUSABLE) == 0) return S_FALSE;
  window_->SetFocusControl(control, true);
  return S_OK;
}

HRESULT AccessibleObject::accDoDefaultAction(VARIANT childId) {
  Child target;
  if (const HRESULT allowed = Act(childId, target); allowed != S_OK) return allowed;
  if (target.object->kind_ == Kind::Window || Describe(target).action.empty()) return DISP_E_MEMBERNOTFOUND;
  // Posted: the action may open a modal loop, which must not run inside this call.
  target.object->control_->PostEvent({EventCode::EvDefaultAction, ActionInput{target.item}});
  return S_OK;
}

HRESULT AccessibleObject::put_accName(VARIANT, BSTR) {
  return Connected() ? DISP_E_MEMBERNOTFOUND : CO_E_OBJNOTCONNECTED;
}

HRESULT AccessibleObject::put_accValue(VARIANT childId, BSTR value) {
  Child target;
  if (const HRESULT allowed = Act(childId, target); allowed != S_OK) return allowed;
  if (target.item != 0 || target.object->kind_ != Kind::Control) return DISP_E_MEMBERNOTFOUND;
  return target.object->control_->SetAccessibleValue(BString::ToText(value)) ? S_OK : E_ACCESSDENIED;
}

}  // namespace getlink
