#include "ModelSupport.h"
#include "platform/ScriptedUserInterface.h"

#include <gtest/gtest.h>

namespace {

struct RecordingSink : TProgressSink {
  std::vector<int> Percents;
  void Progress(int percent) override { Percents.push_back(percent); }
};

QRect StoredRect(const TBeadPattern& p, int row, int column) {
  const StoredBead& b = p.Beads()[std::size_t(row * p.BeadPatternWidth() + column)];
  return QRect(QPoint(b.Left, b.Top), QPoint(b.Right, b.Bottom));
}

struct PlacementCase {
  EPattern Style;
  int Row, Column;
  QRect Rect;  // left, top, right, bottom as QPoint corners
};

class Placement : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(Placement, TwentyByTwentyAtZoomOne) {
  const auto& c = GetParam();
  auto p = MakeChart(c.Style, 20, 20);
  EXPECT_EQ(StoredRect(*p, c.Row, c.Column), c.Rect);
}

INSTANTIATE_TEST_SUITE_P(
    Styles, Placement,
    ::testing::Values(
        PlacementCase{BPsquare, 0, 0, QRect(QPoint(5, 5), QPoint(11, 14))},
        PlacementCase{BPsquare, 0, 1, QRect(QPoint(12, 5), QPoint(18, 14))},
        PlacementCase{BPsquare, 1, 0, QRect(QPoint(5, 15), QPoint(11, 24))},
        PlacementCase{BPsquare, 19, 19, QRect(QPoint(138, 195), QPoint(144, 204))},
        PlacementCase{BPbrick, 0, 0, QRect(QPoint(9, 5), QPoint(18, 11))},
        PlacementCase{BPbrick, 1, 0, QRect(QPoint(5, 12), QPoint(14, 18))},
        PlacementCase{BPcheyenne, 0, 0, QRect(QPoint(9, 5), QPoint(18, 11))},
        PlacementCase{BPcheyenne, 1, 0, QRect(QPoint(5, 12), QPoint(14, 18))},
        PlacementCase{BPpeyote, 0, 0, QRect(QPoint(5, 9), QPoint(11, 18))},
        PlacementCase{BPpeyote, 0, 1, QRect(QPoint(12, 5), QPoint(18, 14))},
        PlacementCase{BP2DropPeyote, 0, 1, QRect(QPoint(12, 9), QPoint(18, 18))},
        PlacementCase{BP2DropPeyote, 0, 2, QRect(QPoint(19, 5), QPoint(25, 14))},
        PlacementCase{BP2DropPeyote, 0, 3, QRect(QPoint(26, 5), QPoint(32, 14))},
        PlacementCase{BP2DropPeyote, 0, 4, QRect(QPoint(33, 9), QPoint(39, 18))},
        PlacementCase{BP2DropPeyote, 0, 5, QRect(QPoint(40, 9), QPoint(46, 18))}));

TEST(Geometry, EveryBeadFollowsTheStitchRulesAtEveryZoomAndGap) {
  for (EPattern style : {BPbrick, BPpeyote, BPcheyenne, BPsquare, BPloom, BP2DropPeyote})
    for (float zoom : {0.5f, 0.75f, 1.0f, 1.25f, 1.5f, 1.75f, 2.0f, 2.25f})
      for (int gap : {1, 3, 10}) {
        auto p = MakeChart(style, 7, 5, zoom, gap, 11 - gap);
        for (int r = 0; r < 5; ++r)
          for (int c = 0; c < 7; ++c)
            ASSERT_EQ(StoredRect(*p, r, c), ExpectedRect(style, r, c, zoom, gap, 11 - gap))
                << int(style) << " zoom " << zoom << " gap " << gap << " at " << r << "," << c;
      }
}

TEST(Geometry, ScaledBeadSizesAreTruncatedPerZoomStep) {
  const float zooms[] = {0.5f, 0.75f, 1.0f, 1.25f, 1.5f, 1.75f, 2.0f, 2.25f};
  const int widths[] = {3, 4, 6, 7, 9, 10, 12, 13};
  const int heights[] = {4, 6, 9, 11, 13, 15, 18, 20};
  for (int i = 0; i < 8; ++i) {
    auto square = MakeChart(BPsquare, 2, 2, zooms[i]);
    EXPECT_EQ(square->BeadWidth(), widths[i]);
    EXPECT_EQ(square->BeadHeight(), heights[i]);
    auto brick = MakeChart(BPbrick, 2, 2, zooms[i]);
    EXPECT_EQ(brick->BeadWidth(), heights[i]);
    EXPECT_EQ(brick->BeadHeight(), widths[i]);
  }
}

TEST(Geometry, PictureSizes) {
  EXPECT_EQ(TBeadPattern::PictureSize(BPsquare, 20, 20, 1.0f, 1, 1), QSize(148, 210));
  EXPECT_EQ(TBeadPattern::PictureSize(BPbrick, 20, 20, 1.0f, 1, 1), QSize(214, 150));
  EXPECT_EQ(TBeadPattern::PictureSize(BPpeyote, 20, 20, 1.0f, 1, 1), QSize(148, 214));
  EXPECT_EQ(TBeadPattern::PictureSize(BP2DropPeyote, 20, 20, 1.0f, 1, 1), QSize(148, 214));
  EXPECT_EQ(TBeadPattern::PictureSize(BPsquare, 0, 0, 1.0f, 1, 1), QSize(8, 10));
  // brick at 2.25: (20 + 2) * 10 + trunc(19) ; 10 + 4 * (13 + 3)
  EXPECT_EQ(TBeadPattern::PictureSize(BPbrick, 10, 4, 2.25f, 3, 2), QSize(239, 74));
  // Every bead lies inside its picture.
  for (EPattern style : {BPbrick, BPpeyote, BPcheyenne, BPsquare, BP2DropPeyote})
    for (float zoom : {0.5f, 1.25f, 2.25f}) {
      auto p = MakeChart(style, 9, 9, zoom);
      const QSize size = p->PictureSize();
      for (const StoredBead& b : p->Beads()) {
        ASSERT_LE(b.Right, size.width()) << int(style) << " " << zoom;
        ASSERT_LE(b.Bottom, size.height()) << int(style) << " " << zoom;
      }
    }
}

TEST(Geometry, RelayoutWithoutZoomChangesOnlyTheBeadSize) {
  auto p = MakeChart(BPsquare, 4, 4, 2.0f);
  const auto before = p->Beads();
  p->SetIsZoom(false);
  ASSERT_TRUE(p->MakeZoomList());
  EXPECT_EQ(p->BeadWidth(), 6);
  EXPECT_EQ(p->BeadHeight(), 9);
  for (std::size_t i = 0; i < before.size(); ++i) {
    EXPECT_EQ(p->Beads()[i].Left, before[i].Left);
    EXPECT_EQ(p->Beads()[i].Bottom, before[i].Bottom);
  }
}

TEST(Geometry, RelayoutReportsProgressEveryFourthBeadAndAOneBeadChartAsDone) {
  RecordingSink sink;
  auto p = MakeChart(BPsquare, 3, 3);
  p->SetProgressHandle(&sink);
  p->MakeZoomList();
  EXPECT_EQ(sink.Percents, (std::vector<int>{0, 50, 100}));  // beads 0, 4, 8 of 9

  RecordingSink one;
  auto single = MakeChart(BPsquare, 1, 1);
  single->SetProgressHandle(&one);
  EXPECT_TRUE(single->MakeZoomList());
  EXPECT_EQ(one.Percents, std::vector<int>{100});
}

TEST(Geometry, NewChartReportsProgressAfterEveryFourthRow) {
  RecordingSink sink;
  TBeadPattern p(6, 9);
  p.SetBeadPatternWidth(3);
  p.SetBeadPatternHeight(10);
  p.SetProgressHandle(&sink);
  p.NewPattern(BPsquare);
  EXPECT_EQ(sink.Percents, (std::vector<int>{0, 40, 80}));
}

TEST(Geometry, LayoutsBeyondSixteenBitPixelsAreRefusedAndChangeNothing) {
  EXPECT_TRUE(TBeadPattern::LayoutFits(BPsquare, 600, 600, 2.25f, 10, 10));
  EXPECT_FALSE(TBeadPattern::LayoutFits(BPsquare, 5000, 10, 1.0f, 10, 10));
  EXPECT_FALSE(TBeadPattern::LayoutFits(BPbrick, 10, 5000, 2.25f, 10, 10));
  EXPECT_FALSE(TBeadPattern::LayoutFits(BPsquare, 10, 10, 1.0f, 1, 1, 5, 65530));

  TScriptedUserInterface ui;
  TScopedUI scope(ui);
  TBeadPattern big(6, 9);
  big.SetBeadPatternWidth(10000);
  big.SetBeadPatternHeight(2);
  EXPECT_FALSE(big.NewPattern(BPsquare));
  EXPECT_TRUE(big.Beads().empty());
  ASSERT_EQ(ui.Texts(), QStringList{ChartTooLargeText});

  // 2900 columns fit at zoom 1 (7 px each) but not at 2.25 with gap 10 (23 px each).
  ui.Clear();
  auto p = MakeChart(BPsquare, 2900, 1);
  ASSERT_EQ(p->Beads().size(), 2900u);
  const auto before = p->Beads();
  p->SetZoom(2.25f);
  p->SetBeadSlackSide(10);
  EXPECT_FALSE(p->MakeZoomList());
  EXPECT_EQ(ui.Texts(), QStringList{ChartTooLargeText});
  EXPECT_EQ(p->BeadWidth(), 6);
  EXPECT_EQ(p->Beads().back().Left, before.back().Left);
}

}  // namespace
