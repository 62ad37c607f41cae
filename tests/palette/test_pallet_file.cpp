// Palette files: their bytes, round trips, and the files the reader refuses.
#include "palette/Pallet_File.h"
#include "platform/ScriptedUserInterface.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

class PaletteFileTest : public ::testing::Test {
protected:
  QString Path(const char* name) const { return Dir.filePath(QString::fromLatin1(name)); }
  void Write(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(bytes), bytes.size());
  }
  QByteArray Read(const QString& path) {
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return f.readAll();
  }
  static QByteArray Header(quint32 count) {
    QByteArray h("HEY\0", 4);
    char c[4];
    qToLittleEndian<quint32>(count, c);
    return h + QByteArray(c, 4);
  }
  static QByteArray EntryBytes(const TColorEntry& e) {
    TColorList one{e};
    return PaletteFileBytes(one).mid(PaletteHeaderSize);
  }

  QTemporaryDir Dir;
  TScriptedUserInterface Ui;
  TScopedUI Scope{Ui};
};

TEST_F(PaletteFileTest, ResetMakesTenNumberedPlaceholders) {
  TColorList list;
  AddDefaultColors(list);
  ResetPalette(list);
  ASSERT_EQ(list.size(), 10u);
  for (int i = 0; i < 10; ++i) {
    const TColorEntry& e = list[size_t(i)];
    EXPECT_EQ(e.HasColor, 0);
    EXPECT_EQ(e.NamePending, 1);
    EXPECT_EQ(e.Red + e.Green + e.Blue, 0);
    EXPECT_EQ(e.Color, 0u);
    EXPECT_EQ(e.NameText(), QStringLiteral("Color%1").arg(i + 1));
    EXPECT_EQ(e.PrintIdChar(), QChar('C'));
  }
}

TEST_F(PaletteFileTest, TenPlaceholdersMake288Bytes) {
  TColorList list;
  ResetPalette(list);
  ASSERT_TRUE(SavePalette(list, Path("ten.pal")));
  const QByteArray bytes = Read(Path("ten.pal"));
  ASSERT_EQ(bytes.size(), 288);
  EXPECT_EQ(bytes.left(4), QByteArray("HEY\0", 4));
  EXPECT_EQ(qFromLittleEndian<quint32>(bytes.constData() + 4), 280u);
  // Entry 10, byte for byte: no colour, name pending, black, "Color10", "C".
  QByteArray tenth(28, '\0');
  tenth[1] = 1;
  std::memcpy(tenth.data() + 12, "Color10", 7);
  tenth[25] = 'C';
  EXPECT_EQ(bytes.mid(8 + 9 * 28, 28), tenth);
  EXPECT_TRUE(Ui.Messages.empty());
}

TEST_F(PaletteFileTest, DefaultEntryBytesAreLittleEndian) {
  const QByteArray e = EntryBytes(MakeColorEntry("Navy", 'N', 0x800000));
  ASSERT_EQ(e.size(), 28);
  EXPECT_EQ(e[0], 1);
  EXPECT_EQ(e[1], 0);
  EXPECT_EQ(uchar(e[2]), 0);
  EXPECT_EQ(uchar(e[3]), 0);
  EXPECT_EQ(uchar(e[4]), 128);
  EXPECT_EQ(e.mid(8, 4), QByteArray("\x00\x00\x80\x00", 4));
  EXPECT_EQ(e.mid(12, 5), QByteArray("Navy\0", 5));
  EXPECT_EQ(e[25], 'N');
  EXPECT_EQ(e[26], 0);
}

TEST_F(PaletteFileTest, EmptyListIsEightBytesAndOpensEmpty) {
  ASSERT_TRUE(SavePalette({}, Path("empty.pal")));
  EXPECT_EQ(Read(Path("empty.pal")), Header(0));
  TColorList list;
  AddDefaultColors(list);
  ASSERT_TRUE(OpenPalette(list, Path("empty.pal")));
  EXPECT_TRUE(list.empty());
}

TEST_F(PaletteFileTest, RoundTripKeepsEveryField) {
  TColorList list;
  AddDefaultColors(list);
  list.push_back(MakePlaceholderEntry(3));
  TColorEntry odd = MakeColorEntry("Twelve Chars", '#', 0x123456, true);
  odd.Color = 0x00ABCDEF;  // a file's colour value is kept as stored
  list.push_back(odd);
  ASSERT_TRUE(SavePalette(list, Path("round.pal")));

  TColorList back;
  ASSERT_TRUE(OpenPalette(back, Path("round.pal")));
  ASSERT_EQ(back.size(), list.size());
  for (size_t i = 0; i < list.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(back[i].HasColor, list[i].HasColor);
    EXPECT_EQ(back[i].NamePending, list[i].NamePending);
    EXPECT_EQ(back[i].Red, list[i].Red);
    EXPECT_EQ(back[i].Green, list[i].Green);
    EXPECT_EQ(back[i].Blue, list[i].Blue);
    EXPECT_EQ(back[i].Color, list[i].Color);
    EXPECT_EQ(back[i].NameText(), list[i].NameText());
    EXPECT_EQ(back[i].PrintIdChar(), list[i].PrintIdChar());
  }
  EXPECT_EQ(back.back().NameText(), QStringLiteral("Twelve Chars"));
  EXPECT_EQ(back.back().Color, 0x00ABCDEFu);
}

// How many entries a file yields: the whole entries that its count and its
// length both allow.
struct TCountCase {
  const char* Name;
  quint32 StoredCount;
  int EntriesPresent;
  int ExtraBytes;
  size_t Expected;
};

class PaletteCountTest : public PaletteFileTest,
                         public ::testing::WithParamInterface<TCountCase> {};

TEST_P(PaletteCountTest, TakesOnlyWholeEntriesTheFileHolds) {
  const TCountCase& c = GetParam();
  QByteArray bytes = Header(c.StoredCount);
  for (int i = 0; i < c.EntriesPresent; ++i)
    bytes += EntryBytes(MakeColorEntry(QStringLiteral("E%1").arg(i), 'E', TColor(i + 1)));
  bytes += QByteArray(c.ExtraBytes, '\x7F');
  Write(Path("count.pal"), bytes);

  TColorList list;
  ASSERT_TRUE(OpenPalette(list, Path("count.pal")));
  ASSERT_EQ(list.size(), c.Expected);
  for (size_t i = 0; i < list.size(); ++i) {
    EXPECT_EQ(list[i].HasColor, 1);
    EXPECT_EQ(list[i].Color, TColor(i + 1));
    EXPECT_EQ(list[i].NameText(), QStringLiteral("E%1").arg(i));
  }
  EXPECT_TRUE(Ui.Messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Counts, PaletteCountTest,
    ::testing::Values(TCountCase{"ThirtyBytesMakeOneEntry", 30, 1, 2, 1},
                      TCountCase{"CountBelowWhatIsThere", 28, 3, 0, 1},
                      TCountCase{"CountRunsPastEnd", 280, 2, 0, 2},
                      TCountCase{"HugeCountTakesNoHugeBuffer", 0xFFFFFFF0u, 1, 0, 1},
                      TCountCase{"PartialTailIgnored", 0xFFFFFFFFu, 2, 27, 2},
                      TCountCase{"ZeroCountIgnoresEntries", 0, 2, 0, 0}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(PaletteFileTest, CountCutShortGivesEmptyPalette) {
  Write(Path("short.pal"), QByteArray("HEY\0\x1C", 5));
  TColorList list;
  AddDefaultColors(list);
  ASSERT_TRUE(OpenPalette(list, Path("short.pal")));
  EXPECT_TRUE(list.empty());
}

TEST_F(PaletteFileTest, LongNameIsCutToTwelveCharacters) {
  QByteArray entry(28, 'Z');  // no terminator anywhere in the name
  entry[0] = 1;
  Write(Path("long.pal"), Header(28) + entry);
  TColorList list;
  ASSERT_TRUE(OpenPalette(list, Path("long.pal")));
  ASSERT_EQ(list.size(), 1u);
  EXPECT_EQ(list[0].NameText(), QStringLiteral("ZZZZZZZZZZZZ"));
  EXPECT_EQ(list[0].Name[12], 0);
  EXPECT_EQ(list[0].PrintId[1], 0);
}

TEST_F(PaletteFileTest, FilesWithoutTheMarkAreRefusedAndChangeNothing) {
  const QByteArray refused[] = {QByteArray("HEY\x01", 4) + QByteArray(4, '\0'),
                                QByteArray("YEH\0", 4) + QByteArray(4, '\0'),
                                QByteArray("HE", 2), QByteArray()};
  for (const QByteArray& bytes : refused) {
    SCOPED_TRACE(bytes.toHex().toStdString());
    Write(Path("bad.pal"), bytes);
    TColorList list;
    AddDefaultColors(list);
    Ui.Clear();
    EXPECT_FALSE(OpenPalette(list, Path("bad.pal")));
    ASSERT_EQ(Ui.Messages.size(), 1u);
    EXPECT_EQ(Ui.Messages[0].Text, QStringLiteral("Not a Palette File"));
    EXPECT_TRUE(Ui.Messages[0].Plain);
    ASSERT_EQ(list.size(), 10u);
    EXPECT_EQ(list[0].NameText(), QStringLiteral("Red"));
  }
}

TEST_F(PaletteFileTest, MissingFileShowsSystemErrorAndChangesNothing) {
  TColorList list;
  AddDefaultColors(list);
  EXPECT_FALSE(OpenPalette(list, Path("missing.pal")));
  ASSERT_EQ(Ui.Messages.size(), 1u);
  EXPECT_EQ(Ui.Messages[0].Caption, QStringLiteral("GetLastError"));
  EXPECT_EQ(Ui.Messages[0].Icon, TIcon::Information);
  EXPECT_FALSE(Ui.Messages[0].Text.isEmpty());
  EXPECT_EQ(list.size(), 10u);
}

TEST_F(PaletteFileTest, SaveIntoMissingFolderFailsVisibly) {
  TColorList list;
  ResetPalette(list);
  EXPECT_FALSE(SavePalette(list, Path("no/such/folder/p.pal")));
  ASSERT_EQ(Ui.Messages.size(), 1u);
  EXPECT_EQ(Ui.Messages[0].Caption, QStringLiteral("GetLastError"));
  EXPECT_FALSE(QFile::exists(Path("no/such/folder/p.pal")));
}

TEST_F(PaletteFileTest, SaveReplacesAnExistingFile) {
  TColorList ten;
  ResetPalette(ten);
  ASSERT_TRUE(SavePalette(ten, Path("p.pal")));
  ASSERT_TRUE(SavePalette({}, Path("p.pal")));
  EXPECT_EQ(Read(Path("p.pal")).size(), 8);
}

}  // namespace
