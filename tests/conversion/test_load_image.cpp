// The bitmap file reader and the decoding of what it accepts.
#include "conversion/LoadImage.h"
#include "conversion/ScanForm_Walk.h"
#include "platform/ScriptedUserInterface.h"

#include "ConversionFixtures.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

const QString BadFileText = QStringLiteral("Bad file or not a bitmap file");
const QString CorruptText = QStringLiteral("Currupted file structor");

class LoadImageTest : public ::testing::Test {
protected:
  QString Write(const char* name, const QByteArray& bytes) {
    const QString path = Dir.filePath(QString::fromLatin1(name));
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    EXPECT_EQ(f.write(bytes), bytes.size());
    return path;
  }
  static QString Suite(const QString& name) {
    return QStringLiteral(GLINTWEAVE_TESTDATA "/bmpsuite/") + name;
  }

  QTemporaryDir Dir;
  TScriptedUserInterface Ui;
  TScopedUI Scope{Ui};
  TImageLoad Reader;
};

TEST_F(LoadImageTest, AcceptsABitmapByteForByte) {
  const QByteArray bytes = BmpBytes(UniformImage(7, 5, 0x336699));
  ASSERT_TRUE(Reader.LoadBitmap(Write("ok.bmp", bytes)));
  EXPECT_EQ(Reader.BitmapData(), bytes);
  EXPECT_EQ(Reader.HeaderSize(), 40u);
  EXPECT_TRUE(Ui.Messages.empty());
}

TEST_F(LoadImageTest, AcceptsTheOs2CoreHeader) {
  ASSERT_TRUE(Reader.LoadBitmap(Suite("g/pal8os2.bmp")));
  EXPECT_EQ(Reader.HeaderSize(), 12u);
}

struct TRefusal {
  const char* Name;
  std::function<QByteArray(QByteArray)> Damage;  // applied to a good bitmap file
  const QString* Message;
};

class LoadImageRefusalTest : public LoadImageTest, public ::testing::WithParamInterface<TRefusal> {};

TEST_P(LoadImageRefusalTest, RefusesWithItsMessageAndKeepsNothing) {
  const QByteArray good = BmpBytes(UniformImage(7, 5, 0x336699));
  ASSERT_TRUE(Reader.LoadBitmap(Write("first.bmp", good)));
  const QByteArray bad = GetParam().Damage(good);
  EXPECT_FALSE(Reader.LoadBitmap(Write("bad.bmp", bad)));
  EXPECT_TRUE(Reader.BitmapData().isEmpty());
  ASSERT_EQ(Ui.Messages.size(), 1u);
  EXPECT_EQ(Ui.Messages[0].Text, *GetParam().Message);
  EXPECT_TRUE(Ui.Messages[0].Plain);
}

QByteArray WithSize(QByteArray b, quint32 size) {
  qToLittleEndian<quint32>(size, b.data() + 2);
  return b;
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, LoadImageRefusalTest,
    ::testing::Values(
        TRefusal{"SwappedSignature", [](QByteArray b) { b[0] = 'M'; b[1] = 'B'; return b; }, &BadFileText},
        TRefusal{"OtherSignature", [](QByteArray b) { b[0] = 'P'; b[1] = 'K'; return b; }, &BadFileText},
        TRefusal{"EmptyFile", [](QByteArray) { return QByteArray(); }, &BadFileText},
        TRefusal{"OneByte", [](QByteArray) { return QByteArray("B"); }, &BadFileText},
        TRefusal{"ExtraByte", [](QByteArray b) { return b + QByteArray(1, '\0'); }, &CorruptText},
        TRefusal{"ByteMissing", [](QByteArray b) { b.chop(1); return b; }, &CorruptText},
        TRefusal{"StoredSizeZero", [](QByteArray b) { return WithSize(b, 0); }, &CorruptText},
        // Shorter than the file header, though its size field matches its length.
        TRefusal{"ThirteenBytes", [](QByteArray b) { return WithSize(b.left(13), 13); }, &CorruptText}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(LoadImageTest, UnreadableFileIsRefusedSilently) {
  ASSERT_TRUE(Reader.LoadBitmap(Write("first.bmp", BmpBytes(UniformImage(3, 3, 0)))));
  EXPECT_FALSE(Reader.LoadBitmap(Dir.filePath("missing.bmp")));
  EXPECT_FALSE(Reader.LoadBitmap(Dir.path()));  // a folder
  EXPECT_TRUE(Reader.BitmapData().isEmpty());
  EXPECT_TRUE(Ui.Messages.empty());
}

TEST_F(LoadImageTest, SecondAcceptedFileReplacesTheFirst) {
  const QByteArray a = BmpBytes(UniformImage(3, 3, 0x0000FF));
  const QByteArray b = BmpBytes(UniformImage(4, 2, 0x00FF00));
  ASSERT_TRUE(Reader.LoadBitmap(Write("a.bmp", a)));
  ASSERT_TRUE(Reader.LoadBitmap(Write("b.bmp", b)));
  EXPECT_EQ(Reader.BitmapData(), b);
}

TEST_F(LoadImageTest, DecodesInto32BitSourceAndWork) {
  TPicture source, work;
  ASSERT_TRUE(LoadPicture(Reader, Write("p.bmp", BmpBytes(UniformImage(9, 4, 0x123456))), source, work));
  for (const TPicture* p : {&source, &work}) {
    EXPECT_EQ(p->Width(), 9);
    EXPECT_EQ(p->Height(), 4);
    EXPECT_EQ(p->Image().format(), QImage::Format_RGB32);
    EXPECT_EQ(p->Pixel(8, 3), 0x123456u);
  }
  // Drawing on the work picture leaves the source untouched.
  work.SetPixel(0, 0, 0);
  EXPECT_EQ(source.Pixel(0, 0), 0x123456u);
}

TEST_F(LoadImageTest, UndecodablePictureSaysSoAndEmptiesBothPictures) {
  TPicture source, work;
  ASSERT_TRUE(LoadPicture(Reader, Write("p.bmp", BmpBytes(UniformImage(5, 5, 0xFF))), source, work));
  QByteArray junk = HeaderOnlyBmp(5, 5);
  qToLittleEndian<quint16>(0, junk.data() + 26);       // no planes
  qToLittleEndian<quint16>(7, junk.data() + 28);       // a depth no bitmap has
  qToLittleEndian<quint32>(0xFFFF, junk.data() + 30);  // nor this compression
  junk += QByteArray(40, '\x55');
  qToLittleEndian<quint32>(quint32(junk.size()), junk.data() + 2);
  EXPECT_FALSE(LoadPicture(Reader, Write("junk.bmp", junk), source, work));
  EXPECT_TRUE(source.IsEmpty());
  EXPECT_TRUE(work.IsEmpty());
  ASSERT_EQ(Ui.Messages.size(), 1u);
  EXPECT_EQ(Ui.Messages[0].Text, UndecodableText());
}

TEST_F(LoadImageTest, PictureBeyondTheCapSaysSo) {
  struct {
    qint32 Width, Height;
  } cases[] = {{40000, 40000}, {70000, 2}, {2, -70000}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Width);
    Ui.Clear();
    TPicture source, work;
    EXPECT_FALSE(DecodePicture(HeaderOnlyBmp(c.Width, c.Height), source, work));
    EXPECT_TRUE(source.IsEmpty());
    ASSERT_EQ(Ui.Messages.size(), 1u);
    EXPECT_TRUE(Ui.Messages[0].Text.startsWith(QStringLiteral("The picture is too large to convert")))
        << Ui.Messages[0].Text.toStdString();
  }
}

TEST_F(LoadImageTest, CapCountsDecodedPixels) {
  const QByteArray bytes = BmpBytes(UniformImage(100, 100, 0x102030));
  TPicture source, work;
  EXPECT_TRUE(DecodePicture(bytes, source, work, 100 * 100 * 4));
  EXPECT_FALSE(DecodePicture(bytes, source, work, 100 * 100 * 4 - 1));
  ASSERT_EQ(Ui.Messages.size(), 1u);
  EXPECT_EQ(Ui.Messages[0].Text, TooLargeText(100, 100, 100 * 100 * 4 - 1));
}

TEST_F(LoadImageTest, CapIsFarAboveQtsDefaultAndQtsLimitIsRestored) {
  const int before = QImageReader::allocationLimit();
  // A 48-megapixel photograph, in 32-bit pixels, fits with room to spare.
  EXPECT_GE(DecodedPictureCap, qint64(8000) * 6000 * 4 * 5 / 4);
  EXPECT_GT(DecodedPictureCap >> 20, before);
  TPicture source, work;
  ASSERT_TRUE(DecodePicture(BmpBytes(UniformImage(4, 4, 0)), source, work));
  EXPECT_EQ(QImageReader::allocationLimit(), before);
}

TEST_F(LoadImageTest, PictureBeyondQtsDefaultLimitDecodes) {
  // 8200 by 8200 at 16 bits: about 269 MB once decoded to 32 bits, more than Qt
  // lets a reader allocate by default, far less than the cap.
  const int side = 8200;
  ASSERT_GT(qint64(side) * side * 4, qint64(QImageReader::allocationLimit()) << 20);
  QByteArray file = HeaderOnlyBmp(side, side);
  qToLittleEndian<quint16>(16, file.data() + 28);  // 5 bits each of red, green, blue
  const qsizetype rowBytes = qsizetype(side) * 2;
  file.append(rowBytes, '\0');  // the bottom row: black
  QByteArray red(rowBytes, '\0');
  for (qsizetype i = 0; i < rowBytes; i += 2) qToLittleEndian<quint16>(0x7C00, red.data() + i);
  file.reserve(file.size() + rowBytes * side);
  for (int k = 1; k < side; ++k) file.append(red);
  qToLittleEndian<quint32>(quint32(file.size()), file.data() + 2);

  TPicture source, work;
  ASSERT_TRUE(LoadPicture(Reader, Write("large.bmp", file), source, work))
      << (Ui.Messages.empty() ? std::string() : Ui.Messages[0].Text.toStdString());
  file.clear();
  EXPECT_EQ(source.Width(), side);
  EXPECT_EQ(source.Height(), side);
  EXPECT_EQ(source.Pixel(side - 1, side - 1), 0x000000u);
  EXPECT_EQ(source.Pixel(0, 0), 0x0000F8u);  // 31 of 31 reds, widened by a shift
  EXPECT_EQ(source.Pixel(4000, side - 2), 0x0000F8u);
}

// Every good picture of the suite loads and converts.
TEST_F(LoadImageTest, EveryGoodSuitePictureLoadsAndConverts) {
  const QStringList names = QDir(Suite("g")).entryList({"*.bmp"}, QDir::Files);
  ASSERT_GE(names.size(), 20);
  for (const QString& name : names) {
    SCOPED_TRACE(name.toStdString());
    TPicture source, work;
    ASSERT_TRUE(LoadPicture(Reader, Suite("g/") + name, source, work));
    const QImage reference(Suite("g/") + name);
    EXPECT_EQ(source.Width(), reference.width());
    EXPECT_EQ(source.Height(), reference.height());
    EXPECT_EQ(source.Pixel(source.Width() / 2, source.Height() / 2),
              FromQRgb(reference.pixel(reference.width() / 2, reference.height() / 2)));
    ConvertedBeads beads;
    TWalkSettings settings;
    settings.BeadSize = 22;
    settings.Converting = true;
    const TWalkResult r = WalkCells(work, settings, beads);
    EXPECT_FALSE(beads.empty());
    EXPECT_EQ(beads.size(), size_t(r.Rows) * size_t(r.Columns));
  }
  EXPECT_TRUE(Ui.Messages.empty());
}

// Every bad picture is refused with a message or decoded without harm.
TEST_F(LoadImageTest, EveryBadSuitePictureIsRefusedOrDecodedSafely) {
  const QStringList names = QDir(Suite("b")).entryList({"*.bmp"}, QDir::Files);
  ASSERT_GE(names.size(), 15);
  for (const QString& name : names) {
    SCOPED_TRACE(name.toStdString());
    Ui.Clear();
    TPicture source, work;
    if (LoadPicture(Reader, Suite("b/") + name, source, work)) {
      EXPECT_FALSE(source.IsEmpty());
      EXPECT_EQ(work.Width(), source.Width());
      EXPECT_EQ(work.Height(), source.Height());
      ConvertedBeads beads;
      TWalkSettings settings;
      settings.Converting = true;
      settings.BeadSize = 22;
      WalkCells(work, settings, beads);
    } else {
      EXPECT_TRUE(source.IsEmpty());
      EXPECT_TRUE(work.IsEmpty());
      EXPECT_EQ(Ui.Messages.size(), 1u);
    }
  }
}

}  // namespace
