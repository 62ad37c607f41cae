#include "conversion/LoadImage.h"

#include "platform/UserInterface.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QtEndian>

#include <algorithm>
#include <climits>
#include <cstdint>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace {

// Large pictures are tens of megabytes filled once from start to end; asking
// for huge pages spares the machine one page fault per 4 KiB of them.
void AdviseLargeBuffer(void* data, size_t size) {
#if defined(__linux__) && defined(MADV_HUGEPAGE)
  constexpr uintptr_t Huge = uintptr_t(2) << 20;
  if (size < 4 * Huge) return;
  const uintptr_t begin = (reinterpret_cast<uintptr_t>(data) + Huge - 1) & ~(Huge - 1);
  const uintptr_t end = (reinterpret_cast<uintptr_t>(data) + size) & ~(Huge - 1);
  if (end > begin) madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
#else
  (void)data;
  (void)size;
#endif
}

}  // namespace

bool TImageLoad::LoadBitmap(const QString& fileName) {
  // A refused or unreadable file never leaves the previous file's bytes behind.
  FBitmapData.clear();
  FHeaderSize = 0;

  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly)) return false;
  const QByteArray head = file.read(18);
  if (head.size() < 2 || head[0] != 'B' || head[1] != 'M') {
    UI().ShowMessage(QStringLiteral("Bad file or not a bitmap file"));
    return false;
  }
  const qint64 realSize = file.size();
  // A file shorter than its own file header is cut short, whatever its size field says.
  if (head.size() < 14 || qint64(qFromLittleEndian<quint32>(head.constData() + 2)) != realSize) {
    UI().ShowMessage(QStringLiteral("Currupted file structor"));
    return false;
  }
  const std::uint32_t headerSize =
      head.size() >= 18 ? qFromLittleEndian<quint32>(head.constData() + 14) : 0;

  // The stored size equals the real one, so the copy is exactly what the file holds.
  if (!file.seek(0)) return false;
  QByteArray data(realSize, Qt::Uninitialized);
  AdviseLargeBuffer(data.data(), size_t(data.size()));
  if (file.read(data.data(), realSize) != realSize || file.error() != QFileDevice::NoError) return false;
  FBitmapData = std::move(data);
  FHeaderSize = headerSize;
  return true;
}

namespace {

// The picture size the header claims, read before any decoder sees the file,
// so that a claim of a huge picture is answered as such.
QSize ClaimedSize(const QByteArray& data) {
  if (data.size() < 26) return {};
  const char* p = data.constData();
  const quint32 headerSize = qFromLittleEndian<quint32>(p + 14);
  if (headerSize == 12)
    return QSize(qFromLittleEndian<quint16>(p + 18), qFromLittleEndian<quint16>(p + 20));
  const qint64 w = qFromLittleEndian<qint32>(p + 18);
  const qint64 h = qFromLittleEndian<qint32>(p + 22);
  const qint64 aw = w < 0 ? -w : w, ah = h < 0 ? -h : h;
  return QSize(int(std::min<qint64>(aw, INT_MAX)), int(std::min<qint64>(ah, INT_MAX)));
}

bool TooLarge(qint64 width, qint64 height, qint64 cap) {
  return width > MaxPictureSide || height > MaxPictureSide || width * height * 4 > cap;
}

}  // namespace

QString UndecodableText() {
  return QStringLiteral("The picture could not be decoded.");
}

QString TooLargeText(int width, int height, qint64 cap) {
  return QStringLiteral("The picture is too large to convert: %1 by %2 pixels, more than %3 MiB "
                        "of pixels or %4 pixels a side.")
      .arg(width)
      .arg(height)
      .arg(cap >> 20)
      .arg(MaxPictureSide);
}

bool DecodePicture(const QByteArray& data, TPicture& source, TPicture& work, qint64 cap) {
  source.SetSize(0, 0);
  work.SetSize(0, 0);

  QBuffer buffer;
  buffer.setData(data);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer, "bmp");
  reader.setAutoTransform(false);

  // Sizes are checked before anything is allocated for the pixels.
  const QSize claimed = ClaimedSize(data);
  if (claimed.isValid() && TooLarge(claimed.width(), claimed.height(), cap)) {
    UI().ShowMessage(TooLargeText(claimed.width(), claimed.height(), cap));
    return false;
  }
  const QSize size = reader.size();
  if (size.isValid() && TooLarge(size.width(), size.height(), cap)) {
    UI().ShowMessage(TooLargeText(size.width(), size.height(), cap));
    return false;
  }

  // Qt's own allocation limit (in MiB, process-wide) would refuse large photographs
  // long before the cap; lift it to the cap for this read only.
  const int previousLimit = QImageReader::allocationLimit();
  QImageReader::setAllocationLimit(int(std::max<qint64>(cap >> 20, 1)));
  // The reader fills an image of the right size and format in place; made here,
  // its pixels can be given huge pages first.
  QImage image;
  const QImage::Format format = reader.imageFormat();
  if (size.isValid() && format != QImage::Format_Invalid) {
    image = QImage(size, format);
    if (!image.isNull()) AdviseLargeBuffer(image.bits(), size_t(image.sizeInBytes()));
  }
  const bool read = reader.read(&image);
  QImageReader::setAllocationLimit(previousLimit);

  if (!read || image.isNull()) {
    UI().ShowMessage(UndecodableText());
    return false;
  }
  if (TooLarge(image.width(), image.height(), cap)) {
    UI().ShowMessage(TooLargeText(image.width(), image.height(), cap));
    return false;
  }
  source.Assign(image);
  if (source.IsEmpty()) {
    UI().ShowMessage(TooLargeText(image.width(), image.height(), cap));
    return false;
  }
  // The work picture shares the pixels until the walk first draws on it.
  work.Assign(source.Image());
  return true;
}

bool LoadPicture(TImageLoad& reader, const QString& fileName, TPicture& source, TPicture& work,
                 qint64 cap) {
  if (!reader.LoadBitmap(fileName)) {
    source.SetSize(0, 0);
    work.SetSize(0, 0);
    return false;
  }
  return DecodePicture(reader.BitmapData(), source, work, cap);
}
