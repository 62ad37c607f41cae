#include "ModelSupport.h"
#include "platform/ScriptedUserInterface.h"

#include <gtest/gtest.h>

namespace {

std::vector<StoredBead> Snapshot(const TBeadPattern& p) { return p.Beads(); }

void ExpectSameBeads(const std::vector<StoredBead>& a, const std::vector<StoredBead>& b) {
  ASSERT_EQ(a.size(), b.size());
  for (std::size_t i = 0; i < a.size(); ++i) {
    ASSERT_EQ(a[i].Color, b[i].Color) << i;
    ASSERT_EQ(a[i].State, b[i].State) << i;
  }
}

// A 4 by 3 chart: beads 0-3 painted red, 4 removed, 5 painted blue, the rest base.
std::unique_ptr<TBeadPattern> Mixed() {
  auto p = MakeChart(BPsquare, 4, 3);
  for (int i = 0; i < 4; ++i) p->PaintBeadAt(nullptr, nullptr, i, BeadPainted, 0x0000FF, true);
  p->PaintBeadAt(nullptr, nullptr, 4, BeadRemoved, 0, true);
  p->PaintBeadAt(nullptr, nullptr, 5, BeadPainted, 0xFF0000, true);
  return p;
}

struct FillCase {
  const char* Name;
  int Mode;  // 0 everything, 1 base beads only, 2 replace the paint colour
  int Changed;
};

class Fill : public ::testing::TestWithParam<FillCase> {};

TEST_P(Fill, ChangesWhatItsModeAdmitsAndOneUndoTakesItAllBack) {
  const auto& c = GetParam();
  auto p = Mixed();
  const auto before = Snapshot(*p);
  const std::size_t entries = p->UndoList().size();
  const int group = p->UndoGroupId();
  TPicture picture(60, 60);
  if (c.Mode == 2) ASSERT_TRUE(p->ReplaceColor(&picture.Canvas(), 0x00FF00, 0x0000FF));
  else ASSERT_TRUE(p->FillAll(&picture.Canvas(), 0x00FF00, c.Mode == 1));
  EXPECT_EQ(p->UndoGroupId(), group + 1);
  EXPECT_EQ(int(p->UndoList().size() - entries), c.Changed);
  int green = 0;
  for (const StoredBead& b : p->Beads()) green += b.State == BeadPainted && b.Color == 0x00FF00;
  EXPECT_EQ(green, c.Changed);
  EXPECT_EQ(p->Beads()[4].State, BeadRemoved);
  EXPECT_EQ(picture.Pixel(p->Beads()[0].Left + 1, p->Beads()[0].Top + 1),
            c.Mode == 1 ? 0x0000FFu : 0x00FF00u);
  ASSERT_TRUE(p->Undo(&picture.Canvas()));
  ExpectSameBeads(p->Beads(), before);
  EXPECT_EQ(picture.Pixel(p->Beads()[0].Left + 1, p->Beads()[0].Top + 1), 0x0000FFu);
}

INSTANTIATE_TEST_SUITE_P(Modes, Fill,
                         ::testing::Values(FillCase{"Everything", 0, 11}, FillCase{"BaseOnly", 1, 6},
                                           FillCase{"Replace", 2, 4}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(Fill, BaseOnlyWithoutBaseBeadsStillOpensAGroupSoUndoTakesBackTheChangeBefore) {
  auto p = MakeChart(BPsquare, 2, 1);
  p->FillAll(nullptr, 0x0000FF, false);
  p->PaintBeadAt(nullptr, nullptr, 0, BeadPainted, 0x00FF00, true);
  const int group = p->UndoGroupId();
  p->FillAll(nullptr, 0xFF0000, true);
  EXPECT_EQ(p->UndoGroupId(), group + 1);
  ASSERT_TRUE(p->Undo(nullptr));
  EXPECT_EQ(p->Beads()[0].Color, 0x0000FFu);
}

TEST(Fill, ReplaceNeverTouchesBaseBeadsAndRecordsEvenWhenTheColourStays) {
  auto p = MakeChart(BPsquare, 3, 1);
  p->PaintBeadAt(nullptr, nullptr, 0, BeadPainted, 0xC0C0C0, true);
  const std::size_t entries = p->UndoList().size();
  p->ReplaceColor(nullptr, 0xC0C0C0, 0xC0C0C0);
  EXPECT_EQ(p->UndoList().size(), entries + 1);
  EXPECT_EQ(p->Beads()[1].State, BeadBase);
}

TEST(Paint, PaintBeadAtRecordsDrawsBothCanvasesAndSkipsRemovedBeads) {
  auto p = MakeChart(BPsquare, 3, 1);
  TPicture a(40, 20), b(40, 20);
  ASSERT_TRUE(p->PaintBeadAt(&a.Canvas(), &b.Canvas(), 1, BeadPainted, 0x000000, true));
  const StoredBead& bead = p->Beads()[1];
  EXPECT_EQ(a.Pixel(bead.Left + 1, bead.Top + 1), 0u);
  EXPECT_EQ(b.Pixel(bead.Left + 1, bead.Top + 1), 0u);

  // Black is a colour like any other: the bead can be erased and removed.
  ASSERT_TRUE(p->PaintBeadAt(&a.Canvas(), nullptr, 1, BeadBase, 0, true));
  EXPECT_EQ(p->Beads()[1].Color, 0u);
  EXPECT_EQ(a.Pixel(bead.Left + 1, bead.Top + 1), 0xC0C0C0u);
  ASSERT_TRUE(p->PaintBeadAt(nullptr, nullptr, 1, BeadRemoved, 0, true));

  const std::size_t entries = p->UndoList().size();
  const int group = p->UndoGroupId();
  EXPECT_FALSE(p->PaintBeadAt(nullptr, nullptr, 1, BeadPainted, 0x0000FF, true));
  EXPECT_EQ(p->UndoList().size(), entries);
  EXPECT_EQ(p->UndoGroupId(), group + 1);
  EXPECT_FALSE(p->PaintBeadAt(nullptr, nullptr, 0, BeadState(7), 0x0000FF, true));
}

TEST(Paint, AnIndexOutsideTheChartIsReportedNotFollowed) {
  TScriptedUserInterface ui;
  TScopedUI scope(ui);
  auto p = MakeChart(BPsquare, 2, 2);
  EXPECT_FALSE(p->PaintBeadAt(nullptr, nullptr, 4, BeadPainted, 1, true));
  EXPECT_FALSE(p->LinePaint(nullptr, "1:99:", 1, true));
  EXPECT_FALSE(p->LinePaint(nullptr, "1:x:", 1, true));
  EXPECT_EQ(ui.Texts(), (QStringList{"paint Bead Failure ", "Line Paint Failure ", "Line Paint Failure "}));
  EXPECT_EQ(p->Beads()[1].Color, 1u);  // beads before the failure keep their change
}

TEST(Paint, LinePaintPaintsTheListedBeadsInOrder) {
  auto p = MakeChart(BPsquare, 10, 10);
  ASSERT_TRUE(p->LinePaint(nullptr, " 45:46:", 0x0000FF, true));
  EXPECT_EQ(p->Beads()[45].Color, 0x0000FFu);
  EXPECT_EQ(p->Beads()[46].State, BeadPainted);
  EXPECT_EQ(p->UndoList().size(), 2u);
  for (const char* nothing : {"", " "}) {
    ASSERT_TRUE(p->LinePaint(nullptr, nothing, 0x00FF00, true));
    EXPECT_EQ(p->UndoList().size(), 2u);
  }
  // An index listed twice is changed twice; one undo restores the first state.
  p->LinePaint(nullptr, "3:3:", 0x00FF00, true);
  ASSERT_TRUE(p->Undo(nullptr));
  EXPECT_EQ(p->Beads()[3].State, BeadBase);
}

TEST(Paint, PaintBeadListSetsColourFieldsAndCutTwiceUndoesInOne) {
  auto p = MakeChart(BPsquare, 3, 1);
  p->PaintBeadAt(nullptr, nullptr, 0, BeadPainted, 0x0000FF, true);
  BeadRecord r0, r1;
  p->GetBeadInfo(0, r0);
  p->GetBeadInfo(1, r1);
  const auto before = p->Beads();
  TPicture window(40, 20), bitmap(40, 20);
  ASSERT_TRUE(p->PaintBeadList(&window.Canvas(), {r0, r1}, BeadBase, true));
  ASSERT_TRUE(p->PaintBeadList(&bitmap.Canvas(), {r0, r1}, BeadBase, false));
  EXPECT_EQ(p->Beads()[0].State, BeadBase);
  EXPECT_EQ(p->Beads()[0].Color, 0x0000FFu);
  ASSERT_TRUE(p->Undo(nullptr));
  ExpectSameBeads(p->Beads(), before);
}

TEST(Undo, TakesBackOneGroupAtATimeUntilTheHistoryIsEmpty) {
  auto p = MakeChart(BPsquare, 2, 2);
  EXPECT_FALSE(p->Undo(nullptr));
  p->PaintBeadAt(nullptr, nullptr, 0, BeadPainted, 0x0000FF, true);
  p->PaintBeadAt(nullptr, nullptr, 0, BeadPainted, 0xFF0000, true);
  p->PaintBeadAt(nullptr, nullptr, 1, BeadPainted, 0xFF0000, true);
  p->PaintBeadAt(nullptr, nullptr, 2, BeadPainted, 0xFF0000, false);
  ASSERT_TRUE(p->Undo(nullptr));  // beads 1 and 2 together
  EXPECT_EQ(p->Beads()[1].State, BeadBase);
  EXPECT_EQ(p->Beads()[2].State, BeadBase);
  EXPECT_EQ(p->Beads()[0].Color, 0xFF0000u);
  ASSERT_TRUE(p->Undo(nullptr));
  EXPECT_EQ(p->Beads()[0].Color, 0x0000FFu);
  ASSERT_TRUE(p->Undo(nullptr));
  EXPECT_EQ(p->Beads()[0].State, BeadBase);
  EXPECT_FALSE(p->Undo(nullptr));

  p->PaintBeadAt(nullptr, nullptr, 3, BeadRemoved, 0, true);
  p->ClearUndo();
  EXPECT_FALSE(p->Undo(nullptr));
  EXPECT_EQ(p->Beads()[3].State, BeadRemoved);
}

TEST(Undo, RestoresAnErasedOrRemovedBeadAsItLooked) {
  auto p = MakeChart(BPsquare, 2, 1);
  TPicture picture(30, 20);
  picture.Fill(0x808080);
  p->PaintBeadAt(&picture.Canvas(), nullptr, 0, BeadPainted, 0x0000FF, true);
  p->PaintBeadAt(&picture.Canvas(), nullptr, 0, BeadBase, 0, true);
  p->PaintBeadAt(&picture.Canvas(), nullptr, 1, BeadRemoved, 0, true);
  p->Undo(&picture.Canvas());
  EXPECT_EQ(picture.Pixel(p->Beads()[1].Left + 1, p->Beads()[1].Top + 1), 0xC0C0C0u);
  p->Undo(&picture.Canvas());
  EXPECT_EQ(p->Beads()[0].State, BeadPainted);
  EXPECT_EQ(picture.Pixel(p->Beads()[0].Left + 1, p->Beads()[0].Top + 1), 0x0000FFu);
}

}  // namespace
