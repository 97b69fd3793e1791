#include "runtime/Numbers.h"

#include <cmath>

namespace getlink {

std::int32_t BitOr(std::initializer_list<std::int32_t> values) {
  std::int32_t result = 0;
  for (std::int32_t v : values) result |= v;
  return result;
}

std::int32_t BitAnd(std::initializer_list<std::int32_t> values) {
  if (values.size() == 0) return 0;
  std::int32_t result = -1;
  for (std::int32_t v : values) result &= v;
  return result;
}

std::int32_t BitNot(std::int32_t value) { return ~value; }

std::int32_t ShiftRight(std::int32_t value, std::int32_t count) {
  // Written out so that the arithmetic shift does not rely on implementation-defined >>.
  const int n = count & 31;
  return value >= 0 ? value >> n : ~(~value >> n);
}

std::int32_t MakeRgb(std::int32_t r, std::int32_t g, std::int32_t b) {
  return (r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16);
}

double AbsValue(double value) { return std::fabs(value); }

double RoundTo(double x, std::optional<int> places) {
  const int p = places.value_or(0);
  if (p == 0) return std::floor(x + 0.5);
  const double scale = std::pow(10.0, std::abs(p));
  if (p > 0) return std::floor(x * scale + 0.5) / scale;
  return std::floor(x / scale + 0.5) * scale;
}

double IntDivide(std::initializer_list<double> values) {
  auto it = values.begin();
  if (it == values.end()) return 0;
  double result = *it++;
  for (; it != values.end(); ++it) result = std::trunc(result / *it);
  return result;
}

double Remainder(std::initializer_list<double> values) {
  auto it = values.begin();
  if (it == values.end()) return 0;
  double result = *it++;
  for (; it != values.end(); ++it) result = std::fmod(result, *it);
  return result;
}

}  // namespace getlink
