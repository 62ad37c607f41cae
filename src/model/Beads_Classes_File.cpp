// The pattern file: a 32-byte header of sixteen little-endian words, then one
// 10-byte record per bead in row-major order.
#include "model/Beads_Classes.h"
#include "platform/Guard.h"
#include "platform/Memory.h"

#include <QFile>
#include <QSaveFile>
#include <cstring>

namespace {
constexpr int HeaderSize = 32;
constexpr int RecordSize = 10;
constexpr quint16 VersionMark = 0x1000;
constexpr quint8 RecordMark = 0x33;
constexpr quint8 LastRecordMark = 0xCA;

quint16 Word(const uchar* p) { return quint16(p[0] | (p[1] << 8)); }
void PutWord(uchar* p, unsigned v) {
  p[0] = uchar(v & 0xFF);
  p[1] = uchar((v >> 8) & 0xFF);
}

void ShowFileReadFailure() { UI().ShowMessage(QStringLiteral("File Read Failure.")); }
}  // namespace

bool TBeadPattern::ReadPatternFile(const QString& fileName) {
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly)) {
    ShowSystemError(file.errorString());
    return false;
  }
  // Mapped where the file allows it, read otherwise; either way no more than
  // the file holds.
  QByteArray data;
  const qint64 fileSize = file.size();
  if (uchar* mapped = fileSize > 0 ? file.map(0, fileSize) : nullptr) {
    data = QByteArray::fromRawData(reinterpret_cast<const char*>(mapped), qsizetype(fileSize));
  } else {
    data = file.readAll();
    if (file.error() != QFileDevice::NoError) {
      ShowSystemError(file.errorString());
      return false;
    }
  }
  if (data.size() < HeaderSize) {
    if (data.size() >= 2 && Word(reinterpret_cast<const uchar*>(data.constData())) != VersionMark)
      UI().ShowMessage(QStringLiteral("Wrong version or incompatable file."));
    else
      ShowFileReadFailure();
    return false;
  }
  const auto* h = reinterpret_cast<const uchar*>(data.constData());
  if (Word(h) != VersionMark) {
    UI().ShowMessage(QStringLiteral("Wrong version or incompatable file."));
    return false;
  }
  const int style = h[2];
  const int height = Word(h + 4), width = Word(h + 6);
  const int slackTop = Word(h + 8), slackSide = Word(h + 10);
  const int top = Word(h + 12), left = Word(h + 14);
  const quint64 count = quint64(Word(h + 16)) | (quint64(Word(h + 18)) << 16);
  const TColor baseColor = TColor(Word(h + 20)) | (TColor(Word(h + 22)) << 16);
  const TColor background = TColor(Word(h + 24)) | (TColor(Word(h + 26)) << 16);
  const int beadWidth = Word(h + 28), beadHeight = Word(h + 30);

  // The rest of the program relies on a full grid in row-major order that it can
  // lay out; anything else is refused before the chart is touched.
  const bool headerSound = IsValidPattern(style) && count == quint64(width) * quint64(height) &&
                           LayoutFits(EPattern(style), width, height, 1.0f, slackTop, slackSide, top, left);
  if (!headerSound || quint64(data.size() - HeaderSize) / RecordSize < count) {
    ShowFileReadFailure();
    return false;
  }
  std::vector<StoredBead> beads;
  beads.reserve(static_cast<std::size_t>(count));
  AdviseHugePages(beads.data(), beads.capacity() * sizeof(StoredBead));
  const uchar* p = h + HeaderSize;
  int expectedRow = 0, expectedColumn = 0;
  for (quint64 i = 0; i < count; ++i) {
    const int state = p[4];
    if ((p[1] != RecordMark && p[1] != LastRecordMark) || !IsValidState(state) ||
        Word(p + 6) != expectedRow || Word(p + 8) != expectedColumn) {
      ShowFileReadFailure();
      return false;
    }
    StoredBead b;
    b.Color = TColor(p[0]) | (TColor(Word(p + 2)) << 8);
    b.State = BeadState(state);
    b.Row = std::uint16_t(expectedRow);
    b.Column = std::uint16_t(expectedColumn);
    b.Style = EPattern(style);
    beads.push_back(b);
    if (++expectedColumn == width) {
      expectedColumn = 0;
      ++expectedRow;
    }
    p += RecordSize;
  }

  FBeadPattern = EPattern(style);
  FBeadPatternHeight = std::uint16_t(height);
  FBeadPatternWidth = std::uint16_t(width);
  FBeadSlackTop = std::uint16_t(slackTop);
  FBeadSlackSide = std::uint16_t(slackSide);
  FBeadPatternTop = std::uint16_t(top);
  FBeadPatternLeft = std::uint16_t(left);
  FBaseBeadColor = baseColor;
  FBaseBeadMade = false;
  SetBackGround(background);
  SetBeadWidth(std::uint16_t(beadWidth));
  SetBeadHeight(std::uint16_t(beadHeight));
  FBeads = std::move(beads);
  FLayout.Valid = false;
  FHintStale = true;
  return true;
}

bool TBeadPattern::WritePatternFile(const QString& fileName) {
  const std::size_t count = FBeads.size();
  QByteArray data(qsizetype(HeaderSize + count * RecordSize), Qt::Uninitialized);
  auto* h = reinterpret_cast<uchar*>(data.data());
  PutWord(h, VersionMark);
  PutWord(h + 2, FBeadPattern);
  PutWord(h + 4, FBeadPatternHeight);
  PutWord(h + 6, FBeadPatternWidth);
  PutWord(h + 8, FBeadSlackTop);
  PutWord(h + 10, FBeadSlackSide);
  PutWord(h + 12, FBeadPatternTop);
  PutWord(h + 14, FBeadPatternLeft);
  PutWord(h + 16, unsigned(count & 0xFFFF));
  PutWord(h + 18, unsigned((count >> 16) & 0xFFFF));
  PutWord(h + 20, FBaseBeadColor & 0xFFFF);
  PutWord(h + 22, (FBaseBeadColor >> 16) & 0xFF);
  PutWord(h + 24, FBackGround & 0xFFFF);
  PutWord(h + 26, (FBackGround >> 16) & 0xFF);
  PutWord(h + 28, FBeadWidth);
  PutWord(h + 30, FBeadHeight);
  uchar* p = h + HeaderSize;
  for (std::size_t i = 0; i < count; ++i, p += RecordSize) {
    const StoredBead& b = FBeads[i];
    p[0] = uchar(b.Color & 0xFF);
    p[1] = i + 1 == count ? LastRecordMark : RecordMark;
    PutWord(p + 2, (b.Color >> 8) & 0xFFFF);
    PutWord(p + 4, b.State);
    PutWord(p + 6, b.Row);
    PutWord(p + 8, b.Column);
  }

  // Written beside the old file and renamed over it once complete.
  QSaveFile file(fileName);
  if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit()) {
    ShowSystemError(file.errorString());
    file.cancelWriting();
    return false;
  }
  return true;
}
