#include "platform/Picture.h"

#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>

#include <algorithm>
#include <cstdlib>
#include <cstring>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace {
// A 600 by 600 chart's picture is 100 MB; touching it in 4 KiB pages costs
// several times what drawing it does, so big pictures ask for 2 MiB pages.
constexpr std::size_t HugePage = std::size_t(2) << 20;

void FreePixels(void* pixels) { std::free(pixels); }

QImage MakeImage(int width, int height) {
#ifdef __linux__
  const std::size_t bytes = std::size_t(width) * std::size_t(height) * 4;
  if (bytes >= 4 * HugePage) {
    const std::size_t rounded = (bytes + HugePage - 1) & ~(HugePage - 1);
    void* pixels = std::aligned_alloc(HugePage, rounded);
    if (!pixels) return QImage();
    madvise(pixels, rounded, MADV_HUGEPAGE);
    QImage image(static_cast<uchar*>(pixels), width, height, qsizetype(width) * 4,
                 QImage::Format_RGB32, FreePixels, pixels);
    if (image.isNull()) std::free(pixels);
    return image;
  }
#endif
  return QImage(width, height, QImage::Format_RGB32);
}
}  // namespace

bool TPicture::SetSize(int width, int height) {
  if (width <= 0 || height <= 0) {
    Image_ = QImage();
    return width >= 0 && height >= 0;
  }
  Image_ = MakeImage(width, height);
  if (Image_.isNull()) return false;
  Image_.fill(0xFFFFFFFFu);
  return true;
}

void TPicture::FillRect(int left, int top, int right, int bottom, TColor color) {
  left = std::max(left, 0);
  top = std::max(top, 0);
  right = std::min(right, Width());
  bottom = std::min(bottom, Height());
  if (left >= right || top >= bottom) return;
  const QRgb value = ToQRgb(color);
  uchar* bits = Image_.bits();
  const qsizetype stride = Image_.bytesPerLine();
  if (left == 0 && right == Width() && stride == qsizetype(right) * 4) {
    auto* p = reinterpret_cast<QRgb*>(bits + top * stride);
    std::fill(p, p + qsizetype(bottom - top) * right, value);
    return;
  }
  for (int y = top; y < bottom; ++y) {
    auto* p = reinterpret_cast<QRgb*>(bits + y * stride);
    std::fill(p + left, p + right, value);
  }
}

void TPicture::Draw(int x, int y, const TPicture& source) {
  if (source.IsEmpty() || IsEmpty()) return;
  const int sx = std::max(0, -x), sy = std::max(0, -y);
  const int w = std::min(source.Width(), Width() - x) - sx;
  const int h = std::min(source.Height(), Height() - y) - sy;
  if (w <= 0 || h <= 0) return;
  uchar* dst = Image_.bits();
  const qsizetype dstride = Image_.bytesPerLine();
  const uchar* src = source.Image_.constBits();
  const qsizetype sstride = source.Image_.bytesPerLine();
  const size_t bytes = size_t(w) * 4;
  for (int row = 0; row < h; ++row) {
    std::memcpy(dst + (y + sy + row) * dstride + (x + sx) * 4,
                src + (sy + row) * sstride + sx * 4, bytes);
  }
}

void TPicture::SetPixel(int x, int y, TColor color) {
  if (x < 0 || y < 0 || x >= Width() || y >= Height()) return;
  reinterpret_cast<QRgb*>(Image_.scanLine(y))[x] = ToQRgb(color);
}

TColor TPicture::Pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= Width() || y >= Height()) return 0xFFFFFFFFu;
  return FromQRgb(reinterpret_cast<const QRgb*>(Image_.constScanLine(y))[x]);
}

bool TPicture::Save(const QString& fileName, QString* error) const {
  if (IsEmpty()) {
    if (error) *error = QStringLiteral("There is no picture to save.");
    return false;
  }
  // Written beside the target and renamed over it, so a failed write leaves
  // the old file whole.
  QSaveFile file(fileName);
  if (!file.open(QIODevice::WriteOnly)) {
    if (error) *error = file.errorString();
    return false;
  }
  QByteArray format = QFileInfo(fileName).suffix().toLower().toLatin1();
  if (format.isEmpty()) format = "bmp";
  QImageWriter writer(&file, format);
  if (!writer.write(Image_)) {
    if (error) *error = writer.errorString();
    file.cancelWriting();
    return false;
  }
  if (!file.commit()) {
    if (error) *error = file.errorString();
    return false;
  }
  return true;
}

void TPicture::Assign(const QImage& image) {
  Image_ = image.convertToFormat(QImage::Format_RGB32);
}
