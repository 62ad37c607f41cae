// glintweave-cli convert and palette, run as the built program.
#include "CliRunner.h"
#include "conversion/LoadImage.h"
#include "conversion/ScanForm_Walk.h"
#include "model/Beads_Classes.h"
#include "palette/Pallet_File.h"
#include "platform/ScriptedUserInterface.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtEndian>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

const QString Demo = QStringLiteral(GLINTWEAVE_TESTDATA "/demo.bmp");

class CliConvert : public ::testing::Test {
protected:
  QString Path(const char* name) const { return Dir.filePath(QString::fromLatin1(name)); }
  QString WriteBytes(const char* name, const QByteArray& bytes) {
    QFile f(Path(name));
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return Path(name);
  }
  QTemporaryDir Dir;
  TScriptedUserInterface Ui;
  TScopedUI Scope{Ui};
};

// What the conversion window's walk gives for the same picture and settings.
ConvertedBeads ConvertInProcess(const QString& file, const TWalkSettings& settings,
                                TWalkResult* result = nullptr) {
  TImageLoad reader;
  TPicture source, work;
  EXPECT_TRUE(LoadPicture(reader, file, source, work));
  ConvertedBeads beads;
  const TWalkResult r = WalkCells(work, settings, beads);
  if (result) *result = r;
  return beads;
}

struct TConvertCase {
  const char* Style;
  EPattern Pattern;
  int BeadSize;
  const char* Reduce;
  std::uint8_t Mask;
};

class CliConvertStyles : public CliConvert, public ::testing::WithParamInterface<TConvertCase> {};

TEST_P(CliConvertStyles, WritesTheChartTheWalkGives) {
  const TConvertCase& c = GetParam();
  const TCliRun run = RunCli({"convert", Demo, Path("out.bfp"), "--style", c.Style, "--bead-size",
                              QString::number(c.BeadSize), "--reduce", c.Reduce});
  ASSERT_EQ(run.Exit, 0) << run.Err.toStdString();

  TWalkSettings s;
  s.BeadSize = c.BeadSize;
  s.ConvertStyle = c.Pattern;
  s.ReduceMask = c.Mask;
  s.Converting = true;
  TWalkResult expected;
  const ConvertedBeads beads = ConvertInProcess(Demo, s, &expected);
  EXPECT_EQ(run.Out, QStringLiteral("Rows %1\nColumns %2\n").arg(expected.Rows).arg(expected.Columns));
  // Not a terminal: no bar.
  EXPECT_TRUE(run.Err.isEmpty()) << run.Err.toStdString();

  TBeadPattern chart;
  ASSERT_TRUE(chart.ReadPatternFile(Path("out.bfp")));
  EXPECT_EQ(chart.BeadPattern(), c.Pattern);
  EXPECT_EQ(chart.BeadPatternWidth(), expected.Columns);
  EXPECT_EQ(chart.BeadPatternHeight(), expected.Rows);
  ASSERT_EQ(chart.Beads().size(), beads.size());
  for (size_t i = 0; i < beads.size(); ++i) {
    ASSERT_EQ(chart.Beads()[i].Color, beads[i].Color) << i;
    ASSERT_EQ(chart.Beads()[i].State, BeadPainted);
  }
}

INSTANTIATE_TEST_SUITE_P(Styles, CliConvertStyles,
                         ::testing::Values(TConvertCase{"square", BPsquare, 13, "0", ReduceNone},
                                           TConvertCase{"brick", BPbrick, 9, "12", Reduce12},
                                           TConvertCase{"peyote", BPpeyote, 22, "25", Reduce25},
                                           TConvertCase{"two-drop", BP2DropPeyote, 17, "38", Reduce38},
                                           TConvertCase{"loom", BPloom, 5, "50", Reduce50}),
                         [](const auto& info) {
                           std::string name = info.param.Style;
                           name.erase(std::remove(name.begin(), name.end(), '-'), name.end());
                           return name;
                         });

TEST_F(CliConvert, DefaultsAreSquareBeadSizeThirteenNoReduction) {
  const TCliRun run = RunCli({"convert", Demo, Path("d.bfp")});
  ASSERT_EQ(run.Exit, 0);
  // 160 by 120 pixels in cells of 8 by 12.
  EXPECT_EQ(run.Out, QStringLiteral("Rows 9\nColumns 19\n"));
  TBeadPattern chart;
  ASSERT_TRUE(chart.ReadPatternFile(Path("d.bfp")));
  EXPECT_EQ(chart.BeadPattern(), BPsquare);
  EXPECT_EQ(chart.Beads().size(), 9u * 19u);
}

TEST_F(CliConvert, PreviewIsTheWalkedPicture) {
  for (const char* name : {"p.png", "p.bmp"}) {
    SCOPED_TRACE(name);
    const TCliRun run = RunCli({"convert", Demo, Path("p.bfp"), "--preview", Path(name)});
    ASSERT_EQ(run.Exit, 0) << run.Err.toStdString();
    const QImage preview(Path(name));
    ASSERT_EQ(preview.size(), QSize(160, 120));

    TImageLoad reader;
    TPicture source, work;
    ASSERT_TRUE(LoadPicture(reader, Demo, source, work));
    TWalkSettings s;
    s.Converting = true;
    ConvertedBeads beads;
    WalkCells(work, s, beads);
    for (int y = 0; y < 120; ++y)
      for (int x = 0; x < 160; ++x)
        ASSERT_EQ(FromQRgb(preview.pixel(x, y)), work.Pixel(x, y)) << x << "," << y;
  }
}

TEST_F(CliConvert, RefusedPictureShowsTheReadersMessage) {
  QFile demo(Demo);
  ASSERT_TRUE(demo.open(QIODevice::ReadOnly));
  const QByteArray bytes = demo.readAll();
  struct {
    QByteArray Bytes;
    const char* Message;
  } cases[] = {{"MB" + bytes.mid(2), "Bad file or not a bitmap file"},
               {bytes + "x", "Currupted file structor"}};
  for (const auto& c : cases) {
    const TCliRun run = RunCli({"convert", WriteBytes("bad.bmp", c.Bytes), Path("bad.bfp")});
    EXPECT_EQ(run.Exit, 1);
    EXPECT_TRUE(run.Err.contains(QString::fromLatin1(c.Message))) << run.Err.toStdString();
    EXPECT_FALSE(QFile::exists(Path("bad.bfp")));
  }
}

TEST_F(CliConvert, UndecodableMissingAndTinyPicturesFail) {
  QImage tiny(8, 8, QImage::Format_RGB32);
  tiny.fill(Qt::red);
  ASSERT_TRUE(tiny.save(Path("tiny.bmp"), "BMP"));
  QByteArray junk = QByteArray("BM") + QByteArray(4, '\0') + QByteArray(60, '\0');
  qToLittleEndian<quint32>(quint32(junk.size()), junk.data() + 2);
  const struct {
    QString File;
    QString Message;
  } cases[] = {{WriteBytes("junk.bmp", junk), UndecodableText()},
               {Path("missing.bmp"), QStringLiteral("cannot read")},
               {Path("tiny.bmp"), QStringLiteral("too small")}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.File.toStdString());
    const TCliRun run = RunCli({"convert", c.File, Path("x.bfp")});
    EXPECT_EQ(run.Exit, 1);
    EXPECT_TRUE(run.Err.contains(c.Message)) << run.Err.toStdString();
    EXPECT_FALSE(QFile::exists(Path("x.bfp")));
  }
}

TEST_F(CliConvert, WrongArgumentsAreUsageErrors) {
  const QStringList bad[] = {{"convert"},
                             {"convert", Demo},
                             {"convert", Demo, "o.bfp", "--style", "cheyenne"},
                             {"convert", Demo, "o.bfp", "--bead-size", "0"},
                             {"convert", Demo, "o.bfp", "--bead-size", "23"},
                             {"convert", Demo, "o.bfp", "--reduce", "13"},
                             {"convert", Demo, "o.bfp", "--preview", "p.jpg"},
                             {"convert", Demo, "o.bfp", "--zoom", "2"}};
  for (const QStringList& args : bad) {
    const TCliRun run = RunCli(args);
    EXPECT_EQ(run.Exit, 2) << args.join(' ').toStdString();
    EXPECT_TRUE(run.Err.contains("Usage")) << run.Err.toStdString();
  }
  const TCliRun help = RunCli({"convert", "--help"});
  EXPECT_EQ(help.Exit, 0);
  EXPECT_TRUE(help.Out.contains("--bead-size 1..22"));
}

TEST_F(CliConvert, PaletteNewAndDefaultWriteAndPrint) {
  ASSERT_EQ(RunCli({"palette", "--new", Path("new.pal")}).Exit, 0);
  QFile f(Path("new.pal"));
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.size(), 288);
  TCliRun run = RunCli({"palette", Path("new.pal")});
  ASSERT_EQ(run.Exit, 0);
  QStringList lines = run.Out.split('\n', Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 10);
  EXPECT_EQ(lines[0], "0\t0\t1\t#000000\tColor1\tC");
  EXPECT_EQ(lines[9], "9\t0\t1\t#000000\tColor10\tC");

  ASSERT_EQ(RunCli({"palette", "--default", Path("def.pal")}).Exit, 0);
  run = RunCli({"palette", Path("def.pal")});
  ASSERT_EQ(run.Exit, 0);
  lines = run.Out.split('\n', Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 10);
  EXPECT_EQ(lines[0], "0\t1\t0\t#FF0000\tRed\tR");
  EXPECT_EQ(lines[1], "1\t1\t0\t#00FFFF\tAqua\tA");
  EXPECT_EQ(lines[8], "8\t1\t0\t#800000\tMaroon\tY");
  EXPECT_EQ(lines[9], "9\t1\t0\t#0000FF\tBlue\tB");

  // The file the command wrote is the one the library writes.
  TColorList defaults;
  AddDefaultColors(defaults);
  QFile d(Path("def.pal"));
  ASSERT_TRUE(d.open(QIODevice::ReadOnly));
  EXPECT_EQ(d.readAll(), PaletteFileBytes(defaults));
}

TEST_F(CliConvert, PaletteRefusalsAndUsage) {
  TCliRun run = RunCli({"palette", WriteBytes("bad.pal", QByteArray("HEY\x01\0\0\0\0", 8))});
  EXPECT_EQ(run.Exit, 1);
  EXPECT_TRUE(run.Err.contains("Not a Palette File")) << run.Err.toStdString();
  run = RunCli({"palette", Path("missing.pal")});
  EXPECT_EQ(run.Exit, 1);
  EXPECT_FALSE(run.Err.isEmpty());
  EXPECT_EQ(RunCli({"palette"}).Exit, 2);
  EXPECT_EQ(RunCli({"palette", "--new", "--default", Path("x.pal")}).Exit, 2);
  EXPECT_EQ(RunCli({"palette", "--bogus", Path("x.pal")}).Exit, 2);
  run = RunCli({"palette", "--help"});
  EXPECT_EQ(run.Exit, 0);
  EXPECT_TRUE(run.Out.contains("--default OUT.pal"));
}

TEST_F(CliConvert, PaletteNamesWithControlCharactersPrintSafely) {
  TColorList list{MakeColorEntry(QStringLiteral("a\tb\nc"), 'Q', 0x010203)};
  ASSERT_TRUE(SavePalette(list, Path("ctl.pal")));
  const TCliRun run = RunCli({"palette", Path("ctl.pal")});
  ASSERT_EQ(run.Exit, 0);
  EXPECT_EQ(run.Out, "0\t1\t0\t#030201\ta?b?c\tQ\n");
}

}  // namespace
