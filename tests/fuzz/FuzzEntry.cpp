// The entry point libFuzzer and the replay driver call: every input goes to the target's
// Fuzz.
#include <cstddef>
#include <cstdint>

#include "tests/fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  getlink::fuzz::FuzzInput input(data, size);
  getlink::fuzz::Fuzz(input);
  return 0;
}
