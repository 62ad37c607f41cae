// Shape tracing against the real model: which beads a line, rectangle or
// ellipse takes, and the line deviation's effect.
#include "ChartFixture.h"
#include "chartwindow/ChildWin_Shapes.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <string>
#include <set>

namespace {

std::string TestName(const char* name) {
  std::string s;
  for (const char* p = name; *p; ++p) s += std::isalnum((unsigned char)*p) ? *p : '_';
  return s;
}

TEST(IndexList, ListsEachIndexOnceInOrderFound) {
  TIndexList list;
  EXPECT_TRUE(list.Add(112));
  EXPECT_TRUE(list.Add(12));  // the tail of a listed index is still new
  EXPECT_FALSE(list.Add(112));
  EXPECT_TRUE(list.Add(3));
  EXPECT_EQ(list.Text(), QStringLiteral("112:12:3:"));
  EXPECT_EQ(list.Indices(), (std::vector<int>{112, 12, 3}));
  list.Blank();
  EXPECT_EQ(list.Text(), QStringLiteral(" "));
  EXPECT_TRUE(list.IsEmpty());
  EXPECT_TRUE(list.Add(112));
  EXPECT_EQ(list.Text(), QStringLiteral(" 112:"));
}

struct DeviationCase {
  float Deviation;
  int Left, Top, Right, Bottom;
  int X, Y;
  bool Taken;
};

class Deviation : public ::testing::TestWithParam<DeviationCase> {};

TEST_P(Deviation, TakesOnlyPixelsCloseToTheMiddle) {
  const DeviationCase& c = GetParam();
  TTestChart chart(BPsquare, 4, 4);
  TShapeTracer tracer(chart.Pattern);
  tracer.LineDeviation = c.Deviation;
  TBeadHit bead;
  bead.Left = c.Left, bead.Top = c.Top, bead.Right = c.Right, bead.Bottom = c.Bottom;
  EXPECT_EQ(tracer.PassesDeviation(bead, c.X, c.Y), c.Taken)
      << c.Deviation << " at " << c.X << "," << c.Y;
}

// A zoom-1 bead is (5,5)-(11,14): 6 by 9.
INSTANTIATE_TEST_SUITE_P(
    Cases, Deviation,
    ::testing::Values(
        // 0.10: tw = th = 0, strictly inside the rectangle
        DeviationCase{0.10f, 5, 5, 11, 14, 6, 6, true},
        DeviationCase{0.10f, 5, 5, 11, 14, 5, 9, false},
        DeviationCase{0.10f, 5, 5, 11, 14, 11, 9, false},
        DeviationCase{0.10f, 5, 5, 11, 14, 10, 13, true},
        DeviationCase{0.10f, 5, 5, 11, 14, 8, 14, false},
        // 0.35: tw = 2, th = 3: only x = left + 3, y = top + 4 or top + 5
        DeviationCase{0.35f, 5, 5, 11, 14, 7, 9, false},
        DeviationCase{0.35f, 5, 5, 11, 14, 8, 9, true},
        DeviationCase{0.35f, 5, 5, 11, 14, 9, 9, false},
        DeviationCase{0.35f, 5, 5, 11, 14, 8, 8, false},
        DeviationCase{0.35f, 5, 5, 11, 14, 8, 10, true},
        DeviationCase{0.35f, 5, 5, 11, 14, 8, 11, false},
        // a 20-pixel bead at 0.35 keeps 7 pixels each side, as the value reads
        DeviationCase{0.35f, 0, 0, 20, 13, 7, 6, false},
        DeviationCase{0.35f, 0, 0, 20, 13, 8, 6, true},
        DeviationCase{0.35f, 0, 0, 20, 13, 12, 6, true},
        DeviationCase{0.35f, 0, 0, 20, 13, 13, 6, false}));

struct LineCase {
  const char* Name;
  float Deviation;
  int R1, C1, R2, C2;
  std::vector<int> Expected;  // on a 20 by 20 square chart at zoom 1
};

class Line : public ::testing::TestWithParam<LineCase> {};

TEST_P(Line, TakesTheBeadsItPassesNearTheMiddleOf) {
  const LineCase& c = GetParam();
  TTestChart chart(BPsquare, 20, 20);
  TShapeTracer tracer(chart.Pattern);
  tracer.LineDeviation = c.Deviation;
  const QPoint a = chart.Centre(c.R1, c.C1), b = chart.Centre(c.R2, c.C2);
  tracer.DrawLine(a.x(), a.y(), b.x(), b.y());
  EXPECT_EQ(tracer.OutlineText.Text(), IndexText(c.Expected)) << c.Name;
  ASSERT_EQ(tracer.OutlineText.Outlines().size(), c.Expected.size());
  for (std::size_t i = 0; i < c.Expected.size(); ++i) {
    const StoredBead& bead = chart.Pattern.Beads()[c.Expected[i]];
    EXPECT_EQ(tracer.OutlineText.Outlines()[i],
              QRect(QPoint(bead.Left - 1, bead.Top - 1), QPoint(bead.Right, bead.Bottom)));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Line,
    ::testing::Values(
        LineCase{"horizontal", 0.10f, 0, 0, 0, 5, {0, 1, 2, 3, 4, 5}},
        // traced right to left, in that order
        LineCase{"horizontal back", 0.10f, 0, 5, 0, 0, {5, 4, 3, 2, 1, 0}},
        // at 0.35 the first examined pixel of the start bead is off its middle
        LineCase{"horizontal 0.35", 0.35f, 0, 0, 0, 5, {1, 2, 3, 4, 5}},
        LineCase{"vertical", 0.10f, 0, 0, 3, 0, {0, 20, 40, 60}},
        // upward lines are traced downward
        LineCase{"vertical up", 0.10f, 3, 0, 0, 0, {0, 20, 40, 60}},
        LineCase{"vertical 0.35", 0.35f, 0, 0, 3, 0, {0, 20, 40, 60}},
        // passes over the corner of bead 1 without coming near its middle
        LineCase{"diagonal", 0.10f, 0, 0, 1, 1, {0, 21}},
        LineCase{"length zero", 0.10f, 2, 2, 2, 2, {}}),
    [](const auto& info) { return TestName(info.param.Name); });

TEST(Line, SecondLineFromTheLastEndTakesThatBeadAgain) {
  TTestChart chart(BPsquare, 20, 20);
  TShapeTracer tracer(chart.Pattern);
  QPoint a = chart.Centre(0, 0), b = chart.Centre(0, 3);
  tracer.DrawLine(a.x(), a.y(), b.x(), b.y());
  EXPECT_EQ(tracer.OutlineText.Text(), QStringLiteral("0:1:2:3:"));
  tracer.OutlineText.Clear();
  const QPoint c = chart.Centre(3, 3);
  tracer.DrawLine(b.x(), b.y(), c.x(), c.y());
  EXPECT_EQ(tracer.OutlineText.Text(), QStringLiteral("3:23:43:63:"));
}

TEST(Line, BlackBeadsAreTakenAndRemovedBeadsAreNot) {
  TTestChart chart(BPsquare, 20, 20);
  chart.Paint(0, 2, 0x000000);
  chart.Remove(0, 3);
  TShapeTracer tracer(chart.Pattern);
  const QPoint a = chart.Centre(0, 0), b = chart.Centre(0, 5);
  tracer.DrawLine(a.x(), a.y(), b.x(), b.y());
  EXPECT_EQ(tracer.OutlineText.Text(), QStringLiteral("0:1:2:4:5:"));
}

TEST(Line, FindsTheBeadsOfAStaggeredChart) {
  // Peyote columns are staggered; a line down one column stays in it.
  TTestChart chart(BPpeyote, 10, 10);
  TShapeTracer tracer(chart.Pattern);
  const QPoint a = chart.Centre(0, 1), b = chart.Centre(4, 1);
  tracer.DrawLine(a.x(), a.y(), b.x(), b.y());
  EXPECT_EQ(tracer.OutlineText.Text(), IndexText({1, 11, 21, 31, 41}));
}

struct RectCase {
  const char* Name;
  int R1, C1, R2, C2;
  bool Interior, FillPolygons;
  bool Result;
  QString Fill;
};

class Rectangle : public ::testing::TestWithParam<RectCase> {};

TEST_P(Rectangle, TracesTheSidesAndCollectsTheInterior) {
  const RectCase& c = GetParam();
  TTestChart chart(BPsquare, 20, 20);
  TShapeTracer tracer(chart.Pattern);
  tracer.FillPolygons = c.FillPolygons;
  const QPoint a = chart.Centre(c.R1, c.C1), b = chart.Centre(c.R2, c.C2);
  EXPECT_EQ(tracer.DrawRectangle(a.x(), a.y(), b.x(), b.y(), c.Interior), c.Result) << c.Name;
  EXPECT_EQ(tracer.FillText.Text(), c.Fill) << c.Name;
  // The outline holds exactly the border beads, each once.
  std::set<int> border;
  for (int r = std::min(c.R1, c.R2); r <= std::max(c.R1, c.R2); ++r)
    for (int col = std::min(c.C1, c.C2); col <= std::max(c.C1, c.C2); ++col)
      if (r == c.R1 || r == c.R2 || col == c.C1 || col == c.C2) border.insert(chart.Index(r, col));
  const std::vector<int>& got = tracer.OutlineText.Indices();
  EXPECT_EQ(std::set<int>(got.begin(), got.end()), border) << c.Name;
  EXPECT_EQ(got.size(), border.size()) << c.Name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Rectangle,
    ::testing::Values(
        RectCase{"three by three", 0, 0, 2, 2, true, true, true, QStringLiteral(" 21:")},
        RectCase{"two by two has no interior", 0, 0, 1, 1, true, true, false, QString()},
        RectCase{"four by five", 0, 0, 3, 4, true, true, true,
                 QStringLiteral(" 21:22:23:41:42:43:")},
        RectCase{"corners reversed", 3, 4, 0, 0, true, true, true,
                 QStringLiteral(" 21:22:23:41:42:43:")},
        RectCase{"other diagonal", 0, 4, 3, 0, true, true, true,
                 QStringLiteral(" 21:22:23:41:42:43:")},
        RectCase{"fill polygons off", 0, 0, 2, 2, true, false, true, QString()},
        RectCase{"interior not asked", 0, 0, 2, 2, false, true, true, QString()}),
    [](const auto& info) { return TestName(info.param.Name); });

TEST(Rectangle, OutlineOfThreeByThreeRunsRoundTheSides) {
  TTestChart chart(BPsquare, 20, 20);
  TShapeTracer tracer(chart.Pattern);
  const QPoint a = chart.Centre(0, 0), b = chart.Centre(2, 2);
  tracer.DrawRectangle(a.x(), a.y(), b.x(), b.y(), false);
  EXPECT_EQ(tracer.OutlineText.Text(), IndexText({0, 1, 2, 22, 42, 41, 40, 20}));
}

// Square beads at zoom 1 are 7 pixels apart in a row, so a circle centred on a
// bead is mirrored exactly left and right.
TEST(Ellipse, CircleTakesItsAxisBeadsAndIsMirroredLeftAndRight) {
  TTestChart chart(BPsquare, 12, 12);
  TShapeTracer tracer(chart.Pattern);
  const QPoint c = chart.Centre(5, 5);
  const int r = 3 * chart.Pattern.ColumnPitch();
  tracer.DrawEllipse(c.x(), c.y(), r, r);
  const std::vector<int>& got = tracer.OutlineText.Indices();
  const std::set<int> beads(got.begin(), got.end());
  EXPECT_EQ(beads.size(), got.size());
  for (int axis : {chart.Index(7, 5), chart.Index(3, 5), chart.Index(5, 8), chart.Index(5, 2)})
    EXPECT_TRUE(beads.count(axis)) << axis;
  EXPECT_FALSE(beads.count(chart.Index(5, 5)));  // never the centre
  for (int index : got) {
    const int row = index / 12, column = index % 12;
    EXPECT_TRUE(beads.count(chart.Index(row, 10 - column))) << row << "," << column;
    // Every bead taken lies on the circle, within a bead of it.
    const QPoint p = chart.Centre(row, column);
    const double d = std::hypot(p.x() - c.x(), p.y() - c.y());
    EXPECT_LT(std::abs(d - r), 10.0) << row << "," << column;
  }
  // A circle of radius 21 pixels passes through about 20 beads of 7 by 10 pixels.
  EXPECT_GE(got.size(), 12u);
}

TEST(Ellipse, WideEllipseSpansItsRadii) {
  TTestChart chart(BPsquare, 20, 20);
  TShapeTracer tracer(chart.Pattern);
  const QPoint c = chart.Centre(10, 10);
  tracer.DrawEllipse(c.x(), c.y(), 5 * 7, 2 * 10);
  const std::vector<int>& got = tracer.OutlineText.Indices();
  const std::set<int> beads(got.begin(), got.end());
  for (int axis : {chart.Index(12, 10), chart.Index(8, 10), chart.Index(10, 15), chart.Index(10, 5)})
    EXPECT_TRUE(beads.count(axis)) << axis;
  for (int index : got) {
    const int row = index / 20, column = index % 20;
    EXPECT_GE(row, 8);
    EXPECT_LE(row, 12);
    EXPECT_GE(column, 5);
    EXPECT_LE(column, 15);
  }
}

TEST(Ellipse, ZeroRadiusTakesOnlyTheCentreBead) {
  TTestChart chart(BPsquare, 8, 8);
  TShapeTracer tracer(chart.Pattern);
  tracer.OutlineText.Add(3);  // a fresh trace forgets what was listed
  const QPoint c = chart.Centre(4, 4);
  tracer.DrawEllipse(c.x(), c.y(), 0, 0);
  EXPECT_EQ(tracer.OutlineText.Text(), IndexText({chart.Index(4, 4)}));
}

TEST(Ellipse, LargeRadiiDoNotOverflow) {
  // Radii whose squares times each other exceed 32 bits.
  TTestChart chart(BPsquare, 4, 4);
  TShapeTracer tracer(chart.Pattern);
  tracer.DrawEllipse(20, 20, 3000, 2500);
  for (int index : tracer.OutlineText.Indices()) {
    EXPECT_GE(index, 0);
    EXPECT_LT(index, 16);
  }
}

}  // namespace
