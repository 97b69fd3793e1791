// One object of another process's accessibility tree as a screen reader sees it: an
// IAccessible and the child id it answers for (CHILDID_SELF for the object itself, or a
// simple element the object speaks for).
#pragma once

#include <windows.h>
#include <oleacc.h>

#include <optional>
#include <string>
#include <vector>

#include "runtime/ComPtr.h"

namespace getlink::testing {

class AccessibleNode {
 public:
  AccessibleNode(ComPtr<IAccessible> object, long child) : object_(std::move(object)), child_(child) {}

  // The client area's object of the window; empty when the window gives none.
  static std::optional<AccessibleNode> OfWindow(HWND hwnd);
  // The object an event names (as a screen reader reads what it hears of); empty when the
  // window no longer knows it.
  static std::optional<AccessibleNode> OfEvent(HWND hwnd, long object, long child);

  AccessibleNode Copy() const { return AccessibleNode(ComPtr<IAccessible>::Share(object_.Get()), child_); }

  long Role() const;  // a ROLE_SYSTEM_ value; 0 when it has none
  std::wstring Name() const;
  std::wstring Value() const;
  long State() const;  // STATE_SYSTEM_ flags
  std::wstring DefaultAction() const;
  std::vector<AccessibleNode> Children() const;

  HRESULT DoDefaultAction() const;
  HRESULT SetValue(const std::wstring& value) const;

  // The first node, depth first from this one, with the role and name.
  std::optional<AccessibleNode> Find(long role, const std::wstring& name) const;

 private:
  VARIANT Self() const;

  ComPtr<IAccessible> object_;
  long child_;
};

}  // namespace getlink::testing
