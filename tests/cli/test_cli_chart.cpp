#include "CliRunner.h"
#include "model/Beads_Classes.h"

#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class Cli : public ::testing::Test {
protected:
  QTemporaryDir Dir;
  QString Path(const char* name) const { return Dir.filePath(QString::fromLatin1(name)); }
};

TEST_F(Cli, NewThenInfoPrintsTheChartAsAWindowOpensIt) {
  ASSERT_EQ(RunCli({"new", "--width", "30", "--height", "20", "--style", "peyote", Path("a.bfp")}).Exit, 0);
  const TCliRun run = RunCli({"info", Path("a.bfp")});
  ASSERT_EQ(run.Exit, 0) << run.Err.toStdString();
  EXPECT_EQ(run.Out,
            "Width in beads .... 30\nHeight in beads ... 20\nBitmap Width ...... 218\n"
            "Bitmap Height ..... 214\nTotal Beads ....... 600\n\n"
            "Painted beads ..... 0\nBase beads ........ 600\nRemoved beads ..... 0\n");
}

TEST_F(Cli, InfoCountsBeadsAndListsColoursByCountThenName) {
  TBeadPattern p(6, 9);
  p.SetBeadPatternWidth(4);
  p.SetBeadPatternHeight(2);
  p.SetBeadSlackTop(3);
  p.NewPattern(BPbrick);
  const TColor blue = 0xFF0000, red = 0x0000FF, black = 0;
  for (int i : {0, 1}) p.PaintBeadAt(nullptr, nullptr, i, BeadPainted, blue, true);
  for (int i : {2, 3}) p.PaintBeadAt(nullptr, nullptr, i, BeadPainted, red, true);
  p.PaintBeadAt(nullptr, nullptr, 4, BeadPainted, black, true);
  p.PaintBeadAt(nullptr, nullptr, 5, BeadRemoved, 0, true);
  ASSERT_TRUE(p.WritePatternFile(Path("c.bfp")));
  const TCliRun run = RunCli({"info", Path("c.bfp")});
  ASSERT_EQ(run.Exit, 0);
  EXPECT_EQ(run.Out,
            "Width in beads .... 4\nHeight in beads ... 2\nBitmap Width ...... 54\n"
            "Bitmap Height ..... 28\nTotal Beads ....... 8\n\n"
            "Painted beads ..... 5\nBase beads ........ 2\nRemoved beads ..... 1\n"
            "#0000FF 2\n#FF0000 2\n#000000 1\n");
}

TEST_F(Cli, RenderDrawsTheChartPixelForPixel) {
  TBeadPattern p(6, 9);
  p.SetBeadPatternWidth(3);
  p.SetBeadPatternHeight(2);
  p.NewPattern(BPsquare);
  p.PaintBeadAt(nullptr, nullptr, 4, BeadPainted, 0x0000FF, true);
  ASSERT_TRUE(p.WritePatternFile(Path("r.bfp")));
  const TCliRun run = RunCli({"render", Path("r.bfp"), Path("r.png"), "--zoom", "2.25",
                              "--row-gap", "2", "--column-gap", "3", "--background", "102030"});
  ASSERT_EQ(run.Exit, 0) << run.Err.toStdString();
  const QImage image(Path("r.png"));
  ASSERT_EQ(image.size(), QSize((13 + 3) * 3 + 8, 10 + 2 * (20 + 2)));
  // Bead 4 (row 1, column 1): left 5 + 16, top 5 + 22, 13 by 20 pixels.
  const QRgb background = qRgb(0x10, 0x20, 0x30);
  EXPECT_EQ(image.pixel(0, 0), background);
  EXPECT_EQ(image.pixel(21, 27), background);           // a corner of bead 4
  EXPECT_EQ(image.pixel(22, 28), qRgb(255, 0, 0));      // inside bead 4: red
  EXPECT_EQ(image.pixel(21 + 12, 27 + 19), background);  // its far corner
  EXPECT_EQ(image.pixel(21 + 13, 28), background);      // the gap after it
  EXPECT_EQ(image.pixel(6, 6), qRgb(0xC0, 0xC0, 0xC0));  // a base bead
}

TEST_F(Cli, RenderCanChangeTheStyleAndWritesBitmaps) {
  ASSERT_EQ(RunCli({"new", "--width", "5", "--height", "4", Path("s.bfp")}).Exit, 0);
  ASSERT_EQ(RunCli({"render", Path("s.bfp"), Path("s.bmp"), "--style", "brick"}).Exit, 0);
  const QImage image(Path("s.bmp"));
  EXPECT_EQ(image.size(), TBeadPattern::PictureSize(BPbrick, 5, 4, 1.0f, 1, 1));
  EXPECT_EQ(image.pixel(5, 12), qRgb(0x80, 0x80, 0x80));  // corner of bead (1, 0)
  EXPECT_EQ(image.pixel(6, 12), qRgb(0xC0, 0xC0, 0xC0));
}

struct Refusal {
  QStringList Args;
  int Exit;
  const char* Says;  // part of stderr
};

TEST_F(Cli, WrongArgumentsGiveTheUsageAndRefusedFilesTheirMessage) {
  QFile bad(Path("bad.bfp"));
  ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
  bad.write(QByteArray::fromHex("0110"));
  bad.close();
  ASSERT_EQ(RunCli({"new", "--width", "2", "--height", "2", Path("ok.bfp")}).Exit, 0);
  const std::vector<Refusal> cases = {
      {{}, 2, "Usage"},
      {{"frobnicate"}, 2, "unknown command"},
      {{"new", "--width", "2", Path("x.bfp")}, 2, "Usage"},
      {{"new", "--width", "x", "--height", "2", Path("x.bfp")}, 2, "Usage"},
      {{"new", "--width", "2", "--height", "2", "--style", "loom", Path("x.bfp")}, 2, "unknown style"},
      {{"new", "--width", "10000", "--height", "2", Path("x.bfp")}, 1, "too large"},
      {{"info"}, 2, "Usage"},
      {{"info", Path("bad.bfp")}, 1, "Wrong version or incompatable file."},
      {{"info", Path("none.bfp")}, 1, "No such file"},
      {{"render", Path("ok.bfp"), Path("o.gif")}, 2, ".bmp or .png"},
      {{"render", Path("ok.bfp"), Path("o.png"), "--zoom", "1.1"}, 2, "--zoom"},
      {{"render", Path("ok.bfp"), Path("o.png"), "--zoom", "2.5"}, 2, "--zoom"},
      {{"render", Path("ok.bfp"), Path("o.png"), "--row-gap", "0"}, 2, "gaps"},
      {{"render", Path("ok.bfp"), Path("o.png"), "--background", "12345"}, 2, "--background"},
      {{"render", Path("ok.bfp"), Path("o.png"), "--bogus"}, 2, "unknown option"},
      {{"render", Path("bad.bfp"), Path("o.png")}, 1, "Wrong version"},
  };
  for (const Refusal& c : cases) {
    const TCliRun run = RunCli(c.Args);
    EXPECT_EQ(run.Exit, c.Exit) << c.Args.join(' ').toStdString();
    EXPECT_TRUE(run.Err.contains(QString::fromLatin1(c.Says)))
        << c.Args.join(' ').toStdString() << ": " << run.Err.toStdString();
  }
  EXPECT_FALSE(QFile::exists(Path("x.bfp")));
  EXPECT_FALSE(QFile::exists(Path("o.png")));
}

TEST_F(Cli, HelpOnTheToolAndEachCommand) {
  for (const QStringList& args : {QStringList{"--help"}, QStringList{"new", "--help"},
                                  QStringList{"info", "--help"}, QStringList{"render", "--help"}}) {
    const TCliRun run = RunCli(args);
    EXPECT_EQ(run.Exit, 0) << args.join(' ').toStdString();
    EXPECT_TRUE(run.Out.contains("glintweave-cli")) << args.join(' ').toStdString();
  }
}

}  // namespace
