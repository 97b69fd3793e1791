#include "http/AutomationArg.h"

namespace getlink {
namespace {

// The value a variable holds; variants and objects stay named by their holders.
template <class Variable>
AutomationValue ValueOf(Variable* variable) {
  return AutomationValue(std::in_place_type<Variable>, *variable);
}
AutomationValue ValueOf(AutomationVariant* variable) {
  return AutomationValue(static_cast<const AutomationVariant*>(variable));
}
AutomationValue ValueOf(AutomationObject* variable) {
  return AutomationValue(static_cast<const AutomationObject*>(variable));
}

}  // namespace

AutomationValue AutomationArg::CurrentValue() const {
  if (const auto* reference = Reference()) {
    return std::visit([](auto* variable) { return ValueOf(variable); }, *reference);
  }
  return std::get<AutomationValue>(arg_);
}

}  // namespace getlink
