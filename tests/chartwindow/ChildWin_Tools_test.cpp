// The chart window's tools against the real model, through a stand-in window.
#include "ToolHostFake.h"

#include <gtest/gtest.h>

#include <set>

namespace {

constexpr TColor Red = 0x0000FF, Green = 0x00FF00, Blue = 0xFF0000, Black = 0x000000;
constexpr TKeyState Shift{true, false}, Ctrl{false, true};

std::vector<int> PaintedBeads(const TBeadPattern& p) {
  std::vector<int> out;
  for (int i = 0; i < int(p.Beads().size()); ++i)
    if (p.Beads()[i].State == BeadPainted) out.push_back(i);
  return out;
}

std::set<int> Groups(const TBeadPattern& p) {
  std::set<int> g;
  for (const UndoEntry& e : p.UndoList()) g.insert(e.Group);
  return g;
}

// ---------------------------------------------------------------- paint

TEST(PaintTool, PaintsTheBeadAndRepaintsOnlyIt) {
  TToolHostFake w(BPsquare, 20, 20);
  w.Frame.ToolCode = PaintTool;
  w.Frame.PaintColor = Red;
  w.Click(3, 4);
  EXPECT_EQ(w.Bead(3, 4).State, BeadPainted);
  EXPECT_EQ(w.Bead(3, 4).Color, Red);
  EXPECT_EQ(PaintedBeads(w.Pattern()), (std::vector<int>{w.Index(3, 4)}));
  EXPECT_TRUE(w.Modified);
  // The picture keeps the colour; nothing beyond the bead was repainted,
  // apart from the highlight outline round it.
  const StoredBead& b = w.Bead(3, 4);
  EXPECT_EQ(w.Bitmap().Pixel(b.Left + 2, b.Top + 2), Red);
  EXPECT_EQ(w.FullRepaints, 0);
  EXPECT_TRUE(w.BeadArea(3, 4).adjusted(-1, -1, 1, 1).contains(w.UpdatedAll));
}

TEST(PaintTool, ClickWithinTwoPixelsOfTheLastPaintClickDoesNothing) {
  TToolHostFake w(BPsquare, 20, 20);
  w.Frame.PaintColor = Red;
  const QPoint p = w.Centre(2, 2);
  w.Click(p);
  w.Frame.PaintColor = Blue;
  w.Click(p + QPoint(2, -2));  // same bead, too close
  EXPECT_EQ(w.Bead(2, 2).Color, Red);
  EXPECT_EQ(w.Pattern().UndoList().size(), 1u);
  w.Click(p + QPoint(-3, 0));  // same bead, far enough
  EXPECT_EQ(w.Bead(2, 2).Color, Blue);
  // Two clicks, two undo steps: back to the base bead.
  ASSERT_TRUE(w.Tools.Undo());
  EXPECT_EQ(w.Bead(2, 2).Color, Red);
  ASSERT_TRUE(w.Tools.Undo());
  EXPECT_EQ(w.Bead(2, 2).State, BeadBase);
  EXPECT_FALSE(w.Tools.Undo());
}

TEST(PaintTool, DragGivesOneUndoStepPerBead) {
  TToolHostFake w(BPsquare, 20, 20);
  w.Frame.PaintColor = Green;
  std::vector<QPoint> path;
  for (int c = 0; c < 5; ++c) {
    path.push_back(w.Centre(1, c));
    path.push_back(w.Centre(1, c) + QPoint(1, 1));  // stays on the bead
  }
  w.Drag(path);
  EXPECT_EQ(PaintedBeads(w.Pattern()), (std::vector<int>{20, 21, 22, 23, 24}));
  EXPECT_EQ(Groups(w.Pattern()).size(), 5u);
  for (int c = 4; c >= 0; --c) {
    ASSERT_TRUE(w.Tools.Undo());
    EXPECT_EQ(w.Bead(1, c).State, BeadBase) << c;
    if (c > 0) EXPECT_EQ(w.Bead(1, c - 1).State, BeadPainted) << c;
  }
}

TEST(PaintTool, DragAfterASuppressedClickStillMarksTheChartModified) {
  TToolHostFake w(BPsquare, 20, 20);
  w.Click(0, 0);
  w.Modified = false;  // as after a save
  w.Drag({w.Centre(0, 0), w.Centre(0, 1), w.Centre(0, 2)});
  EXPECT_EQ(w.Bead(0, 2).State, BeadPainted);
  EXPECT_TRUE(w.Modified);
}

// ---------------------------------------------------------------- fills

struct FillCase {
  const char* Name;
  int Mode;
  std::vector<int> Filled;  // beads of the fill colour afterwards
};

class FillModes : public ::testing::TestWithParam<FillCase> {};

// A 4 by 3 chart: bead 1 red, bead 2 removed, bead 5 green, bead 7 red.
TEST_P(FillModes, FillsWhatTheModeAdmitsAndOneUndoTakesItBack) {
  const FillCase& c = GetParam();
  TToolHostFake w(BPsquare, 4, 3);
  w.Chart->Paint(0, 1, Red);
  w.Chart->Remove(0, 2);
  w.Chart->Paint(1, 1, Green);
  w.Chart->Paint(1, 3, Red);
  const std::vector<StoredBead> before = w.Pattern().Beads();
  w.Frame.ToolCode = FillTool;
  w.Frame.FillMode = c.Mode;
  w.Frame.PaintColor = Red;
  w.Frame.FillColor = Blue;
  w.Click(2, 3);
  std::vector<int> filled;
  for (int i = 0; i < 12; ++i) {
    const StoredBead& b = w.Pattern().Beads()[i];
    if (b.State == BeadPainted && b.Color == Blue) filled.push_back(i);
  }
  EXPECT_EQ(filled, c.Filled) << c.Name;
  EXPECT_EQ(w.Bead(0, 2).State, BeadRemoved);
  EXPECT_EQ(w.FullRepaints, 1);
  EXPECT_EQ(w.Busy, 0);
  EXPECT_TRUE(w.Modified);
  EXPECT_EQ(w.Pattern().ProgressHandle(), nullptr);
  // The picture shows the fill.
  const StoredBead& first = w.Pattern().Beads()[c.Filled.front()];
  EXPECT_EQ(w.Bitmap().Pixel(first.Left + 2, first.Top + 2), Blue);
  ASSERT_TRUE(w.Tools.Undo());
  for (int i = 0; i < 12; ++i) {
    EXPECT_EQ(w.Pattern().Beads()[i].State, before[i].State) << i;
    if (before[i].State == BeadPainted) {
      EXPECT_EQ(w.Pattern().Beads()[i].Color, before[i].Color);
    }
  }
  EXPECT_NE(w.Bitmap().Pixel(first.Left + 2, first.Top + 2), Blue);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, FillModes,
    ::testing::Values(FillCase{"everything", 0, {0, 1, 3, 4, 5, 6, 7, 8, 9, 10, 11}},
                      FillCase{"base beads", 1, {0, 3, 4, 6, 8, 9, 10, 11}},
                      FillCase{"replace", 2, {1, 7}}),
    [](const auto& info) { return std::string(info.param.Name) == "base beads"
                                      ? std::string("base_beads")
                                      : std::string(info.param.Name); });

// ---------------------------------------------------------------- zoom

struct ZoomCase {
  float From;
  int Tool;
  float To;
  bool Rebuilt;
};

class ZoomTool : public ::testing::TestWithParam<ZoomCase> {};

TEST_P(ZoomTool, StepsAQuarterWithinLimitsAndAlwaysClearsTheSelection) {
  const ZoomCase& c = GetParam();
  TToolHostFake w(BPsquare, 10, 10, c.From);
  w.Frame.ToolCode = SelectTool;
  w.Click(1, 1, Ctrl);
  ASSERT_EQ(w.Tools.Selection().size(), 1u);
  w.Frame.ToolCode = c.Tool;
  const QSize before(w.Bitmap().Width(), w.Bitmap().Height());
  w.Click(2, 2);
  EXPECT_FLOAT_EQ(w.Pattern().Zoom(), c.To);
  EXPECT_EQ(w.ZoomRebuilds, c.Rebuilt ? 1 : 0);
  EXPECT_TRUE(w.Tools.Selection().empty());
  EXPECT_EQ(w.Busy, 0);
  EXPECT_EQ(QSize(w.Bitmap().Width(), w.Bitmap().Height()) == before, !c.Rebuilt);
  if (c.Rebuilt) {
    // The read-out was reset by the moves to (6, 6) and (0, 0).
    EXPECT_TRUE(w.RowText.isEmpty());
    EXPECT_TRUE(w.Tools.HighlightArea().isNull());
  }
}

INSTANTIATE_TEST_SUITE_P(Steps, ZoomTool,
                         ::testing::Values(ZoomCase{1.0f, ZoomInTool, 1.25f, true},
                                           ZoomCase{1.0f, ZoomOutTool, 0.75f, true},
                                           ZoomCase{2.0f, ZoomInTool, 2.25f, true},
                                           ZoomCase{2.25f, ZoomInTool, 2.25f, false},
                                           ZoomCase{0.5f, ZoomOutTool, 0.5f, false},
                                           ZoomCase{0.75f, ZoomOutTool, 0.5f, true}));

// ---------------------------------------------------------------- erase, delete, eyedropper

TEST(EraseTool, MakesABaseBeadThatKeepsItsColourForUndo) {
  TToolHostFake w(BPsquare, 10, 10);
  w.Chart->Paint(4, 4, Red);
  w.Frame.ToolCode = EraseTool;
  w.Click(4, 4);
  EXPECT_EQ(w.Bead(4, 4).State, BeadBase);
  EXPECT_EQ(w.Bead(4, 4).Color, Red);
  EXPECT_TRUE(w.Modified);
  ASSERT_TRUE(w.Tools.Undo());
  EXPECT_EQ(w.Bead(4, 4).State, BeadPainted);
  const StoredBead& b = w.Bead(4, 4);
  EXPECT_EQ(w.Bitmap().Pixel(b.Left + 2, b.Top + 2), Red);
}

TEST(DeleteBeadTool, RemovesTheBeadAndUndoDrawsItAgain) {
  TToolHostFake w(BPsquare, 10, 10);
  w.Chart->Paint(4, 4, Green);
  w.Frame.ToolCode = DeleteBeadTool;
  w.Click(4, 4);
  EXPECT_EQ(w.Bead(4, 4).State, BeadRemoved);
  const StoredBead& b = w.Bead(4, 4);
  EXPECT_EQ(w.Bitmap().Pixel(b.Left + 2, b.Top + 2), w.Pattern().BackGround());
  // A removed bead is no bead: another click there does nothing.
  const std::size_t entries = w.Pattern().UndoList().size();
  w.Click(w.Centre(4, 4) + QPoint(0, 3));
  EXPECT_EQ(w.Pattern().UndoList().size(), entries);
  ASSERT_TRUE(w.Tools.Undo());
  EXPECT_EQ(w.Bead(4, 4).State, BeadPainted);
  EXPECT_EQ(w.Bitmap().Pixel(b.Left + 2, b.Top + 2), Green);
}

TEST(EyedropperTool, TakesTheShownColourWithoutChangingTheChart) {
  TToolHostFake w(BPsquare, 10, 10);
  w.Chart->Paint(1, 1, Green);
  w.Frame.ToolCode = EyedropperTool;
  w.Click(1, 1);
  EXPECT_EQ(w.Frame.PaintColor, Green);
  w.Click(2, 2);
  EXPECT_EQ(w.Frame.PaintColor, w.Pattern().BaseBeadColor());
  EXPECT_FALSE(w.Modified);
}

// ---------------------------------------------------------------- black beads

struct BlackCase {
  const char* Name;
  int Tool;
};

class BlackBead : public ::testing::TestWithParam<BlackCase> {};

TEST_P(BlackBead, IsABeadForEveryTool) {
  const BlackCase& c = GetParam();
  TToolHostFake w(BPsquare, 10, 10);
  w.Chart->Paint(3, 3, Black);
  w.Frame.ToolCode = c.Tool;
  w.Frame.PaintColor = Red;
  w.Frame.FillColor = Green;
  w.Frame.FillMode = 0;
  w.Click(3, 3, Ctrl);
  const StoredBead& b = w.Bead(3, 3);
  switch (c.Tool) {
    case PaintTool: EXPECT_EQ(b.Color, Red); break;
    case EraseTool: EXPECT_EQ(b.State, BeadBase); break;
    case DeleteBeadTool: EXPECT_EQ(b.State, BeadRemoved); break;
    case EyedropperTool: EXPECT_EQ(w.Frame.PaintColor, Black); break;
    case FillTool: EXPECT_EQ(b.Color, Green); break;
    case SelectTool:
      ASSERT_EQ(w.Tools.Selection().size(), 1u);
      EXPECT_EQ(w.Tools.Selection()[0].Color, Black);
      break;
    case LineTool:
      // A line from the black bead to (3, 6) starts there.
      w.Drag({w.Centre(3, 3), w.Centre(3, 6)});
      EXPECT_EQ(w.Bead(3, 3).Color, Red);
      EXPECT_EQ(w.Bead(3, 6).Color, Red);
      break;
    default: FAIL() << c.Name;
  }
  EXPECT_EQ(w.RowText, QStringLiteral("4"));
}

INSTANTIATE_TEST_SUITE_P(Tools, BlackBead,
                         ::testing::Values(BlackCase{"paint", PaintTool},
                                           BlackCase{"erase", EraseTool},
                                           BlackCase{"delete", DeleteBeadTool},
                                           BlackCase{"eyedropper", EyedropperTool},
                                           BlackCase{"fill", FillTool},
                                           BlackCase{"select", SelectTool},
                                           BlackCase{"line", LineTool}),
                         [](const auto& info) { return std::string(info.param.Name); });

// ---------------------------------------------------------------- staggered charts

struct StaggerCase {
  const char* Name;
  EPattern Style;
};

class Staggered : public ::testing::TestWithParam<StaggerCase> {};

// Every pixel inside a bead paints that bead, wherever the pointer was before.
TEST_P(Staggered, ClickActsOnTheBeadUnderThePointer) {
  const StaggerCase& c = GetParam();
  TToolHostFake w(c.Style, 8, 8);
  w.Frame.PaintColor = Red;
  // Visit beads far apart, last to first, so the lookup never starts nearby.
  for (int i = 63; i >= 0; i -= 7) {
    const StoredBead& b = w.Pattern().Beads()[i];
    for (QPoint p : {QPoint(b.Left + 1, b.Top + 1), QPoint(b.Right - 2, b.Bottom - 2)}) {
      w.Tools.AnchorPos = QPoint(-100, -100);
      const std::size_t entries = w.Pattern().UndoList().size();
      w.Click(p);
      ASSERT_EQ(w.Pattern().UndoList().size(), entries + 1) << c.Name << " bead " << i;
      EXPECT_EQ(w.Pattern().UndoList().back().Index, i) << c.Name << " at " << p.x() << "," << p.y();
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Styles, Staggered,
                         ::testing::Values(StaggerCase{"peyote", BPpeyote},
                                           StaggerCase{"twodrop", BP2DropPeyote},
                                           StaggerCase{"brick", BPbrick},
                                           StaggerCase{"square", BPsquare}),
                         [](const auto& info) { return std::string(info.param.Name); });

// ---------------------------------------------------------------- highlight and read-out

TEST(Pointer, HighlightAndReadOutFollowThePointer) {
  TToolHostFake w(BPsquare, 10, 10);
  w.Frame.ToolCode = NoTool;
  w.Move(w.Centre(2, 5));
  EXPECT_EQ(w.RowText, QStringLiteral("3"));
  EXPECT_EQ(w.ColumnText, QStringLiteral("6"));
  const StoredBead& b = w.Bead(2, 5);
  EXPECT_EQ(w.Tools.HighlightArea(), QRect(QPoint(b.Left - 1, b.Top - 1), QPoint(b.Right, b.Bottom)));
  // Off the chart: no read-out, no highlight.
  w.Move(QPoint(1, 1));
  EXPECT_TRUE(w.RowText.isEmpty());
  EXPECT_TRUE(w.ColumnText.isEmpty());
  EXPECT_TRUE(w.Tools.HighlightArea().isNull());
  // Back onto the same bead: read-out, but no highlight until another bead.
  w.Move(w.Centre(2, 5));
  EXPECT_EQ(w.RowText, QStringLiteral("3"));
  EXPECT_TRUE(w.Tools.HighlightArea().isNull());
  w.Move(w.Centre(2, 6));
  EXPECT_FALSE(w.Tools.HighlightArea().isNull());
  // The highlight off: no outline drawn.
  w.Frame.BeadHighlight = false;
  w.Tools.ForgetHighlight();
  w.Move(w.Centre(4, 4));
  EXPECT_TRUE(w.Tools.HighlightArea().isNull());
  EXPECT_EQ(w.RowText, QStringLiteral("5"));
}

TEST(Pointer, MovesWithinTwoPixelsDoNotLookUpAndInactiveWindowsIgnoreMoves) {
  TToolHostFake w(BPsquare, 10, 10);
  const QPoint p = w.Centre(0, 0);
  w.Move(p);
  EXPECT_EQ(w.Tools.LastLookupPos, p);
  w.Move(p + QPoint(2, 2));
  EXPECT_EQ(w.Tools.LastLookupPos, p);
  w.Move(p + QPoint(3, 0));
  EXPECT_EQ(w.Tools.LastLookupPos, p + QPoint(3, 0));
  w.Active = false;
  w.Move(w.Centre(5, 5));
  EXPECT_EQ(w.RowText, QStringLiteral("1"));
}

TEST(Pointer, RightClickPopsUpTheMenuAndDoesNothingElse) {
  TToolHostFake w(BPsquare, 10, 10);
  w.Frame.ToolCode = PaintTool;
  const QPoint p = w.Centre(1, 1);
  w.Move(p);
  w.Press(p, {}, TMouseButton::Right);
  w.Release(p, {}, TMouseButton::Right);
  ASSERT_EQ(w.Popups.size(), 1u);
  EXPECT_EQ(w.Popups[0], p);
  EXPECT_TRUE(w.Pattern().UndoList().empty());
  EXPECT_FALSE(w.Modified);
}

TEST(Pointer, ShiftKeyMakesCirclesAndAnyOtherKeyClearsIt) {
  TToolHostFake w(BPsquare, 10, 10);
  w.Tools.KeyDown(true);
  EXPECT_TRUE(w.Tools.ShiftHeld);
  w.Tools.KeyDown(false);
  EXPECT_FALSE(w.Tools.ShiftHeld);
  w.Tools.KeyDown(true);
  w.Tools.KeyUp();
  EXPECT_FALSE(w.Tools.ShiftHeld);
}

// ---------------------------------------------------------------- shapes

TEST(LineTool, RubberBandsWhileHeldAndPaintsOneUndoStepOnRelease) {
  TToolHostFake w(BPsquare, 20, 20);
  w.Frame.ToolCode = LineTool;
  w.Frame.PaintColor = Red;
  const QPoint a = w.Centre(0, 0);
  w.Move(a);
  w.Press(a);
  w.Move(w.Centre(0, 3));
  EXPECT_EQ(w.Tools.TraceOutlines().Text(), QStringLiteral("0:1:2:3:"));
  EXPECT_TRUE(PaintedBeads(w.Pattern()).empty());  // nothing painted while held
  w.Move(w.Centre(0, 5));
  EXPECT_EQ(w.Tools.TraceOutlines().Text(), QStringLiteral("0:1:2:3:4:5:"));
  w.ClearRecord();
  w.Release(w.Centre(0, 5));
  EXPECT_EQ(PaintedBeads(w.Pattern()), (std::vector<int>{0, 1, 2, 3, 4, 5}));
  EXPECT_TRUE(w.Tools.TraceOutlines().IsEmpty());
  EXPECT_TRUE(w.Modified);
  EXPECT_EQ(Groups(w.Pattern()).size(), 1u);
  // Repainted: the line and its old outlines, not the chart.
  EXPECT_EQ(w.FullRepaints, 0);
  EXPECT_TRUE(QRect(QPoint(0, 0), QPoint(50, 20)).contains(w.UpdatedAll));
  ASSERT_TRUE(w.Tools.Undo());
  EXPECT_TRUE(PaintedBeads(w.Pattern()).empty());
}

TEST(LineTool, DraggingBackOntoTheAnchorPaintsNothing) {
  TToolHostFake w(BPsquare, 20, 20);
  w.Frame.ToolCode = LineTool;
  w.Drag({w.Centre(2, 2), w.Centre(2, 6), w.Centre(2, 2) + QPoint(1, 0)});
  EXPECT_TRUE(PaintedBeads(w.Pattern()).empty());
}

TEST(LineTool, ReleaseWithoutAPressOnABeadPaintsNothing) {
  TToolHostFake w(BPsquare, 20, 20);
  w.Frame.ToolCode = LineTool;
  w.Drag({QPoint(1, 1), w.Centre(0, 3), w.Centre(0, 6)});
  EXPECT_TRUE(PaintedBeads(w.Pattern()).empty());
  EXPECT_TRUE(w.Tools.TraceOutlines().IsEmpty());
}

struct RectToolCase {
  const char* Name;
  bool FillPolygons;
  int Rows, Columns;  // the far corner from (0, 0)
  std::vector<int> Interior;
};

class RectangleShapes : public ::testing::TestWithParam<RectToolCase> {};

TEST_P(RectangleShapes, PaintsOutlineAndInteriorAsOneUndoStep) {
  const RectToolCase& c = GetParam();
  TToolHostFake w(BPsquare, 20, 20);
  w.Frame.ToolCode = RectangleTool;
  w.Frame.PaintColor = Red;
  w.Frame.FillColor = Green;
  w.Frame.FillPolygons = c.FillPolygons;
  w.Drag({w.Centre(0, 0), w.Centre(1, 1), w.Centre(c.Rows, c.Columns)});
  for (int r = 0; r <= c.Rows; ++r) {
    for (int col = 0; col <= c.Columns; ++col) {
      const StoredBead& b = w.Bead(r, col);
      const bool border = r == 0 || r == c.Rows || col == 0 || col == c.Columns;
      const bool inside =
          std::count(c.Interior.begin(), c.Interior.end(), w.Index(r, col)) != 0;
      if (border) {
        EXPECT_EQ(b.Color, Red) << c.Name << " " << r << "," << col;
      } else if (inside) {
        EXPECT_EQ(b.State, BeadPainted) << c.Name;
        EXPECT_EQ(b.Color, Green) << c.Name;
      } else {
        EXPECT_EQ(b.State, BeadBase) << c.Name << " " << r << "," << col;
      }
    }
  }
  EXPECT_EQ(w.Bead(c.Rows + 1, 0).State, BeadBase);
  EXPECT_EQ(Groups(w.Pattern()).size(), 1u);
  ASSERT_TRUE(w.Tools.Undo());
  EXPECT_TRUE(PaintedBeads(w.Pattern()).empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RectangleShapes,
    ::testing::Values(RectToolCase{"filled", true, 2, 2, {21}},
                      RectToolCase{"filled_large", true, 3, 4, {21, 22, 23, 41, 42, 43}},
                      RectToolCase{"too_small_for_interior", true, 1, 1, {}},
                      RectToolCase{"outline_only", false, 3, 4, {}}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(CircleTool, ShiftTracesACircleOfTheLargerRadius) {
  TToolHostFake w(BPsquare, 20, 20);
  w.Frame.ToolCode = CircleTool;
  w.Frame.PaintColor = Red;
  const QPoint a = w.Centre(10, 10);
  w.Move(a);
  w.Press(a);
  w.Tools.KeyDown(true);
  // Three beads right and one down: the radius is three column pitches.
  w.Move(w.Centre(11, 13), Shift);
  const std::vector<int> circle = w.Tools.TraceOutlines().Indices();
  const std::set<int> beads(circle.begin(), circle.end());
  for (int axis : {w.Index(10, 13), w.Index(10, 7), w.Index(12, 10), w.Index(8, 10)})
    EXPECT_TRUE(beads.count(axis)) << axis;
  // Pressing another key turns it back into an ellipse at the next bead.
  w.Tools.KeyDown(false);
  w.Move(w.Centre(11, 12));
  const std::vector<int> ellipse = w.Tools.TraceOutlines().Indices();
  const std::set<int> flat(ellipse.begin(), ellipse.end());
  EXPECT_TRUE(flat.count(w.Index(10, 12)));
  EXPECT_FALSE(flat.count(w.Index(8, 10)));
  w.Release(w.Centre(11, 12));
  EXPECT_EQ(PaintedBeads(w.Pattern()), std::vector<int>(flat.begin(), flat.end()));
  EXPECT_EQ(w.Bead(10, 10).State, BeadBase);  // the inside is never filled
  EXPECT_EQ(Groups(w.Pattern()).size(), 1u);
}

// ---------------------------------------------------------------- rows and columns

struct RowColumnCase {
  const char* Name;
  int Tool;
  int Width, Height;  // afterwards, from 6 by 5
};

class RowColumnTools : public ::testing::TestWithParam<RowColumnCase> {};

TEST_P(RowColumnTools, ActsOnceAtTheClickedBeadAndReturnsToSelect) {
  const RowColumnCase& c = GetParam();
  TToolHostFake w(BPsquare, 6, 5);
  w.Frame.ToolCode = SelectTool;
  w.Click(0, 0, Ctrl);
  w.Frame.ToolCode = c.Tool;
  w.Click(2, 3);
  EXPECT_EQ(w.Pattern().BeadPatternWidth(), c.Width) << c.Name;
  EXPECT_EQ(w.Pattern().BeadPatternHeight(), c.Height) << c.Name;
  EXPECT_EQ(int(w.Pattern().Beads().size()), c.Width * c.Height);
  EXPECT_EQ(w.Frame.ToolCode, SelectTool);
  EXPECT_EQ(w.RowColumnRebuilds, 1);
  EXPECT_TRUE(w.Modified);
  EXPECT_TRUE(w.Tools.Selection().empty());
  // Acts once: the next click selects.
  w.Click(0, 0);
  EXPECT_EQ(int(w.Pattern().Beads().size()), c.Width * c.Height);
}

INSTANTIATE_TEST_SUITE_P(Tools, RowColumnTools,
                         ::testing::Values(RowColumnCase{"delete_row", DeleteRowTool, 6, 4},
                                           RowColumnCase{"delete_column", DeleteColumnTool, 5, 5},
                                           RowColumnCase{"add_row", AddRowTool, 6, 6},
                                           RowColumnCase{"add_column", AddColumnTool, 7, 5}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(RowColumnTool, UndoAfterARowEditRestoresTheBeadsItTouched) {
  TToolHostFake w(BPsquare, 6, 6);
  w.Frame.PaintColor = Red;
  w.Click(4, 2);  // row 4 painted
  w.Frame.ToolCode = AddRowTool;
  w.Click(1, 0);  // a row above it: the painted bead moves to row 5
  ASSERT_EQ(w.Bead(5, 2).Color, Red);
  w.Frame.ToolCode = DeleteColumnTool;
  w.Click(0, 0);  // a column left of it: now (5, 1)
  ASSERT_EQ(w.Bead(5, 1).State, BeadPainted);
  ASSERT_TRUE(w.Tools.Undo());
  EXPECT_TRUE(PaintedBeads(w.Pattern()).empty());
  const StoredBead& b = w.Bead(5, 1);
  EXPECT_EQ(w.Bitmap().Pixel(b.Left + 2, b.Top + 2), w.Pattern().BaseBeadColor());
}

// ---------------------------------------------------------------- selection and clipboard

TEST(SelectTool, CopyCutAndPasteThroughTheSharedClipboard) {
  TToolHostFake source(BPsquare, 10, 10);
  source.Chart->Paint(2, 3, Red);
  source.Chart->Paint(4, 1, Black);
  source.Frame.ToolCode = SelectTool;
  source.Click(2, 3, Ctrl);
  source.Click(4, 1, Ctrl);
  ASSERT_EQ(source.Tools.Selection().size(), 2u);
  EXPECT_FALSE(source.Tools.SelectionBounds().isNull());
  source.ClearRecord();
  source.Tools.CopyBlock(false);  // cut
  EXPECT_TRUE(source.Tools.Selection().empty());
  EXPECT_TRUE(source.ClipLabelEnabled);
  EXPECT_TRUE(source.Modified);
  EXPECT_EQ(source.Bead(2, 3).State, BeadBase);
  EXPECT_EQ(source.Bead(4, 1).State, BeadBase);
  ASSERT_EQ(source.Clipboard->size(), 2u);

  // Into a wider brick chart, sharing the clipboard.
  TToolHostFake target(BPbrick, 14, 8);
  target.Clipboard = source.Clipboard;
  target.Frame.ToolCode = NoTool;
  target.Move(target.Centre(1, 5));
  target.Tools.PasteBlock();
  EXPECT_EQ(target.Bead(1, 7).Color, Red);
  EXPECT_EQ(target.Bead(3, 5).Color, Black);
  EXPECT_EQ(target.Bead(3, 5).State, BeadPainted);
  EXPECT_EQ(PaintedBeads(target.Pattern()).size(), 2u);
  EXPECT_TRUE(target.Modified);
  ASSERT_TRUE(target.Tools.Undo());
  EXPECT_TRUE(PaintedBeads(target.Pattern()).empty());

  // The cut itself is one undo step.
  ASSERT_TRUE(source.Tools.Undo());
  EXPECT_EQ(source.Bead(2, 3).Color, Red);
  EXPECT_EQ(source.Bead(4, 1).State, BeadPainted);
}

TEST(SelectTool, CopyTakesTheColoursShownAtTheTimeOfCopying) {
  TToolHostFake w(BPsquare, 10, 10);
  w.Frame.PaintColor = Red;
  w.Click(1, 1);
  w.Frame.ToolCode = SelectTool;
  w.Click(1, 1, Ctrl);
  ASSERT_EQ(w.Tools.Selection()[0].Color, Red);
  w.Tools.Undo();  // the bead is a base bead again, still selected
  w.Tools.CopyBlock(true);
  ASSERT_EQ(w.Clipboard->size(), 1u);
  EXPECT_EQ((*w.Clipboard)[0].State, BeadBase);
  EXPECT_EQ((*w.Clipboard)[0].Color, w.Pattern().BaseBeadColor());
}

TEST(SelectTool, PasteBeforeThePointerTouchedABeadLandsAtTheFirstBead) {
  TToolHostFake source(BPsquare, 6, 6);
  source.Chart->Paint(3, 3, Green);
  source.Frame.ToolCode = SelectTool;
  source.Click(3, 3, Shift);
  source.Tools.CopyBlock(true);
  EXPECT_EQ(source.Bead(3, 3).Color, Green);
  TToolHostFake target(BPsquare, 6, 6);
  target.Clipboard = source.Clipboard;
  target.Tools.PasteBlock();
  EXPECT_EQ(PaintedBeads(target.Pattern()), (std::vector<int>{0}));
}

TEST(SelectTool, PasteWithAnEmptyClipboardOnlyMarksTheChartModified) {
  TToolHostFake w(BPsquare, 6, 6);
  w.Tools.PasteBlock();
  EXPECT_TRUE(w.Modified);
  EXPECT_TRUE(w.Pattern().UndoList().empty());
  // Copy with nothing selected leaves the label as it was.
  w.Tools.CopyBlock(true);
  EXPECT_FALSE(w.ClipLabelEnabled);
}

TEST(SelectTool, OtherToolsClearTheSelection) {
  TToolHostFake w(BPsquare, 6, 6);
  w.Frame.ToolCode = SelectTool;
  w.Click(1, 1, Ctrl);
  w.Click(2, 2, Ctrl);
  const QRect marks = w.Tools.SelectionBounds();
  w.Frame.ToolCode = PaintTool;
  w.ClearRecord();
  w.Click(4, 4);
  EXPECT_TRUE(w.Tools.Selection().empty());
  // The marks' area was repainted to take them away.
  EXPECT_TRUE(w.UpdatedAll.contains(marks));
}

}  // namespace

namespace {

TEST(ZoomTool, ALayoutThatCannotBeMadeKeepsTheOldZoom) {
  TToolHostFake w(BPsquare, 10, 10);
  w.Frame.ToolCode = ZoomInTool;
  w.RefuseLayout = true;
  w.Click(2, 2);
  EXPECT_FLOAT_EQ(w.Pattern().Zoom(), 1.0f);
  EXPECT_EQ(w.Busy, 0);
}

}  // namespace
