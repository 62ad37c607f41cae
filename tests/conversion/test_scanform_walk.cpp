// The cell walk: cell placement per style, averages, reduction, painting,
// outlines, read-outs, progress, cancelling and the chart made from its result.
#include "conversion/ScanForm_Walk.h"
#include "platform/ScriptedUserInterface.h"

#include "ConversionFixtures.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

class TRecordingSink : public TProgressSink {
public:
  void Progress(int percent) override { Values.push_back(percent); }
  std::vector<int> Values;
};

TWalkSettings Converting(EPattern style = BPsquare, int beadSize = 13,
                         std::uint8_t mask = ReduceNone) {
  TWalkSettings s;
  s.BeadSize = beadSize;
  s.ConvertStyle = style;
  s.ReduceMask = mask;
  s.Converting = true;
  return s;
}

// Pixel (x, y) carries x in red and y in green, so an average tells where a
// cell was sampled.
TColor Position(int x, int y) { return MakeColor(unsigned(x), unsigned(y), 0x40); }

TEST(CellSize, FollowsBeadSizeAndStyle) {
  struct {
    int Bead;
    EPattern Style;
    int W, H;
  } cases[] = {{1, BPsquare, 108, 162}, {13, BPsquare, 8, 12}, {13, BPbrick, 12, 8},
               {22, BPpeyote, 4, 7},   {22, BPbrick, 7, 4},   {13, BP2DropPeyote, 8, 12}};
  for (const auto& c : cases) {
    EXPECT_EQ(CellWidth(c.Bead, c.Style), c.W) << c.Bead << " " << int(c.Style);
    EXPECT_EQ(CellHeight(c.Bead, c.Style), c.H) << c.Bead << " " << int(c.Style);
  }
}

TEST(WalkCells, SquareHundredByHundred) {
  TPicture work;
  FillPicture(work, 100, 100, Position);
  ConvertedBeads beads;
  TRecordingSink sink;
  const TWalkResult r = WalkCells(work, Converting(), beads, &sink);
  EXPECT_EQ(r.Rows, 8);
  EXPECT_EQ(r.Columns, 12);
  EXPECT_FALSE(r.Cancelled);
  ASSERT_EQ(beads.size(), 96u);
  for (size_t i = 0; i < beads.size(); ++i) {
    const ConvertedBead& b = beads[i];
    ASSERT_EQ(b.Row, i / 12);
    ASSERT_EQ(b.Column, i % 12);
    EXPECT_EQ(b.Status, BeadPainted);
    EXPECT_EQ(b.Style, BPsquare);
    // Cell at x = 1 + 8c, y = 1 + 12r; 7 by 11 pixels sampled.
    const unsigned x0 = 1 + 8 * b.Column, y0 = 1 + 12 * b.Row;
    EXPECT_EQ(b.Color, MakeColor(x0 + 3, y0 + 5, 0x40)) << i;
  }
  // N is 12 times 8 = 96: the last cell reports trunc(95 / 96 * 100).
  ASSERT_FALSE(sink.Values.empty());
  EXPECT_EQ(sink.Values.front(), 0);
  EXPECT_EQ(sink.Values.back(), 98);
}

TEST(WalkCells, PaintsEachSampledAreaAndNothingElse) {
  TPicture work;
  FillPicture(work, 100, 100, Position);
  ConvertedBeads beads;
  WalkCells(work, Converting(), beads);
  const ConvertedBead& b = beads[13];  // row 1, column 1: x 9..15, y 13..23
  EXPECT_EQ(work.Pixel(9, 13), b.Color);
  EXPECT_EQ(work.Pixel(15, 23), b.Color);
  EXPECT_EQ(work.Pixel(16, 23), Position(16, 23));  // the cell's last column
  EXPECT_EQ(work.Pixel(15, 24), Position(15, 24));  // and last row stay
  EXPECT_EQ(work.Pixel(0, 0), Position(0, 0));
  EXPECT_EQ(work.Pixel(99, 99), Position(99, 99));
}

TEST(WalkCells, SixFortyByFourEighty) {
  TPicture work;
  work.SetSize(640, 480);
  ConvertedBeads beads;
  TRecordingSink sink;
  const TWalkResult r = WalkCells(work, Converting(), beads, &sink);
  EXPECT_EQ(r.Columns, 79);
  EXPECT_EQ(r.Rows, 39);
  EXPECT_EQ(beads.size(), 3081u);
  // N is 80 times 40 = 3200, so the bar ends at 96.
  EXPECT_EQ(sink.Values.back(), 96);
  for (size_t i = 1; i < sink.Values.size(); ++i) EXPECT_GT(sink.Values[i], sink.Values[i - 1]);
}

TEST(WalkCells, BrickShiftsEvenRowsAndClipsTheLastCell) {
  TPicture work;
  work.SetSize(100, 100);
  work.Fill(0x102030);
  ConvertedBeads beads;
  const TWalkResult r = WalkCells(work, Converting(BPbrick), beads);
  EXPECT_EQ(r.Columns, 8);
  EXPECT_EQ(r.Rows, 12);
  ASSERT_EQ(beads.size(), 96u);
  // The last cell of row 1 starts at 1 + 7 * 12 + 6 = 91 and reaches past the
  // right edge: only the pixels inside the picture count, so a uniform picture
  // stays uniform instead of turning paler.
  for (const ConvertedBead& b : beads) EXPECT_EQ(b.Color, 0x102030u) << b.Row << "," << b.Column;
}

TEST(WalkCells, BrickCellPlacement) {
  TPicture work;
  FillPicture(work, 100, 100, Position);
  ConvertedBeads beads;
  WalkCells(work, Converting(BPbrick), beads);
  // Cells 12 by 8, 11 by 7 sampled. Row 0 at x = 1, row 1 six pixels right.
  EXPECT_EQ(beads[0].Color, MakeColor(1 + 5, 1 + 3, 0x40));
  EXPECT_EQ(beads[8].Color, MakeColor(7 + 5, 9 + 3, 0x40));
  EXPECT_EQ(beads[16].Color, MakeColor(1 + 5, 17 + 3, 0x40));
  // Last cell of row 1: x 91..99 inside (101 would be outside), y 9..15.
  EXPECT_EQ(beads[15].Color, MakeColor(95, 12, 0x40));
}

TEST(WalkCells, PeyoteAndTwoDropSampleShiftedColumns) {
  struct {
    EPattern Style;
    std::vector<bool> Shifted;  // per column, repeating
  } cases[] = {{BPpeyote, {true, false}}, {BP2DropPeyote, {true, true, false, false}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(int(c.Style));
    TPicture work;
    FillPicture(work, 100, 100, Position);
    ConvertedBeads beads;
    WalkCells(work, Converting(c.Style), beads);
    ASSERT_EQ(beads.size(), 96u);
    for (const ConvertedBead& b : beads) {
      const bool shifted = c.Shifted[b.Column % c.Shifted.size()];
      const unsigned y0 = 1 + 12 * b.Row + (shifted ? 6 : 0);
      // The bottom row of shifted cells reaches past the picture (y up to 101).
      const unsigned y1 = std::min(y0 + 11, 100u);
      EXPECT_EQ(GreenOf(b.Color), (y0 + y1 - 1) / 2) << b.Row << "," << b.Column;
      EXPECT_EQ(RedOf(b.Color), 1 + 8 * b.Column + 3u);
    }
  }
}

TEST(WalkCells, LoomSamplesLikeSquare) {
  TPicture a, b;
  FillPicture(a, 60, 80, Position);
  FillPicture(b, 60, 80, Position);
  ConvertedBeads square, loom;
  WalkCells(a, Converting(BPsquare, 9), square);
  WalkCells(b, Converting(BPloom, 9), loom);
  ASSERT_EQ(square.size(), loom.size());
  for (size_t i = 0; i < square.size(); ++i) {
    EXPECT_EQ(square[i].Color, loom[i].Color);
    EXPECT_EQ(loom[i].Style, BPloom);
  }
}

TEST(WalkCells, ReductionMasksEveryChannel) {
  struct {
    std::uint8_t Mask;
    TColor Expected;
  } cases[] = {{ReduceNone, MakeColor(0x13, 0x57, 0x9B)}, {Reduce12, MakeColor(0x12, 0x56, 0x9A)},
               {Reduce25, MakeColor(0x10, 0x54, 0x98)},   {Reduce38, MakeColor(0x10, 0x50, 0x98)},
               {Reduce50, MakeColor(0x10, 0x50, 0x90)}};
  for (const auto& c : cases) {
    TPicture work;
    work.SetSize(50, 50);
    work.Fill(MakeColor(0x13, 0x57, 0x9B));
    ConvertedBeads beads;
    WalkCells(work, Converting(BPsquare, 13, c.Mask), beads);
    ASSERT_FALSE(beads.empty());
    for (const ConvertedBead& b : beads) EXPECT_EQ(b.Color, c.Expected) << int(c.Mask);
    EXPECT_EQ(work.Pixel(1, 1), c.Expected);
  }
}

TEST(WalkCells, PicturesTooSmallForACellGiveNone) {
  // Square, bead 13: cells 8 by 12, so a width of 10 or a height of 14 is too small.
  const QSize sizes[] = {{10, 100}, {100, 14}, {0, 0}, {1, 1}};
  for (const QSize& size : sizes) {
    TPicture work;
    work.SetSize(size.width(), size.height());
    ConvertedBeads beads;
    TRecordingSink sink;
    const TWalkResult r = WalkCells(work, Converting(), beads, &sink);
    EXPECT_TRUE(beads.empty());
    EXPECT_EQ(r.Rows, 1);
    EXPECT_EQ(r.Columns, 1);
    EXPECT_TRUE(sink.Values.empty());
  }
  TPicture justBig;
  justBig.SetSize(11, 15);
  ConvertedBeads beads;
  WalkCells(justBig, Converting(), beads);
  EXPECT_EQ(beads.size(), 1u);
}

TEST(WalkCells, CancelAfterTheTenthCellStopsBeforeTheEleventh) {
  TPicture work;
  FillPicture(work, 100, 100, Position);
  ConvertedBeads beads;
  TWalkSettings s = Converting();
  int asked = 0;
  s.CancelRequested = [&] {
    ++asked;
    return beads.size() >= 10;
  };
  const TWalkResult r = WalkCells(work, s, beads);
  EXPECT_TRUE(r.Cancelled);
  EXPECT_EQ(beads.size(), 10u);
  EXPECT_GE(asked, 11);
  // The eleventh cell was neither painted nor recorded.
  EXPECT_EQ(work.Pixel(1 + 8 * 10, 1), Position(1 + 8 * 10, 1));
  EXPECT_NE(work.Pixel(1 + 8 * 9, 1), Position(1 + 8 * 9, 1));
  // The read-outs name the cell the walk stopped at.
  EXPECT_EQ(r.Rows, 1);
  EXPECT_EQ(r.Columns, 11);
}

TEST(WalkCells, ReadOutsWithoutConvertingDrawNothing) {
  TPicture work;
  FillPicture(work, 100, 100, Position);
  ConvertedBeads beads;
  TWalkSettings s;
  const TWalkResult r = WalkCells(work, s, beads);
  EXPECT_EQ(r.Rows, 8);
  EXPECT_EQ(r.Columns, 12);
  EXPECT_TRUE(beads.empty());
  for (int y = 0; y < 100; y += 7)
    for (int x = 0; x < 100; x += 3) ASSERT_EQ(work.Pixel(x, y), Position(x, y));
}

TEST(WalkCells, OutlinesRunJustOutsideTheSampledArea) {
  TPicture work;
  work.SetSize(100, 100);
  ConvertedBeads beads;
  TWalkSettings s;
  s.OutlineBeads = true;
  WalkCells(work, s, beads);
  EXPECT_TRUE(beads.empty());
  // First cell (1, 1), 8 by 12: lines at x = 0 and 8, y = 0 and 12.
  EXPECT_EQ(work.Pixel(0, 0), CellOutlineColor);
  EXPECT_EQ(work.Pixel(8, 5), CellOutlineColor);
  EXPECT_EQ(work.Pixel(4, 12), CellOutlineColor);
  EXPECT_EQ(work.Pixel(4, 5), 0xFFFFFFu);
  EXPECT_EQ(work.Pixel(7, 11), 0xFFFFFFu);
}

TEST(WalkCells, OutlinesAndConvertingTogetherLeaveAveragesExact) {
  for (EPattern style : {BPbrick, BPpeyote, BP2DropPeyote, BPsquare}) {
    ConvertedBeads a, b;
    TPicture p1, p2;
    FillPicture(p1, 90, 90, Position);
    FillPicture(p2, 90, 90, Position);
    WalkCells(p1, Converting(style, 17), a);
    TWalkSettings s = Converting(style, 17);
    s.OutlineBeads = true;
    WalkCells(p2, s, b);
    ASSERT_EQ(a.size(), b.size());
    for (size_t i = 0; i < a.size(); ++i) EXPECT_EQ(a[i].Color, b[i].Color) << int(style) << " " << i;
  }
}

TEST(WalkCells, ReductionChosenDuringTheWalkAppliesFromTheNextCell) {
  TPicture work;
  work.SetSize(100, 100);
  work.Fill(MakeColor(0x13, 0x57, 0x9B));
  ConvertedBeads beads;
  TWalkSettings s = Converting();
  s.PumpIntervalMs = 0;
  s.Pump = [&] {
    if (beads.size() == 5) s.ReduceMask = Reduce50;
  };
  WalkCells(work, s, beads);
  ASSERT_EQ(beads.size(), 96u);
  for (size_t i = 0; i < beads.size(); ++i)
    EXPECT_EQ(beads[i].Color, i < 5 ? MakeColor(0x13, 0x57, 0x9B) : MakeColor(0x10, 0x50, 0x90)) << i;
}

TEST(WalkCells, PumpsAfterEveryCellOnlyWhenAskedTo) {
  TPicture work;
  work.SetSize(100, 100);
  ConvertedBeads beads;
  TWalkSettings s = Converting();
  int pumps = 0;
  s.Pump = [&] { ++pumps; };
  s.PumpIntervalMs = 0;
  WalkCells(work, s, beads);
  EXPECT_EQ(pumps, 96);
}

TEST(WalkCells, WalkOnSharedPixelsLeavesTheOtherPictureAlone) {
  TPicture source;
  FillPicture(source, 50, 50, Position);
  TPicture work;
  work.Assign(source.Image());
  ConvertedBeads beads;
  WalkCells(work, Converting(), beads);
  EXPECT_NE(work.Pixel(1, 1), Position(1, 1));
  EXPECT_EQ(source.Pixel(1, 1), Position(1, 1));
}

TEST(WalkCells, CancelledResultBecomesAFullGridChart) {
  TScriptedUserInterface ui;
  TScopedUI scope(ui);
  TPicture work;
  FillPicture(work, 100, 100, Position);
  ConvertedBeads beads;
  TWalkSettings s = Converting(BPpeyote);
  s.CancelRequested = [&] { return beads.size() >= 30; };  // row 2 stops after 6 cells
  WalkCells(work, s, beads);
  ASSERT_EQ(beads.size(), 30u);
  TBeadPattern pattern;
  ASSERT_TRUE(pattern.ImportBeads(beads));
  EXPECT_EQ(pattern.BeadPatternWidth(), 12);
  EXPECT_EQ(pattern.BeadPatternHeight(), 2);
  EXPECT_EQ(pattern.Beads().size(), 24u);
  EXPECT_EQ(pattern.BeadPattern(), BPpeyote);
  EXPECT_EQ(pattern.Beads()[23].Color, beads[23].Color);
  EXPECT_TRUE(ui.Messages.empty());
}

}  // namespace
