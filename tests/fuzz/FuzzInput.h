// Splitting one fuzz input into the arguments of the function under test, and stopping a
// run when an invariant does not hold.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace getlink::fuzz {

// The input is read from the front: texts are the bytes up to the next zero byte (which
// the program's texts never hold), numbers are single bytes. Once the input is used up,
// texts are empty and bytes 0.
class FuzzInput {
 public:
  FuzzInput(const std::uint8_t* data, std::size_t size)
      : rest_(reinterpret_cast<const char*>(data), size) {}

  // The bytes up to the next zero byte, or to the end; the zero byte is passed over.
  std::string_view NextText();

  // The next byte.
  std::uint8_t NextByte();

  // The bytes not taken yet.
  std::string_view Rest() const { return rest_; }

 private:
  std::string_view rest_;
};

// Ends the run with `what` on standard error when `holds` is false: libFuzzer keeps the
// input as a crash, and its replay fails.
void Require(bool holds, const char* what);

// The fuzz target: each target's source defines it. It is handed every input that
// libFuzzer (or the replay) tries (FuzzEntry.cpp).
void Fuzz(FuzzInput& input);

}  // namespace getlink::fuzz
