#include "runtime/TextConvert.h"

#include <climits>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "runtime/Codec.h"
#include "runtime/FatalError.h"

namespace getlink {

ByteSet TextToByteSet(std::string_view text) { return ByteSet(text.begin(), text.end()); }

Text ByteSetToText(const ByteSet& bytes) {
  if (bytes.empty()) return Text();
  const auto* data = reinterpret_cast<const char*>(bytes.data());
  return Text(data, strnlen(data, bytes.size()));
}

Text ValueToText(bool value) { return value ? "真" : "假"; }
Text ValueToText(std::uint8_t value) { return std::to_string(value); }
Text ValueToText(std::int16_t value) { return std::to_string(value); }
Text ValueToText(std::int32_t value) { return std::to_string(value); }
Text ValueToText(std::int64_t value) { return std::to_string(value); }
Text ValueToText(float value) { return ValueToText(static_cast<double>(value)); }

Text ValueToText(double value) {
  char buffer[512];  // "%f" of the largest double needs 317 characters
  std::snprintf(buffer, sizeof buffer, "%f", value);
  Text text(buffer);
  if (text.find('.') != Text::npos) {
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') text.pop_back();
  }
  return text;
}

Text ValueToText(std::string_view value) { return Text(value); }
Text ValueToText(const char* value) { return Text(value ? value : ""); }
Text ValueToText(const ByteSet& value) { return ByteSetToText(value); }

template <class T>
const T& ByteSetValue::Get() const {
  if (const T* value = std::get_if<T>(&value_)) return *value;
  FatalError(5);
}

template const std::uint8_t& ByteSetValue::Get() const;
template const std::int16_t& ByteSetValue::Get() const;
template const std::int32_t& ByteSetValue::Get() const;
template const std::int64_t& ByteSetValue::Get() const;
template const float& ByteSetValue::Get() const;
template const double& ByteSetValue::Get() const;
template const bool& ByteSetValue::Get() const;
template const DateTime& ByteSetValue::Get() const;
template const RoutineAddress& ByteSetValue::Get() const;
template const Text& ByteSetValue::Get() const;

namespace {

// Reads sizeof(T) little-endian bytes from `offset`, zero-padded past the end.
template <class T>
T ReadNumber(const ByteSet& bytes, std::size_t offset) {
  unsigned char raw[sizeof(T)] = {};
  if (offset < bytes.size()) {
    const std::size_t available = bytes.size() - offset;
    std::memcpy(raw, bytes.data() + offset, available < sizeof(T) ? available : sizeof(T));
  }
  T value;
  std::memcpy(&value, raw, sizeof(T));
  return value;
}

}  // namespace

ByteSetValue ReadByteSetValue(const ByteSet& bytes, ValueType type, int position) {
  const std::size_t offset = position < 1 ? 0 : static_cast<std::size_t>(position) - 1;
  switch (type) {
    case ValueType::Byte: return ByteSetValue(ReadNumber<std::uint8_t>(bytes, offset));
    case ValueType::Short: return ByteSetValue(ReadNumber<std::int16_t>(bytes, offset));
    case ValueType::Int32: return ByteSetValue(ReadNumber<std::int32_t>(bytes, offset));
    case ValueType::Int64: return ByteSetValue(ReadNumber<std::int64_t>(bytes, offset));
    case ValueType::Float: return ByteSetValue(ReadNumber<float>(bytes, offset));
    case ValueType::Double: return ByteSetValue(ReadNumber<double>(bytes, offset));
    case ValueType::Logical: return ByteSetValue(ReadNumber<std::int32_t>(bytes, offset) != 0);
    case ValueType::DateTime: return ByteSetValue(DateTime{ReadNumber<double>(bytes, offset)});
    case ValueType::RoutineAddress:
      return ByteSetValue(RoutineAddress{ReadNumber<std::uint32_t>(bytes, offset)});
    case ValueType::Text: {
      if (offset >= bytes.size()) return ByteSetValue(Text());
      const auto* data = reinterpret_cast<const char*>(bytes.data()) + offset;
      return ByteSetValue(Text(data, strnlen(data, bytes.size() - offset)));
    }
  }
  FatalError(100);
}

Text PageToGbk(const ByteSet& utf8) {
  // Read as text up to the first zero byte, in place: a page may be megabytes long.
  Text gbk = Utf8ToGbkBytes(std::string_view(reinterpret_cast<const char*>(utf8.data()), utf8.size()));
  gbk.resize(strnlen(gbk.data(), gbk.size()));
  return gbk;
}

int ToInteger(bool value) { return value ? 1 : 0; }
int ToInteger(std::uint8_t value) { return value; }
int ToInteger(std::int16_t value) { return value; }
int ToInteger(std::int32_t value) { return value; }

int ToInteger(double value) {
  if (std::isnan(value)) return 0;
  const double truncated = std::trunc(value);
  if (truncated >= 2147483647.0) return INT_MAX;
  if (truncated <= -2147483648.0) return INT_MIN;
  return static_cast<int>(truncated);
}

int ToInteger(std::string_view text) {
  // Half-width mapping of the GBK full-width forms: A3 A1..A3 FE are the full-width
  // ASCII characters (digits, signs, "＼", "／" ...), A1 A1 is the full-width blank.
  std::string half;
  half.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t width = CharacterWidthAt(text, i);
    const unsigned char lead = static_cast<unsigned char>(text[i]);
    const unsigned char trail = width == 2 ? static_cast<unsigned char>(text[i + 1]) : 0;
    if (width == 2 && lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE)
      half.push_back(static_cast<char>(trail - 0x80));
    else if (width == 2 && lead == 0xA1 && trail == 0xA1)
      half.push_back(' ');
    else
      half.append(text.data() + i, width);
    i += width;
  }
  std::size_t i = 0;
  while (i < half.size() && (half[i] == ' ' || (half[i] >= '\t' && half[i] <= '\r'))) ++i;
  bool negative = false;
  if (i < half.size() && (half[i] == '+' || half[i] == '-')) negative = half[i++] == '-';
  long long magnitude = 0;
  for (; i < half.size() && half[i] >= '0' && half[i] <= '9'; ++i) {
    magnitude = magnitude * 10 + (half[i] - '0');
    if (magnitude > 2147483648LL) magnitude = 2147483648LL;  // saturate like strtol
  }
  const long long value = negative ? -magnitude : magnitude;
  if (value > INT_MAX) return INT_MAX;
  return static_cast<int>(value);
}

int ToInteger(const char* text) { return ToInteger(std::string_view(text ? text : "")); }

}  // namespace getlink
