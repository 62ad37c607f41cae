#pragma once
// Large tables that are read at random (a chart's beads) miss the TLB on every
// access with 4 KiB pages; asking for 2 MiB pages over them makes lookups cheap.
#include <cstddef>

// Advises the kernel to back the 2 MiB-aligned part of [data, data + bytes)
// with huge pages. Call before the memory is first written. Harmless elsewhere.
void AdviseHugePages(const void* data, std::size_t bytes);
