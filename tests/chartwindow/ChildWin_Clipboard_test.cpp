// The selection and the bead clipboard against the real model.
#include "ChartFixture.h"
#include "chartwindow/ChildWin_Canvas.h"
#include "chartwindow/ChildWin_Clipboard.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>

namespace {

constexpr TColor Red = 0x0000FF, Green = 0x00FF00, Black = 0x000000;

// The record a click on (row, column) leaves in the window's hit record: what
// the lookup says, with the shown colour and no state.
BeadRecord Hit(TTestChart& chart, int row, int column) {
  const QPoint p = chart.Centre(row, column);
  TBeadHit hit;
  const std::optional<TColor> shown = chart.Pattern.FindBeadInfo(p.x(), p.y(), hit);
  EXPECT_TRUE(shown.has_value()) << row << "," << column;
  BeadRecord r;
  r.Color = shown.value_or(0);
  r.State = BeadBase;  // not set by a click; the selection asks the chart
  r.Index = hit.Index, r.Row = hit.Row, r.Column = hit.Column;
  r.Left = hit.Left, r.Top = hit.Top, r.Right = hit.Right, r.Bottom = hit.Bottom;
  return r;
}

std::string TestName(const char* name) {
  std::string s;
  for (const char* p = name; *p; ++p) s += std::isalnum((unsigned char)*p) ? *p : '_';
  return s;
}

std::vector<int> Indices(const TBeadList& list) {
  std::vector<int> out;
  for (const BeadRecord& r : list) out.push_back(r.Index);
  return out;
}

TEST(Selection, PlainClickClearsAndSelectsNothing) {
  TTestChart chart(BPsquare, 10, 8);
  TBeadList sel;
  ASSERT_TRUE(SelectBead(chart.Pattern, sel, false, true, Hit(chart, 1, 1)));
  ASSERT_TRUE(SelectBead(chart.Pattern, sel, false, true, Hit(chart, 2, 2)));
  EXPECT_FALSE(SelectBead(chart.Pattern, sel, false, false, Hit(chart, 3, 3)));
  EXPECT_TRUE(sel.empty());
}

TEST(Selection, CtrlClicksAddAndToggleByIndex) {
  TTestChart chart(BPsquare, 10, 8);
  chart.Paint(2, 3, Red);
  TBeadList sel;
  EXPECT_TRUE(SelectBead(chart.Pattern, sel, false, true, Hit(chart, 2, 3)));
  EXPECT_TRUE(SelectBead(chart.Pattern, sel, false, true, Hit(chart, 4, 1)));
  ASSERT_EQ(Indices(sel), (std::vector<int>{23, 41}));
  EXPECT_EQ(sel[0].State, BeadPainted);
  EXPECT_EQ(sel[0].Color, Red);
  EXPECT_EQ(sel[1].State, BeadBase);
  EXPECT_EQ(sel[1].Color, chart.Pattern.BaseBeadColor());
  // Ctrl on a selected bead takes it out again.
  EXPECT_TRUE(SelectBead(chart.Pattern, sel, false, true, Hit(chart, 2, 3)));
  EXPECT_EQ(Indices(sel), (std::vector<int>{41}));
}

TEST(Selection, ShiftSpansARectangleFromTheFirstEntry) {
  TTestChart chart(BPsquare, 10, 8);
  TBeadList sel;
  EXPECT_TRUE(SelectBead(chart.Pattern, sel, true, false, Hit(chart, 1, 1)));
  EXPECT_EQ(Indices(sel), (std::vector<int>{11}));
  EXPECT_TRUE(SelectBead(chart.Pattern, sel, true, false, Hit(chart, 3, 4)));
  EXPECT_EQ(Indices(sel), (std::vector<int>{11, 12, 13, 14, 21, 22, 23, 24, 31, 32, 33, 34}));
  // A second Shift-click spans from the rectangle's top-left bead.
  EXPECT_TRUE(SelectBead(chart.Pattern, sel, true, true, Hit(chart, 0, 0)));
  EXPECT_EQ(Indices(sel), (std::vector<int>{0, 1, 10, 11}));
}

TEST(Selection, ShiftRectangleTakesRemovedAndBlackBeads) {
  TTestChart chart(BPsquare, 10, 8);
  chart.Paint(0, 1, Black);
  chart.Remove(1, 0);
  TBeadList sel;
  SelectBead(chart.Pattern, sel, true, false, Hit(chart, 0, 0));
  SelectBead(chart.Pattern, sel, true, false, Hit(chart, 1, 1));
  ASSERT_EQ(Indices(sel), (std::vector<int>{0, 1, 10, 11}));
  EXPECT_EQ(sel[1].State, BeadPainted);
  EXPECT_EQ(sel[1].Color, Black);
  EXPECT_EQ(sel[2].State, BeadRemoved);
  EXPECT_EQ(sel[2].Color, chart.Pattern.BackGround());
  const StoredBead& b = chart.Bead(1, 0);
  EXPECT_EQ(QRect(QPoint(sel[2].Left, sel[2].Top), QPoint(sel[2].Right, sel[2].Bottom)),
            QRect(QPoint(b.Left, b.Top), QPoint(b.Right, b.Bottom)));
}

TEST(Selection, BlackBeadCanBeCtrlSelected) {
  TTestChart chart(BPsquare, 10, 8);
  chart.Paint(3, 3, Black);
  TBeadList sel;
  EXPECT_TRUE(SelectBead(chart.Pattern, sel, false, true, Hit(chart, 3, 3)));
  ASSERT_EQ(sel.size(), 1u);
  EXPECT_EQ(sel[0].State, BeadPainted);
  EXPECT_EQ(sel[0].Color, Black);
}

TEST(Clipboard, CopyMakesRowsAndColumnsRelativeToTheBlock) {
  TTestChart chart(BPsquare, 10, 8);
  TBeadList sel, clip;
  SelectBead(chart.Pattern, sel, false, true, Hit(chart, 2, 3));
  SelectBead(chart.Pattern, sel, false, true, Hit(chart, 4, 1));
  ASSERT_TRUE(CopyToClipboard(sel, clip));
  ASSERT_EQ(clip.size(), 2u);
  EXPECT_EQ(clip[0].Row, 0);
  EXPECT_EQ(clip[0].Column, 2);
  EXPECT_EQ(clip[1].Row, 2);
  EXPECT_EQ(clip[1].Column, 0);
  EXPECT_EQ(Indices(clip), (std::vector<int>{23, 41}));  // source indices kept
}

TEST(Clipboard, CopyOfAnEmptySelectionKeepsTheClipboard) {
  TTestChart chart(BPsquare, 10, 8);
  TBeadList sel, clip;
  SelectBead(chart.Pattern, sel, false, true, Hit(chart, 2, 3));
  CopyToClipboard(sel, clip);
  EXPECT_FALSE(CopyToClipboard(TBeadList{}, clip));
  EXPECT_EQ(Indices(clip), (std::vector<int>{23}));
}

TEST(Clipboard, CutMakesBaseBeadsAsOneUndoStepAndLeavesRemovedBeads) {
  TTestChart chart(BPsquare, 10, 8);
  chart.Paint(0, 0, Red);
  chart.Paint(0, 1, Black);
  chart.Remove(1, 0);
  chart.Paint(5, 5, Green);  // outside the cut
  TBeadList sel, clip;
  SelectBead(chart.Pattern, sel, true, false, Hit(chart, 0, 0));
  SelectBead(chart.Pattern, sel, true, false, Hit(chart, 1, 1));
  CopyToClipboard(sel, clip);
  TDirtyCanvas canvas(chart.Bitmap);
  EXPECT_TRUE(CutBeads(chart.Pattern, &canvas, clip));
  EXPECT_EQ(chart.Bead(0, 0).State, BeadBase);
  EXPECT_EQ(chart.Bead(0, 1).State, BeadBase);
  EXPECT_EQ(chart.Bead(1, 0).State, BeadRemoved);
  EXPECT_EQ(chart.Bead(1, 1).State, BeadBase);
  // Only the cut beads' area was drawn.
  const StoredBead& first = chart.Bead(0, 0);
  EXPECT_TRUE(canvas.Changed().contains(QPoint(first.Left + 1, first.Top + 1)));
  EXPECT_FALSE(canvas.Changed().contains(QPoint(chart.Bead(5, 5).Left, chart.Bead(5, 5).Top)));
  // One undo restores every cut bead and nothing else.
  ASSERT_TRUE(chart.Pattern.Undo(&chart.Bitmap.Canvas()));
  EXPECT_EQ(chart.Bead(0, 0).State, BeadPainted);
  EXPECT_EQ(chart.Bead(0, 0).Color, Red);
  EXPECT_EQ(chart.Bead(0, 1).State, BeadPainted);
  EXPECT_EQ(chart.Bead(0, 1).Color, Black);
  EXPECT_EQ(chart.Bead(1, 0).State, BeadRemoved);
  EXPECT_EQ(chart.Bead(1, 1).State, BeadBase);
  EXPECT_EQ(chart.Bead(5, 5).Color, Green);
  EXPECT_EQ(chart.Bead(5, 5).State, BeadPainted);
}

struct PasteCase {
  const char* Name;
  int TargetWidth, TargetHeight;
  int Row, Column;              // the last pointed bead of the target
  std::vector<int> Painted;     // target indices that take the block's colours
};

class Paste : public ::testing::TestWithParam<PasteCase> {};

// The block: two rows of three beads, red, green, black over green, red, black.
TEST_P(Paste, LaysTheBlockDownAtThePointedBeadAndClipsAtTheEdges) {
  const PasteCase& c = GetParam();
  TTestChart source(BPsquare, 10, 8);
  const TColor colours[2][3] = {{Red, Green, Black}, {Green, Red, Black}};
  for (int r = 0; r < 2; ++r)
    for (int col = 0; col < 3; ++col) source.Paint(3 + r, 2 + col, colours[r][col]);
  TBeadList sel, clip;
  SelectBead(source.Pattern, sel, true, false, Hit(source, 3, 2));
  SelectBead(source.Pattern, sel, true, false, Hit(source, 4, 4));
  CopyToClipboard(sel, clip);

  TTestChart target(BPbrick, c.TargetWidth, c.TargetHeight);
  const int undoBefore = int(target.Pattern.UndoList().size());
  TDirtyCanvas canvas(target.Bitmap);
  const int painted =
      PasteBeads(target.Pattern, &canvas, clip, target.Index(c.Row, c.Column), c.Column);
  EXPECT_EQ(painted, int(c.Painted.size())) << c.Name;
  std::vector<int> got;
  for (int i = 0; i < int(target.Pattern.Beads().size()); ++i)
    if (target.Pattern.Beads()[i].State == BeadPainted) got.push_back(i);
  EXPECT_EQ(got, c.Painted) << c.Name;
  // Colours keep their place in rows and columns.
  for (int i : c.Painted) {
    const StoredBead& b = target.Pattern.Beads()[i];
    EXPECT_EQ(b.Color, colours[b.Row - c.Row][b.Column - c.Column]) << c.Name << " " << i;
  }
  // The whole paste is one undo step.
  if (!c.Painted.empty()) {
    ASSERT_TRUE(target.Pattern.Undo(&target.Bitmap.Canvas()));
    EXPECT_EQ(int(target.Pattern.UndoList().size()), undoBefore);
    for (const StoredBead& b : target.Pattern.Beads()) EXPECT_EQ(b.State, BeadBase);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Paste,
    ::testing::Values(
        PasteCase{"wider chart", 12, 6, 1, 4, {16, 17, 18, 28, 29, 30}},
        PasteCase{"narrower chart", 5, 6, 0, 0, {0, 1, 2, 5, 6, 7}},
        PasteCase{"clipped at the right", 7, 6, 2, 5, {19, 20, 26, 27}},
        PasteCase{"clipped at the bottom", 7, 6, 5, 1, {36, 37, 38}},
        PasteCase{"clipped at both", 7, 6, 5, 6, {41}},
        PasteCase{"at the first bead", 7, 6, 0, 0, {0, 1, 2, 7, 8, 9}}),
    [](const auto& info) { return TestName(info.param.Name); });

TEST(Paste, RemovedEntriesRemoveAndRemovedTargetsStay) {
  TTestChart source(BPsquare, 6, 6);
  source.Remove(0, 0);
  source.Paint(0, 1, Red);
  TBeadList sel, clip;
  SelectBead(source.Pattern, sel, true, false, Hit(source, 0, 1));
  SelectBead(source.Pattern, sel, true, false, Hit(source, 1, 0));  // spans (0,0) too
  ASSERT_EQ(sel.size(), 4u);
  CopyToClipboard(sel, clip);

  TTestChart target(BPsquare, 6, 6);
  target.Remove(3, 4);
  PasteBeads(target.Pattern, nullptr, clip, target.Index(3, 3), 3);
  EXPECT_EQ(target.Bead(3, 3).State, BeadRemoved);   // from the removed entry
  EXPECT_EQ(target.Bead(3, 4).State, BeadRemoved);   // was removed, stays
  EXPECT_EQ(target.Bead(4, 3).State, BeadBase);
  EXPECT_EQ(target.Bead(4, 4).State, BeadBase);
}

TEST(Paste, EmptyClipboardPaintsNothingAndRecordsNothing) {
  TTestChart chart(BPsquare, 6, 6);
  EXPECT_EQ(PasteBeads(chart.Pattern, nullptr, TBeadList{}, 0, 0), 0);
  EXPECT_TRUE(chart.Pattern.UndoList().empty());
}

TEST(Paste, UndoAfterPasteRemovesOnlyThePastedBlock) {
  TTestChart chart(BPsquare, 8, 8);
  chart.Paint(0, 0, Green);
  TBeadList sel, clip;
  SelectBead(chart.Pattern, sel, false, true, Hit(chart, 0, 0));
  CopyToClipboard(sel, clip);
  chart.Paint(7, 7, Red);
  PasteBeads(chart.Pattern, nullptr, clip, chart.Index(2, 2), 2);
  EXPECT_EQ(chart.Bead(2, 2).Color, Green);
  ASSERT_TRUE(chart.Pattern.Undo(nullptr));
  EXPECT_EQ(chart.Bead(2, 2).State, BeadBase);
  EXPECT_EQ(chart.Bead(7, 7).State, BeadPainted);
  EXPECT_EQ(chart.Bead(0, 0).State, BeadPainted);
}

TEST(SelectionMark, IsTheMiddleThirdOfTheCell) {
  TTestChart chart(BPsquare, 4, 4);  // zoom 1: beads 6 by 9, thirds 2 and 3
  const StoredBead& b = chart.Bead(0, 0);
  const QRect mark = SelectionMarkRect(chart.Pattern, b.Left, b.Top, b.Right, b.Bottom);
  EXPECT_EQ(mark, QRect(QPoint(b.Left + 2, b.Top + 3), QPoint(b.Right - 3, b.Bottom - 4)));
}

}  // namespace
