// Conversions between texts, byte sets and numbers.
#pragma once

#include <cstdint>
#include <variant>

#include "runtime/Text.h"

namespace getlink {

// The text's bytes, without terminator.
ByteSet TextToByteSet(std::string_view text);

// The bytes up to, not including, the first zero byte.
Text ByteSetToText(const ByteSet& bytes);

// Values as text. Logical values read "真" and "假"; integers print in decimal; floating
// values print with "%f" and lose their trailing zeros (2.5 -> "2.5", 3.0 -> "3").
Text ValueToText(bool value);
Text ValueToText(std::uint8_t value);
Text ValueToText(std::int16_t value);
Text ValueToText(std::int32_t value);
Text ValueToText(std::int64_t value);
Text ValueToText(float value);
Text ValueToText(double value);
Text ValueToText(std::string_view value);
Text ValueToText(const char* value);
Text ValueToText(const ByteSet& value);

// The kinds of value a byte set can be read as, with their fixed type numbers.
enum class ValueType {
  Byte = 1,
  Short = 2,
  Int32 = 3,
  Int64 = 4,
  Float = 5,
  Double = 6,
  Logical = 7,
  DateTime = 8,
  RoutineAddress = 9,
  Text = 10,
};

struct DateTime {
  double days = 0;  // OLE automation date
};
struct RoutineAddress {
  std::uint32_t address = 0;
};

// One value read out of a byte set. Taking it as another kind than it holds is fatal
// error 5, as when a program assigns a value to a variable of the wrong type.
class ByteSetValue {
 public:
  using Storage = std::variant<std::uint8_t, std::int16_t, std::int32_t, std::int64_t, float,
                               double, bool, DateTime, RoutineAddress, Text>;
  template <class T>
  explicit ByteSetValue(T value) : value_(std::in_place_type<T>, std::move(value)) {}

  ValueType type() const { return static_cast<ValueType>(value_.index() + 1); }
  std::uint8_t AsByte() const { return Get<std::uint8_t>(); }
  std::int16_t AsShort() const { return Get<std::int16_t>(); }
  std::int32_t AsInt32() const { return Get<std::int32_t>(); }
  std::int64_t AsInt64() const { return Get<std::int64_t>(); }
  float AsFloat() const { return Get<float>(); }
  double AsDouble() const { return Get<double>(); }
  bool AsLogical() const { return Get<bool>(); }
  DateTime AsDateTime() const { return Get<DateTime>(); }
  RoutineAddress AsRoutineAddress() const { return Get<RoutineAddress>(); }
  const Text& AsText() const { return Get<Text>(); }

 private:
  template <class T>
  const T& Get() const;
  Storage value_;
};

// Reads one value of the given type from the 1-based position (below 1 counts as 1). A
// text runs to the first zero byte or the end; a number with fewer bytes left than its
// width is padded with zeros; a position past the end gives the type's zero value. A type
// outside the ten kinds is fatal error 100.
ByteSetValue ReadByteSetValue(const ByteSet& bytes, ValueType type, int position = 1);

// A UTF-8 page body as GBK text (up to the first zero byte).
Text PageToGbk(const ByteSet& utf8);

// Integer value: logical and int32 as they are, byte 0..255, short sign-extended,
// floating values truncated (and held within the int32 range).
int ToInteger(bool value);
int ToInteger(std::uint8_t value);
int ToInteger(std::int16_t value);
int ToInteger(std::int32_t value);
int ToInteger(double value);
// A text is read as a decimal prefix after full-width characters are mapped to half
// width: leading blanks and one sign allowed; 0 when there are no digits.
int ToInteger(std::string_view text);
int ToInteger(const char* text);

}  // namespace getlink
