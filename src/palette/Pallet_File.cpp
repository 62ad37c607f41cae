#include "palette/Pallet_File.h"

#include "platform/UserInterface.h"

#include <QFile>
#include <QSaveFile>
#include <QtEndian>

#include <algorithm>
#include <cstring>

namespace {

void PutEntry(char* out, const TColorEntry& e) {
  out[0] = char(e.HasColor);
  out[1] = char(e.NamePending);
  out[2] = char(e.Red);
  out[3] = char(e.Green);
  out[4] = char(e.Blue);
  std::memcpy(out + 5, e.Padding, 3);
  qToLittleEndian<quint32>(e.Color, out + 8);
  std::memcpy(out + 12, e.Name, 13);
  std::memcpy(out + 25, e.PrintId, 3);
}

TColorEntry TakeEntry(const char* in) {
  TColorEntry e;
  e.HasColor = std::uint8_t(in[0]);
  e.NamePending = std::uint8_t(in[1]);
  e.Red = std::uint8_t(in[2]);
  e.Green = std::uint8_t(in[3]);
  e.Blue = std::uint8_t(in[4]);
  // Stored as written: the file's colour value is not rebuilt from the components.
  e.Color = qFromLittleEndian<quint32>(in + 8);
  // The name up to its zero, never more than 12 characters, whatever the file holds.
  std::memset(e.Name, 0, sizeof e.Name);
  for (int i = 0; i < 12 && in[12 + i] != 0; ++i) e.Name[i] = in[12 + i];
  e.PrintId[0] = in[25];
  e.PrintId[1] = 0;
  e.PrintId[2] = 0;
  return e;
}

}  // namespace

TColorEntry MakePlaceholderEntry(int number) {
  TColorEntry e;
  e.HasColor = 0;
  e.NamePending = 1;
  e.Red = e.Green = e.Blue = 0;
  e.Color = 0;
  const QByteArray name = QByteArray("Color") + QByteArray::number(number);
  std::memset(e.Name, 0, sizeof e.Name);
  std::memcpy(e.Name, name.constData(), std::min<qsizetype>(name.size(), 12));
  e.PrintId[0] = 'C';
  e.PrintId[1] = 0;
  e.PrintId[2] = 0;
  return e;
}

void ResetPalette(TColorList& list) {
  TColorList fresh;
  fresh.reserve(10);
  for (int n = 1; n <= 10; ++n) fresh.push_back(MakePlaceholderEntry(n));
  list.swap(fresh);
}

QByteArray PaletteFileBytes(const TColorList& list) {
  const qsizetype n = qsizetype(list.size()) * PaletteEntrySize;
  QByteArray bytes(PaletteHeaderSize + n, '\0');
  qToLittleEndian<quint32>(PaletteMark, bytes.data());
  qToLittleEndian<quint32>(quint32(n), bytes.data() + 4);
  char* out = bytes.data() + PaletteHeaderSize;
  for (const TColorEntry& e : list) {
    PutEntry(out, e);
    out += PaletteEntrySize;
  }
  return bytes;
}

bool SavePalette(const TColorList& list, const QString& fileName) {
  // The byte count field is 32 bits; a list beyond it cannot be written truthfully.
  if (list.size() > 0xFFFFFFFFu / PaletteEntrySize) {
    ShowSystemError(QStringLiteral("The palette is too large for a palette file."));
    return false;
  }
  const QByteArray bytes = PaletteFileBytes(list);
  QSaveFile file(fileName);
  if (!file.open(QIODevice::WriteOnly)) {
    ShowSystemError(file.errorString());
    return false;
  }
  if (file.write(bytes) != bytes.size()) {
    const QString error = file.errorString();
    file.cancelWriting();
    ShowSystemError(error);
    return false;
  }
  if (!file.commit()) {
    ShowSystemError(file.errorString());
    return false;
  }
  return true;
}

bool ParsePaletteBytes(const QByteArray& bytes, TColorList& list) {
  if (bytes.size() < 4 || qFromLittleEndian<quint32>(bytes.constData()) != PaletteMark)
    return false;
  // A count cut short by the end of the file reads its missing bytes as zero.
  char countBytes[4] = {0, 0, 0, 0};
  std::memcpy(countBytes, bytes.constData() + 4, size_t(std::clamp<qsizetype>(bytes.size() - 4, 0, 4)));
  const quint64 count = qFromLittleEndian<quint32>(countBytes);
  const quint64 held = quint64(std::max<qsizetype>(bytes.size() - PaletteHeaderSize, 0));
  // Only what the file really holds: a count that runs past the end takes no
  // buffer of its size and makes no zero entries.
  const quint64 entries = std::min(count, held) / PaletteEntrySize;
  TColorList read;
  read.reserve(size_t(entries));
  const char* in = bytes.constData() + PaletteHeaderSize;
  for (quint64 i = 0; i < entries; ++i) read.push_back(TakeEntry(in + i * PaletteEntrySize));
  list.swap(read);
  return true;
}

bool OpenPalette(TColorList& list, const QString& fileName) {
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly)) {
    ShowSystemError(file.errorString());
    return false;
  }
  const QByteArray mark = file.read(4);
  if (mark.size() != 4 || qFromLittleEndian<quint32>(mark.constData()) != PaletteMark) {
    if (file.error() != QFileDevice::NoError) {
      ShowSystemError(file.errorString());
      return false;
    }
    UI().ShowMessage(QStringLiteral("Not a Palette File"));
    return false;
  }
  const QByteArray count = file.read(4);
  char countBytes[4] = {0, 0, 0, 0};
  std::memcpy(countBytes, count.constData(), size_t(count.size()));
  const qint64 want = qFromLittleEndian<quint32>(countBytes);
  // Read in pieces up to the end of the file: the stored count never sizes a buffer.
  QByteArray body;
  while (body.size() < want) {
    const QByteArray piece = file.read(std::min<qint64>(want - body.size(), qint64(1) << 20));
    if (piece.isEmpty()) break;
    body += piece;
  }
  if (file.error() != QFileDevice::NoError) {
    ShowSystemError(file.errorString());
    return false;
  }
  return ParsePaletteBytes(mark + count + body, list);
}
