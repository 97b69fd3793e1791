// How each single-valued kind of the bridge sits in an OLE variant: its variant type and
// the union member that holds it.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <cstdint>

#include "runtime/TextConvert.h"

namespace getlink {

template <class Kind>
struct VariantScalar;

template <>
struct VariantScalar<std::int32_t> {
  static constexpr VARTYPE kType = VT_I4;
  static LONG& Field(VARIANT& v) { return v.lVal; }
  static LONG ToField(std::int32_t value) { return value; }
  static std::int32_t FromField(LONG field) { return field; }
};

template <>
struct VariantScalar<bool> {
  static constexpr VARTYPE kType = VT_BOOL;
  static VARIANT_BOOL& Field(VARIANT& v) { return v.boolVal; }
  static VARIANT_BOOL ToField(bool value) { return value ? VARIANT_TRUE : VARIANT_FALSE; }
  static bool FromField(VARIANT_BOOL field) { return field != VARIANT_FALSE; }
};

template <>
struct VariantScalar<DateTime> {
  static constexpr VARTYPE kType = VT_DATE;
  static DATE& Field(VARIANT& v) { return v.date; }
  static DATE ToField(DateTime value) { return value.days; }
  static DateTime FromField(DATE field) { return DateTime{field}; }
};

template <>
struct VariantScalar<std::uint8_t> {
  static constexpr VARTYPE kType = VT_UI1;
  static BYTE& Field(VARIANT& v) { return v.bVal; }
  static BYTE ToField(std::uint8_t value) { return value; }
  static std::uint8_t FromField(BYTE field) { return field; }
};

template <>
struct VariantScalar<std::int16_t> {
  static constexpr VARTYPE kType = VT_I2;
  static SHORT& Field(VARIANT& v) { return v.iVal; }
  static SHORT ToField(std::int16_t value) { return value; }
  static std::int16_t FromField(SHORT field) { return field; }
};

template <>
struct VariantScalar<std::int64_t> {
  static constexpr VARTYPE kType = VT_I8;
  static LONGLONG& Field(VARIANT& v) { return v.llVal; }
  static LONGLONG ToField(std::int64_t value) { return value; }
  static std::int64_t FromField(LONGLONG field) { return field; }
};

template <>
struct VariantScalar<float> {
  static constexpr VARTYPE kType = VT_R4;
  static FLOAT& Field(VARIANT& v) { return v.fltVal; }
  static FLOAT ToField(float value) { return value; }
  static float FromField(FLOAT field) { return field; }
};

template <>
struct VariantScalar<double> {
  static constexpr VARTYPE kType = VT_R8;
  static DOUBLE& Field(VARIANT& v) { return v.dblVal; }
  static DOUBLE ToField(double value) { return value; }
  static double FromField(DOUBLE field) { return field; }
};

template <>
struct VariantScalar<RoutineAddress> {
  static constexpr VARTYPE kType = VT_UI4;
  static ULONG& Field(VARIANT& v) { return v.ulVal; }
  static ULONG ToField(RoutineAddress value) { return value.address; }
  static RoutineAddress FromField(ULONG field) { return RoutineAddress{field}; }
};

// Stores a single value in an empty variant.
template <class Kind>
void StoreScalar(VARIANT& target, Kind value) {
  using Scalar = VariantScalar<Kind>;
  Scalar::Field(target) = Scalar::ToField(value);
  target.vt = Scalar::kType;
}

}  // namespace getlink
