#include "ModelSupport.h"

#include <gtest/gtest.h>
#include <set>

namespace {

void ExpectFullGrid(const TBeadPattern& p) {
  const int w = p.BeadPatternWidth();
  ASSERT_EQ(p.Beads().size(), std::size_t(w) * p.BeadPatternHeight());
  for (std::size_t i = 0; i < p.Beads().size(); ++i) {
    ASSERT_EQ(p.Beads()[i].Row, int(i) / w) << i;
    ASSERT_EQ(p.Beads()[i].Column, int(i) % w) << i;
  }
}

// Paints every bead with a colour naming its original place.
std::unique_ptr<TBeadPattern> Numbered(int width, int height) {
  auto p = MakeChart(BPsquare, width, height);
  for (int i = 0; i < width * height; ++i)
    p->PaintBeadAt(nullptr, nullptr, i, BeadPainted, TColor(0x10000 + i), true);
  p->ClearUndo();
  return p;
}

TEST(RowsColumns, DeleteRowRemovesOneRowAndRenumbersTheRest) {
  auto p = Numbered(20, 20);
  p->DeleteRow(45);  // row 2
  ExpectFullGrid(*p);
  EXPECT_EQ(p->Beads().size(), 380u);
  EXPECT_EQ(p->Beads()[40].Color, TColor(0x10000 + 60));
  EXPECT_EQ(p->Beads()[40].Row, 2);
  EXPECT_TRUE(p->HintStale());

  auto single = Numbered(3, 1);
  single->DeleteRow(1);
  EXPECT_EQ(single->BeadPatternHeight(), 0);
  EXPECT_TRUE(single->Beads().empty());
}

TEST(RowsColumns, DeleteColumnRemovesOneBeadFromEveryRow) {
  auto p = Numbered(5, 4);
  p->DeleteColumn(10);  // column 0
  ExpectFullGrid(*p);
  EXPECT_EQ(p->BeadPatternWidth(), 4);
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 4; ++c)
      EXPECT_EQ(p->Beads()[std::size_t(r * 4 + c)].Color, TColor(0x10000 + r * 5 + c + 1));
}

TEST(RowsColumns, AddRowCopiesTheColourFieldsOfTheRowAboveAsBaseBeads) {
  auto p = MakeChart(BPsquare, 6, 8);
  for (int c = 0; c < 6; ++c) p->PaintBeadAt(nullptr, nullptr, 4 * 6 + c, BeadPainted, 0x0000FF, true);
  p->PaintBeadAt(nullptr, nullptr, 5 * 6, BeadPainted, 0x00FF00, true);
  p->AddRow(5 * 6 + 2);
  ExpectFullGrid(*p);
  EXPECT_EQ(p->BeadPatternHeight(), 9);
  for (int c = 0; c < 6; ++c) {
    EXPECT_EQ(p->Beads()[std::size_t(5 * 6 + c)].State, BeadBase);
    EXPECT_EQ(p->Beads()[std::size_t(5 * 6 + c)].Color, 0x0000FFu);
  }
  EXPECT_EQ(p->Beads()[6 * 6].Color, 0x00FF00u);  // the old row 5 is row 6
}

TEST(RowsColumns, AddColumnShiftsTheColumnsToTheRight) {
  auto p = Numbered(20, 3);
  p->AddColumn(3);
  ExpectFullGrid(*p);
  EXPECT_EQ(p->BeadPatternWidth(), 21);
  EXPECT_EQ(p->Beads()[3].State, BeadBase);
  EXPECT_EQ(p->Beads()[3].Color, TColor(0x10000 + 2));  // made from its left neighbour
  EXPECT_EQ(p->Beads()[4].Color, TColor(0x10000 + 3));
  EXPECT_EQ(p->Beads()[21 + 4].Color, TColor(0x10000 + 23));
}

TEST(RowsColumns, RowsAndColumnsAddedAtTheStartAreBaseBeadsOfTheBaseColour) {
  for (bool row : {true, false}) {
    auto p = Numbered(4, 3);
    p->SetBaseBeadColor(0x123456);
    if (row) p->AddRow(1); else p->AddColumn(4);
    ExpectFullGrid(*p);
    p->MakeZoomList();
    const int n = row ? 4 : 4;
    for (int k = 0; k < n && k < 3; ++k) {
      const StoredBead& b = row ? p->Beads()[std::size_t(k)] : p->Beads()[std::size_t(k * 5)];
      EXPECT_EQ(b.State, BeadBase);
      EXPECT_EQ(b.Color, 0x123456u);
      EXPECT_EQ(b.Style, BPsquare);
    }
  }
}

// After any row or column edit, undoing earlier changes restores exactly the
// beads those changes touched, wherever they have moved to.
TEST(RowsColumns, UndoAfterAnEditRestoresTheBeadsItTouched) {
  enum Edit { DelRow, DelCol, AddR, AddC };
  for (Edit edit : {DelRow, DelCol, AddR, AddC}) {
    auto p = Numbered(5, 4);
    const auto original = p->Beads();
    // Group 1: bead (1,1) and (2,3); group 2: bead (3,4) and (1,2).
    p->PaintBeadAt(nullptr, nullptr, 6, BeadPainted, 0xAA, true);
    p->PaintBeadAt(nullptr, nullptr, 13, BeadPainted, 0xAA, false);
    p->PaintBeadAt(nullptr, nullptr, 19, BeadPainted, 0xBB, true);
    p->PaintBeadAt(nullptr, nullptr, 7, BeadBase, 0, false);
    switch (edit) {
      case DelRow: p->DeleteRow(12); break;   // row 2 goes, taking (2,3) with it
      case DelCol: p->DeleteColumn(12); break;  // column 2 goes, taking (1,2)
      case AddR: p->AddRow(12); break;
      case AddC: p->AddColumn(12); break;
    }
    ExpectFullGrid(*p);
    while (p->Undo(nullptr)) {}
    // Every surviving bead is back to its original colour and state, once.
    std::set<int> seen;
    for (const StoredBead& b : p->Beads()) {
      const bool inserted = (edit == AddR && b.Row == 2) || (edit == AddC && b.Column == 2);
      if (inserted) continue;
      const int from = int(b.Color) - 0x10000;
      ASSERT_TRUE(from >= 0 && from < 20) << edit << " colour " << b.Color;
      EXPECT_EQ(b.State, BeadPainted) << edit << " bead from " << from;
      EXPECT_TRUE(seen.insert(from).second) << edit << " bead from " << from << " twice";
    }
    EXPECT_EQ(seen.size(), edit == DelRow ? 15u : edit == DelCol ? 16u : 20u) << edit;
    EXPECT_TRUE(p->UndoList().empty());
  }
}

}  // namespace
