#include "ui/framework/drawing/Colour.h"

#include <iomanip>
#include <ostream>

namespace getlink {
namespace {

std::ostream& PrintHex(std::ostream& out, std::uint32_t value, int digits) {
  const std::ios_base::fmtflags flags = out.flags();
  const char fill = out.fill('0');
  out << "0x" << std::hex << std::uppercase << std::setw(digits) << value;
  out.fill(fill);
  out.flags(flags);
  return out;
}

}  // namespace

std::ostream& operator<<(std::ostream& out, Argb colour) { return PrintHex(out, colour.Value(), 8); }

std::ostream& operator<<(std::ostream& out, ColorRef colour) { return PrintHex(out, colour.Value(), 6); }

bool IsDark(Argb colour) {
  // In thousandths, so that a grey of exactly 192 is not dark on any floating-point unit.
  const int luma = 299 * RedOf(colour) + 587 * GreenOf(colour) + 114 * BlueOf(colour);
  return luma < 192 * 1000;
}

}  // namespace getlink
