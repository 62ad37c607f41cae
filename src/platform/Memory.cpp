#include "platform/Memory.h"

#include <cstdint>

#ifdef __linux__
#include <sys/mman.h>
#endif

void AdviseHugePages(const void* data, std::size_t bytes) {
#ifdef __linux__
  constexpr std::uintptr_t HugePage = std::uintptr_t(2) << 20;
  const auto start = reinterpret_cast<std::uintptr_t>(data);
  const std::uintptr_t from = (start + HugePage - 1) & ~(HugePage - 1);
  const std::uintptr_t to = (start + bytes) & ~(HugePage - 1);
  if (to > from) madvise(reinterpret_cast<void*>(from), to - from, MADV_HUGEPAGE);
#else
  (void)data;
  (void)bytes;
#endif
}
