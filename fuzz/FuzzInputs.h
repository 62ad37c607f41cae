#pragma once
// One input through each reader of outside files, as the fuzz targets and the
// corpus replay test both run it. Each returns false when the reader broke a
// promise it makes (a failure that left its target changed, a failure without
// a message, a success that does not hold what it says); crashes, leaks and
// undefined behaviour are left to the sanitizers.
#include <cstddef>
#include <cstdint>

// The decoded-pixel cap the fuzz inputs run with: small, so a header that
// claims a large picture is quick to refuse or to decode.
constexpr long long FuzzPictureCap = 16ll << 20;

bool FuzzPatternFileInput(const std::uint8_t* data, std::size_t size);
bool FuzzPaletteFileInput(const std::uint8_t* data, std::size_t size);
bool FuzzBitmapInput(const std::uint8_t* data, std::size_t size);
