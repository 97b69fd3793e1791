// One argument of a late-bound call: a value, the caller's variable (by reference), or
// an omitted argument.
#pragma once

#include <cstdint>
#include <variant>

#include "runtime/Text.h"
#include "runtime/TextConvert.h"

namespace getlink {

class AutomationVariant;
struct AutomationObject;

// Every kind of value the bridge packs into an OLE variant. A variant or an object is
// named by the address of its holder, which must outlive the call.
using AutomationValue =
    std::variant<Text, std::int32_t, bool, ByteSet, const AutomationVariant*,
                 const AutomationObject*, DateTime, std::uint8_t, std::int16_t, std::int64_t,
                 float, double, RoutineAddress>;

// The caller's variable of one of those kinds.
using AutomationReference =
    std::variant<Text*, std::int32_t*, bool*, ByteSet*, AutomationVariant*, AutomationObject*,
                 DateTime*, std::uint8_t*, std::int16_t*, std::int64_t*, float*, double*,
                 RoutineAddress*>;

class AutomationArg {
 public:
  // By value. Only these exact types convert, so a literal cannot silently become
  // another kind (a const char* is text, never a boolean).
  AutomationArg(Text value) : arg_(Value<Text>(std::move(value))) {}
  AutomationArg(const char* value) : AutomationArg(Text(value)) {}
  AutomationArg(std::int32_t value) : arg_(Value<std::int32_t>(value)) {}
  AutomationArg(bool value) : arg_(Value<bool>(value)) {}
  AutomationArg(ByteSet value) : arg_(Value<ByteSet>(std::move(value))) {}
  AutomationArg(const AutomationVariant& value) : arg_(Value<const AutomationVariant*>(&value)) {}
  AutomationArg(const AutomationObject& value) : arg_(Value<const AutomationObject*>(&value)) {}
  AutomationArg(DateTime value) : arg_(Value<DateTime>(value)) {}
  AutomationArg(std::uint8_t value) : arg_(Value<std::uint8_t>(value)) {}
  AutomationArg(std::int16_t value) : arg_(Value<std::int16_t>(value)) {}
  AutomationArg(std::int64_t value) : arg_(Value<std::int64_t>(value)) {}
  AutomationArg(float value) : arg_(Value<float>(value)) {}
  AutomationArg(double value) : arg_(Value<double>(value)) {}
  AutomationArg(RoutineAddress value) : arg_(Value<RoutineAddress>(value)) {}
  // Any other pointer would turn into a boolean.
  template <class Pointee>
  AutomationArg(Pointee*) = delete;

  // The caller's variable: a member that declares the parameter by reference sees it and
  // may change it; texts, numbers, booleans and objects are written back after the call.
  template <class Variable>
  static AutomationArg ByReference(Variable& variable) {
    return AutomationArg(AutomationReference(&variable));
  }

  // An argument left out. When it is the last one the call passes one argument fewer.
  static AutomationArg Omitted() { return AutomationArg(std::monostate()); }

  bool IsOmitted() const { return std::holds_alternative<std::monostate>(arg_); }
  const AutomationReference* Reference() const { return std::get_if<AutomationReference>(&arg_); }

  // The value, or the current value of the caller's variable. Expects !IsOmitted().
  AutomationValue CurrentValue() const;

 private:
  template <class Kind>
  static AutomationValue Value(Kind value) {
    return AutomationValue(std::in_place_type<Kind>, std::move(value));
  }
  explicit AutomationArg(AutomationReference reference) : arg_(reference) {}
  explicit AutomationArg(std::monostate omitted) : arg_(omitted) {}

  std::variant<std::monostate, AutomationValue, AutomationReference> arg_;
};

}  // namespace getlink
