// The holder of one automation object and the outcome of the last operation on it.
#pragma once

#include "runtime/ComPtr.h"

namespace getlink {

struct AutomationObject {
  ComPtr<IUnknown> instance;  // empty until CreateAutomationObject succeeds
  HRESULT lastResult = S_OK;  // of the most recent operation; 0 after a release
};

}  // namespace getlink
