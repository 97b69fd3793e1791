// How each single-valued kind of the bridge sits in an OLE variant: its variant type, the
// union member that holds it, and the conversion to and from that member.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <cstdint>
#include <type_traits>
#include <utility>

#include "runtime/TextConvert.h"

namespace getlink {

// The variant type of the kind and the address of its member in `v`.
template <class Kind>
auto ScalarSlot(VARIANT& v) {
  if constexpr (std::is_same_v<Kind, std::int32_t>) return std::make_pair(VARTYPE{VT_I4}, &v.lVal);
  else if constexpr (std::is_same_v<Kind, bool>) return std::make_pair(VARTYPE{VT_BOOL}, &v.boolVal);
  else if constexpr (std::is_same_v<Kind, DateTime>) return std::make_pair(VARTYPE{VT_DATE}, &v.date);
  else if constexpr (std::is_same_v<Kind, std::uint8_t>) return std::make_pair(VARTYPE{VT_UI1}, &v.bVal);
  else if constexpr (std::is_same_v<Kind, std::int16_t>) return std::make_pair(VARTYPE{VT_I2}, &v.iVal);
  else if constexpr (std::is_same_v<Kind, std::int64_t>) return std::make_pair(VARTYPE{VT_I8}, &v.llVal);
  else if constexpr (std::is_same_v<Kind, float>) return std::make_pair(VARTYPE{VT_R4}, &v.fltVal);
  else if constexpr (std::is_same_v<Kind, double>) return std::make_pair(VARTYPE{VT_R8}, &v.dblVal);
  else {
    static_assert(std::is_same_v<Kind, RoutineAddress>, "not a single-valued kind");
    return std::make_pair(VARTYPE{VT_UI4}, &v.ulVal);
  }
}

// A boolean is -1 for true; a date and a routine address are their plain numbers.
template <class Kind>
auto ToScalarField(Kind value) {
  if constexpr (std::is_same_v<Kind, bool>) return value ? VARIANT_TRUE : VARIANT_FALSE;
  else if constexpr (std::is_same_v<Kind, DateTime>) return value.days;
  else if constexpr (std::is_same_v<Kind, RoutineAddress>) return static_cast<ULONG>(value.address);
  else return value;
}

template <class Kind, class Field>
Kind FromScalarField(Field field) {
  if constexpr (std::is_same_v<Kind, bool>) return field != VARIANT_FALSE;
  else if constexpr (std::is_same_v<Kind, DateTime>) return DateTime{field};
  else if constexpr (std::is_same_v<Kind, RoutineAddress>) return RoutineAddress{static_cast<std::uint32_t>(field)};
  else return static_cast<Kind>(field);
}

// Stores a single value in an empty variant; returns the address of the member holding it.
template <class Kind>
auto StoreScalar(VARIANT& target, Kind value) {
  const auto [type, field] = ScalarSlot<Kind>(target);
  *field = ToScalarField(value);
  target.vt = type;
  return field;
}

}  // namespace getlink
