#include "tests/app/access/AccessibleNode.h"

#include <algorithm>

#include "http/AutomationVariant.h"
#include "http/BString.h"

namespace getlink::testing {
namespace {

// The string a get_acc... call answers, or the empty text when it answers none.
template <class Getter>
std::wstring StringOf(Getter get) {
  BString text;
  if (FAILED(get(text.Put())) || !text) return {};
  return std::wstring(text.Get(), SysStringLen(text.Get()));
}

long NumberOf(const AutomationVariant& value) { return value.Type() == VT_I4 ? value.Get().lVal : 0; }

}  // namespace

std::optional<AccessibleNode> AccessibleNode::OfWindow(HWND hwnd) {
  ComPtr<IAccessible> object;
  if (FAILED(AccessibleObjectFromWindow(hwnd, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                        reinterpret_cast<void**>(object.Put()))) ||
      !object)
    return std::nullopt;
  return AccessibleNode(std::move(object), CHILDID_SELF);
}

std::optional<AccessibleNode> AccessibleNode::OfEvent(HWND hwnd, long object, long child) {
  ComPtr<IAccessible> found;
  AutomationVariant which;
  if (FAILED(AccessibleObjectFromEvent(hwnd, static_cast<DWORD>(object), static_cast<DWORD>(child), found.Put(),
                                       which.Put())) ||
      !found)
    return std::nullopt;
  return AccessibleNode(std::move(found), NumberOf(which));
}

VARIANT AccessibleNode::Self() const {
  VARIANT self;
  VariantInit(&self);
  self.vt = VT_I4;
  self.lVal = child_;
  return self;
}

long AccessibleNode::Role() const {
  AutomationVariant role;
  if (FAILED(object_->get_accRole(Self(), role.Put()))) return 0;
  return NumberOf(role);
}

std::wstring AccessibleNode::Name() const {
  return StringOf([&](BSTR* out) { return object_->get_accName(Self(), out); });
}

std::wstring AccessibleNode::Value() const {
  return StringOf([&](BSTR* out) { return object_->get_accValue(Self(), out); });
}

std::wstring AccessibleNode::DefaultAction() const {
  return StringOf([&](BSTR* out) { return object_->get_accDefaultAction(Self(), out); });
}

long AccessibleNode::State() const {
  AutomationVariant state;
  if (FAILED(object_->get_accState(Self(), state.Put()))) return 0;
  return NumberOf(state);
}

std::vector<AccessibleNode> AccessibleNode::Children() const {
  std::vector<AccessibleNode> children;
  long count = 0;
  if (child_ != CHILDID_SELF || FAILED(object_->get_accChildCount(&count)) || count <= 0) return children;
  std::vector<VARIANT> slots(static_cast<std::size_t>(count));
  long obtained = 0;
  const HRESULT result = AccessibleChildren(object_.Get(), 0, count, slots.data(), &obtained);
  // Every slot filled goes to a holder at once, which releases what it holds.
  std::vector<AutomationVariant> owned(static_cast<std::size_t>(std::max(0L, obtained)));
  for (std::size_t i = 0; i < owned.size(); ++i) *owned[i].Put() = slots[i];
  if (FAILED(result)) return children;
  for (const AutomationVariant& holder : owned) {
    const VARIANT& slot = holder.Get();
    if (slot.vt == VT_I4) {
      children.emplace_back(ComPtr<IAccessible>::Share(object_.Get()), slot.lVal);
    } else if (slot.vt == VT_DISPATCH && slot.pdispVal) {
      ComPtr<IAccessible> object = ComPtr<IDispatch>::Share(slot.pdispVal).Query<IAccessible>(IID_IAccessible);
      if (object) children.emplace_back(std::move(object), CHILDID_SELF);
    }
  }
  return children;
}

HRESULT AccessibleNode::DoDefaultAction() const { return object_->accDoDefaultAction(Self()); }

HRESULT AccessibleNode::SetValue(const std::wstring& value) const {
  BString text(SysAllocStringLen(value.data(), static_cast<UINT>(value.size())));
  return object_->put_accValue(Self(), text.Get());
}

std::optional<AccessibleNode> AccessibleNode::Find(long role, const std::wstring& name) const {
  if (Role() == role && Name() == name) return Copy();
  for (const AccessibleNode& child : Children())
    if (std::optional<AccessibleNode> found = child.Find(role, name)) return found;
  return std::nullopt;
}

}  // namespace getlink::testing
