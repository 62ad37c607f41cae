#include "ModelSupport.h"
#include "platform/ScriptedUserInterface.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

QByteArray ReadAll(const QString& name) {
  QFile f(name);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteAll(const QString& name, const QByteArray& data) {
  QFile f(name);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(data);
}

quint16 WordAt(const QByteArray& d, int at) { return quint16(uchar(d[at]) | (uchar(d[at + 1]) << 8)); }
void SetWord(QByteArray& d, int at, int v) {
  d[at] = char(v & 0xFF);
  d[at + 1] = char((v >> 8) & 0xFF);
}

class PatternFile : public ::testing::Test {
protected:
  TScriptedUserInterface Ui;
  TScopedUI Scope{Ui};
  QTemporaryDir Dir;
  QString Name = Dir.filePath("chart.bfp");
};

TEST_F(PatternFile, WritesHeaderAndOneTenByteRecordPerBead) {
  auto p = MakeChart(BPbrick, 3, 2);
  p->PaintBeadAt(nullptr, nullptr, 5, BeadPainted, 0x123456, true);
  p->PaintBeadAt(nullptr, nullptr, 1, BeadRemoved, 0, true);
  ASSERT_TRUE(p->WritePatternFile(Name));
  const QByteArray d = ReadAll(Name);
  ASSERT_EQ(d.size(), 92);
  const int header[] = {0x1000, BPbrick, 2, 3, 1, 1, 5, 5, 6, 0, 0xC0C0, 0xC0, 0x8080, 0x80,
                        p->BeadWidth(), p->BeadHeight()};
  for (int i = 0; i < 16; ++i) EXPECT_EQ(WordAt(d, 2 * i), header[i]) << "word " << i;
  for (int i = 0; i < 6; ++i) EXPECT_EQ(uchar(d[32 + 10 * i + 1]), i == 5 ? 0xCA : 0x33);
  EXPECT_EQ(d.mid(82), QByteArray::fromHex("56ca3412000001000200"));
  EXPECT_EQ(d.mid(32 + 10 + 4, 2), QByteArray::fromHex("0400"));  // removed
  EXPECT_EQ(d.mid(32 + 4, 2), QByteArray::fromHex("0300"));       // base
}

TEST_F(PatternFile, RoundTripKeepsTheChartAndStartsWithTheDefaultPalette) {
  auto p = MakeChart(BP2DropPeyote, 7, 4, 1.0f, 3, 4);
  p->PaintBeadAt(nullptr, nullptr, 9, BeadPainted, 0x000000, true);
  p->PaintBeadAt(nullptr, nullptr, 10, BeadPainted, 0xABCDEF, true);
  p->PaintBeadAt(nullptr, nullptr, 10, BeadBase, 0, true);
  p->PaintBeadAt(nullptr, nullptr, 11, BeadRemoved, 0, true);
  p->SetBaseBeadColor(0x112233);
  p->SetBackGround(0x445566);
  p->ColorList().clear();
  ASSERT_TRUE(p->WritePatternFile(Name));

  TBeadPattern q(6, 9);
  ASSERT_TRUE(q.ReadPatternFile(Name));
  EXPECT_EQ(q.BeadPattern(), BP2DropPeyote);
  EXPECT_EQ(q.BeadPatternWidth(), 7);
  EXPECT_EQ(q.BeadPatternHeight(), 4);
  EXPECT_EQ(q.BeadSlackTop(), 3);
  EXPECT_EQ(q.BeadSlackSide(), 4);
  EXPECT_EQ(q.BeadPatternTop(), 5);
  EXPECT_EQ(q.BaseBeadColor(), 0x112233u);
  EXPECT_EQ(q.BackGround(), 0x445566u);
  EXPECT_EQ(q.BeadWidth(), p->BeadWidth());
  EXPECT_EQ(q.ColorList().size(), 10u);
  ASSERT_EQ(q.Beads().size(), p->Beads().size());
  for (std::size_t i = 0; i < q.Beads().size(); ++i) {
    EXPECT_EQ(q.Beads()[i].Color, p->Beads()[i].Color);
    EXPECT_EQ(q.Beads()[i].State, p->Beads()[i].State);
    EXPECT_EQ(q.Beads()[i].Row, p->Beads()[i].Row);
    EXPECT_EQ(q.Beads()[i].Column, p->Beads()[i].Column);
  }
  EXPECT_TRUE(Ui.Messages.empty());
}

TEST_F(PatternFile, EveryRecordMayCarryEitherMark) {
  auto p = MakeChart(BPsquare, 2, 2);
  ASSERT_TRUE(p->WritePatternFile(Name));
  QByteArray d = ReadAll(Name);
  for (int i = 0; i < 4; ++i) d[32 + 10 * i + 1] = char(0xCA);
  WriteAll(Name, d);
  TBeadPattern q(6, 9);
  EXPECT_TRUE(q.ReadPatternFile(Name));
}

TEST_F(PatternFile, AnEmptyChartWritesItsHeaderAlone) {
  auto p = MakeChart(BPsquare, 0, 3);
  ASSERT_TRUE(p->WritePatternFile(Name));
  EXPECT_EQ(ReadAll(Name).size(), 32);
  TBeadPattern q(6, 9);
  EXPECT_TRUE(q.ReadPatternFile(Name));
  EXPECT_EQ(q.BeadPatternHeight(), 3);
}

struct BadFile {
  const char* Name;
  void (*Spoil)(QByteArray&);
  const char* Message;
};

class PatternFileRefusal : public PatternFile, public ::testing::WithParamInterface<BadFile> {};

TEST_P(PatternFileRefusal, RefusesWithItsMessageAndLeavesTheModelAsItWas) {
  auto p = MakeChart(BPsquare, 3, 2);
  ASSERT_TRUE(p->WritePatternFile(Name));
  QByteArray d = ReadAll(Name);
  GetParam().Spoil(d);
  WriteAll(Name, d);

  auto q = MakeChart(BPpeyote, 4, 4);
  q->PaintBeadAt(nullptr, nullptr, 3, BeadPainted, 0x0000FF, true);
  const auto before = q->Beads();
  EXPECT_FALSE(q->ReadPatternFile(Name));
  EXPECT_EQ(Ui.Texts(), QStringList{GetParam().Message});
  EXPECT_EQ(q->BeadPattern(), BPpeyote);
  EXPECT_EQ(q->BeadPatternWidth(), 4);
  ASSERT_EQ(q->Beads().size(), before.size());
  EXPECT_EQ(q->Beads()[3].Color, 0x0000FFu);
  // The chart still works: its layout and lookups are intact.
  TBeadHit hit;
  EXPECT_TRUE(q->FindBeadInfo(before[5].Left + 1, before[5].Top + 1, hit));
  EXPECT_EQ(hit.Index, 5);
}

const char* const ReadFailure = "File Read Failure.";
const char* const WrongVersion = "Wrong version or incompatable file.";

INSTANTIATE_TEST_SUITE_P(
    Files, PatternFileRefusal,
    ::testing::Values(
        BadFile{"WrongVersion", [](QByteArray& d) { SetWord(d, 0, 0x1001); }, WrongVersion},
        BadFile{"Empty", [](QByteArray& d) { d.clear(); }, ReadFailure},
        BadFile{"ShorterThanHeader", [](QByteArray& d) { d.truncate(20); }, ReadFailure},
        BadFile{"MissingRecord", [](QByteArray& d) { d.truncate(d.size() - 10); }, ReadFailure},
        BadFile{"RecordCutShort", [](QByteArray& d) { d.truncate(d.size() - 3); }, ReadFailure},
        BadFile{"MoreBeadsAnnounced", [](QByteArray& d) { SetWord(d, 16, 7); }, ReadFailure},
        BadFile{"CountNotWidthTimesHeight", [](QByteArray& d) { SetWord(d, 16, 5); d.truncate(82); }, ReadFailure},
        BadFile{"HugeCount", [](QByteArray& d) { SetWord(d, 18, 0xFFFF); }, ReadFailure},
        BadFile{"BadMark", [](QByteArray& d) { d[32 + 21] = 0x34; }, ReadFailure},
        BadFile{"BadState", [](QByteArray& d) { d[32 + 24] = 1; }, ReadFailure},
        BadFile{"BadStyle", [](QByteArray& d) { SetWord(d, 2, 6); }, ReadFailure},
        BadFile{"NotRowMajor", [](QByteArray& d) { SetWord(d, 32 + 10 + 8, 2); SetWord(d, 32 + 20 + 8, 1); }, ReadFailure},
        BadFile{"WrongRow", [](QByteArray& d) { SetWord(d, 32 + 50 + 6, 0); }, ReadFailure},
        BadFile{"TooWideForSixteenBits", [](QByteArray& d) {
                  SetWord(d, 10, 30000); }, ReadFailure},
        BadFile{"OriginPushesBeadsOut", [](QByteArray& d) { SetWord(d, 14, 65530); }, ReadFailure}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(PatternFile, MissingFileIsASystemError) {
  TBeadPattern q(6, 9);
  EXPECT_FALSE(q.ReadPatternFile(Dir.filePath("nothing.bfp")));
  ASSERT_EQ(Ui.Messages.size(), 1u);
  EXPECT_EQ(Ui.Messages[0].Caption, "GetLastError");
  EXPECT_EQ(Ui.Messages[0].Icon, TIcon::Information);
  EXPECT_FALSE(Ui.Messages[0].Text.isEmpty());
}

TEST_F(PatternFile, AFailedWriteSaysSoAndLeavesTheOldFile) {
  auto p = MakeChart(BPsquare, 2, 2);
  ASSERT_TRUE(p->WritePatternFile(Name));
  const QByteArray old = ReadAll(Name);
  EXPECT_FALSE(p->WritePatternFile(Dir.filePath("no/such/dir/x.bfp")));
  ASSERT_EQ(Ui.Messages.size(), 1u);
  EXPECT_EQ(Ui.Messages[0].Caption, "GetLastError");
  // A directory where the file should go cannot be replaced either.
  QDir(Dir.path()).mkdir("taken.bfp");
  EXPECT_FALSE(p->WritePatternFile(Dir.filePath("taken.bfp")));
  EXPECT_EQ(ReadAll(Name), old);
}

}  // namespace
