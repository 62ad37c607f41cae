#pragma once
// Small pictures and bitmap files made on the spot for the conversion tests.
#include "platform/Colors.h"
#include "platform/Picture.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QtEndian>
#include <functional>

// A 24-bit bitmap file of the image.
inline QByteArray BmpBytes(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "BMP");
  return bytes;
}

inline QImage UniformImage(int width, int height, TColor color) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(ToQRgb(color));
  return image;
}

// A picture whose every pixel is colourOf(x, y).
inline void FillPicture(TPicture& picture, int width, int height,
                        const std::function<TColor(int, int)>& colourOf) {
  picture.SetSize(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) picture.SetPixel(x, y, colourOf(x, y));
}

// Only the two file headers of a bitmap that claims width by height pixels of
// 24 bits, its stored size set to its real length.
inline QByteArray HeaderOnlyBmp(qint32 width, qint32 height) {
  QByteArray b(54, '\0');
  b[0] = 'B';
  b[1] = 'M';
  qToLittleEndian<quint32>(54, b.data() + 2);
  qToLittleEndian<quint32>(54, b.data() + 10);
  qToLittleEndian<quint32>(40, b.data() + 14);
  qToLittleEndian<qint32>(width, b.data() + 18);
  qToLittleEndian<qint32>(height, b.data() + 22);
  qToLittleEndian<quint16>(1, b.data() + 26);
  qToLittleEndian<quint16>(24, b.data() + 28);
  return b;
}
