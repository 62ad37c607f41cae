#pragma once
// Colour values as the model and the files keep them: red in bits 0-7, green in
// 8-15, blue in 16-23, the top byte zero. QRgb (0xAARRGGBB) appears only where a
// colour meets a QImage.
#include <QColor>
#include <QRgb>
#include <cstdint>

using TColor = std::uint32_t;

constexpr TColor MakeColor(unsigned red, unsigned green, unsigned blue) {
  return (red & 0xFFu) | ((green & 0xFFu) << 8) | ((blue & 0xFFu) << 16);
}
constexpr unsigned RedOf(TColor c) { return c & 0xFFu; }
constexpr unsigned GreenOf(TColor c) { return (c >> 8) & 0xFFu; }
constexpr unsigned BlueOf(TColor c) { return (c >> 16) & 0xFFu; }

constexpr QRgb ToQRgb(TColor c) {
  return 0xFF000000u | (RedOf(c) << 16) | (GreenOf(c) << 8) | BlueOf(c);
}
constexpr TColor FromQRgb(QRgb q) {
  return MakeColor((q >> 16) & 0xFFu, (q >> 8) & 0xFFu, q & 0xFFu);
}
inline QColor ToQColor(TColor c) { return QColor::fromRgb(ToQRgb(c)); }
inline TColor FromQColor(const QColor& q) { return FromQRgb(q.rgb()); }
