// libFuzzer target: palette file reader. See FuzzInputs.h.
#include "FuzzInputs.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (!FuzzPaletteFileInput(data, size)) std::abort();
  return 0;
}
