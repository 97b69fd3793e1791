// Numeric helpers used by the user interface.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>

namespace getlink {

// Bitwise OR / AND of two or more values, left to right.
std::int32_t BitOr(std::initializer_list<std::int32_t> values);
std::int32_t BitAnd(std::initializer_list<std::int32_t> values);
std::int32_t BitNot(std::int32_t value);

// Arithmetic shift right by (count AND 31).
std::int32_t ShiftRight(std::int32_t value, std::int32_t count);

// A GDI colour (0x00BBGGRR).
std::int32_t MakeRgb(std::int32_t r, std::int32_t g, std::int32_t b);

double AbsValue(double value);

// Rounds half up at `places` decimals; negative places round to tens, hundreds, ...
double RoundTo(double x, std::optional<int> places = std::nullopt);

// x / y / ..., each quotient truncated towards zero.
double IntDivide(std::initializer_list<double> values);

// x mod y mod ... (C fmod), left to right.
double Remainder(std::initializer_list<double> values);

}  // namespace getlink
