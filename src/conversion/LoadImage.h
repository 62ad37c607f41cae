#pragma once
// The gate through which a picture file enters a conversion: TImageLoad checks
// that a file is a Windows bitmap whose stored length is its real length and
// takes it into memory; DecodePicture then lets QImage decode it into the two
// 32-bit pictures a conversion works on.
#include "platform/Picture.h"

#include <QByteArray>
#include <QString>
#include <cstdint>

class TImageLoad {
public:
  TImageLoad() = default;

  // True when the file was accepted; BitmapData then holds it byte for byte.
  // A refusal shows its message; a file that cannot be read returns false
  // silently. After a false, BitmapData is empty.
  bool LoadBitmap(const QString& fileName);

  const QByteArray& BitmapData() const { return FBitmapData; }
  // The size of the header after the file header: 12 for the OS/2 core header.
  std::uint32_t HeaderSize() const { return FHeaderSize; }

private:
  QByteArray FBitmapData;
  std::uint32_t FHeaderSize = 0;
};

// Decoded pictures are capped at this many bytes of 32-bit pixels (256
// megapixels): far above what a photograph needs, and far below what would
// starve the machine.
constexpr qint64 DecodedPictureCap = qint64(1) << 30;
// Pixel positions are 16-bit, so no side may be longer than this.
constexpr int MaxPictureSide = 65535;

// Decodes data (any depth and compression QImage's bitmap reader supports)
// into source and work, both 32-bit and of the picture's size. A picture that
// cannot be decoded, or whose pixels would pass cap, shows a message and leaves
// both pictures empty.
bool DecodePicture(const QByteArray& data, TPicture& source, TPicture& work,
                   qint64 cap = DecodedPictureCap);

// The headless part of loading a picture for conversion: the reader's checks,
// then decoding. On any failure both pictures are empty, so nothing of an
// earlier file can be converted in its place.
bool LoadPicture(TImageLoad& reader, const QString& fileName, TPicture& source, TPicture& work,
                 qint64 cap = DecodedPictureCap);

// Texts shown when a picture passed the reader but cannot be used.
QString UndecodableText();
QString TooLargeText(int width, int height, qint64 cap);
