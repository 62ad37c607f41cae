#include "ModelSupport.h"

#include <gtest/gtest.h>

namespace {

// The bead whose stored rectangle holds (x, y), edges inclusive, by brute force.
int BruteForce(const TBeadPattern& p, int x, int y) {
  const auto& beads = p.Beads();
  for (std::size_t i = 0; i < beads.size(); ++i) {
    const StoredBead& b = beads[i];
    if (b.Left <= x && x <= b.Right && b.Top <= y && y <= b.Bottom)
      return b.State == BeadRemoved ? -1 : int(i);
  }
  return -1;
}

void ExpectEveryPixelAgrees(TBeadPattern& p, const char* what) {
  const QSize size = p.PictureSize();
  TBeadHit hit;
  for (int y = -1; y <= size.height(); ++y)
    for (int x = -1; x <= size.width(); ++x) {
      const int expected = BruteForce(p, x, y);
      const auto found = p.FindBeadInfo(x, y, hit);
      ASSERT_EQ(found.has_value(), expected >= 0) << what << " at " << x << "," << y;
      if (found) {
        ASSERT_EQ(hit.Index, expected) << what << " at " << x << "," << y;
      }
    }
}

TEST(Lookup, FindsTheBeadUnderEveryPixelInEveryStyleZoomAndGap) {
  for (EPattern style : {BPbrick, BPpeyote, BPcheyenne, BPsquare, BPloom, BP2DropPeyote})
    for (float zoom : {0.5f, 1.0f, 2.25f})
      for (int gap : {1, 4}) {
        auto p = MakeChart(style, 9, 7, zoom, gap, 5 - gap);
        p->PaintBeadAt(nullptr, nullptr, 10, BeadRemoved, 0, true);
        ExpectEveryPixelAgrees(*p, "layout");
      }
}

TEST(Lookup, RectanglesNotYetRelaidOutAreStillFoundOnEitherSideOfTheHint) {
  for (EPattern style : {BPpeyote, BP2DropPeyote, BPbrick}) {
    auto p = MakeChart(style, 8, 6);
    p->DeleteColumn(3);  // the rectangles are stale until the next relayout
    ExpectEveryPixelAgrees(*p, "stale");
  }
}

TEST(Lookup, EdgesAreInclusiveAndGapsFindNothing) {
  auto p = MakeChart(BPsquare, 20, 20);
  TBeadHit hit;
  ASSERT_TRUE(p->FindBeadInfo(11, 14, hit));
  EXPECT_EQ(hit.Index, 0);
  EXPECT_EQ(hit.Right, 11);
  EXPECT_EQ(hit.Bottom, 14);
  ASSERT_TRUE(p->FindBeadInfo(12, 5, hit));
  EXPECT_EQ(hit.Index, 1);
  EXPECT_FALSE(p->FindBeadInfo(4, 4, hit));

  auto gapped = MakeChart(BPsquare, 4, 4, 1.0f, 3, 1);
  ASSERT_TRUE(gapped->FindBeadInfo(6, 14, hit));  // bottom edge of row 0
  EXPECT_FALSE(gapped->FindBeadInfo(6, 15, hit));
  EXPECT_FALSE(gapped->FindBeadInfo(6, 16, hit));
  ASSERT_TRUE(gapped->FindBeadInfo(6, 17, hit));
  EXPECT_EQ(hit.Row, 1);

  TBeadPattern empty(6, 9);
  empty.SetBeadPatternWidth(0);
  empty.SetBeadPatternHeight(0);
  empty.NewPattern(BPsquare);
  EXPECT_FALSE(empty.FindBeadInfo(5, 5, hit));
}

TEST(Lookup, BlackBeadsAreFoundAndRemovedBeadsLeaveTheOutputsAlone) {
  auto p = MakeChart(BPsquare, 4, 4);
  p->PaintBeadAt(nullptr, nullptr, 5, BeadPainted, 0x000000, true);
  p->PaintBeadAt(nullptr, nullptr, 6, BeadRemoved, 0, true);
  TBeadHit hit;
  const StoredBead& black = p->Beads()[5];
  const auto shown = p->FindBeadInfo(black.Left + 1, black.Top + 1, hit);
  ASSERT_TRUE(shown.has_value());
  EXPECT_EQ(*shown, 0u);
  EXPECT_EQ(hit.Index, 5);
  const StoredBead& hole = p->Beads()[6];
  EXPECT_FALSE(p->FindBeadInfo(hole.Left + 1, hole.Top + 1, hit));
  EXPECT_EQ(hit.Index, 5);
  EXPECT_EQ(hit.Left, black.Left);
}

TEST(Lookup, ShownColourAndBeadInfo) {
  auto p = MakeChart(BPsquare, 3, 3);
  p->PaintBeadAt(nullptr, nullptr, 0, BeadPainted, 0x0000FF, true);
  p->PaintBeadAt(nullptr, nullptr, 1, BeadPainted, 0x00FF00, true);
  p->PaintBeadAt(nullptr, nullptr, 1, BeadRemoved, 0, true);
  TBeadHit hit;
  EXPECT_EQ(p->FindBeadInfo(6, 6, hit), std::optional<TColor>(0x0000FF));
  EXPECT_EQ(p->FindBeadInfo(6 + 14, 6, hit), std::optional<TColor>(0xC0C0C0));

  BeadRecord record;
  EXPECT_EQ(p->GetBeadInfo(1, record), std::optional<TColor>(0x808080));
  EXPECT_EQ(record.State, BeadRemoved);
  EXPECT_EQ(record.Color, 0x00FF00u);  // the colour field, not the shown colour
  EXPECT_EQ(record.Row, 0);
  EXPECT_EQ(record.Column, 1);
  EXPECT_EQ(record.Left, 12);
  EXPECT_FALSE(p->GetBeadInfo(9, record));
  EXPECT_FALSE(p->GetBeadInfo(-1, record));
}

TEST(Lookup, AfterARowIsDeletedTheNextLookupFindsTheRenumberedBead) {
  auto p = MakeChart(BPsquare, 5, 5);
  TBeadHit hit;
  ASSERT_TRUE(p->FindBeadInfo(p->Beads()[24].Left, p->Beads()[24].Top, hit));
  p->DeleteRow(7);
  p->MakeZoomList();
  const StoredBead& last = p->Beads().back();
  ASSERT_TRUE(p->FindBeadInfo(last.Left, last.Top, hit));
  EXPECT_EQ(hit.Index, 19);
  EXPECT_EQ(hit.Row, 3);
}

}  // namespace
