// libFuzzer target: bitmap reader. See FuzzInputs.h.
#include "FuzzInputs.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (!FuzzBitmapInput(data, size)) std::abort();
  return 0;
}
